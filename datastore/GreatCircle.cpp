#include "GreatCircle.h"

#include <algorithm>
#include <cmath>

#include "GaugeAngles.h"

namespace nav {

double BoundedAcos(double x)
{
    return std::acos(std::clamp(x, -1.0, 1.0));
}

double CentralAngle(double latitude1, double latitude2, double longitudeDifference)
{
    return BoundedAcos(std::cos(longitudeDifference) * std::cos(latitude1) * std::cos(latitude2) +
                       std::sin(latitude1) * std::sin(latitude2));
}

double TrueCourse(double fromLatitude, double fromLongitude, double toLatitude, double toLongitude,
                  double centralAngle)
{
    const double g = centralAngle;
    const double x = (std::sin(toLatitude) - std::cos(g) * std::sin(fromLatitude)) /
                     (std::sin(g) * std::cos(fromLatitude));
    return std::sin(toLongitude - fromLongitude) < 0 ? BoundedAcos(x)
                                                     : FullTurnRadians - BoundedAcos(x);
}

double MagneticBearing(double trueCourse, double variationWest)
{
    double b = trueCourse * RadiansToDegrees + 0.5;
    if (b == 0.0 || std::isnan(b)) b = 360.0;
    b += variationWest;
    if (b < 0) b += 360.0;
    if (b > 360.0) b -= 360.0;
    return std::trunc(b);
}

double LegDistance(const WaypointRecord& from, const WaypointRecord& to)
{
    return CentralAngle(WaypointLatitude(from), WaypointLatitude(to),
                        WaypointLongitude(from) - WaypointLongitude(to)) *
           NauticalMilesPerRadian;
}

}  // namespace nav
