#include "Coordinates.h"

namespace nav {

namespace {

double utilityMagnitude(const StoredCoordinate& c) {
    return c.seconds / 3600.0 + c.minutes / 60.0 + c.degrees;
}

}  // namespace

double gaugeDegrees(const StoredCoordinate& c) {
    double magnitude = c.seconds * gaugeDegreesPerSecond + c.minutes * gaugeDegreesPerMinute + c.degrees;
    return c.hemisphere > 0 ? -magnitude : magnitude;
}

double utilityLatitude(const StoredCoordinate& c) {
    return c.hemisphere > 0 ? -utilityMagnitude(c) : utilityMagnitude(c);
}

double utilityLongitude(const StoredCoordinate& c) {
    return c.hemisphere == 0 ? -utilityMagnitude(c) : utilityMagnitude(c);
}

char latitudeHemisphereLetter(int hemisphere) { return hemisphere ? 'S' : 'N'; }
char longitudeHemisphereLetter(int hemisphere) { return hemisphere ? 'E' : 'W'; }

}  // namespace nav
