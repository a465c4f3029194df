// Saving the Route dialog's route (gaugeState.editedRoute) to a route file or a flight plan
// and loading it from one, through the common file dialogs owned by the simulator's window.
// The chosen name's extension tells which (RoutePlanFile.h).
#pragma once

#include <string>

namespace gauge {

// Asks for a file name and writes the edited route to it: the 270 bytes of a route file,
// or the plan of the format the name's extension names. Returns the warning for the user
// when the route cannot be written in that format (nothing is written then), else empty.
std::string SaveRouteFile();

// Asks for a file name and replaces the edited route from it, looking every waypoint up
// in its table again. A route file that cannot be opened or read leaves the route as it
// was; so does a plan that is refused, whose warning for the user is returned (empty when
// the route was replaced or the dialog cancelled). Every table is closed afterwards, also
// when the dialog was cancelled.
std::string LoadRouteFile();

}  // namespace gauge
