// A route as the unit stores it: in a route file (270 bytes) or in CONFIG's route fields.
// Only each slot's table and NUM are kept; the tables give the rest.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Result.h"
#include "RouteText.h"

namespace flightplan {

struct StoredRoute {
    std::string source;                             // the file, or "CONFIG" with its path
    nav::WaypointRecord slots[nav::RouteCapacity];  // table and num of each slot
    int32_t count;  // slots the unit reads: all 30 of a file, NRTEWPT of CONFIG
    bool inConfig;
    int32_t routeMode;    // CONFIG's RTEMODE (1 for a file)
    int32_t activeIndex;  // CONFIG's ACTRTE (0 for a file)
};

// Reads a route file; refuses one that is not exactly 270 bytes.
nav::Expected<StoredRoute> ReadRouteFile(const std::string& path);

// Reads the route fields of CONFIG in the data directory (ending with a separator) as the
// gauge's loader takes them: no slot at all without RTEMODE, else NRTEWPT slots, brought
// into the 30. Fails when CONFIG does not open or holds no record.
nav::Expected<StoredRoute> ReadConfigRoute(const std::string& directory);

// The 270 characters of a route of up to 30 waypoints, filled from the first slot.
std::string RouteTextOf(const std::vector<nav::WaypointRecord>& waypoints);

// Makes sure CONFIG opens and holds its record.
nav::Status CheckConfig(const std::string& directory);

// Sets CONFIG's route to these waypoints as the gauge restores it: RTEMODE 1, NRTEWPT the
// count, ACTRTE 0, RTEWPTS, and the first waypoint as the active one (LASTFILE, LASTREC),
// which the gauge loads as the waypoint flown to.
nav::Status WriteConfigRoute(const std::string& directory,
                             const std::vector<nav::WaypointRecord>& waypoints);

}  // namespace flightplan
