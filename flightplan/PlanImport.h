// `navdb route import`: a plan file resolved against the tables and stored as a route file
// or as CONFIG's route. Either everything is written (new user waypoints, then the route)
// or, with a failure, nothing.
#pragma once

#include <string>

#include "Result.h"

namespace flightplan {

struct ImportTarget {
    std::string routeFile;  // empty: CONFIG's route instead
};

// Returns the report for the user: each waypoint as resolved, with how where it was not
// plain, and what was written.
nav::Expected<std::string> ImportPlan(const std::string& directory, const std::string& planPath,
                                      const ImportTarget& target);

}  // namespace flightplan
