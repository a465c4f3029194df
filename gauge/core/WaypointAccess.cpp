#include "WaypointAccess.h"

#include <cstring>

#include "GaugeAngles.h"
#include "GaugePlatform.h"
#include "GaugeTables.h"
#include "NavigationTables.h"
#include "TableEngine.h"

namespace {

constexpr int NameLength = 30;
constexpr int KeyLength = 8;

// Whether the last OpenWaypointTable succeeded, and the key last sought since then.
bool waypointTableOpen;
char soughtNum[KeyLength + 1];

// Copies at most size - 1 characters of the engine's text and terminates.
template <std::size_t Size>
void CopyField(char (&target)[Size], const char* field)
{
    std::strncpy(target, FieldGetString(field), Size - 1);
    target[Size - 1] = '\0';
}

}  // namespace

void OpenWaypointTable(int32_t table)
{
    static const char* const tables[] = {nav::airportsAlias, nav::navaidsAlias, nav::usersAlias};

    int32_t wrapped = table;
    if (wrapped > WaypointUser) wrapped = WaypointAirport;
    if (wrapped < WaypointAirport) wrapped = WaypointUser;
    gaugeState.currentTable = wrapped;

    std::string path = GaugeTablePath(tables[wrapped - 1]);
    TableCloseAll();
    waypointTableOpen = TableOpen(path.c_str(), nav::gaugeWaypointAlias, SDE_READONLY, SDE_KIND_DBF) != 0;
    TableSetPassword(nav::tablePassword);
    OrderSet(TagOrder(nav::idTag));
    soughtNum[0] = '\0';

    // A blinking alarm lamp shows steadily again for the new waypoint.
    if (gaugeState.alarmOn) SetElementHidden(GaugeElement::alarmLamp, false);
}

void SeekWaypointByNum(const char* num)
{
    std::strncpy(soughtNum, num, KeyLength);
    soughtNum[KeyLength] = '\0';
    OrderSet(TagOrder(nav::numTag));
    RecordSeek(num);
    OrderSet(TagOrder(nav::idTag));
}

bool ReadWaypoint(WaypointRecord& waypoint)
{
    if (RecordAtEof()) {
        waypoint = WaypointRecord{};
        std::memcpy(waypoint.num, soughtNum, sizeof soughtNum);
        waypoint.table = gaugeState.currentTable;
        return false;
    }
    CopyField(waypoint.num, "NUM");
    CopyField(waypoint.id, "ID");
    waypoint.table = gaugeState.currentTable;
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
    return true;
}

WaypointLookup CurrentWaypointLookup()
{
    if (!waypointTableOpen) return WaypointNoDatabase;
    return RecordAtEof() ? WaypointNoRecord : WaypointFound;
}

void LoadActiveWaypoint()
{
    gaugeState.activeWaypointLookup = CurrentWaypointLookup();
    ReadWaypoint(gaugeState.activeWaypoint);
    gaugeState.activeLatitude = WaypointLatitude(gaugeState.activeWaypoint);
    gaugeState.activeLongitude = WaypointLongitude(gaugeState.activeWaypoint);
}

void ActivateRouteWaypoint(int32_t index)
{
    const WaypointRecord& entry = gaugeState.route[index];
    OpenWaypointTable(entry.table);
    SeekWaypointByNum(entry.num);
    LoadActiveWaypoint();
}
