// Ground speed, distance, bearing, time to go, alarm, route advance and autopilot.
#pragma once

#include <cstdint>

#include "GaugeState.h"
#include "GreatCircle.h"

namespace gauge {

struct FlightTime {
    int32_t hours;
    int32_t minutes;  // in the last minute of an hour: seconds
};

// One tick's navigation: speed sample every sixth tick, distance, magnetic bearing and
// time to go to the active waypoint, and the proximity alarm.
void ComputeNavigation();

// Time to fly `distance` nautical miles at the present ground speed; (0, 0) without
// ground speed, for a zero distance and from 100 hours on.
FlightTime ComputeEte(double distance);

// Moves a flown route on to its next waypoint inside the next-waypoint distance; at the
// last waypoint releases the autopilot coupling instead.
// While a dialog holds the tables (TableDialogHold.h) the advance waits; the first tick
// after it makes an advance that fell due meanwhile.
void SequenceRoute();

// Forgets an advance held for a route that has since been replaced (Direct-To activation,
// a finished Route dialog) or for a unit switched off.
void DropHeldRouteAdvance();

// Sends the bearing to the autopilot; a Direct-To coupling ends inside the
// next-waypoint distance.
void CoupleAutopilot();

// Great-circle distances in nautical miles, not clamped (LegDistance: GreatCircle.h).
double FromDistance();            // aircraft to the route waypoint before the active one
double NextDistance();            // active waypoint's distance plus the leg after it
double RouteRemainingDistance();  // to the end of the route by way of every waypoint

// The steering marker's offset in pixels for the aircraft heading in degrees.
double SteeringOffsetFor(double heading);

}  // namespace gauge
