// Positions in signed decimal degrees (north and east positive), as the data files give
// them, and their form in the tables: hemisphere code, degrees, minutes, seconds.
#pragma once

namespace worlddata {

struct GeoPosition {
    double latitude = 0;
    double longitude = 0;
};

// One coordinate as the tables store it: hemisphere 0 north / west, 1 south / east.
struct StoredAngle {
    int hemisphere = 0;
    int degrees = 0;
    int minutes = 0;
    int seconds = 0;
};

// Rounded to the nearest whole second, a 60 carried into the minutes and degrees.
StoredAngle StoredLatitude(double degrees);
StoredAngle StoredLongitude(double degrees);

// Along the great circle on a sphere of the Earth's mean radius.
double GreatCircleFeet(const GeoPosition& from, const GeoPosition& to);
// The point halfway along the great circle (right across the 180th meridian too).
GeoPosition GreatCircleMidpoint(const GeoPosition& from, const GeoPosition& to);

bool IsValidPosition(const GeoPosition& position);

inline constexpr double kFeetPerMeter = 1.0 / 0.3048;

}  // namespace worlddata
