#include "FuzzTargets.h"

#include "PlanFormats.h"
#include "StoredRoute.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {

// What every plan read must be, whatever the file holds.
void CheckPlan(const flightplan::Plan& plan)
{
    if (plan.waypoints.empty()) std::abort();
    for (const flightplan::PlanWaypoint& waypoint : plan.waypoints) {
        if (!waypoint.position) continue;
        const double latitude = waypoint.position->latitude;
        const double longitude = waypoint.position->longitude;
        if (!std::isfinite(latitude) || !std::isfinite(longitude) || std::fabs(latitude) > 90.0 ||
            std::fabs(longitude) > 180.0)
            std::abort();
    }
}

}  // namespace

int FuzzPlanReaders(const std::uint8_t* data, std::size_t size)
{
    const std::string path = ScratchDirectory() + "plan";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    // A refusal is a returned failure; any exception ends the run as a crash.
    if (const nav::Expected<flightplan::Plan> plan = flightplan::ReadPlanFile(path))
        CheckPlan(*plan);
    if (const nav::Expected<flightplan::StoredRoute> route = flightplan::ReadRouteFile(path)) {
        for (const nav::WaypointRecord& slot : route->slots)
            if (slot.table < 0 || slot.table > 9 || slot.num[8] != '\0') std::abort();
    }
    return 0;
}

}  // namespace fuzz
