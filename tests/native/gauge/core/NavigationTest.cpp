#include <cmath>

#include "GaugeTestSupport.h"
#include "Navigation.h"

using namespace gauge;

namespace {

class NavigationTest : public GaugeTest {
protected:
    void FlyFrom(double latitude, double longitudeWestPositive)
    {
        gaugeState.aircraftLatitude = latitude;
        gaugeState.aircraftLongitude = longitudeWestPositive;
    }
    // Three waypoints along the equator, 1 degree (60 NM) apart, flying west to east.
    void SetEquatorRoute()
    {
        gaugeState.route[0] = MakeWaypoint("AAA", 1, false, 0, 0, true, 1, 0, "00000001");
        gaugeState.route[1] = MakeWaypoint("BBB", 1, false, 0, 0, true, 2, 0, "00000002");
        gaugeState.route[2] = MakeWaypoint("CCC", 1, false, 0, 0, true, 3, 0, "00000003");
        gaugeState.routeCount = 3;
        gaugeState.routeMode = 1;
    }
};

TEST_F(NavigationTest, DistanceAndBearingToANorthEasternWaypoint)
{
    FlyFrom(45.0, 0.0);
    SetActiveWaypoint(MakeWaypoint("NE", 1, false, 45, 30, true, 0, 30));
    ComputeNavigation();
    EXPECT_NEAR(gaugeState.activeDistance, 36.69, 0.005);
    EXPECT_EQ(gaugeState.activeBearing, 35.0);

    gaugeState.magneticVariation = 10.0;  // 10 degrees west
    ComputeNavigation();
    EXPECT_EQ(gaugeState.activeBearing, 45.0);
}

TEST_F(NavigationTest, OneDegreeFromTheOriginInEachDirection)
{
    struct Case {
        bool south;
        int latDeg;
        bool east;
        int lonDeg;
        double bearing;
    } cases[] = {{false, 0, true, 1, 90.0},
                 {false, 0, false, 1, 270.0},
                 {true, 1, false, 0, 180.0},
                 {false, 1, false, 0, 360.0}};
    for (const Case& c : cases) {
        FlyFrom(0.0, 0.0);
        SetActiveWaypoint(MakeWaypoint("X", 1, c.south, c.latDeg, 0, c.east, c.lonDeg, 0));
        ComputeNavigation();
        EXPECT_NEAR(gaugeState.activeDistance, 60.0, 1e-6);
        // Due north reads 0 or 360 depending on rounding of the course; both are north.
        if (c.bearing == 360.0)
            EXPECT_TRUE(gaugeState.activeBearing == 0.0 || gaugeState.activeBearing == 360.0);
        else
            EXPECT_EQ(gaugeState.activeBearing, c.bearing) << c.latDeg << " " << c.lonDeg;
    }
}

TEST_F(NavigationTest, OnTheWaypointDistanceIsZeroAndBearingFollowsTheZeroDistanceRule)
{
    WaypointRecord w = MakeWaypoint("HERE", 1, false, 47, 27, false, 122, 18);
    FlyFrom(47.45, 122.3);
    SetActiveWaypoint(w);
    // Place the aircraft exactly on the waypoint as the gauge converts it.
    gaugeState.aircraftLatitude = gaugeState.activeLatitude / nav::DegreesToRadians;
    gaugeState.aircraftLongitude = gaugeState.activeLongitude / nav::DegreesToRadians;
    gaugeState.magneticVariation = -20.0;
    ComputeNavigation();
    EXPECT_EQ(gaugeState.activeDistance, 0.0);
    EXPECT_EQ(gaugeState.activeBearing, 340.0);  // 360 plus the variation
    EXPECT_EQ(gaugeState.activeEteHours, 0);
    EXPECT_EQ(gaugeState.activeEteMinutes, 0);
}

TEST_F(NavigationTest, DistanceIsClampedTo9999)
{
    FlyFrom(45.0, 0.0);
    SetActiveWaypoint(MakeWaypoint("FAR", 1, true, 45, 0, true, 179, 0));
    ComputeNavigation();
    EXPECT_EQ(gaugeState.activeDistance, 9999.0);
}

TEST_F(NavigationTest, TimeToGo)
{
    gaugeState.groundSpeed = 120.0;
    EXPECT_EQ(ComputeEte(60.0).hours, 0);
    EXPECT_EQ(ComputeEte(60.0).minutes, 30);
    EXPECT_EQ(ComputeEte(0.52).minutes, 15);  // seconds in the minutes place
    gaugeState.groundSpeed = 100.0;
    EXPECT_EQ(ComputeEte(150.0).hours, 1);
    EXPECT_EQ(ComputeEte(150.0).minutes, 30);
    EXPECT_EQ(ComputeEte(100.52).hours, 1);
    EXPECT_EQ(ComputeEte(100.52).minutes, 18);
    // 100 hours or more, no distance, no ground speed: 00:00.
    EXPECT_EQ(ComputeEte(10000.0).hours, 0);
    EXPECT_EQ(ComputeEte(10000.0).minutes, 0);
    EXPECT_EQ(ComputeEte(9999.0).hours, 99);
    EXPECT_EQ(ComputeEte(0.0).minutes, 0);
    gaugeState.groundSpeed = 0.0;
    EXPECT_EQ(ComputeEte(60.0).minutes, 0);
}

TEST_F(NavigationTest, GroundSpeedAveragesThreeSamplesTakenEverySixTicks)
{
    SetActiveWaypoint(MakeWaypoint("X", 1, false, 10, 0, false, 0, 0));
    // Start the samples where the aircraft is, so the first arc is not from 0,0.
    gaugeState.sampleLatitude = 0.0;
    double latitude = 0.0;
    const double step = 0.2 / 60.0;  // 0.2 NM north per sample
    for (int sample = 1; sample <= 3; ++sample) {
        latitude += step;
        FlyFrom(latitude, 0.0);
        for (int tick = 0; tick < 6; ++tick) ComputeNavigation();
        EXPECT_EQ(gaugeState.tickCount, 0);
        EXPECT_NEAR(gaugeState.speedSamples[2], 113.4, 1e-3);
    }
    EXPECT_NEAR(gaugeState.groundSpeed, 113.4, 1e-3);
}

TEST_F(NavigationTest, AnAverageAbove2000KnotsReadsZero)
{
    SetActiveWaypoint(MakeWaypoint("X", 1, false, 10, 0, false, 0, 0));
    FlyFrom(1.0, 0.0);  // 60 NM from the first sample at 0,0: 34,020 knots
    for (int tick = 0; tick < 6; ++tick) ComputeNavigation();
    EXPECT_EQ(gaugeState.groundSpeed, 0.0);
    EXPECT_NEAR(gaugeState.speedSamples[2], 60.0 * 567.0, 1e-3);
}

TEST_F(NavigationTest, ArmedAlarmBlinksAndSoundsOnEvenTicksInsideTheDistance)
{
    FlyFrom(0.0, 0.0);
    SetActiveWaypoint(MakeWaypoint("X", 1, false, 0, 0, true, 0, 30));  // 30 NM
    gaugeState.alarmOn = 1;
    gaugeState.alarmDistance = 40.0;
    std::vector<bool> lamp;
    for (int tick = 0; tick < 6; ++tick) {  // tickCount 1, 2, 3, 4, 5, 0
        ComputeNavigation();
        lamp.push_back(platform.IsHidden(GaugeElement::alarmLamp));
    }
    EXPECT_EQ(lamp, (std::vector<bool>{false, true, false, true, false, true}));
    EXPECT_EQ(platform.sounds, (std::vector<int>{1, 1, 1}));

    // Outside the distance the lamp keeps the state of the last alarm tick and is quiet.
    gaugeState.alarmDistance = 20.0;
    ComputeNavigation();
    EXPECT_TRUE(platform.IsHidden(GaugeElement::alarmLamp));
    EXPECT_EQ(platform.sounds.size(), 3u);
}

TEST_F(NavigationTest, AlarmAtExactlyTheDistanceButNotWhenDisarmed)
{
    FlyFrom(0.0, 0.0);
    SetActiveWaypoint(MakeWaypoint("X", 1, false, 0, 0, true, 1, 0));
    ComputeNavigation();  // tick 1
    gaugeState.alarmDistance = gaugeState.activeDistance;
    ComputeNavigation();  // tick 2, disarmed
    EXPECT_TRUE(platform.sounds.empty());
    gaugeState.alarmOn = 1;
    ComputeNavigation();  // tick 3
    ComputeNavigation();  // tick 4
    EXPECT_EQ(platform.sounds, (std::vector<int>{1}));
}

TEST_F(NavigationTest, RouteAdvancesInsideTheNextWaypointDistance)
{
    SetEquatorRoute();
    SetActiveWaypoint(gaugeState.route[0]);
    gaugeState.nextWaypointDistance = 2.0;
    gaugeState.activeDistance = 2.0;  // not less than the distance: nothing
    SequenceRoute();
    EXPECT_EQ(gaugeState.routeIndex, 0);

    engine.texts = {{"NUM", "00000002"}, {"ID", "BBB   "}, {"NAME", "Bravo"}};
    engine.integers = {{"LON1", 1}, {"LON2", 2}};
    gaugeState.activeDistance = 1.9;
    SequenceRoute();
    EXPECT_EQ(gaugeState.routeIndex, 1);
    EXPECT_STREQ(gaugeState.activeWaypoint.id, "BBB   ");
    EXPECT_NEAR(gaugeState.activeLongitude, -2.0 * nav::DegreesToRadians, 1e-15);
    EXPECT_EQ(platform.sounds, (std::vector<int>{2}));
    EXPECT_EQ(engine.CallsStartingWith("RecordSeek"),
              (std::vector<std::string>{"RecordSeek(00000002)"}));
    EXPECT_TRUE(engine.CallsStartingWith("TableCloseAll").size() == 1);  // the table stays open
}

TEST_F(NavigationTest, LastWaypointReleasesTheCouplingWithOneSound)
{
    SetEquatorRoute();
    gaugeState.routeIndex = 2;
    SetActiveWaypoint(gaugeState.route[2]);
    gaugeState.autopilotOn = 1;
    gaugeState.nextWaypointDistance = 2.0;
    gaugeState.activeDistance = 0.5;
    for (int tick = 0; tick < 3; ++tick) SequenceRoute();
    EXPECT_EQ(gaugeState.routeIndex, 2);
    EXPECT_EQ(gaugeState.autopilotOn, 0);
    EXPECT_TRUE(platform.IsHidden(GaugeElement::autopilotLamp));
    EXPECT_EQ(platform.sounds, (std::vector<int>{2}));
    EXPECT_TRUE(platform.events.empty());
}

TEST_F(NavigationTest, CouplingSendsTheBearingAndEndsDirectToInsideTheDistance)
{
    gaugeState.autopilotOn = 1;
    gaugeState.activeBearing = 273.0;
    gaugeState.nextWaypointDistance = 1.0;
    gaugeState.activeDistance = 5.0;
    CoupleAutopilot();
    EXPECT_EQ(platform.events, (std::vector<std::pair<uint32_t, int32_t>>{{0x101FA, 273}}));
    EXPECT_EQ(gaugeState.autopilotOn, 1);

    gaugeState.activeDistance = 0.9;
    CoupleAutopilot();
    EXPECT_EQ(platform.events.size(), 2u);  // the heading again, no event for the release
    EXPECT_EQ(gaugeState.autopilotOn, 0);
    EXPECT_TRUE(platform.IsHidden(GaugeElement::autopilotLamp));
    EXPECT_EQ(platform.sounds, (std::vector<int>{2}));
}

TEST_F(NavigationTest, CouplingOnARouteIsNotReleasedByDistance)
{
    gaugeState.routeMode = 1;
    gaugeState.autopilotOn = 1;
    gaugeState.nextWaypointDistance = 1.0;
    gaugeState.activeDistance = 0.5;
    CoupleAutopilot();
    EXPECT_EQ(gaugeState.autopilotOn, 1);
    EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(NavigationTest, SteeringOffsetTakesTheShortWayAndIsClamped)
{
    struct Case {
        double heading, bearing, offset;
    } cases[] = {{350, 10, 20}, {10, 350, -20}, {90, 180, 25}, {180, 90, -25},
                 {0, 360, 0},   {359.9, 5, 6},  {100, 100, 0}, {0, 180, 25}};
    for (const Case& c : cases) {
        gaugeState.activeBearing = c.bearing;
        EXPECT_EQ(SteeringOffsetFor(c.heading), c.offset) << c.heading << " " << c.bearing;
    }
}

TEST_F(NavigationTest, RouteDistances)
{
    SetEquatorRoute();
    FlyFrom(0.0, -1.5);  // halfway between AAA and BBB
    gaugeState.routeIndex = 1;
    gaugeState.activeDistance = 30.0;
    EXPECT_NEAR(nav::LegDistance(gaugeState.route[0], gaugeState.route[2]), 120.0, 1e-6);
    EXPECT_NEAR(FromDistance(), 30.0, 1e-6);
    EXPECT_NEAR(NextDistance(), 90.0, 1e-6);
    EXPECT_NEAR(RouteRemainingDistance(), 90.0, 1e-6);
    gaugeState.routeIndex = 0;
    EXPECT_NEAR(RouteRemainingDistance(), 150.0, 1e-6);
    gaugeState.routeIndex = 2;
    EXPECT_EQ(RouteRemainingDistance(), 30.0);
}

TEST_F(NavigationTest, WithoutAWaypointNothingIsMeasuredSteeredOrAdvanced)
{
    SetEquatorRoute();
    gaugeState.activeWaypointLookup = WaypointNoDatabase;
    gaugeState.alarmOn = 1;
    gaugeState.alarmDistance = 100.0;
    gaugeState.autopilotOn = 1;
    gaugeState.nextWaypointDistance = 100.0;
    gaugeState.activeBearing = 90.0;
    for (int tick = 0; tick < 6; ++tick) {
        ComputeNavigation();
        SequenceRoute();
        CoupleAutopilot();
    }
    EXPECT_EQ(gaugeState.tickCount, 0);  // speed samples go on
    EXPECT_EQ(gaugeState.routeIndex, 0);
    EXPECT_EQ(gaugeState.autopilotOn, 1);
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_TRUE(platform.events.empty());
    EXPECT_EQ(SteeringOffsetFor(0.0), 0.0);
}

}  // namespace
