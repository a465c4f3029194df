// The Direct-To dialog (template 114): the pilot picks one waypoint of the airport, navaid
// or user waypoint table by identifier, by the beginning of its name or from the list of
// all names. OK leaves the choice in gaugeState.directToChoice; the caller uses it.
#pragma once

#include <windows.h>

#include <cstdint>

namespace gauge {

// The dialog procedure; the dialog ends with 1 on OK, 0 on Cancel, Escape or the close box.
INT_PTR CALLBACK DirectToDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Switches the dialog to a waypoint table: both boxes emptied, the list refilled while it
// is shown, typing directed to the identifier box.
void SelectDirectToTable(HWND dialog, int32_t table);

// Runs the dialog owned by `owner` (the Route dialog's "&Add..."); true when it ended with OK.
bool ChooseDirectToWaypoint(HWND owner);

}  // namespace gauge
