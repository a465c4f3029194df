// What the gauge's dialogs (Setup, Route, Direct To) share: their templates are in the gauge
// module, the simulator's window owns them, and the close box ends them as Cancel does.
#pragma once

#include "ModalDialog.h"

namespace gauge {

class GaugeDialog : public winkit::ModalDialog {
public:
    explicit GaugeDialog(int templateId);

    // Sends the simulator's window the system-menu command, then runs the dialog owned by
    // that window (without an owner when there is no simulator window). Returns what the
    // dialog ended with, -1 when it could not be made.
    INT_PTR RunFromPanel();

protected:
    // The system command "close" runs OnCancel; any other is left to the dialog manager.
    bool OnSysCommand(WPARAM command) override;
};

}  // namespace gauge
