#include "RoutePlanFile.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <vector>

#include "GaugeTables.h"
#include "NavigationTables.h"
#include "PlanResolution.h"
#include "PlanText.h"
#include "RouteEditing.h"
#include "RouteFile.h"
#include "RouteListing.h"
#include "StoredRoute.h"
#include "TableEngine.h"
#include "AsciiText.h"

namespace gauge {

namespace {

// What the library's refusals of a saved route call it.
constexpr char EditedRouteName[] = "The list";

// The text after the last dot of the file name, empty without one.
std::string ExtensionOf(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    const std::size_t folder = path.find_last_of("\\/:");
    if (dot == std::string::npos || (folder != std::string::npos && dot < folder)) return {};
    return path.substr(dot + 1);
}

// Runs `work` on the flight-plan library's view of the gauge's waypoint tables, under the
// gauge's alias, then gives the engine back to the gauge's lookups: every table closed (the
// view's end) and soft seek on, which the view turns off. Returns the warning that `work`
// returns, or the message of what the library refused; empty when all went well. What the
// system refuses on the way (memory for a large plan) becomes a warning too: the gauge runs
// inside the simulator, which an exception leaving the dialog would end.
template <class Work>
std::string WithPlanTables(const Work& work)
{
    std::string warning;
    try {
        flightplan::WaypointTables tables(GaugeDataDirectory(), nav::GaugeWaypointAlias);
        const nav::Expected<std::string> done = work(tables);
        warning = done ? *done : done.Message();
    } catch (const std::exception& error) {
        warning = error.what();
    }
    SetSoftSeek(1);
    return warning;
}

std::string NotFoundWarning(const std::vector<std::string>& identifiers)
{
    std::string text = "Waypoints not found in the tables: ";
    for (std::size_t i = 0; i < identifiers.size(); ++i)
        text += (i == 0 ? "" : ", ") + identifiers[i];
    return text + ". The route is unchanged.";
}

}  // namespace

bool IsRouteFileName(const std::string& path)
{
    const std::string extension = ExtensionOf(path);
    return extension.empty() || nav::EqualIgnoringCase(extension, RouteFileExtension);
}

std::optional<flightplan::PlanFormat> PlanFormatOfName(const std::string& path)
{
    return flightplan::FormatNamed(ExtensionOf(path));
}

std::string LoadPlanFile(const std::string& path, RouteSlots& slots)
{
    RouteSlots found{};
    const std::string warning =
        WithPlanTables([&](flightplan::WaypointTables& tables) -> nav::Expected<std::string> {
            const nav::Expected<flightplan::Plan> plan = flightplan::ReadPlanFile(path);
            if (!plan) return plan.Failed();
            if (plan->waypoints.size() > static_cast<std::size_t>(RouteCapacity))
                return std::string(RouteLimitWarning);
            const nav::Expected<flightplan::ResolvedPlan> resolved =
                flightplan::ResolvePlan(*plan, tables, flightplan::UnknownWaypoints::Listed);
            if (!resolved) return resolved.Failed();
            if (!resolved->notFound.empty()) return NotFoundWarning(resolved->notFound);
            for (std::size_t i = 0; i < resolved->waypoints.size(); ++i) {
                const nav::WaypointRecord& record = resolved->waypoints[i].record;
                found[i].table = record.table;
                std::copy(std::begin(record.num), std::end(record.num), found[i].num);
            }
            return std::string();
        });
    if (!warning.empty()) return warning;
    // The gauge's own lookups fill every slot as a route file's load does.
    LookUpRouteSlots(found);
    std::copy(std::begin(found), std::end(found), slots);
    return {};
}

SavedRoute SavedRouteFor(const std::string& path, const RouteSlots& slots)
{
    SavedRoute saved;
    const std::optional<flightplan::PlanFormat> format = PlanFormatOfName(path);
    if (!format) {
        char text[nav::RouteTextLength + 1];
        nav::FormatRouteText(slots, text);
        saved.bytes.assign(text, nav::RouteTextLength);
        return saved;
    }
    saved.warning =
        WithPlanTables([&](flightplan::WaypointTables& tables) -> nav::Expected<std::string> {
            flightplan::StoredRoute route{EditedRouteName, {}, RouteCapacity, false, 1, 0};
            std::copy(std::begin(slots), std::end(slots), route.slots);
            const nav::Expected<flightplan::RouteListing> listing =
                flightplan::ListRoute(route, tables);
            if (!listing) return listing.Failed();
            nav::Expected<std::string> plan = flightplan::WritePlan(*format, *listing);
            if (!plan) return plan.Failed();
            saved.bytes = std::move(*plan);
            return std::string();
        });
    if (!saved.warning.empty()) saved.bytes.clear();
    return saved;
}

}  // namespace gauge
