// Positions in signed decimal degrees (north and east positive), as the data files give
// them, and their form in the tables: hemisphere code, degrees, minutes, seconds.
#pragma once

#include "Coordinates.h"

namespace worlddata {

struct GeoPosition {
    double latitude = 0;
    double longitude = 0;
};

// One coordinate as the tables store it: hemisphere 0 north / west, 1 south / east.
using StoredAngle = nav::StoredCoordinate;

// Rounded to the nearest whole second, a 60 carried into the minutes and degrees.
inline StoredAngle StoredLatitude(double degrees)
{
    return nav::StoredFromDegrees(degrees, nav::Axis::Latitude);
}
inline StoredAngle StoredLongitude(double degrees)
{
    return nav::StoredFromDegrees(degrees, nav::Axis::Longitude);
}

// Along the great circle on a sphere of the Earth's mean radius.
double GreatCircleFeet(const GeoPosition& from, const GeoPosition& to);
// The point halfway along the great circle (right across the 180th meridian too).
GeoPosition GreatCircleMidpoint(const GeoPosition& from, const GeoPosition& to);

bool IsValidPosition(const GeoPosition& position);

inline constexpr double FeetPerMeter = 1.0 / 0.3048;

}  // namespace worlddata
