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
            throw flightplan::PlanError("takes DIR and at most one route file");
        const auto format = split.options.find("--format");
        if (format == split.options.end())
            throw flightplan::PlanError("--format gpx|fpl|pln|csv is missing");
        const std::optional<flightplan::PlanFormat> chosen =
            flightplan::FormatNamed(format->second);
        if (!chosen)
            throw flightplan::PlanError("unknown format '" + format->second +
                                        "': gpx, fpl, pln or csv");

        const std::string directory = DirectoryWithSeparator(split.positional[0]);
        const flightplan::StoredRoute route = split.positional.size() == 2
                                                  ? flightplan::ReadRouteFile(split.positional[1])
                                                  : flightplan::ReadConfigRoute(directory);
        flightplan::WaypointTables tables(directory);
        const std::string plan =
            flightplan::WritePlan(*chosen, flightplan::ListRoute(route, tables));
        const auto out = split.options.find("-o");
        if (out == split.options.end()) return plan;
        if (nav::Status written = flightplan::WriteReplacingFile(out->second, plan); !written)
            throw flightplan::PlanError(written.Message());
        return std::string();
    });
}

const CommandRegistration
    registration({"route export", "DIR [FILE.rte] --format gpx|fpl|pln|csv [-o OUT]",
                  "writes the route in DIR/CONFIG.DBF or in FILE.rte as a flight plan file", 1,
                  RunRouteExport, true});

}  // namespace

}  // namespace navdb
