// Stored coordinates (hemisphere index, degrees, minutes, seconds; latitude 0 north,
// 1 south; longitude 0 west, 1 east) as signed degrees, in the two sign conventions of
// the system: the gauge's (north and west positive) and the magnetic model's (north and
// east positive). Any non-zero hemisphere index counts as south or east.
#pragma once

namespace nav {

struct StoredCoordinate {
    int hemisphere;
    int degrees;
    int minutes;
    int seconds;
};

// The gauge multiplies by these constants (seconds and minutes to degrees).
inline constexpr double gaugeDegreesPerSecond = 0.0002777777777777778;
inline constexpr double gaugeDegreesPerMinute = 0.016666666666666666;

// Gauge: negative when the hemisphere index is above 0, so latitudes are north positive
// and longitudes west positive. Seconds and minutes by the constants above.
double gaugeDegrees(const StoredCoordinate& c);

// Database program (magnetic variation): latitude north positive, longitude east positive;
// seconds and minutes by real division.
double utilityLatitude(const StoredCoordinate& c);
double utilityLongitude(const StoredCoordinate& c);

// The stored form of signed degrees (north or east positive), rounded to the nearest second;
// a value that rounds to zero is stored as north or west.
enum class Axis { Latitude, Longitude };
StoredCoordinate StoredFromDegrees(double degrees, Axis axis);

// The letter shown for a hemisphere index: "N"/"S" and "W"/"E".
char latitudeHemisphereLetter(int hemisphere);
char longitudeHemisphereLetter(int hemisphere);

}  // namespace nav
