// Answers the dialogs and message boxes that a command shows on the test's own thread:
// a thread timer keeps firing inside their modal loops, finds the dialog, records what it
// shows and runs the next scripted step on it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct SeenDialog {
    std::string caption;
    std::string text;               // a message box's text
    HICON icon = nullptr;           // a message box's icon, null without one
    std::vector<int> buttons;       // which of IDOK, IDCANCEL, IDYES, IDNO it has
    std::string folder;             // a file dialog's current folder
    std::vector<std::string> fileTypes; // a file dialog's filter descriptions
};

class DialogDriver {
public:
    using Step = std::function<void(HWND dialog)>;

    DialogDriver();
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Steps are used one per dialog, in order; a dialog beyond the script is cancelled.
    void Then(Step step) { steps_.push_back(std::move(step)); }
    const std::vector<SeenDialog>& Seen() const { return seen_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Answer(HWND dialog);

    UINT_PTR timer_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    std::vector<SeenDialog> seen_;
    HWND answered_ = nullptr;
};

// Presses a button of a message box or dialog.
DialogDriver::Step PressButton(int id);
// Types a path into the file dialog's name box and presses Open.
DialogDriver::Step ChooseFile(const std::string& path);
