#include "Configuration.h"

#include <algorithm>
#include <cstring>

#include "GaugePlatform.h"
#include "GaugeState.h"
#include "GaugeTables.h"
#include "InfoPages.h"
#include "NavigationTables.h"
#include "Power.h"
#include "RouteText.h"
#include "TableEngine.h"
#include "WaypointAccess.h"

namespace {

void OpenConfiguration(int mode)
{
    TableOpen(GaugeTablePath(nav::configAlias).c_str(), nav::configAlias, mode, SDE_KIND_DBF);
    TableSetPassword(nav::tablePassword);
    RecordGoTop();
}

template <std::size_t Size>
void CopyField(char (&target)[Size], const char* field)
{
    std::strncpy(target, FieldGetString(field), Size - 1);
    target[Size - 1] = '\0';
}

void ShowLampIf(int32_t on, GaugeElement lamp)
{
    if (on) SetElementHidden(lamp, false);
}

void ReplaceInteger(const char* field, const int32_t& value) { FieldReplace(field, SDE_INTEGER, &value); }
void ReplaceDouble(const char* field, const double& value) { FieldReplace(field, SDE_DOUBLE, &value); }
void ReplaceText(const char* field, const char* value) { FieldReplace(field, SDE_TEXT, value); }

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
    CopyField(lastKey, "LASTREC");
    const int32_t lastTable = FieldGetInteger("LASTFILE");

    // A stored count outside the 30 slots or an index outside the route is brought into
    // range; a route without waypoints is Direct-To operation.
    char routeText[300] = {};
    s.routeMode = FieldGetInteger("RTEMODE");
    if (s.routeMode) {
        s.routeCount = std::clamp<int32_t>(FieldGetInteger("NRTEWPT"), 0, RouteCapacity);
        s.routeIndex = std::clamp<int32_t>(FieldGetInteger("ACTRTE"), 0, std::max(s.routeCount - 1, 0));
        CopyField(routeText, "RTEWPTS");
        if (s.routeCount == 0) s.routeMode = 0;
    }

    // Each lookup below closes every open table first, CONFIG included.
    if (s.routeMode) {
        for (int32_t i = 0; i < s.routeCount; ++i) {
            WaypointRecord& slot = s.route[i];
            ParseRouteEntry(routeText + i * RouteEntryLength, slot);
            if (slot.table > 0) {
                OpenWaypointTable(slot.table);
                SeekWaypointByNum(slot.num);
                ReadWaypoint(slot);
            }
        }
    }
    OpenWaypointTable(lastTable);
    SeekWaypointByNum(lastKey);
    LoadActiveWaypoint();
    TableCloseAll();

    ShowNormalPages(s.routeMode ? 3 : 2);
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
    char routeText[RouteTextLength + 1];
    FormatRouteText(s.route, routeText);
    ReplaceText("RTEWPTS", routeText);
    TableCloseAll();
}
