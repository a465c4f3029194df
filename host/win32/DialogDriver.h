// Answers the dialogs that open while a scenario runs, as a user at the keyboard would.
// A timer of the host's own thread fires inside every modal loop (a dialog's, a message
// box's, a file dialog's), looks for newly shown dialog windows of the thread and
// answers each with the first expected block of its caption: focus a control and type
// into it key by key, select list lines with their notification, press buttons, enter a
// path into a file dialog, check a control's text, let simulated time pass, take a
// picture of the dialog. A dialog nobody expects is cancelled and reported, and so is
// one that its block leaves open.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>

#include "Scenario.h"

namespace host {

class DialogDriver {
public:
    using Reporter = std::function<void(const std::string& line, bool failure)>;
    // Code that answers a dialog itself (Windows tests), given the dialog window.
    using Handler = std::function<void(HWND dialog)>;
    // Moves simulated time on by whole seconds (the `run` step).
    using Clock = std::function<void(int seconds)>;

    struct Expectation {
        DialogBlock block;  // a handler's block has its caption and no steps
        Handler handler;
    };

    explicit DialogDriver(Reporter report);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Starts or stops watching for dialogs.
    void Start();
    void Stop();
    void SetClock(Clock clock) { clock_ = std::move(clock); }

    void Expect(DialogBlock block);
    void Expect(std::string caption, Handler handler);
    const std::deque<Expectation>& Pending() const { return pending_; }
    int Failures() const { return failures_; }
    int Checks() const { return checks_; }  // `expect` and `count` steps run

    // Runs one step on a dialog as a block would; false when the step could not be done
    // (the failure is reported). A failed `expect` or `count` is reported and returns true.
    bool Perform(HWND dialog, const DialogStep& step);

private:
    // A step on one control of the dialog.
    using ControlStep = bool (DialogDriver::*)(HWND dialog, HWND control, const DialogStep& step);

    // One handler per step; each reports its own failure.
    bool CloseBox(HWND dialog);
    bool RunClock(const DialogStep& step);
    bool TakePicture(HWND dialog, const DialogStep& step);
    bool EnterFileName(HWND dialog, const DialogStep& step);
    bool OnControl(HWND dialog, const DialogStep& step, ControlStep perform);
    bool TypeInto(HWND dialog, HWND control, const DialogStep& step);
    bool SelectLine(HWND dialog, HWND control, const DialogStep& step);
    bool PressButton(HWND dialog, HWND control, const DialogStep& step);
    bool CheckText(HWND dialog, HWND control, const DialogStep& step);
    bool CheckCount(HWND dialog, HWND control, const DialogStep& step);

    static void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD);
    void Check();
    void Answer(HWND dialog, const Expectation& expectation);
    void Fail(const std::string& message);

    Reporter report_;
    Clock clock_;
    std::deque<Expectation> pending_;
    UINT_PTR timer_ = 0;
    int failures_ = 0;
    int checks_ = 0;
};

}  // namespace host
