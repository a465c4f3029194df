#include "RouteText.h"

#include <cstdio>
#include <cstring>

namespace nav {

namespace {

constexpr int KeyLength = 8;

}  // namespace

void FormatRouteEntry(const WaypointRecord& slot, char* entry)
{
    if (slot.table <= 0) {
        std::memset(entry, ' ', RouteEntryLength);
        return;
    }
    // A key shorter than 8 characters is padded so that the entries stay aligned.
    char text[32];
    std::snprintf(text, sizeof text, "%1d%-8.8s", slot.table, slot.num);
    std::memcpy(entry, text, RouteEntryLength);
}

void FormatRouteText(const WaypointRecord (&route)[RouteCapacity],
                     char (&text)[RouteTextLength + 1])
{
    for (int i = 0; i < RouteCapacity; ++i) FormatRouteEntry(route[i], text + i * RouteEntryLength);
    text[RouteTextLength] = '\0';
}

void ParseRouteEntry(const char* entry, WaypointRecord& slot)
{
    slot.table = entry[0] >= '0' && entry[0] <= '9' ? entry[0] - '0' : 0;
    std::memcpy(slot.num, entry + 1, KeyLength);
    slot.num[KeyLength] = '\0';
}

}  // namespace nav
