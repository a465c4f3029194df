#include <gtest/gtest.h>

#include "GaugeState.h"
#include "Power.h"
#include "RecordingPlatform.h"

using namespace gauge;

namespace {

class PowerTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGauge(); }
};

TEST_F(PowerTest, SwitchingOnResetsPagesModesAndLampsAndStartsTheTimer)
{
    gaugeState.infoPageShown = 1;
    gaugeState.currentPage = 3;
    gaugeState.pageCount = 4;
    gaugeState.autopilotOn = 1;
    gaugeState.alarmOn = 1;
    platform.hidden[static_cast<int>(GaugeElement::steeringScale)] = true;
    platform.hidden[static_cast<int>(GaugeElement::steeringMarker)] = true;

    SetPower(1);

    EXPECT_EQ(gaugeState.powerOn, 1);
    EXPECT_EQ(gaugeState.infoPageShown, 0);
    EXPECT_EQ(gaugeState.currentPage, 1);
    EXPECT_EQ(gaugeState.pageCount, 2);
    EXPECT_EQ(gaugeState.autopilotOn, 0);
    EXPECT_EQ(gaugeState.alarmOn, 0);
    EXPECT_TRUE(platform.IsHidden(GaugeElement::autopilotLamp));
    EXPECT_TRUE(platform.IsHidden(GaugeElement::alarmLamp));
    EXPECT_FALSE(platform.IsHidden(GaugeElement::steeringScale));
    EXPECT_FALSE(platform.IsHidden(GaugeElement::steeringMarker));
    EXPECT_EQ(platform.timerStarts, 1);
    EXPECT_EQ(platform.timerStops, 0);
    EXPECT_EQ(platform.switchOffs, 0);
}

TEST_F(PowerTest, SwitchingOnWithARouteGivesThreePages)
{
    gaugeState.routeMode = 1;
    SetPower(1);
    EXPECT_EQ(gaugeState.pageCount, 3);
}

TEST_F(PowerTest, SwitchingOnAgainRestartsTheTimerOnly)
{
    SetPower(1);
    SetPower(1);
    EXPECT_EQ(platform.timerStarts, 2);
    EXPECT_EQ(platform.timerStops, 0);
}

TEST_F(PowerTest, SwitchingOffStopsTheTimerTellsTheHostAndKeepsTheRest)
{
    SetPower(1);
    gaugeState.alarmOn = 1;
    gaugeState.autopilotOn = 1;
    gaugeState.currentPage = 2;
    platform.hidden[static_cast<int>(GaugeElement::alarmLamp)] = false;

    SetPower(0);

    EXPECT_EQ(gaugeState.powerOn, 0);
    EXPECT_EQ(platform.timerStops, 1);
    EXPECT_EQ(platform.switchOffs, 1);
    EXPECT_EQ(gaugeState.alarmOn, 1);
    EXPECT_EQ(gaugeState.autopilotOn, 1);
    EXPECT_EQ(gaugeState.currentPage, 2);
    EXPECT_FALSE(platform.IsHidden(GaugeElement::alarmLamp));
}

}  // namespace
