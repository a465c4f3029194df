// The program's dialogs driven by the host's dialog script (DialogScript.h) and control
// helpers (DialogWindows.h), with the checks of the program's message boxes added: a
// message box is answered only after its text, buttons and icon have been compared.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "DialogScript.h"
#include "DialogWindows.h"

namespace uitest {

using host::Click;
using host::ComboSelection;
using host::ControlText;
using host::DoubleClickListEntry;
using host::IsMessageBox;
using host::ListEntries;
using host::MessageBoxView;
using host::ReadMessageBox;
using host::SelectComboEntry;
using host::SelectListEntry;
using host::SetControlText;
using host::TypeText;

class Script {
public:
    // Waits for a dialog (not a message box) with this caption, then runs the action.
    Script& On(const std::string& caption, std::function<void(HWND)> action);
    // Waits for a message box with this caption, then runs the action (which answers it).
    Script& OnMessage(const std::string& caption, std::function<void(HWND)> action);
    // Waits for a message box, checks its caption, text, buttons and icon, and presses
    // `button`.
    Script& Answer(const std::string& caption, const std::string& text, std::vector<int> buttons,
                   HICON icon, int button);
    // A Yes/No question of the program ("Quillmap", question icon).
    Script& Question(const std::string& text, bool yes);
    // Lets the dialogs run on their own for a while before the next step.
    Script& Pause(DWORD milliseconds);

    // Starts the timer; the steps run while the caller's modal dialog runs.
    void Start() { script_.Start(); }
    bool Finished() const { return script_.Finished(); }
    size_t StepsDone() const { return script_.StepsDone(); }

private:
    host::DialogScript script_;
};

}  // namespace uitest
