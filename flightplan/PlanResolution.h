// Resolving a plan file's waypoints against the tables: each is looked for by identifier
// in the table of its kind (in all three when the file does not say), among the records
// near the plan's position when it gives one; of several, the nearest to that position,
// else to the previous waypoint, is taken. A waypoint with a position that no table holds
// becomes a new user waypoint, or, for a user who only reads the tables, is listed as not
// found. Nothing is written here.
#pragma once

#include <string>
#include <vector>

#include "PlanWaypoints.h"
#include "Result.h"
#include "WaypointTables.h"

namespace flightplan {

// How far a plan's position may lie from a record of the same identifier for the two to be
// one waypoint: databases place an airport or a navaid up to a few miles apart; a user
// waypoint is only its position.
inline constexpr double FacilityMatchRadius = 5.0;      // nautical miles
inline constexpr double UserWaypointMatchRadius = 0.1;  // nautical miles

struct Resolution {
    nav::WaypointRecord record;  // table, NUM, ID, name, coordinates of the waypoint taken
    std::string note;            // how it was chosen where it was not plain, for the user
};

// What becomes of a waypoint that no table holds.
enum class UnknownWaypoints {
    AddToUsers,  // a new user waypoint at the plan's position
    Listed       // named in ResolvedPlan::notFound and left out of the route; nothing is added
};

struct ResolvedPlan {
    std::vector<Resolution> waypoints;
    std::vector<NewUserWaypoint> newUsers;  // to append to USERS, in order
    // Listed: the identifiers no table holds, in the tables' code page and upper case as
    // they were looked for, in plan order ("waypoint N" for one without).
    std::vector<std::string> notFound;
};

// Fails, before any lookup, for a plan of more than 30 waypoints; for a waypoint whose
// identifier the tables' code page cannot hold; when they would be added to USERS, for a
// waypoint that no table holds and that gives no position; and when a table does not open.
nav::Expected<ResolvedPlan> ResolvePlan(const Plan& plan, WaypointTables& tables,
                                        UnknownWaypoints unknown = UnknownWaypoints::AddToUsers);

}  // namespace flightplan
