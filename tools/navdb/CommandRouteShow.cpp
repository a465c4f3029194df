// navdb route show DIR [FILE.rte]: the route in DIR's CONFIG, or in a route file, waypoint
// by waypoint with the legs between them and the total distance.
#include "NavdbCommand.h"
#include "PlanError.h"
#include "RouteCommandSupport.h"
#include "RouteListing.h"

namespace navdb {

namespace {

int RunRouteShow(const std::vector<std::string>& arguments)
{
    return RunRouteCommand("show", [&] {
        if (arguments.size() > 2)
            throw flightplan::PlanError("takes DIR and at most one route file");
        const std::string directory = DirectoryWithSeparator(arguments[0]);
        const flightplan::StoredRoute route = arguments.size() == 2
                                                  ? flightplan::ReadRouteFile(arguments[1])
                                                  : flightplan::ReadConfigRoute(directory);
        flightplan::WaypointTables tables(directory);
        return flightplan::ShowText(flightplan::ListRoute(route, tables));
    });
}

const CommandRegistration
    registration({"route show", "DIR [FILE.rte]",
                  "lists the route in DIR/CONFIG.DBF or in FILE.rte with its legs "
                  "(great-circle NM, initial magnetic course) and total",
                  1, RunRouteShow, true});

}  // namespace

}  // namespace navdb
