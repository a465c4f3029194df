// The Route dialog (template 103): edits a copy of the route (gaugeState.editedRoute);
// "Finish" makes it the route and flies it from its first waypoint, Cancel drops it.
#pragma once

#include <windows.h>

namespace gauge {

// The dialog procedure; it always ends with 1.
INT_PTR CALLBACK RouteDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Rebuilds the list from the edited route: one line per filled slot, identifier and name.
void FillRouteList(HWND dialog);

}  // namespace gauge
