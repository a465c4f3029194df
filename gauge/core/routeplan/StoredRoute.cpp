#include "StoredRoute.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "NavigationTables.h"
#include "PlanError.h"
#include "TableEngine.h"

namespace gauge::routeplan {

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

void ReplaceInteger(const char* field, int32_t value)
{
    FieldReplace(field, SDE_INTEGER, &value);
}

}  // namespace

StoredRoute ReadRouteFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) throw PlanError("cannot open " + path);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (bytes.size() != RouteTextLength)
        throw PlanError(path + " is " + std::to_string(bytes.size()) +
                        " bytes; a route file is exactly " + std::to_string(RouteTextLength));
    StoredRoute route{path, {}, RouteCapacity, false, 1, 0};
    for (int i = 0; i < RouteCapacity; ++i)
        ParseRouteEntry(bytes.data() + i * RouteEntryLength, route.slots[i]);
    return route;
}

StoredRoute ReadConfigRoute(const std::string& directory)
{
    OpenConfig(directory, SDE_READONLY);
    StoredRoute route{ConfigPath(directory),    {}, 0, true, FieldGetInteger("RTEMODE"),
                      FieldGetInteger("ACTRTE")};
    if (route.routeMode)
        route.count = std::clamp<int32_t>(FieldGetInteger("NRTEWPT"), 0, RouteCapacity);
    std::string text = FieldGetString("RTEWPTS");
    TableCloseAll();
    text.resize(RouteTextLength, ' ');
    for (int i = 0; i < route.count; ++i)
        ParseRouteEntry(text.data() + i * RouteEntryLength, route.slots[i]);
    return route;
}

std::string RouteTextOf(const std::vector<WaypointRecord>& waypoints)
{
    WaypointRecord slots[RouteCapacity] = {};
    std::copy_n(waypoints.begin(), std::min<std::size_t>(waypoints.size(), RouteCapacity), slots);
    char text[RouteTextLength + 1];
    FormatRouteText(slots, text);
    return std::string(text, RouteTextLength);
}

void CheckConfig(const std::string& directory)
{
    OpenConfig(directory, SDE_SHARED);
    TableCloseAll();
}

void WriteConfigRoute(const std::string& directory, const std::vector<WaypointRecord>& waypoints)
{
    OpenConfig(directory, SDE_SHARED);
    ReplaceInteger("RTEMODE", 1);
    ReplaceInteger("NRTEWPT", static_cast<int32_t>(waypoints.size()));
    ReplaceInteger("ACTRTE", 0);
    FieldReplace("RTEWPTS", SDE_TEXT, RouteTextOf(waypoints).c_str());
    ReplaceInteger("LASTFILE", waypoints.front().table);
    FieldReplace("LASTREC", SDE_TEXT, waypoints.front().num);
    TableCloseAll();
}

}  // namespace gauge::routeplan
