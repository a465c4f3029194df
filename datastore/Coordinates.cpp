#include "Coordinates.h"

#include <cmath>

namespace nav {

namespace {

double UtilityMagnitude(const StoredCoordinate& c)
{
    return c.seconds / 3600.0 + c.minutes / 60.0 + c.degrees;
}

}  // namespace

double UtilityLatitude(const StoredCoordinate& c)
{
    return c.hemisphere > 0 ? -UtilityMagnitude(c) : UtilityMagnitude(c);
}

double UtilityLongitude(const StoredCoordinate& c)
{
    return c.hemisphere == 0 ? -UtilityMagnitude(c) : UtilityMagnitude(c);
}

StoredCoordinate StoredFromDegrees(double degrees, Axis axis)
{
    const long long totalSeconds = std::llround(std::fabs(degrees) * 3600.0);
    StoredCoordinate c{};
    // Latitude 1 is south and longitude 1 east: the hemisphere of a negative latitude and of
    // a positive longitude.
    if (totalSeconds != 0) c.hemisphere = (degrees < 0) == (axis == Axis::Latitude) ? 1 : 0;
    c.degrees = static_cast<int>(totalSeconds / 3600);
    c.minutes = static_cast<int>(totalSeconds / 60 % 60);
    c.seconds = static_cast<int>(totalSeconds % 60);
    return c;
}

char LatitudeHemisphereLetter(int hemisphere)
{
    return hemisphere ? 'S' : 'N';
}
char LongitudeHemisphereLetter(int hemisphere)
{
    return hemisphere ? 'E' : 'W';
}

}  // namespace nav
