// Waypoints as the route tools see them: those of the navigation tables, with what a
// flight plan file needs beyond the gauge's record, and those read from a plan file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "WaypointRecord.h"

namespace flightplan {

// The kinds of waypoint that plan files tell apart. Navaids are VORs (with DMEs and
// TACANs) or NDBs; a plan's intersections and unnamed kinds are Unknown.
enum class WaypointKind {
    Airport,
    Vor,
    Ndb,
    User,
    Unknown
};

// Signed degrees, north and east positive, as plan files give them.
struct Position {
    double latitude;
    double longitude;
};

// A record of AIRPORTS, NAVAIDS or USERS.
struct TableWaypoint {
    nav::WaypointRecord record;  // table, NUM, ID, first 30 characters of NAME, stored coordinates
    std::string name;            // the whole NAME, trailing blanks cut
    WaypointKind kind;
    int32_t altitude;      // ALT, feet
    int32_t variation;     // degrees east; UndeterminedAngleDegrees where unknown
    bool variationStored;  // the airport's VAR, not the computed declination
};

// A waypoint as a plan file names it.
struct PlanWaypoint {
    std::string identifier;
    WaypointKind kind = WaypointKind::Unknown;
    std::optional<Position> position;
    std::string name;  // UTF-8; empty when the file gives none
    int line = 0;      // where the file names it
};

struct Plan {
    std::vector<PlanWaypoint> waypoints;
    std::vector<std::string> notes;  // what the reader passed over, said to the user
};

// The position of stored coordinates, from their degrees, minutes and seconds.
Position PositionOf(const nav::WaypointRecord& record);

// Great-circle distance in nautical miles, by the gauge's arithmetic.
double DistanceBetween(const Position& a, const Position& b);

// The kind of a navaid from its stored TYPE.
WaypointKind NavaidKind(const std::string& type);

// The table a kind of waypoint is kept in; 0 for Unknown.
int32_t TableOfKind(WaypointKind kind);

// "AIRPORTS", "NAVAIDS", "USERS" for tables 1 to 3.
const char* TableName(int32_t table);

}  // namespace flightplan
