#include "Configuration.h"

#include <algorithm>

#include "ConfigRoute.h"
#include "FieldValues.h"
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

    // An index outside the route is brought into range; a route without waypoints is
    // Direct-To operation.
    nav::ConfigRoute stored = nav::ReadConfigRouteFields();
    const int32_t storedCount = stored.count;
    s.routeMode = stored.mode;
    if (s.routeMode) {
        s.routeIndex = stored.activeIndex;
        s.routeCount = CloseRouteGaps(stored.slots, s.routeIndex);
        if (s.routeCount == 0) s.routeMode = 0;
    }

    // The stored slots, gaps closed; each lookup closes every open table first, CONFIG
    // included.
    if (s.routeMode) {
        for (int32_t i = 0; i < storedCount; ++i) {
            WaypointRecord& slot = s.route[i];
            slot = stored.slots[i];
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
    nav::ReplaceInteger("POWER", s.powerOn);
    nav::ReplaceInteger("LASTFILE", s.activeWaypoint.table);
    nav::ReplaceText("LASTREC", s.activeWaypoint.num);
    nav::ReplaceDouble("AUTODIS", s.nextWaypointDistance);
    nav::ReplaceInteger("AUTOPILOT", s.autopilotOn);
    nav::ReplaceDouble("ALARMDIS", s.alarmDistance);
    nav::ReplaceInteger("ALARM", s.alarmOn);
    nav::ReplaceInteger("RTEMODE", s.routeMode);
    nav::ReplaceInteger("NRTEWPT", s.routeCount);
    nav::ReplaceInteger("ACTRTE", s.routeIndex);
    char routeText[nav::RouteTextLength + 1];
    nav::FormatRouteText(s.route, routeText);
    nav::ReplaceText("RTEWPTS", routeText);
    TableCloseAll();
}

}  // namespace gauge
