#include "GaugeCycle.h"
#include "GaugeTestSupport.h"
#include "HostCodes.h"

using namespace gauge;

namespace {

class GaugeCycleTest : public GaugeTest {
protected:
    // The aircraft as the host gives it: metres north, turns east, metres, degrees.
    void HostAircraft(double latitude, double longitudeEast)
    {
        platform.hostValues[TokenLatitude] = latitude / 8.998425275576774e-06;
        platform.hostValues[TokenLongitude] = longitudeEast / 360.0 * 281475000000000.0;
        platform.hostValues[TokenHeading] = 90.0;
    }
};

TEST_F(GaugeCycleTest, ATickMeasuresFormatsAndHandsTheLinesOver)
{
    HostAircraft(0.0, 0.0);
    SetActiveWaypoint(MakeWaypoint("EAST  ", 1, false, 0, 0, true, 1, 0));
    gaugeState.currentPage = 1;
    RunGaugeCycle();
    EXPECT_EQ(platform.Screen(2), "DIS:60.0NM     BRG:090\xB0");
    EXPECT_EQ(platform.Screen(1), "GO TO:EAST      GS:0KT");
}

TEST_F(GaugeCycleTest, InformationModeKeepsItsLinesButTheyAreCopiedAgain)
{
    HostAircraft(0.0, 0.0);
    SetActiveWaypoint(MakeWaypoint("EAST  ", 1, false, 0, 0, true, 1, 0));
    gaugeState.currentPage = 1;
    gaugeState.infoPageShown = 1;
    std::strcpy(gaugeState.screenLines[0], "INFO PAGE");
    RunGaugeCycle();
    EXPECT_EQ(platform.Screen(1), "INFO PAGE");
}

TEST_F(GaugeCycleTest, TheTickThatMovesOnStillSteersToTheOldWaypoint)
{
    HostAircraft(0.0, 0.999);  // 0.06 NM short of the first waypoint, flying east
    gaugeState.route[0] = MakeWaypoint("ONE   ", 1, false, 0, 0, true, 1, 0, "00000001");
    gaugeState.route[1] = MakeWaypoint("TWO   ", 1, true, 1, 0, true, 1, 0, "00000002");
    gaugeState.routeCount = 2;
    gaugeState.routeMode = 1;
    SetActiveWaypoint(gaugeState.route[0]);
    gaugeState.autopilotOn = 1;
    gaugeState.nextWaypointDistance = 1.0;
    engine.texts = {{"NUM", "00000002"}, {"ID", "TWO   "}};
    engine.integers = {{"LAT1", 1}, {"LAT2", 1}, {"LON1", 1}, {"LON2", 1}};
    RunGaugeCycle();
    EXPECT_EQ(gaugeState.routeIndex, 1);
    EXPECT_EQ(platform.events.back(), (std::pair<uint32_t, int32_t>{0x101FA, 90}));
    RunGaugeCycle();
    EXPECT_EQ(platform.events.back(), (std::pair<uint32_t, int32_t>{0x101FA, 180}));
    EXPECT_EQ(platform.sounds, (std::vector<int>{2}));
}

}  // namespace
