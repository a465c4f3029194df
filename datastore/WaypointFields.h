// The waypoint tables by number, and the copy of a table's current record into the gauge's
// fixed-size record.
#pragma once

#include <cstdint>

#include "WaypointRecord.h"

namespace nav {

// Copies NUM, ID, the first 30 characters of NAME and the stored coordinates of the
// current record of the current table into `waypoint`, whose table becomes `table`. The
// caller has made sure that the table stands on a record.
void ReadWaypointFields(WaypointRecord& waypoint, int32_t table);

// The alias and file base name of waypoint table 1 (AIRPORTS), 2 (NAVAIDS) or 3 (USERS).
const char* WaypointTableAlias(int32_t table);

}  // namespace nav
