#include "StoredRoute.h"

#include <algorithm>

#include "FileBytes.h"
#include "NavigationTables.h"
#include "TableEngine.h"
#include "FieldValues.h"

namespace flightplan {

namespace {

std::string ConfigPath(const std::string& directory)
{
    return nav::TablePath(nav::PathForm::Rebuild, directory.c_str(), nav::ConfigAlias);
}

// Opens CONFIG on its record; the caller closes it.
nav::Status OpenConfig(const std::string& directory, int mode)
{
    const std::string path = ConfigPath(directory);
    TableCloseAll();
    if (!TableOpen(path.c_str(), nav::ConfigAlias, mode, SDE_KIND_DBF))
        return nav::Fail("cannot open " + path);
    TableSetPassword(nav::TablePassword);
    RecordGoTop();
    if (RecordAtEof()) {
        TableCloseAll();
        return nav::Fail(path + " has no record");
    }
    return {};
}

}  // namespace

nav::Expected<StoredRoute> ReadRouteFile(const std::string& path)
{
    const nav::Expected<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return bytes.Failed();
    if (bytes->size() != nav::RouteTextLength)
        return nav::Fail(path + " is " + std::to_string(bytes->size()) +
                         " bytes; a route file is exactly " + std::to_string(nav::RouteTextLength));
    StoredRoute route{path, {}, nav::RouteCapacity, false, 1, 0};
    for (int i = 0; i < nav::RouteCapacity; ++i)
        nav::ParseRouteEntry(bytes->data() + i * nav::RouteEntryLength, route.slots[i]);
    return route;
}

nav::Expected<StoredRoute> ReadConfigRoute(const std::string& directory)
{
    if (nav::Status opened = OpenConfig(directory, SDE_READONLY); !opened) return opened.Failed();
    StoredRoute route{ConfigPath(directory),    {}, 0, true, FieldGetInteger("RTEMODE"),
                      FieldGetInteger("ACTRTE")};
    if (route.routeMode)
        route.count = std::clamp<int32_t>(FieldGetInteger("NRTEWPT"), 0, nav::RouteCapacity);
    std::string text = FieldGetString("RTEWPTS");
    TableCloseAll();
    text.resize(nav::RouteTextLength, ' ');
    for (int i = 0; i < route.count; ++i)
        nav::ParseRouteEntry(text.data() + i * nav::RouteEntryLength, route.slots[i]);
    return route;
}

std::string RouteTextOf(const std::vector<nav::WaypointRecord>& waypoints)
{
    nav::WaypointRecord slots[nav::RouteCapacity] = {};
    std::copy_n(waypoints.begin(), std::min<std::size_t>(waypoints.size(), nav::RouteCapacity),
                slots);
    char text[nav::RouteTextLength + 1];
    nav::FormatRouteText(slots, text);
    return std::string(text, nav::RouteTextLength);
}

nav::Status CheckConfig(const std::string& directory)
{
    nav::Status opened = OpenConfig(directory, SDE_SHARED);
    TableCloseAll();
    return opened;
}

nav::Status WriteConfigRoute(const std::string& directory,
                             const std::vector<nav::WaypointRecord>& waypoints)
{
    if (nav::Status opened = OpenConfig(directory, SDE_SHARED); !opened) return opened;
    nav::ReplaceInteger("RTEMODE", 1);
    nav::ReplaceInteger("NRTEWPT", static_cast<int32_t>(waypoints.size()));
    nav::ReplaceInteger("ACTRTE", 0);
    nav::ReplaceText("RTEWPTS", RouteTextOf(waypoints).c_str());
    nav::ReplaceInteger("LASTFILE", waypoints.front().table);
    nav::ReplaceText("LASTREC", waypoints.front().num);
    TableCloseAll();
    return {};
}

}  // namespace flightplan
