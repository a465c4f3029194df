// Saving the Route dialog's route (gaugeState.editedRoute) to a route file and loading it
// from one, through the common file dialogs owned by the simulator's window.
#pragma once

namespace gauge {

// Asks for a file name and writes the 270 bytes of the edited route to it.
void SaveRouteFile();

// Asks for a file name and replaces the edited route from it, looking every waypoint up
// in its table again. A file that cannot be opened or read leaves the route as it was.
// Every table is closed afterwards, also when the dialog was cancelled.
void LoadRouteFile();

}  // namespace gauge
