#include <gtest/gtest.h>

#include <vector>

#include "GaugeState.h"
#include "HostCodes.h"
#include "HostVariables.h"
#include "RecordingPlatform.h"

using namespace gauge;

namespace {

constexpr double FullTurn = 281475000000000.0;

class HostVariablesTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGauge(); }

    double LongitudeFor(double turns)
    {
        platform.hostValues[TokenLongitude] = turns * FullTurn;
        ReadHostVariables();
        return gaugeState.aircraftLongitude;
    }

    double VariationFor(double hostDegrees)
    {
        platform.hostValues[TokenVariation] = hostDegrees;
        ReadHostVariables();
        return gaugeState.magneticVariation;
    }
};

TEST_F(HostVariablesTest, RefreshesTheFiveVariablesInOrder)
{
    ReadHostVariables();
    std::vector<uint32_t> expected = {TokenLatitude, TokenLongitude, TokenAltitude, TokenHeading,
                                      TokenVariation};
    EXPECT_EQ(platform.refreshed, expected);
}

TEST_F(HostVariablesTest, LatitudeOfAQuarterMeridianIsExactlyNinetyDegrees)
{
    platform.hostValues[TokenLatitude] = 10001750.0;
    ReadHostVariables();
    EXPECT_EQ(gaugeState.aircraftLatitude, 90.0);

    platform.hostValues[TokenLatitude] = -5000875.0;
    ReadHostVariables();
    EXPECT_DOUBLE_EQ(gaugeState.aircraftLatitude, -45.0);
}

TEST_F(HostVariablesTest, LongitudeTurnsEastBecomeDegreesWestWrappedOnce)
{
    EXPECT_DOUBLE_EQ(LongitudeFor(0.75), 90.0);     // -270 wraps to 90 west
    EXPECT_NEAR(LongitudeFor(0.25), -90.0, 1e-12);  // 90 east
    EXPECT_EQ(LongitudeFor(0.0), 0.0);
    EXPECT_DOUBLE_EQ(LongitudeFor(0.5), -180.0);    // exactly -180 stays
    EXPECT_NEAR(LongitudeFor(-0.25), 90.0, 1e-12);  // a negative fraction needs no wrap
}

TEST_F(HostVariablesTest, LongitudeFactorsAreAppliedOneAfterTheOther)
{
    // Applied in the given order the factors differ from a single 2^-48 scale.
    double host = 123456789012345.0;
    platform.hostValues[TokenLongitude] = host;
    ReadHostVariables();
    double expected = host * 1e-08 * 3.552713384847677e-07 * -360.0;
    if (expected < -180.0) expected += 360.0;
    EXPECT_EQ(gaugeState.aircraftLongitude, expected);
}

TEST_F(HostVariablesTest, AltitudeMetresBecomeFeetAndHeadingIsCopied)
{
    platform.hostValues[TokenAltitude] = 1000.0;
    platform.hostValues[TokenHeading] = 271.5;
    ReadHostVariables();
    EXPECT_DOUBLE_EQ(gaugeState.altitudeFeet, 3280.839895013123);
    EXPECT_EQ(gaugeState.aircraftHeading, 271.5);
}

TEST_F(HostVariablesTest, VariationEastPositiveBecomesWestPositive)
{
    EXPECT_EQ(VariationFor(350.0), 10.0);  // 10 west
    EXPECT_EQ(VariationFor(10.0), -10.0);  // 10 east
    EXPECT_EQ(VariationFor(180.0), -180.0);
    EXPECT_EQ(VariationFor(180.5), 179.5);
    EXPECT_EQ(VariationFor(0.0), 0.0);
}

}  // namespace
