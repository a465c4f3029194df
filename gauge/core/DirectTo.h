// The table work of the Direct-To dialog, and the activation of its choice from the
// gauge's DTO button. The dialog (gauge/win32) keeps the chosen table open under "ACTWPT"
// between its messages and moves it with these operations.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "GaugeState.h"

namespace gauge {

// The searches use at most this many characters of the identifier and name boxes.
constexpr int IdSearchLength = 4;
constexpr int NameSearchLength = 44;

// Every NAME of the open table in name order, as the engine gives it (blank-padded);
// records marked deleted are left out. The table is in identifier order afterwards, on
// its first record.
std::vector<std::string> ListWaypointNames();

// The record a search lands on, as the engine gives its fields (blank-padded); both empty
// when the search ran past the last key.
struct FoundWaypoint {
    std::string id;
    std::string name;
};

// Seeks the first identifier at or after the first 4 characters of `text` (soft seek).
// Identifier order stays.
FoundWaypoint SearchWaypointById(const char* text);

// Seeks the first upper-cased name at or after the first 44 characters of `text`. Name
// order stays until the next identifier search or open.
FoundWaypoint SearchWaypointByName(const char* text);

// Moves to the record of list line `index` (0-based, name order).
FoundWaypoint GoToWaypointNameLine(int index);

// The DTO button after OK: the route is emptied, Direct-To operation on normal page 1 of 2,
// and gaugeState.directToChoice, looked up afresh, becomes the active waypoint.
void ActivateDirectToChoice();

}  // namespace gauge
