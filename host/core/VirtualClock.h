// The panel host's clock: window timers kept on simulated time, so that a scenario
// advances seconds without waiting. Setting and killing follow the window-timer rules:
// a timer of a window is known by (window, id) and setting it again restarts it; a timer
// without a window gets a fresh id, unless it is set with the id of a running one.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace host {

struct ClockTimer {
    uintptr_t window;  // 0: no window
    uintptr_t id;
    uint32_t periodMs;
    uint64_t dueMs;   // next expiry on the clock
    void* procedure;  // opaque to the clock
    uint64_t serial;  // distinguishes a restarted timer from the one it replaced
};

class VirtualClock {
public:
    // Returns the id to use with Kill (never 0).
    uintptr_t Set(uintptr_t window, uintptr_t id, uint32_t periodMs, void* procedure);
    bool Kill(uintptr_t window, uintptr_t id);

    // Moves the clock on by `ms`, calling `fire` for every expiry in time order. A fired
    // timer may kill or set timers, including itself.
    void Advance(uint64_t ms, const std::function<void(const ClockTimer&)>& fire);

    uint64_t NowMs() const { return nowMs_; }
    const std::vector<ClockTimer>& Timers() const { return timers_; }
    void Clear() { timers_.clear(); }

private:
    static constexpr uintptr_t FirstWindowlessId = 0x7F01;

    std::vector<ClockTimer>::iterator Find(uintptr_t window, uintptr_t id);

    std::vector<ClockTimer> timers_;
    uint64_t nowMs_ = 0;
    uint64_t nextSerial_ = 1;
    uintptr_t nextWindowlessId_ = FirstWindowlessId;
};

}  // namespace host
