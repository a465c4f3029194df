#include <gtest/gtest.h>

#include <vector>

#include "VirtualClock.h"

using namespace host;

namespace {

std::vector<uintptr_t> Fired(VirtualClock& clock, uint64_t ms)
{
    std::vector<uintptr_t> ids;
    clock.Advance(ms, [&](const ClockTimer& t) { ids.push_back(t.id); });
    return ids;
}

TEST(VirtualClockTest, AWindowTimerFiresOncePerPeriod)
{
    VirtualClock clock;
    EXPECT_EQ(clock.Set(0x100, 1, 1000, nullptr), 1u);
    EXPECT_TRUE(Fired(clock, 999).empty());
    EXPECT_EQ(Fired(clock, 1).size(), 1u);
    EXPECT_EQ(Fired(clock, 3000).size(), 3u);
    EXPECT_EQ(clock.NowMs(), 4000u);
}

TEST(VirtualClockTest, SettingAWindowTimerAgainRestartsIt)
{
    VirtualClock clock;
    clock.Set(0x100, 1, 1000, nullptr);
    Fired(clock, 600);
    clock.Set(0x100, 1, 1000, nullptr);
    EXPECT_EQ(clock.Timers().size(), 1u);
    EXPECT_TRUE(Fired(clock, 900).empty());  // 1500 ms: the first period was restarted
    EXPECT_EQ(Fired(clock, 100).size(), 1u);
}

TEST(VirtualClockTest, TimersWithoutAWindowGetFreshIdsAndRestartByThem)
{
    VirtualClock clock;
    uintptr_t first = clock.Set(0, 1, 1000, nullptr);
    EXPECT_NE(first, 0u);
    EXPECT_NE(first, 1u);  // the id asked for is ignored
    uintptr_t again = clock.Set(0, first, 1000, nullptr);
    EXPECT_EQ(again, first);
    EXPECT_EQ(clock.Timers().size(), 1u);
    uintptr_t second = clock.Set(0, 0, 1000, nullptr);
    EXPECT_NE(second, first);
    EXPECT_FALSE(clock.Kill(0, 1));
    EXPECT_TRUE(clock.Kill(0, first));
    EXPECT_FALSE(clock.Kill(0, first));
    EXPECT_EQ(clock.Timers().size(), 1u);
}

TEST(VirtualClockTest, FiresInTimeOrderAndLetsAProcedureKillTimers)
{
    VirtualClock clock;
    clock.Set(0x100, 1, 1000, nullptr);
    clock.Set(0x100, 2, 300, nullptr);
    std::vector<uintptr_t> ids;
    clock.Advance(1000, [&](const ClockTimer& t) {
        ids.push_back(t.id);
        if (ids.size() == 2) clock.Kill(0x100, 2);
    });
    EXPECT_EQ(ids, (std::vector<uintptr_t>{2, 2, 1}));
    EXPECT_EQ(Fired(clock, 2000), (std::vector<uintptr_t>{1, 1}));
}

}  // namespace
