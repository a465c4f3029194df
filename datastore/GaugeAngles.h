// The gauge's angle and distance constants and the conversion of a waypoint's stored
// degrees, minutes and seconds to radians. The first four constants follow from pi taken
// as 3.14159265359 (not the exact pi); the gauge's figures depend on exactly these values.
#pragma once

#include "WaypointRecord.h"

namespace nav {

constexpr double Pi = 3.14159265359;
constexpr double DegreesToRadians = Pi / 180.0;
constexpr double RadiansToDegrees = 180.0 / Pi;
constexpr double FullTurnRadians = 2.0 * Pi;
constexpr double NauticalMilesPerRadian = 3437.7467707847127;  // 10800 / pi
static_assert(DegreesToRadians == 0.017453292519944444);
static_assert(RadiansToDegrees == 57.29577951307855);
static_assert(FullTurnRadians == 6.28318530718);

constexpr double DegreesPerMinute = 0.016666666666666666;
constexpr double DegreesPerSecond = 0.0002777777777777778;

// Stored coordinate to radians: seconds and minutes terms first, degrees last, negated for
// a hemisphere code above 0 (south, east), so latitudes are north and longitudes west positive.
inline double WaypointAngle(int32_t hemisphere, int32_t degrees, int32_t minutes, int32_t seconds)
{
    double angle =
        (seconds * DegreesPerSecond + minutes * DegreesPerMinute + degrees) * DegreesToRadians;
    return hemisphere > 0 ? -angle : angle;
}

inline double WaypointLatitude(const WaypointRecord& waypoint)
{
    return WaypointAngle(waypoint.lat1, waypoint.lat2, waypoint.lat3, waypoint.lat4);
}

inline double WaypointLongitude(const WaypointRecord& waypoint)
{
    return WaypointAngle(waypoint.lon1, waypoint.lon2, waypoint.lon3, waypoint.lon4);
}

}  // namespace nav
