// Information mode: what the database holds about a waypoint, written to the screen lines
// once when a page is shown (the timer then only copies the lines again). Page 1 shows the
// waypoint; an airport has one more page per runway, in the runway table's key order.
#pragma once

#include <cstdint>

namespace gauge {

// Leaves information mode, or resets the normal pages: page 1 of `pageCount` with the
// steering scale and marker shown.
void ShowNormalPages(int32_t pageCount);

// The INF button with the unit on: enters information mode on the active waypoint, or
// turns to the next page (wrapping to 1), and shows the page.
void TurnInfoPage();

// Page 1 of route slot `index` in information mode (the < and > buttons); the active
// waypoint stays.
void ShowRouteWaypointInfo(int32_t index);

// Writes and shows page 1 of gaugeState.infoWaypoint. The waypoint table is left open.
void ShowInfoPage();

// Writes and shows runway page gaugeState.currentPage (2 and up) of infoWaypoint, and
// raises pageCount to the number of runways plus 1. Every table is closed afterwards.
void ShowRunwayPage();

}  // namespace gauge
