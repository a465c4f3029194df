#include "RouteFile.h"

#include <algorithm>

#include "RouteEditing.h"
#include "TableEngine.h"
#include "WaypointAccess.h"

namespace gauge {

void ParseRouteFile(const char* bytes, std::size_t length, RouteSlots& slots)
{
    const std::size_t entries =
        std::min<std::size_t>(length / nav::RouteEntryLength, RouteCapacity);
    for (std::size_t i = 0; i < RouteCapacity; ++i) {
        slots[i] = WaypointRecord{};
        if (i < entries) nav::ParseRouteEntry(bytes + i * nav::RouteEntryLength, slots[i]);
    }
    CompactRoute(slots);
}

void LookUpRouteSlots(RouteSlots& slots)
{
    for (WaypointRecord& slot : slots) {
        if (slot.table <= 0) continue;
        OpenWaypointTable(slot.table);
        SeekWaypointByNum(slot.num);
        ReadWaypoint(slot);
    }
    TableCloseAll();
}

}  // namespace gauge
