#include "WaypointFields.h"

#include <cstring>

#include "FieldValues.h"
#include "NavigationTables.h"
#include "TableEngine.h"

namespace nav {

namespace {

constexpr int NameLength = 30;

}  // namespace

void ReadWaypointFields(WaypointRecord& waypoint, int32_t table)
{
    CopyField(waypoint.num, "NUM");
    CopyField(waypoint.id, "ID");
    waypoint.table = table;
    // The first 30 characters, zero-padded to 30; the record's last two bytes stay as they are.
    const char* name = FieldGetString("NAME");
    std::size_t length = strnlen(name, NameLength);
    std::memcpy(waypoint.name, name, length);
    std::memset(waypoint.name + length, 0, NameLength - length);
    waypoint.lat1 = FieldGetInteger("LAT1");
    waypoint.lat2 = FieldGetInteger("LAT2");
    waypoint.lat3 = FieldGetInteger("LAT3");
    waypoint.lat4 = FieldGetInteger("LAT4");
    waypoint.lon1 = FieldGetInteger("LON1");
    waypoint.lon2 = FieldGetInteger("LON2");
    waypoint.lon3 = FieldGetInteger("LON3");
    waypoint.lon4 = FieldGetInteger("LON4");
}

const char* WaypointTableAlias(int32_t table)
{
    static const char* const aliases[] = {AirportsAlias, NavaidsAlias, UsersAlias};
    return aliases[table - WaypointAirport];
}

}  // namespace nav
