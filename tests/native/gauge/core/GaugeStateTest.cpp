// The reset of the gauge's state: whatever a test left behind, the next one starts with the
// gauge of a fresh load.
#include "GaugeTestSupport.h"
#include "Navigation.h"
#include "TableDialogHold.h"
#include "WaypointAccess.h"

using namespace gauge;

namespace {

class GaugeStateTest : public GaugeTest {
protected:
    // A flown route of two waypoints, the aircraft `distance` NM from the first.
    static void FlyRoute(double distance)
    {
        for (int i = 0; i < 2; ++i)
            gaugeState.route[i] =
                MakeWaypoint("W", WaypointAirport, false, 47, i * 10, false, 122, 0);
        gaugeState.routeCount = 2;
        gaugeState.routeMode = 1;
        gaugeState.routeIndex = 0;
        SetActiveWaypoint(gaugeState.route[0]);
        gaugeState.nextWaypointDistance = 0.5;
        gaugeState.activeDistance = distance;
    }
};

TEST_F(GaugeStateTest, AResetForgetsAHeldRouteAdvanceAndTheLastLookup)
{
    FlyRoute(0.2);
    {
        TableDialogScope hold;
        SequenceRoute();  // due, and held for the dialog
    }
    OpenWaypointTable(WaypointAirport);
    SeekWaypointByNum("00000042");

    ResetGauge();
    FlyRoute(5.0);
    SequenceRoute();
    EXPECT_EQ(gaugeState.routeIndex, 0) << "an advance held before the reset";
    EXPECT_EQ(CurrentWaypointLookup(), WaypointNoDatabase) << "a table opened before the reset";
    engine.atEof = true;
    WaypointRecord waypoint{};
    ReadWaypoint(waypoint);
    EXPECT_STREQ(waypoint.num, "") << "a key sought before the reset";
}

}  // namespace
