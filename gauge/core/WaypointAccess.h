// Lookup of waypoints in the three waypoint tables, always under the alias "ACTWPT".
// Callers open, seek, then read; the table is left open for the caller to close.
#pragma once

#include <cstdint>

#include "GaugeState.h"

namespace gauge {

// Opens AIRPORTS (1), NAVAIDS (2) or USERS (3) under "ACTWPT" in identifier order after
// closing every open table. Numbers above 3 open airports, below 1 user waypoints; the
// wrapped number is kept in gaugeState.currentTable.
void OpenWaypointTable(int32_t table);

// Positions the open table on the record whose NUM is `num`, or (soft seek) on the next
// higher key, and returns to identifier order.
void SeekWaypointByNum(const char* num);

// Copies the current record into `waypoint`; returns false when the table stands on no
// record (it could not be opened, or the seek ran past its end). The record then holds
// only the table and the key last sought, so that saving it again loses nothing.
bool ReadWaypoint(WaypointRecord& waypoint);

// Whether the table last opened with OpenWaypointTable stands on a record.
WaypointLookup CurrentWaypointLookup();

// Reads the active waypoint, its position in radians and gaugeState.activeWaypointLookup.
void LoadActiveWaypoint();

// Makes route slot `index` the active waypoint (route advance and the < and > buttons).
void ActivateRouteWaypoint(int32_t index);

}  // namespace gauge
