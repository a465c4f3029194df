// "Airports": the airport editor, with the runway list and its "+" and "--" buttons.
#pragma once

#include "AirportEditor.h"
#include "RecordEditorDialog.h"

namespace quillmap {

class AirportEditorDialog final : public RecordEditorDialog {
public:
    AirportEditorDialog();

protected:
    RecordEditor& Editor() override { return editor_; }
    bool OnCommand(int notifyCode, int id, HWND control) override;
    bool OnButtonClicked(int id) override;

private:
    // Runs the runway editor on a new runway ("+") or the selected one (double-click).
    void OnEditRunway(bool isNew);

    AirportEditor editor_;
};

}  // namespace quillmap
