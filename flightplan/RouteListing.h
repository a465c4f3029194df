// A stored route looked up in the tables, slot by slot, with the legs between its
// waypoints: what `navdb route show` prints and every export writes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "PlanWaypoints.h"
#include "Result.h"
#include "StoredRoute.h"
#include "WaypointTables.h"

namespace flightplan {

struct ListedSlot {
    int slot;                               // from 0
    nav::WaypointRecord entry;              // table and num as stored; table 0 for an empty slot
    std::optional<TableWaypoint> waypoint;  // none for an empty slot and for a NUM its table lacks
};

// The leg that ends at a waypoint, from the waypoint found before it.
struct Leg {
    int fromSlot;
    int toSlot;
    double distance;    // nautical miles
    double course;      // initial magnetic course, whole degrees (the gauge's bearing rule)
    int32_t variation;  // degrees east at the leg's start; UndeterminedAngleDegrees: course is true
    bool variationStored;
};

struct RouteListing {
    StoredRoute route;
    std::vector<ListedSlot> slots;  // up to the last filled slot that the unit reads
    std::vector<Leg> legs;
    double totalDistance;
};

// Fails when a table does not open.
nav::Expected<RouteListing> ListRoute(const StoredRoute& route, WaypointTables& tables);

// The waypoints of the listing in order, empty slots passed over; fails when a slot names
// a record that its table lacks, or when there is no waypoint at all.
nav::Expected<std::vector<TableWaypoint>> RouteWaypoints(const RouteListing& listing);

// The listing as `navdb route show` prints it (UTF-8).
std::string ShowText(const RouteListing& listing);

}  // namespace flightplan
