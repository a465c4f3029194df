// Drives a program's modal dialogs from inside their own message loops, step by step in a
// fixed order: a thread timer looks for the window the next step waits for (a visible,
// enabled top-level window of this thread with the step's caption) and runs the step's
// action on it. Actions post their clicks (DialogWindows.h), so the timer never waits inside
// a nested modal loop; the next step then waits for whatever the click opened. A script
// that waits 15 seconds without progress lists the windows it sees and ends the process.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace host {

class DialogScript {
public:
    DialogScript() = default;
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // Waits for a dialog (not a message box) with this caption, then runs the action.
    DialogScript& On(const std::string& caption, std::function<void(HWND)> action);
    // Waits for a message box with this caption, then runs the action (which answers it).
    DialogScript& OnMessage(const std::string& caption, std::function<void(HWND)> action);
    // Lets the dialogs run on their own for a while before the next step.
    DialogScript& Pause(DWORD milliseconds);

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

}  // namespace host
