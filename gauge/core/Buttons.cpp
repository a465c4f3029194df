// The ten buttons. Every click sounds, also while the unit is off; apart from PWR a
// button does nothing more while the unit is off.
#include "GaugeButtons.h"

#include "GaugePlatform.h"
#include "GaugeState.h"
#include "HostCodes.h"
#include "Power.h"
#include "WaypointAccess.h"

namespace {

constexpr int ClickSound = 0;

// Clicks; true when the unit is on and the button may act.
bool Click()
{
    PlayGaugeSound(ClickSound);
    return gaugeState.powerOn != 0;
}

// Steps the flown route by one waypoint either way, wrapping at both ends, and makes
// that waypoint active. The autopilot coupling stays as it was; no waypoint sound.
void StepRoute(int32_t step)
{
    GaugeState& s = gaugeState;
    if (!s.routeMode || s.routeCount < 1) return;
    s.routeIndex += step;
    if (s.routeIndex < 0) s.routeIndex = s.routeCount - 1;
    if (s.routeIndex >= s.routeCount) s.routeIndex = 0;
    ActivateRouteWaypoint(s.routeIndex);
}

}  // namespace

int32_t GAUGE_CALL OnNavButton(uint32_t, uint32_t)
{
    if (!Click()) return 0;
    GaugeState& s = gaugeState;
    if (s.infoPageShown) {
        s.infoPageShown = 0;
        SetElementHidden(GaugeElement::steeringScale, false);
        SetElementHidden(GaugeElement::steeringMarker, false);
        s.currentPage = 1;
        s.pageCount = s.routeMode ? 3 : 2;
    } else if (s.currentPage >= s.pageCount) {
        s.currentPage = 1;
    } else {
        ++s.currentPage;
    }
    return 0;
}

// The information pages, the Setup, Route and Direct-To dialogs are not part of the
// unit yet: their buttons only click.
int32_t GAUGE_CALL OnInfButton(uint32_t, uint32_t)
{
    Click();
    return 0;
}

int32_t GAUGE_CALL OnSetButton(uint32_t, uint32_t)
{
    Click();
    return 0;
}

int32_t GAUGE_CALL OnRteButton(uint32_t, uint32_t)
{
    Click();
    return 0;
}

int32_t GAUGE_CALL OnDirectToButton(uint32_t, uint32_t)
{
    Click();
    return 0;
}

int32_t GAUGE_CALL OnAlrButton(uint32_t, uint32_t)
{
    if (!Click()) return 0;
    GaugeState& s = gaugeState;
    s.alarmOn = s.alarmOn ? 0 : 1;
    SetElementHidden(GaugeElement::alarmLamp, s.alarmOn == 0);
    return 0;
}

int32_t GAUGE_CALL OnPwrButton(uint32_t, uint32_t)
{
    Click();
    SetPower(gaugeState.powerOn ? 0 : 1);
    return 0;
}

int32_t GAUGE_CALL OnAutButton(uint32_t, uint32_t)
{
    if (!Click()) return 0;
    GaugeState& s = gaugeState;
    if (s.autopilotOn == 0) {
        SetElementHidden(GaugeElement::autopilotLamp, false);
        SendHostEvent(EventAutopilotMaster, 0);
        SendHostEvent(EventAutopilotHeadingHold, 0);
        s.autopilotOn = 1;
    } else {
        SetElementHidden(GaugeElement::autopilotLamp, true);
        SendHostEvent(EventAutopilotOff, 0);
        s.autopilotOn = 0;
    }
    return 0;
}

// In information mode < and > step through the route's information pages, which come
// with those pages; until then they act only in normal mode.
int32_t GAUGE_CALL OnPrevButton(uint32_t, uint32_t)
{
    if (Click() && !gaugeState.infoPageShown) StepRoute(-1);
    return 0;
}

int32_t GAUGE_CALL OnNextButton(uint32_t, uint32_t)
{
    if (Click() && !gaugeState.infoPageShown) StepRoute(+1);
    return 0;
}
