// navdb route export DIR [FILE.rte] --format gpx|fpl|pln|csv [-o OUT]: the route in DIR's
// CONFIG, or in a route file, as a flight plan file (standard output without -o).
#include "NavdbCommand.h"
#include "PlanFormats.h"
#include "ReplacingFile.h"
#include "RouteCommandSupport.h"

namespace navdb {

namespace {

nav::Expected<std::string> ExportRoute(const std::vector<std::string>& arguments)
{
    const nav::Expected<RouteArguments> split =
        SplitRouteArguments(arguments, {"--format", "-o"}, {});
    if (!split) return split.Failed();
    if (split->positional.empty() || split->positional.size() > 2)
        return nav::Fail("takes DIR and at most one route file");
    const auto format = split->options.find("--format");
    if (format == split->options.end()) return nav::Fail("--format gpx|fpl|pln|csv is missing");
    const std::optional<flightplan::PlanFormat> chosen = flightplan::FormatNamed(format->second);
    if (!chosen) return nav::Fail("unknown format '" + format->second + "': gpx, fpl, pln or csv");

    const std::string directory = DirectoryWithSeparator(split->positional[0]);
    const nav::Expected<flightplan::StoredRoute> route =
        split->positional.size() == 2 ? flightplan::ReadRouteFile(split->positional[1])
                                      : flightplan::ReadConfigRoute(directory);
    if (!route) return route.Failed();
    flightplan::WaypointTables tables(directory);
    const nav::Expected<flightplan::RouteListing> listing = flightplan::ListRoute(*route, tables);
    if (!listing) return listing.Failed();
    nav::Expected<std::string> plan = flightplan::WritePlan(*chosen, *listing);
    if (!plan) return plan.Failed();
    const auto out = split->options.find("-o");
    if (out == split->options.end()) return plan;
    if (nav::Status written = flightplan::WriteReplacingFile(out->second, *plan); !written)
        return written.Failed();
    return std::string();
}

CommandResult RunRouteExport(const std::vector<std::string>& arguments)
{
    return PrintedOutput(ExportRoute(arguments));
}

const CommandRegistration
    registration({"route export", "DIR [FILE.rte] --format gpx|fpl|pln|csv [-o OUT]",
                  "writes the route in DIR/CONFIG.DBF or in FILE.rte as a flight plan file", 1,
                  RunRouteExport, true});

}  // namespace

}  // namespace navdb
