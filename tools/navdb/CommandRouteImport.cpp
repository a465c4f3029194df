// navdb route import DIR PLAN.gpx|fpl|pln (--rte OUT.rte | --config): a flight plan file
// as a route file, or as the route the unit flies from its first waypoint (CONFIG).
#include "NavdbCommand.h"
#include "PlanError.h"
#include "PlanImport.h"
#include "RouteCommandSupport.h"

namespace navdb {

namespace {

int RunRouteImport(const std::vector<std::string>& arguments)
{
    return RunRouteCommand("import", [&] {
        const RouteArguments split = SplitRouteArguments(arguments, {"--rte"}, {"--config"});
        if (split.positional.size() != 2)
            throw flightplan::PlanError("takes DIR and one plan file");
        const auto rte = split.options.find("--rte");
        const bool config = split.options.count("--config") != 0;
        if ((rte == split.options.end()) == !config)
            throw flightplan::PlanError("give either --rte OUT.rte or --config");
        flightplan::ImportTarget target;
        if (!config) target.routeFile = rte->second;
        return flightplan::ImportPlan(DirectoryWithSeparator(split.positional[0]),
                                      split.positional[1], target);
    });
}

const CommandRegistration
    registration({"route import", "DIR PLAN.gpx|fpl|pln (--rte OUT.rte | --config)",
                  "resolves a flight plan's waypoints against DIR's tables (new ones "
                  "into USERS) and writes a route file or CONFIG's route",
                  3, RunRouteImport, true});

}  // namespace

}  // namespace navdb
