// A waypoint as the gauge and the route tools carry it: the fixed-size copy of one record of
// AIRPORTS, NAVAIDS or USERS, with the table it came from. The gauge's saved state holds
// these records (GaugeState), so their layout is fixed.
#pragma once

#include <cstddef>
#include <cstdint>

namespace nav {

// The kind of a waypoint, stored wherever a waypoint's source table is kept
// (WaypointRecord::table, the configuration field "LASTFILE", route files).
enum WaypointTable : int32_t {
    WaypointNone = 0,     // 0 or less: an empty route slot
    WaypointAirport = 1,  // AIRPORTS.DBF
    WaypointNavaid = 2,   // NAVAIDS.DBF
    WaypointUser = 3      // USERS.DBF
};

// Copied whole.
struct WaypointRecord {
    char num[9];                     // NUM, the full 8-character key as the engine returns it
    char id[7];                      // ID, up to 6 characters
    int32_t table;                   // WaypointTable of the table it was read from
    char name[32];                   // first 30 characters of NAME; the last two bytes stay zero
    int32_t lat1, lat2, lat3, lat4;  // hemisphere (0 N, 1 S), degrees, minutes, seconds
    int32_t lon1, lon2, lon3, lon4;  // hemisphere (0 W, 1 E), degrees, minutes, seconds
};
static_assert(offsetof(WaypointRecord, id) == 9);
static_assert(offsetof(WaypointRecord, table) == 16);
static_assert(offsetof(WaypointRecord, name) == 20);
static_assert(offsetof(WaypointRecord, lat1) == 52);
static_assert(offsetof(WaypointRecord, lon4) == 80);
static_assert(sizeof(WaypointRecord) == 84);

}  // namespace nav
