// The gauge's own reading of a stored coordinate: north and west positive, negative for a
// hemisphere code above 0, seconds and minutes through the gauge's constants rather than by
// division (its figures depend on exactly these products).
#include "GaugeAngles.h"

#include <gtest/gtest.h>

namespace nav {
namespace {

TEST(GaugeAngles, SouthLatitudeAndEastLongitudeAreNegative)
{
    EXPECT_DOUBLE_EQ(WaypointAngle(1, 45, 30, 0), -45.5 * DegreesToRadians);
    EXPECT_DOUBLE_EQ(WaypointAngle(0, 73, 30, 0), 73.5 * DegreesToRadians);
    EXPECT_DOUBLE_EQ(WaypointAngle(1, 73, 30, 0), -73.5 * DegreesToRadians);
}

TEST(GaugeAngles, OnlyACodeAboveZeroIsSouthOrEast)
{
    EXPECT_DOUBLE_EQ(WaypointAngle(2, 1, 0, 0), -DegreesToRadians);
    EXPECT_DOUBLE_EQ(WaypointAngle(-1, 1, 0, 0), DegreesToRadians);
}

TEST(GaugeAngles, SecondsAndMinutesThroughTheGaugeConstants)
{
    EXPECT_EQ(WaypointAngle(0, 12, 34, 56),
              (56 * 0.0002777777777777778 + 34 * 0.016666666666666666 + 12) * DegreesToRadians);
}

}  // namespace
}  // namespace nav
