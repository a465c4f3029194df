// Answers the dialogs that open while a scenario runs, as a user at the keyboard would.
// A timer of the host's own thread fires inside every modal loop (a dialog's, a message
// box's, a file dialog's), looks for newly shown dialog windows of the thread and
// answers each with the first expected block of its caption: focus a control and type
// into it key by key, select list lines with their notification, press buttons, enter a
// path into a file dialog. A dialog nobody expects is cancelled and reported, and so is
// one that its block leaves open.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <set>
#include <string>

#include "Scenario.h"

class DialogDriver {
public:
    using Reporter = std::function<void(const std::string& line, bool failure)>;

    explicit DialogDriver(Reporter report);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Starts or stops watching for dialogs.
    void Start();
    void Stop();

    void Expect(DialogBlock block);
    const std::deque<DialogBlock>& Pending() const { return pending_; }
    int Failures() const { return failures_; }

private:
    static void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD);
    void Check();
    void Answer(HWND dialog, const DialogBlock& block);
    bool RunStep(HWND dialog, const DialogStep& step);
    void Fail(const std::string& message);

    Reporter report_;
    std::deque<DialogBlock> pending_;
    std::set<HWND> seen_;        // dialogs already answered or refused
    std::set<HWND> answered_;    // dialogs whose block has run; they should be gone
    UINT_PTR timer_ = 0;
    int failures_ = 0;
};
