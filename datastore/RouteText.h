// The stored form of a route: 30 entries of 9 characters, one per route slot. A filled
// slot is its table as one digit and its 8-character NUM key; an empty slot (table 0 or
// less) is nine blanks. The configuration field "RTEWPTS" and route files hold it.
#pragma once

#include "WaypointRecord.h"

namespace nav {

constexpr int RouteCapacity = 30;

// A route's 30 slots (the gauge's route and the Route dialog's working copy).
using RouteSlots = WaypointRecord[RouteCapacity];

constexpr int RouteEntryLength = 9;
constexpr int RouteTextLength = RouteCapacity * RouteEntryLength;  // 270

// Writes the entry of one slot: exactly 9 characters, no terminator.
void FormatRouteEntry(const WaypointRecord& slot, char* entry);

// Writes the 270 characters of all 30 slots and a terminator.
void FormatRouteText(const WaypointRecord (&route)[RouteCapacity],
                     char (&text)[RouteTextLength + 1]);

// Reads an entry's table (its first character as a digit, 0 for anything else) and its
// 8-character key into `slot`; the slot's other fields are left as they are.
void ParseRouteEntry(const char* entry, WaypointRecord& slot);

}  // namespace nav
