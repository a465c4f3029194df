#include "VirtualClock.h"

#include <algorithm>

namespace host {

std::vector<ClockTimer>::iterator VirtualClock::Find(uintptr_t window, uintptr_t id)
{
    return std::find_if(timers_.begin(), timers_.end(),
                        [&](const ClockTimer& t) { return t.window == window && t.id == id; });
}

uintptr_t VirtualClock::Set(uintptr_t window, uintptr_t id, uint32_t periodMs, void* procedure)
{
    if (periodMs == 0) periodMs = 1;  // as the system raises too short periods
    if (window == 0) {
        bool running = id != 0 && Find(0, id) != timers_.end();
        if (!running) id = nextWindowlessId_++;
    }
    ClockTimer timer{window, id, periodMs, nowMs_ + periodMs, procedure, nextSerial_++};
    auto existing = Find(window, id);
    if (existing != timers_.end())
        *existing = timer;
    else
        timers_.push_back(timer);
    return window != 0 && id == 0 ? 1 : id;
}

bool VirtualClock::Kill(uintptr_t window, uintptr_t id)
{
    auto existing = Find(window, id);
    if (existing == timers_.end()) return false;
    timers_.erase(existing);
    return true;
}

void VirtualClock::Advance(uint64_t ms, const std::function<void(const ClockTimer&)>& fire)
{
    const uint64_t end = nowMs_ + ms;
    for (;;) {
        auto next = std::min_element(
            timers_.begin(), timers_.end(),
            [](const ClockTimer& a, const ClockTimer& b) { return a.dueMs < b.dueMs; });
        if (next == timers_.end() || next->dueMs > end) break;
        nowMs_ = next->dueMs;
        next->dueMs += next->periodMs;
        ClockTimer fired = *next;  // the procedure may change the list
        fire(fired);
    }
    nowMs_ = end;
}

}  // namespace host
