#include <gtest/gtest.h>

#include "GaugeState.h"
#include "HostCodes.h"
#include "HostVariables.h"
#include "RecordingPlatform.h"
#include "SimulatedAircraft.h"

using namespace host;
using namespace gauge;

namespace {

// What the gauge makes of the aircraft's variables.
void ReadIntoGauge(const SimulatedAircraft& aircraft)
{
    ResetGauge();
    for (uint32_t token :
         {TokenLatitude, TokenLongitude, TokenAltitude, TokenHeading, TokenVariation})
        platform.hostValues[token] = aircraft.VariableValue(token);
    ReadHostVariables();
}

TEST(AircraftTest, VariablesAreTheInverseOfTheGaugesConversions)
{
    struct Case {
        double lat, lon, feet, heading, variation, westLongitude, westVariation;
    };
    const Case cases[] = {
        {47.45, -122.3, 3000, 90, 340, 122.3, 20},
        {-33.95, 151.18, 21, 355, 12.5, -151.18, -12.5},
        {0, 0, 0, 0, 0, 0, 0},
        {89.9, 179.99, 41000, 180, 180, -179.99, -180},
        {10, -179.99, 500, 1, 359, 179.99, 1},
    };
    for (const Case& c : cases) {
        SimulatedAircraft aircraft;
        aircraft.Place({c.lat, c.lon, c.feet, c.heading, 0});
        aircraft.SetVariation(c.variation);
        ReadIntoGauge(aircraft);
        EXPECT_NEAR(gaugeState.aircraftLatitude, c.lat, 1e-9) << c.lat;
        EXPECT_NEAR(gaugeState.aircraftLongitude, c.westLongitude, 1e-9) << c.lon;
        EXPECT_NEAR(gaugeState.altitudeFeet, c.feet, 1e-9);
        EXPECT_EQ(gaugeState.aircraftHeading, c.heading);
        EXPECT_EQ(gaugeState.magneticVariation, c.westVariation);
    }
}

TEST(AircraftTest, QuarterMeridianAndTurnFractionsInTheHostsForm)
{
    EXPECT_EQ(LatitudeMetres(90.0), 10001750.0);
    EXPECT_EQ(LongitudeTurns(90.0), 0.25 * 281475000000000.0);
    EXPECT_EQ(LongitudeTurns(-90.0), 0.75 * 281475000000000.0);
    EXPECT_EQ(LongitudeTurns(0.0), 0.0);
}

TEST(AircraftTest, FliesItsTrueCourseOneSecondAtATime)
{
    SimulatedAircraft aircraft;
    aircraft.Place({0, 0, 1000, 0, 60});  // north at one nautical mile a minute
    for (int i = 0; i < 60; ++i) aircraft.FlyOneSecond();
    EXPECT_NEAR(aircraft.Placement().latitude, 1.0 / 60.0, 1e-9);
    EXPECT_NEAR(aircraft.Placement().longitude, 0.0, 1e-12);

    // Magnetic 80 with 10 degrees east variation is true 90: east along the equator.
    aircraft.Place({0, 0, 1000, 80, 3600});
    aircraft.SetVariation(10);
    aircraft.FlyOneSecond();
    EXPECT_NEAR(aircraft.Placement().latitude, 0.0, 1e-9);
    EXPECT_NEAR(aircraft.Placement().longitude, 1.0 / 60.0, 1e-9);
}

TEST(AircraftTest, CrossesTheDateLineIntoTheWest)
{
    SimulatedAircraft aircraft;
    aircraft.Place({0, 179.999, 0, 90, 3600});
    aircraft.FlyOneSecond();
    EXPECT_NEAR(aircraft.Placement().longitude, -180.0 + (1.0 / 60.0 - 0.001), 1e-9);
}

TEST(AircraftTest, AutopilotEngagesWithThePairTurnsAtThreeDegreesAndDisengages)
{
    SimulatedAircraft aircraft;
    aircraft.Place({45, 0, 3000, 350, 0});
    aircraft.OnEvent(EventAutopilotHeading, 10);
    aircraft.FlyOneSecond();
    EXPECT_EQ(aircraft.Placement().heading, 350.0);  // not engaged yet

    aircraft.OnEvent(EventAutopilotHeadingHold, 0);  // without the master first
    EXPECT_FALSE(aircraft.AutopilotEngaged());
    aircraft.OnEvent(EventAutopilotMaster, 0);
    aircraft.OnEvent(EventAutopilotHeadingHold, 0);
    ASSERT_TRUE(aircraft.AutopilotEngaged());

    aircraft.FlyOneSecond();
    EXPECT_DOUBLE_EQ(aircraft.Placement().heading, 353.0);  // the short way, through north
    for (int i = 0; i < 6; ++i) aircraft.FlyOneSecond();
    EXPECT_DOUBLE_EQ(aircraft.Placement().heading, 10.0);  // and no further
    aircraft.FlyOneSecond();
    EXPECT_DOUBLE_EQ(aircraft.Placement().heading, 10.0);

    aircraft.OnEvent(EventAutopilotOff, 0);
    aircraft.OnEvent(EventAutopilotHeading, 100);
    aircraft.FlyOneSecond();
    EXPECT_FALSE(aircraft.AutopilotEngaged());
    EXPECT_DOUBLE_EQ(aircraft.Placement().heading, 10.0);
}

}  // namespace
