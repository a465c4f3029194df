// The Direct-To dialog (template 114): the pilot picks one waypoint of the airport, navaid
// or user waypoint table by identifier, by the beginning of its name or from the list of
// all names. OK leaves the choice in gaugeState.directToChoice; the caller uses it. The
// dialog ends with 1 on OK, 0 on Cancel, Escape or the close box.
#pragma once

#include <cstdint>

#include "GaugeDialog.h"
#include "ListBox.h"

namespace gauge {

class DirectToDialog final : public GaugeDialog {
public:
    DirectToDialog();

private:
    bool OnInit() override;
    bool OnCommand(int notifyCode, int id, HWND control) override;
    bool OnButtonClicked(int id) override;
    void OnOK() override;
    void OnCancel() override { End(0); }
    // Every way out of the dialog leaves no table open.
    void OnDestroy() override;

    // Switches to a waypoint table: both boxes emptied, the list refilled while it is
    // shown, typing directed to the identifier box.
    void SelectTable(int32_t table);
    void FillResultList() const;
    // A search from the text of the identifier or the name box: the record found shows in
    // the other box, and its name selects its list line.
    void Search(int box) const;
    void ShowListLine() const;
    void ToggleList();
    void SetHeight(int height) const;
    int FullHeight() const;
    int ShortHeight() const;
    winkit::ListBox ResultList() const;

    int32_t table_;
    bool listShown_ = false;
    RECT fullRect_{};  // the window as created, screen pixels
};

// Runs the dialog from the DTO button; 1 when it ended with OK, else 0 (also when it could
// not be made).
int RunDirectToDialog();

// Runs the dialog owned by `owner` (the Route dialog's "&Add..."); true when it ended with OK.
bool ChooseDirectToWaypoint(HWND owner);

}  // namespace gauge
