// The Route dialog's work on its copy of the route (GaugeState::editedRoute) and the
// activation of the finished route. The dialog's list shows one line per filled slot, and
// the filled slots stand together from the first, so a line number is a slot number.
#pragma once

#include <cstdint>
#include <string>

#include "GaugeState.h"

namespace gauge {

// What the Route dialog says when a route would grow past its 30 slots.
inline constexpr char RouteLimitWarning[] = "Can't add more than 30 waypoints";

// The number of slots of gaugeState.route whose table is not 0.
int32_t CountRouteWaypoints();

// Moves the filled slots (table above 0) to the front in their order; the rest are zeroed.
void CompactRoute(RouteSlots& slots);

// Inserts `waypoint` before line `selected`, or after the last of `lineCount` lines when
// nothing is selected (-1). False, and nothing changes, when all 30 slots are taken.
bool InsertRouteWaypoint(RouteSlots& slots, int lineCount, int selected,
                         const WaypointRecord& waypoint);

// Removes line `selected` of `lineCount`; nothing happens without a selection (-1).
void RemoveRouteWaypoint(RouteSlots& slots, int lineCount, int selected);

// A list line: the identifier, a tab, the name.
std::string RouteListLine(const WaypointRecord& slot);

// "Finish": the edited copy becomes the route. With waypoints, the route is flown from its
// first one on normal page 1 of 3; without, Direct-To operation on page 1 of 2 keeps the
// active waypoint.
void FinishRoute();

}  // namespace gauge
