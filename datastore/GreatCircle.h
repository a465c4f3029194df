// Great-circle arithmetic of the gauge: positions in radians, latitudes north and
// longitudes west positive, pi as GaugeAngles.h takes it. The gauge's navigation and the
// route tools both use it, so that a leg reads the same on the unit and on paper.
#pragma once

#include "WaypointRecord.h"

namespace nav {

// acos with its argument held to [-1, 1]: rounding pushes it just outside when the two
// points coincide or a course runs due north or south. A NaN passes through, so a course
// at zero distance still meets the bearing rule for it.
double BoundedAcos(double x);

// The central angle between two points, in the order the gauge's formula takes them.
double CentralAngle(double latitude1, double latitude2, double longitudeDifference);

// The initial true course in radians (0 to 2 pi) from the first point to the second, whose
// central angle is `centralAngle`; NaN when the points coincide.
double TrueCourse(double fromLatitude, double fromLongitude, double toLatitude, double toLongitude,
                  double centralAngle);

// The magnetic bearing in whole degrees, 0 to 360, from a true course in radians and a
// variation in degrees, west positive; a course at zero distance reads 360 before the
// variation.
double MagneticBearing(double trueCourse, double variationWest);

// Great-circle distance between two waypoints in nautical miles, not clamped.
double LegDistance(const WaypointRecord& from, const WaypointRecord& to);

}  // namespace nav
