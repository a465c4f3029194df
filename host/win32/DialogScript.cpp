#include "DialogScript.h"

#include <cstdio>

#include "DialogWindows.h"

namespace host {

namespace {

constexpr UINT TickMilliseconds = 15;
constexpr DWORD PatienceMilliseconds = 15000;

DialogScript* running = nullptr;

// The first window of this thread that a step waits for, or null.
HWND FindWindowOfStep(const std::string& caption, bool messageBox)
{
    for (HWND window : ShownThreadWindows())
        if (IsWindowEnabled(window) && IsMessageBox(window) == messageBox &&
            WindowText(window) == caption)
            return window;
    return nullptr;
}

void DescribeShownWindows()
{
    for (HWND window : ShownThreadWindows())
        std::fprintf(stderr, "  window \"%s\"%s%s\n", WindowText(window).c_str(),
                     IsWindowEnabled(window) ? "" : " (disabled)",
                     IsMessageBox(window) ? (" message: " + ReadMessageBox(window).text).c_str()
                                          : "");
}

}  // namespace

DialogScript::~DialogScript()
{
    if (timer_) KillTimer(nullptr, timer_);
    if (running == this) running = nullptr;
}

DialogScript& DialogScript::On(const std::string& caption, std::function<void(HWND)> action)
{
    steps_.push_back({"dialog \"" + caption + "\"", false, caption, std::move(action)});
    return *this;
}

DialogScript& DialogScript::OnMessage(const std::string& caption, std::function<void(HWND)> action)
{
    steps_.push_back({"message box \"" + caption + "\"", true, caption, std::move(action)});
    return *this;
}

DialogScript& DialogScript::Pause(DWORD milliseconds)
{
    Step step{"a pause", false, "", nullptr};
    step.pause = milliseconds;
    steps_.push_back(std::move(step));
    return *this;
}

void DialogScript::Start()
{
    running = this;
    lastProgress_ = GetTickCount();
    timer_ = SetTimer(nullptr, 0, TickMilliseconds, Tick);
}

void CALLBACK DialogScript::Tick(HWND, UINT, UINT_PTR, DWORD)
{
    if (running) running->RunDueStep();
}

void DialogScript::RunDueStep()
{
    if (Finished()) return;
    const Step& step = steps_[next_];
    if (step.pause) {
        if (!pausing_) {
            pausing_ = true;
            pauseEnd_ = GetTickCount() + step.pause;
        } else if (static_cast<LONG>(GetTickCount() - pauseEnd_) >= 0) {
            pausing_ = false;
            ++next_;
            lastProgress_ = GetTickCount();
        }
        return;
    }
    HWND found = FindWindowOfStep(step.caption, step.messageBox);
    if (!found) {
        if (GetTickCount() - lastProgress_ > PatienceMilliseconds) GiveUp();
        return;
    }
    ++next_;  // first, so that a step's own failure cannot repeat it
    lastProgress_ = GetTickCount();
    step.action(found);
}

void DialogScript::GiveUp() const
{
    std::fprintf(stderr, "UI script stalled at step %zu: waiting for %s\n", next_ + 1,
                 steps_[next_].description.c_str());
    DescribeShownWindows();
    std::fflush(stderr);
    ExitProcess(3);
}

}  // namespace host
