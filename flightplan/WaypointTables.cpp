#include "WaypointTables.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "AirportVariation.h"
#include "Coordinates.h"
#include "GeomagneticModel.h"
#include "NavigationTables.h"
#include "TableEngine.h"
#include "WaypointFields.h"
#include "AsciiText.h"
#include "FieldValues.h"

namespace flightplan {

namespace {

constexpr int NumWidth = 8;
constexpr int IdWidth = 6;
constexpr long long LargestNum = 99999999;
// The numeric fields of a new user waypoint, in the order AppendUsers gives their values.
constexpr const char* NewUserFields[] = {"LAT1", "LAT2", "LAT3", "LAT4", "LON1",
                                         "LON2", "LON3", "LON4", "ALT"};

std::string Padded(const std::string& text, std::size_t width)
{
    std::string padded = text.substr(0, width);
    padded.resize(width, ' ');
    return padded;
}

bool AllDigits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

WaypointTables::WaypointTables(std::string directory, std::string alias)
    : directory_(std::move(directory)), alias_(std::move(alias))
{
    // Deleted records wait for the rebuild; the gauge does not see them either.
    SetDeletedHidden(1);
    SetSoftSeek(0);
}

WaypointTables::~WaypointTables()
{
    TableCloseAll();
}

nav::Status WaypointTables::Open(const char* table, int mode)
{
    TableCloseAll();
    const std::string path = nav::TablePath(nav::PathForm::Rebuild, directory_.c_str(), table);
    const char* alias = alias_.empty() ? table : alias_.c_str();
    if (!TableOpen(path.c_str(), alias, mode, SDE_KIND_DBF))
        return nav::Fail("cannot open " + path);
    TableSetPassword(nav::TablePassword);
    return {};
}

TableWaypoint WaypointTables::ReadCurrent(int32_t table)
{
    TableWaypoint waypoint{};
    nav::ReadWaypointFields(waypoint.record, table);
    // The identifier without the engine's padding, as plan files and the user write it.
    const std::string id(nav::WithoutPadding(waypoint.record.id));
    std::snprintf(waypoint.record.id, sizeof waypoint.record.id, "%s", id.c_str());
    waypoint.name = nav::WithoutPadding(FieldGetString("NAME"));
    waypoint.altitude = FieldGetInteger("ALT");
    waypoint.kind = table == nav::WaypointAirport  ? WaypointKind::Airport
                    : table == nav::WaypointNavaid ? NavaidKind(FieldGetString("TYPE"))
                                                   : WaypointKind::User;
    waypoint.variation = magnetic::UndeterminedAngleDegrees;
    if (table == nav::WaypointAirport) waypoint.variation = FieldGetInteger("VAR");
    waypoint.variationStored = waypoint.variation != magnetic::UndeterminedAngleDegrees;
    if (!waypoint.variationStored) {
        const Position position = PositionOf(waypoint.record);
        waypoint.variation =
            magnetic::AirportVariationAt(position.latitude, position.longitude).degrees;
    }
    return waypoint;
}

nav::Expected<std::optional<TableWaypoint>> WaypointTables::FindByNum(int32_t table,
                                                                      const std::string& num)
{
    if (nav::Status opened = Open(TableName(table), SDE_READONLY); !opened) return opened.Failed();
    OrderSet(TagOrder(nav::NumTag));
    if (!RecordSeek(Padded(num, NumWidth).c_str()) || RecordAtEof())
        return std::optional<TableWaypoint>();
    return std::optional<TableWaypoint>(ReadCurrent(table));
}

nav::Expected<std::vector<TableWaypoint>> WaypointTables::FindById(int32_t table,
                                                                   const std::string& id)
{
    std::vector<TableWaypoint> found;
    if (id.empty() || id.size() > IdWidth) return found;
    if (nav::Status opened = Open(TableName(table), SDE_READONLY); !opened) return opened.Failed();
    OrderSet(TagOrder(nav::IdTag));
    const std::string key = Padded(id, IdWidth);
    if (!RecordSeek(key.c_str())) return found;
    for (; !RecordAtEof() && key == FieldGetString("ID"); RecordSkip(1))
        found.push_back(ReadCurrent(table));
    return found;
}

nav::Expected<std::string> WaypointTables::NextUserNum(int reserved)
{
    if (nav::Status opened = Open(nav::UsersAlias, SDE_READONLY); !opened) return opened.Failed();
    SetDeletedHidden(0);
    long long highest = 0;
    for (RecordGoTop(); !RecordAtEof(); RecordSkip(1)) {
        const std::string num(nav::WithoutPadding(FieldGetString("NUM")));
        if (AllDigits(num)) highest = std::max(highest, std::atoll(num.c_str()));
    }
    SetDeletedHidden(1);
    const long long next = highest + 1 + reserved;
    if (next > LargestNum)
        return nav::Fail("USERS has no free 8-digit NUM above " + std::to_string(highest));
    char text[24];
    std::snprintf(text, sizeof text, "%0*lld", NumWidth, next);
    return std::string(text);
}

nav::Status WaypointTables::AppendUsers(const std::vector<NewUserWaypoint>& waypoints)
{
    if (waypoints.empty()) return {};
    if (nav::Status opened = Open(nav::UsersAlias, SDE_SHARED); !opened) return opened;
    for (const NewUserWaypoint& waypoint : waypoints) {
        RecordAppendBlank();
        nav::ReplaceText("NUM", waypoint.num.c_str());
        nav::ReplaceText("ID", waypoint.id.c_str());
        nav::ReplaceText("NAME", waypoint.name.c_str());
        const nav::StoredCoordinate lat =
            nav::StoredFromDegrees(waypoint.position.latitude, nav::Axis::Latitude);
        const nav::StoredCoordinate lon =
            nav::StoredFromDegrees(waypoint.position.longitude, nav::Axis::Longitude);
        const int32_t values[] = {lat.hemisphere, lat.degrees,    lat.minutes,
                                  lat.seconds,    lon.hemisphere, lon.degrees,
                                  lon.minutes,    lon.seconds,    0};
        for (std::size_t i = 0; i < std::size(values); ++i)
            nav::ReplaceInteger(NewUserFields[i], values[i]);
    }
    TableCloseAll();
    return {};
}

}  // namespace flightplan
