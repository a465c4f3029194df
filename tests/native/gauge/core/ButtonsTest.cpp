#include <vector>

#include "GaugeButtons.h"
#include "GaugeTestSupport.h"

using namespace gauge;

namespace {

using Events = std::vector<std::pair<uint32_t, int32_t>>;

MouseCallback const allButtons[] = {OnNavButton,  OnInfButton,      OnAlrButton, OnSetButton,
                                    OnPwrButton,  OnDirectToButton, OnRteButton, OnAutButton,
                                    OnPrevButton, OnNextButton};

class ButtonsTest : public GaugeTest {
protected:
    void SetRoute(int count)
    {
        for (int i = 0; i < count; ++i) {
            char num[12];  // room for any int, though NUMs here have eight digits
            std::snprintf(num, sizeof num, "%08d", i + 1);
            gaugeState.route[i] = MakeWaypoint("W", 1, false, 0, 0, false, i, 0, num);
        }
        gaugeState.routeCount = count;
        gaugeState.routeMode = 1;
    }
    std::vector<int> PagesAfterNavPresses(int presses)
    {
        std::vector<int> pages{gaugeState.currentPage};
        for (int i = 0; i < presses; ++i) {
            Press(OnNavButton);
            pages.push_back(gaugeState.currentPage);
        }
        return pages;
    }
};

TEST_F(ButtonsTest, EveryButtonClicksAndOnlyPowerActsWhileOff)
{
    SetRoute(3);
    GaugeState before = gaugeState;
    for (MouseCallback button : allButtons) {
        if (button == OnPwrButton) continue;
        Press(button);
    }
    EXPECT_EQ(platform.sounds, std::vector<int>(9, 0));
    EXPECT_EQ(std::memcmp(&before, &gaugeState, sizeof before), 0);
    EXPECT_TRUE(platform.events.empty());
    EXPECT_TRUE(engine.calls.empty());

    Press(OnPwrButton);
    EXPECT_EQ(platform.sounds.size(), 10u);
    EXPECT_EQ(gaugeState.powerOn, 1);
    EXPECT_EQ(gaugeState.currentPage, 1);
    EXPECT_EQ(gaugeState.pageCount, 3);
    EXPECT_EQ(platform.timerStarts, 1);
}

TEST_F(ButtonsTest, PowerOnResetsThePagesAndLampsAndPowerOffStopsTheTimer)
{
    gaugeState.infoPageShown = 1;
    gaugeState.currentPage = 4;
    gaugeState.alarmOn = 1;
    gaugeState.autopilotOn = 1;
    Press(OnPwrButton);
    EXPECT_EQ(gaugeState.pageCount, 2);
    EXPECT_EQ(gaugeState.currentPage, 1);
    EXPECT_EQ(gaugeState.infoPageShown, 0);
    EXPECT_EQ(gaugeState.alarmOn, 0);
    EXPECT_EQ(gaugeState.autopilotOn, 0);
    EXPECT_TRUE(platform.IsHidden(GaugeElement::alarmLamp));
    EXPECT_TRUE(platform.IsHidden(GaugeElement::autopilotLamp));
    EXPECT_FALSE(platform.IsHidden(GaugeElement::steeringScale));

    Press(OnPwrButton);
    EXPECT_EQ(gaugeState.powerOn, 0);
    EXPECT_EQ(platform.timerStops, 1);
    EXPECT_EQ(platform.switchOffs, 1);
}

TEST_F(ButtonsTest, NavCyclesTwoPagesWithoutARouteAndThreeWithOne)
{
    Press(OnPwrButton);
    EXPECT_EQ(PagesAfterNavPresses(3), (std::vector<int>{1, 2, 1, 2}));
    Press(OnPwrButton);
    SetRoute(1);
    Press(OnPwrButton);
    EXPECT_EQ(PagesAfterNavPresses(3), (std::vector<int>{1, 2, 3, 1}));
}

TEST_F(ButtonsTest, NavLeavesInformationModeForPageOne)
{
    SetRoute(2);
    Press(OnPwrButton);
    gaugeState.infoPageShown = 1;
    gaugeState.currentPage = 3;
    gaugeState.pageCount = 5;
    platform.SetElementHidden(GaugeElement::steeringScale, true);
    platform.SetElementHidden(GaugeElement::steeringMarker, true);
    Press(OnNavButton);
    EXPECT_EQ(gaugeState.infoPageShown, 0);
    EXPECT_EQ(gaugeState.currentPage, 1);
    EXPECT_EQ(gaugeState.pageCount, 3);
    EXPECT_FALSE(platform.IsHidden(GaugeElement::steeringScale));
    EXPECT_FALSE(platform.IsHidden(GaugeElement::steeringMarker));
}

TEST_F(ButtonsTest, AlarmTogglesWithItsLamp)
{
    Press(OnPwrButton);
    Press(OnAlrButton);
    EXPECT_EQ(gaugeState.alarmOn, 1);
    EXPECT_FALSE(platform.IsHidden(GaugeElement::alarmLamp));
    Press(OnAlrButton);
    EXPECT_EQ(gaugeState.alarmOn, 0);
    EXPECT_TRUE(platform.IsHidden(GaugeElement::alarmLamp));
}

TEST_F(ButtonsTest, AutopilotSendsTwoEventsOnAndOneOff)
{
    Press(OnPwrButton);
    Press(OnAutButton);
    EXPECT_EQ(gaugeState.autopilotOn, 1);
    EXPECT_FALSE(platform.IsHidden(GaugeElement::autopilotLamp));
    EXPECT_EQ(platform.events, (Events{{0x10100, 0}, {0x1010F, 0}}));
    Press(OnAutButton);
    EXPECT_EQ(gaugeState.autopilotOn, 0);
    EXPECT_TRUE(platform.IsHidden(GaugeElement::autopilotLamp));
    EXPECT_EQ(platform.events, (Events{{0x10100, 0}, {0x1010F, 0}, {0x10117, 0}}));
}

TEST_F(ButtonsTest, PreviousAndNextWrapAndLoadTheWaypointWithoutItsSound)
{
    SetRoute(3);
    Press(OnPwrButton);
    gaugeState.autopilotOn = 1;
    Press(OnPrevButton);
    EXPECT_EQ(gaugeState.routeIndex, 2);
    Press(OnNextButton);
    EXPECT_EQ(gaugeState.routeIndex, 0);
    Press(OnNextButton);
    EXPECT_EQ(gaugeState.routeIndex, 1);
    EXPECT_EQ(engine.CallsStartingWith("RecordSeek"),
              (std::vector<std::string>{"RecordSeek(00000003)", "RecordSeek(00000001)",
                                        "RecordSeek(00000002)"}));
    EXPECT_EQ(gaugeState.autopilotOn, 1);
    EXPECT_EQ(platform.sounds, std::vector<int>(4, 0));                  // clicks only
    EXPECT_TRUE(engine.CallsStartingWith("TableCloseAll").size() == 3);  // one per open
}

TEST_F(ButtonsTest, PreviousAndNextOnlyClickWithoutARoute)
{
    Press(OnPwrButton);
    gaugeState.routeCount = 3;
    Press(OnPrevButton);
    Press(OnNextButton);
    EXPECT_EQ(gaugeState.routeIndex, 0);
    EXPECT_TRUE(engine.calls.empty());
}

}  // namespace
