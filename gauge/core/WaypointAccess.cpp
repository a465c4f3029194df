#include "WaypointAccess.h"

#include <cstring>

#include "GaugeAngles.h"
#include "GaugePlatform.h"
#include "GaugeTables.h"
#include "NavigationTables.h"
#include "TableEngine.h"
#include "WaypointFields.h"

namespace gauge {

namespace {

constexpr int KeyLength = sizeof waypointLookup.soughtNum - 1;

}  // namespace

void OpenWaypointTable(int32_t table)
{
    int32_t wrapped = table;
    if (wrapped > WaypointUser) wrapped = WaypointAirport;
    if (wrapped < WaypointAirport) wrapped = WaypointUser;
    gaugeState.currentTable = wrapped;

    std::string path = GaugeTablePath(nav::WaypointTableAlias(wrapped));
    TableCloseAll();
    waypointLookup.tableOpen =
        TableOpen(path.c_str(), nav::GaugeWaypointAlias, SDE_READONLY, SDE_KIND_DBF) != 0;
    TableSetPassword(nav::TablePassword);
    OrderSet(TagOrder(nav::IdTag));
    waypointLookup.soughtNum[0] = '\0';

    // A blinking alarm lamp shows steadily again for the new waypoint.
    if (gaugeState.alarmOn) Platform().SetElementHidden(GaugeElement::alarmLamp, false);
}

void SeekWaypointByNum(const char* num)
{
    std::strncpy(waypointLookup.soughtNum, num, KeyLength);
    waypointLookup.soughtNum[KeyLength] = '\0';
    OrderSet(TagOrder(nav::NumTag));
    RecordSeek(num);
    OrderSet(TagOrder(nav::IdTag));
}

bool ReadWaypoint(WaypointRecord& waypoint)
{
    if (RecordAtEof()) {
        waypoint = WaypointRecord{};
        std::memcpy(waypoint.num, waypointLookup.soughtNum, sizeof waypointLookup.soughtNum);
        waypoint.table = gaugeState.currentTable;
        return false;
    }
    nav::ReadWaypointFields(waypoint, gaugeState.currentTable);
    return true;
}

WaypointLookup CurrentWaypointLookup()
{
    if (!waypointLookup.tableOpen) return WaypointNoDatabase;
    return RecordAtEof() ? WaypointNoRecord : WaypointFound;
}

void LoadActiveWaypoint()
{
    gaugeState.activeWaypointLookup = CurrentWaypointLookup();
    ReadWaypoint(gaugeState.activeWaypoint);
    gaugeState.activeLatitude = nav::WaypointLatitude(gaugeState.activeWaypoint);
    gaugeState.activeLongitude = nav::WaypointLongitude(gaugeState.activeWaypoint);
}

void ActivateRouteWaypoint(int32_t index)
{
    const WaypointRecord& entry = gaugeState.route[index];
    OpenWaypointTable(entry.table);
    SeekWaypointByNum(entry.num);
    LoadActiveWaypoint();
}

}  // namespace gauge
