// navdb route export DIR [FILE.rte] --format gpx|fpl|pln|csv [-o OUT]: the route in DIR's
// CONFIG, or in a route file, as a flight plan file (standard output without -o).
#include "NavdbCommand.h"
#include "PlanError.h"
#include "PlanFormats.h"
#include "ReplacingFile.h"
#include "RouteCommandSupport.h"

namespace navdb {

namespace {

int RunRouteExport(const std::vector<std::string>& arguments)
{
    return RunRouteCommand("export", [&] {
        const RouteArguments split = SplitRouteArguments(arguments, {"--format", "-o"}, {});
        if (split.positional.empty() || split.positional.size() > 2)
            throw routeplan::PlanError("takes DIR and at most one route file");
        const auto format = split.options.find("--format");
        if (format == split.options.end())
            throw routeplan::PlanError("--format gpx|fpl|pln|csv is missing");
        const std::optional<routeplan::PlanFormat> chosen = routeplan::FormatNamed(format->second);
        if (!chosen)
            throw routeplan::PlanError("unknown format '" + format->second +
                                       "': gpx, fpl, pln or csv");

        const std::string directory = DirectoryWithSeparator(split.positional[0]);
        const routeplan::StoredRoute route = split.positional.size() == 2
                                                 ? routeplan::ReadRouteFile(split.positional[1])
                                                 : routeplan::ReadConfigRoute(directory);
        routeplan::WaypointTables tables(directory);
        const std::string plan = routeplan::WritePlan(*chosen, routeplan::ListRoute(route, tables));
        const auto out = split.options.find("-o");
        if (out == split.options.end()) return plan;
        routeplan::ReplacingFile(out->second, plan).Commit();
        return std::string();
    });
}

const CommandRegistration
    registration({"route export", "DIR [FILE.rte] --format gpx|fpl|pln|csv [-o OUT]",
                  "writes the route in DIR/CONFIG.DBF or in FILE.rte as a flight plan file", 1,
                  RunRouteExport, true});

}  // namespace

}  // namespace navdb
