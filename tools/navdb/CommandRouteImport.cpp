// navdb route import DIR PLAN.gpx|fpl|pln (--rte OUT.rte | --config): a flight plan file
// as a route file, or as the route the unit flies from its first waypoint (CONFIG).
#include "NavdbCommand.h"
#include "PlanImport.h"
#include "RouteCommandSupport.h"

namespace navdb {

namespace {

nav::Expected<std::string> ImportRoute(const std::vector<std::string>& arguments)
{
    const nav::Expected<RouteArguments> split =
        SplitRouteArguments(arguments, {"--rte"}, {"--config"});
    if (!split) return split.Failed();
    if (split->positional.size() != 2) return nav::Fail("takes DIR and one plan file");
    const auto rte = split->options.find("--rte");
    const bool config = split->options.count("--config") != 0;
    if ((rte == split->options.end()) == !config)
        return nav::Fail("give either --rte OUT.rte or --config");
    flightplan::ImportTarget target;
    if (!config) target.routeFile = rte->second;
    return flightplan::ImportPlan(DirectoryWithSeparator(split->positional[0]),
                                  split->positional[1], target);
}

CommandResult RunRouteImport(const std::vector<std::string>& arguments)
{
    return PrintedOutput(ImportRoute(arguments));
}

const CommandRegistration
    registration({"route import", "DIR PLAN.gpx|fpl|pln (--rte OUT.rte | --config)",
                  "resolves a flight plan's waypoints against DIR's tables (new ones "
                  "into USERS) and writes a route file or CONFIG's route",
                  3, RunRouteImport, true});

}  // namespace

}  // namespace navdb
