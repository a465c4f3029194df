#include "PlanImport.h"

#include <cstdio>

#include "PlanFormats.h"
#include "PlanResolution.h"
#include "PlanText.h"
#include "ReplacingFile.h"
#include "StoredRoute.h"
#include "WaypointTables.h"
#include "AsciiText.h"

namespace flightplan {

namespace {

std::string ResolutionLine(int index, const Resolution& r)
{
    char text[160];
    std::snprintf(text, sizeof text, "%3d  %-6s  %-8s  %-8s  %s", index + 1,
                  Utf8FromTable(r.record.id).c_str(), TableName(r.record.table), r.record.num,
                  Utf8FromTable(nav::WithoutPadding(r.record.name)).c_str());
    return text + (r.note.empty() ? std::string() : "\n       " + r.note) + "\n";
}

}  // namespace

nav::Expected<std::string> ImportPlan(const std::string& directory, const std::string& planPath,
                                      const ImportTarget& target)
{
    const nav::Expected<Plan> plan = ReadPlanFile(planPath);
    if (!plan) return plan.Failed();

    WaypointTables tables(directory);
    const nav::Expected<ResolvedPlan> found = ResolvePlan(*plan, tables);
    if (!found) return found.Failed();
    const ResolvedPlan& resolved = *found;
    std::vector<nav::WaypointRecord> records;
    for (const Resolution& r : resolved.waypoints) records.push_back(r.record);

    std::string report;
    for (const std::string& note : plan->notes) report += note + "\n";
    report += planPath + ": " + std::to_string(records.size()) + " waypoint" +
              (records.size() == 1 ? "" : "s") + "\n";
    for (std::size_t i = 0; i < resolved.waypoints.size(); ++i)
        report += ResolutionLine(static_cast<int>(i), resolved.waypoints[i]);

    // The route goes in place only after the new user waypoints it names are in USERS.
    if (target.routeFile.empty()) {
        if (nav::Status checked = CheckConfig(directory); !checked) return checked.Failed();
        if (nav::Status added = tables.AppendUsers(resolved.newUsers); !added)
            return added.Failed();
        if (nav::Status written = WriteConfigRoute(directory, records); !written)
            return written.Failed();
        report += "CONFIG: RTEMODE 1, NRTEWPT " + std::to_string(records.size()) +
                  ", ACTRTE 0, flying to " + Utf8FromTable(records.front().id) + "\n";
    } else {
        ReplacingFile file(target.routeFile);
        if (nav::Status staged = file.Stage(RouteTextOf(records)); !staged) return staged.Failed();
        if (nav::Status added = tables.AppendUsers(resolved.newUsers); !added)
            return added.Failed();
        if (nav::Status placed = file.Commit(); !placed) return placed.Failed();
        report +=
            "wrote " + target.routeFile + " (" + std::to_string(nav::RouteTextLength) + " bytes)\n";
    }
    return report;
}

}  // namespace flightplan
