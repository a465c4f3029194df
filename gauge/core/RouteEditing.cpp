#include "RouteEditing.h"

#include <cstring>

#include "GaugeState.h"
#include "InfoPages.h"
#include "Navigation.h"
#include "TableEngine.h"
#include "WaypointAccess.h"

namespace gauge {

namespace {

bool Filled(const WaypointRecord& slot)
{
    return slot.table > 0;
}

}  // namespace

int32_t CountRouteWaypoints()
{
    int32_t count = 0;
    for (const WaypointRecord& slot : gaugeState.route)
        if (slot.table != 0) ++count;
    return count;
}

void CompactRoute(RouteSlots& slots)
{
    int next = 0;
    for (int i = 0; i < RouteCapacity; ++i) {
        if (!Filled(slots[i])) continue;
        if (i != next) slots[next] = slots[i];
        ++next;
    }
    for (int i = next; i < RouteCapacity; ++i) slots[i] = WaypointRecord{};
}

bool InsertRouteWaypoint(RouteSlots& slots, int lineCount, int selected,
                         const WaypointRecord& waypoint)
{
    if (lineCount >= RouteCapacity || lineCount < 0) return false;
    int slot = lineCount;
    if (selected >= 0 && selected < lineCount) {
        for (int i = lineCount; i > selected; --i) slots[i] = slots[i - 1];
        slot = selected;
    }
    slots[slot] = waypoint;
    return true;
}

void RemoveRouteWaypoint(RouteSlots& slots, int lineCount, int selected)
{
    if (selected < 0 || selected >= lineCount || lineCount > RouteCapacity) return;
    for (int i = selected + 1; i < lineCount; ++i) slots[i - 1] = slots[i];
    slots[lineCount - 1] = WaypointRecord{};
}

std::string RouteListLine(const WaypointRecord& slot)
{
    return std::string(slot.id) + '\t' +
           std::string(slot.name, strnlen(slot.name, sizeof slot.name));
}

void FinishRoute()
{
    GaugeState& s = gaugeState;
    std::memcpy(s.route, s.editedRoute, sizeof s.route);
    s.routeCount = CountRouteWaypoints();
    DropHeldRouteAdvance();
    if (s.routeCount > 0) {
        s.routeIndex = 0;
        s.routeMode = 1;
        ShowNormalPages(3);
        ActivateRouteWaypoint(0);
        TableCloseAll();
    } else {
        s.routeMode = 0;
        ShowNormalPages(2);
    }
}

}  // namespace gauge
