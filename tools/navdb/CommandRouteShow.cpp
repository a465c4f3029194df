// navdb route show DIR [FILE.rte]: the route in DIR's CONFIG, or in a route file, waypoint
// by waypoint with the legs between them and the total distance.
#include "NavdbCommand.h"
#include "RouteCommandSupport.h"
#include "RouteListing.h"

namespace navdb {

namespace {

nav::Expected<std::string> ShowRoute(const std::vector<std::string>& arguments)
{
    if (arguments.size() > 2) return nav::Fail("takes DIR and at most one route file");
    const std::string directory = DirectoryWithSeparator(arguments[0]);
    const nav::Expected<flightplan::StoredRoute> route =
        arguments.size() == 2 ? flightplan::ReadRouteFile(arguments[1])
                              : flightplan::ReadConfigRoute(directory);
    if (!route) return route.Failed();
    flightplan::WaypointTables tables(directory);
    const nav::Expected<flightplan::RouteListing> listing = flightplan::ListRoute(*route, tables);
    if (!listing) return listing.Failed();
    return flightplan::ShowText(*listing);
}

CommandResult RunRouteShow(const std::vector<std::string>& arguments)
{
    return PrintedOutput(ShowRoute(arguments));
}

const CommandRegistration
    registration({"route show", "DIR [FILE.rte]",
                  "lists the route in DIR/CONFIG.DBF or in FILE.rte with its legs "
                  "(great-circle NM, initial magnetic course) and total",
                  1, RunRouteShow, true});

}  // namespace

}  // namespace navdb
