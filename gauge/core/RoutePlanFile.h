// Flight plan files in the Route dialog, beside route files: a plan loaded into the edited
// route, and the edited route saved as a plan, by the flight-plan library that `navdb
// route` uses. The file name's extension tells a plan from a route file. The gauge only
// reads tables, so a plan's waypoint that no table holds is not added: the plan is refused.
#pragma once

#include <optional>
#include <string>

#include "GaugeState.h"
#include "PlanFormats.h"

namespace gauge {

// Whether the Route dialog takes `path` as a route file: its extension is ".rte" (any
// case), or it has none. Every other file is loaded as a plan, whose content tells its
// format.
bool IsRouteFileName(const std::string& path);

// The plan format that saving to `path` writes: the one its extension names (".gpx",
// ".fpl", ".pln", ".csv", any case); none, and so the route file, for any other name.
std::optional<flightplan::PlanFormat> PlanFormatOfName(const std::string& path);

// Reads the plan file at `path` and resolves its waypoints against the gauge's tables by
// the rules of `navdb route import`, adding none. When every waypoint is found, `slots`
// becomes the plan's route, each slot looked up as a route file's is, and the result is
// empty. Otherwise `slots` stays as it was and the result is the warning for the user:
// the route-limit warning for more than 30 waypoints, the waypoints that no table holds,
// or why the file was refused. Every table is closed afterwards and the gauge's soft seek
// is on again.
std::string LoadPlanFile(const std::string& path, RouteSlots& slots);

// What saving `slots` to a file writes.
struct SavedRoute {
    std::string bytes;    // the file's content, when `warning` is empty
    std::string warning;  // why the route cannot be written in the name's format
};

// The route file (270 bytes, as ever) or, where the name's extension names a plan format,
// the plan written by the writers of `navdb route export`, every waypoint looked up in the
// gauge's tables again. Every table is closed afterwards and the gauge's soft seek is on.
SavedRoute SavedRouteFor(const std::string& path, const RouteSlots& slots);

}  // namespace gauge
