// Drives the program's modal dialogs from inside their own message loops: a thread timer
// looks for the window each step waits for (an enabled, visible top-level window of this
// thread) and runs the step's action on it. Actions post their clicks, so the timer never
// waits inside a nested modal loop; the next step then waits for whatever the click opened.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace uitest {

// Control helpers.
std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
// Replaces the text as if typed: every character goes through WM_CHAR, so the control's
// styles (upper case) apply.
void TypeText(HWND dialog, int id, const std::string& text);
void Click(HWND dialog, int id);
void SelectComboEntry(HWND dialog, int id, int index);
int ComboSelection(HWND dialog, int id);
std::vector<std::string> ListEntries(HWND dialog, int id);
// Selects the list entry and notifies the dialog of a double-click on it.
void DoubleClickListEntry(HWND dialog, int id, int index);
void SelectListEntry(HWND dialog, int id, int index);

// What a message box shows.
struct MessageBoxView {
    std::string caption;
    std::string text;
    HICON icon = nullptr;        // compare with LoadIcon(nullptr, IDI_QUESTION) and the like
    std::vector<int> buttons;    // IDOK, IDYES, ... in window order
};
bool IsMessageBox(HWND window);
MessageBoxView ReadMessageBox(HWND box);

class Script {
public:
    Script();
    ~Script();
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

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
    void Start();
    bool Finished() const { return next_ == steps_.size(); }
    size_t StepsDone() const { return next_; }

private:
    struct Step {
        std::string description;
        bool messageBox;
        std::string caption;
        std::function<void(HWND)> action;
        DWORD pause = 0;  // a pause instead of a window
    };
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void RunDueStep();
    [[noreturn]] void GiveUp() const;

    std::vector<Step> steps_;
    size_t next_ = 0;
    UINT_PTR timer_ = 0;
    DWORD lastProgress_ = 0;
    DWORD pauseEnd_ = 0;
    bool pausing_ = false;
};

}  // namespace uitest
