#include "StoredRoute.h"

#include <algorithm>

#include "FileBytes.h"
#include "NavigationTables.h"
#include "PlanError.h"
#include "TableEngine.h"
#include "FieldValues.h"

namespace flightplan {

namespace {

std::string ConfigPath(const std::string& directory)
{
    return nav::TablePath(nav::PathForm::Rebuild, directory.c_str(), nav::ConfigAlias);
}

// Opens CONFIG on its record, or throws; the caller closes it.
void OpenConfig(const std::string& directory, int mode)
{
    const std::string path = ConfigPath(directory);
    TableCloseAll();
    if (!TableOpen(path.c_str(), nav::ConfigAlias, mode, SDE_KIND_DBF))
        throw PlanError("cannot open " + path);
    TableSetPassword(nav::TablePassword);
    RecordGoTop();
    if (RecordAtEof()) {
        TableCloseAll();
        throw PlanError(path + " has no record");
    }
}

}  // namespace

StoredRoute ReadRouteFile(const std::string& path)
{
    const std::string bytes = ReadFileBytes(path);
    if (bytes.size() != nav::RouteTextLength)
        throw PlanError(path + " is " + std::to_string(bytes.size()) +
                        " bytes; a route file is exactly " + std::to_string(nav::RouteTextLength));
    StoredRoute route{path, {}, nav::RouteCapacity, false, 1, 0};
    for (int i = 0; i < nav::RouteCapacity; ++i)
        nav::ParseRouteEntry(bytes.data() + i * nav::RouteEntryLength, route.slots[i]);
    return route;
}

StoredRoute ReadConfigRoute(const std::string& directory)
{
    OpenConfig(directory, SDE_READONLY);
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

void CheckConfig(const std::string& directory)
{
    OpenConfig(directory, SDE_SHARED);
    TableCloseAll();
}

void WriteConfigRoute(const std::string& directory,
                      const std::vector<nav::WaypointRecord>& waypoints)
{
    OpenConfig(directory, SDE_SHARED);
    nav::ReplaceInteger("RTEMODE", 1);
    nav::ReplaceInteger("NRTEWPT", static_cast<int32_t>(waypoints.size()));
    nav::ReplaceInteger("ACTRTE", 0);
    nav::ReplaceText("RTEWPTS", RouteTextOf(waypoints).c_str());
    nav::ReplaceInteger("LASTFILE", waypoints.front().table);
    nav::ReplaceText("LASTREC", waypoints.front().num);
    TableCloseAll();
}

}  // namespace flightplan
