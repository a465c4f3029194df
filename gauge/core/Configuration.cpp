#include "Configuration.h"

#include <algorithm>

#include "CopyField.h"
#include "GaugePlatform.h"
#include "GaugeState.h"
#include "GaugeTables.h"
#include "InfoPages.h"
#include "NavigationTables.h"
#include "Power.h"
#include "RouteEditing.h"
#include "RouteText.h"
#include "TableEngine.h"
#include "WaypointAccess.h"

namespace gauge {

namespace {

void OpenConfiguration(int mode)
{
    TableOpen(GaugeTablePath(nav::ConfigAlias).c_str(), nav::ConfigAlias, mode, SDE_KIND_DBF);
    TableSetPassword(nav::TablePassword);
    RecordGoTop();
}

void ShowLampIf(int32_t on, GaugeElement lamp)
{
    if (on) Platform().SetElementHidden(lamp, false);
}

// Closes the gaps of a restored route (blank entries between its waypoints) as route files
// and the Route dialog do, so that no slot of table 0 is ever flown. The active index
// follows its waypoint, or from a gap the next one, and stays inside the route. Returns the
// number of waypoints.
int32_t CloseRouteGaps(RouteSlots& slots, int32_t& index)
{
    int32_t before = 0;
    int32_t filled = 0;
    for (int32_t i = 0; i < RouteCapacity; ++i) {
        if (slots[i].table <= 0) continue;
        if (i < index) ++before;
        ++filled;
    }
    CompactRoute(slots);
    index = std::min(before, std::max(filled - 1, 0));
    return filled;
}

void ReplaceInteger(const char* field, const int32_t& value)
{
    FieldReplace(field, SDE_INTEGER, &value);
}
void ReplaceDouble(const char* field, const double& value)
{
    FieldReplace(field, SDE_DOUBLE, &value);
}
void ReplaceText(const char* field, const char* value)
{
    FieldReplace(field, SDE_TEXT, value);
}

}  // namespace

void LoadConfiguration()
{
    GaugeState& s = gaugeState;
    OpenConfiguration(SDE_READONLY);

    // Switching on resets the coupling and the alarm; the fields read after it set them.
    s.powerOn = FieldGetInteger("POWER");
    SetPower(s.powerOn);
    s.nextWaypointDistance = FieldGetDouble("AUTODIS");
    s.autopilotOn = FieldGetInteger("AUTOPILOT");
    ShowLampIf(s.autopilotOn, GaugeElement::autopilotLamp);
    s.alarmDistance = FieldGetDouble("ALARMDIS");
    s.alarmOn = FieldGetInteger("ALARM");
    ShowLampIf(s.alarmOn, GaugeElement::alarmLamp);

    char lastKey[256];
    nav::CopyField(lastKey, "LASTREC");
    const int32_t lastTable = FieldGetInteger("LASTFILE");

    // A stored count outside the 30 slots or an index outside the route is brought into
    // range; a route without waypoints is Direct-To operation.
    char routeText[nav::RouteTextLength + 1] = {};
    RouteSlots stored{};
    int32_t storedCount = 0;
    s.routeMode = FieldGetInteger("RTEMODE");
    if (s.routeMode) {
        storedCount = std::clamp<int32_t>(FieldGetInteger("NRTEWPT"), 0, RouteCapacity);
        s.routeIndex = FieldGetInteger("ACTRTE");
        nav::CopyField(routeText, "RTEWPTS");
        for (int32_t i = 0; i < storedCount; ++i)
            nav::ParseRouteEntry(routeText + i * nav::RouteEntryLength, stored[i]);
        s.routeCount = CloseRouteGaps(stored, s.routeIndex);
        if (s.routeCount == 0) s.routeMode = 0;
    }

    // The stored slots, gaps closed; each lookup closes every open table first, CONFIG
    // included.
    if (s.routeMode) {
        for (int32_t i = 0; i < storedCount; ++i) {
            WaypointRecord& slot = s.route[i];
            slot = stored[i];
            if (i >= s.routeCount) continue;
            OpenWaypointTable(slot.table);
            SeekWaypointByNum(slot.num);
            ReadWaypoint(slot);
        }
    }
    OpenWaypointTable(lastTable);
    SeekWaypointByNum(lastKey);
    LoadActiveWaypoint();
    TableCloseAll();

    ShowNormalPages(NormalPageCount(s));
}

void SaveConfiguration()
{
    const GaugeState& s = gaugeState;
    OpenConfiguration(SDE_SHARED);
    ReplaceInteger("POWER", s.powerOn);
    ReplaceInteger("LASTFILE", s.activeWaypoint.table);
    ReplaceText("LASTREC", s.activeWaypoint.num);
    ReplaceDouble("AUTODIS", s.nextWaypointDistance);
    ReplaceInteger("AUTOPILOT", s.autopilotOn);
    ReplaceDouble("ALARMDIS", s.alarmDistance);
    ReplaceInteger("ALARM", s.alarmOn);
    ReplaceInteger("RTEMODE", s.routeMode);
    ReplaceInteger("NRTEWPT", s.routeCount);
    ReplaceInteger("ACTRTE", s.routeIndex);
    char routeText[nav::RouteTextLength + 1];
    nav::FormatRouteText(s.route, routeText);
    ReplaceText("RTEWPTS", routeText);
    TableCloseAll();
}

}  // namespace gauge
