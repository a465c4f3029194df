// Stored coordinates (hemisphere index, degrees, minutes, seconds; latitude 0 north,
// 1 south; longitude 0 west, 1 east) as signed degrees in the magnetic model's convention
// (north and east positive), and signed degrees back to their stored form. The gauge reads
// stored coordinates its own way (GaugeAngles.h: north and west positive, an
// index above 0 negative). An index outside 0 and 1 is read as each function below says.
#pragma once

namespace nav {

struct StoredCoordinate {
    int hemisphere;
    int degrees;
    int minutes;
    int seconds;
};

// Database program (magnetic variation): latitude north positive, longitude east positive;
// seconds and minutes by real division. A latitude is south (negative) when its index is
// above 0; a longitude is west (negative) only when its index is 0, any other index is east.
double UtilityLatitude(const StoredCoordinate& c);
double UtilityLongitude(const StoredCoordinate& c);

// The stored form of signed degrees (north or east positive), rounded to the nearest second;
// a value that rounds to zero is stored as north or west.
enum class Axis {
    Latitude,
    Longitude
};
StoredCoordinate StoredFromDegrees(double degrees, Axis axis);

// The letter shown for a hemisphere index: 'N' for 0 and 'S' for any other index; 'W' for 0
// and 'E' for any other index.
char LatitudeHemisphereLetter(int hemisphere);
char LongitudeHemisphereLetter(int hemisphere);

}  // namespace nav
