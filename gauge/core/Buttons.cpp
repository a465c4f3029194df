// The ten buttons. Every click sounds, also while the unit is off; apart from PWR a
// button does nothing more while the unit is off.
#include "GaugeButtons.h"

#include "DirectTo.h"
#include "GaugePlatform.h"
#include "GaugeState.h"
#include "HostCodes.h"
#include "InfoPages.h"
#include "Navigation.h"
#include "Power.h"
#include "WaypointAccess.h"

namespace gauge {

namespace {

// Clicks; true when the unit is on and the button may act.
bool Click()
{
    Platform().PlayGaugeSound(GaugeSound::Click);
    return gaugeState.powerOn != 0;
}

// The route index `step` places on from `index`, wrapping at both ends.
int32_t StepRouteIndex(int32_t index, int32_t step)
{
    index += step;
    if (index < 0) index = gaugeState.routeCount - 1;
    if (index >= gaugeState.routeCount) index = 0;
    return index;
}

// Steps through the flown route by one waypoint either way. In normal mode that waypoint
// becomes active (the autopilot coupling stays as it was; no waypoint sound); in
// information mode its page 1 is shown and the active waypoint stays.
void StepRoute(int32_t step)
{
    GaugeState& s = gaugeState;
    if (!s.routeMode || s.routeCount < 1) return;
    if (s.infoPageShown) {
        s.infoIndex = StepRouteIndex(s.infoIndex, step);
        ShowRouteWaypointInfo(s.infoIndex);
        return;
    }
    s.routeIndex = StepRouteIndex(s.routeIndex, step);
    DropHeldRouteAdvance();  // the pilot's choice replaces an advance a dialog held back
    ActivateRouteWaypoint(s.routeIndex);
}

}  // namespace

int32_t GAUGE_CALL OnNavButton(uint32_t, uint32_t)
{
    if (!Click()) return 0;
    GaugeState& s = gaugeState;
    if (s.infoPageShown) {
        ShowNormalPages(NormalPageCount(s));
    } else if (s.currentPage >= s.pageCount) {
        s.currentPage = 1;
    } else {
        ++s.currentPage;
    }
    return 0;
}

int32_t GAUGE_CALL OnInfButton(uint32_t, uint32_t)
{
    if (Click()) TurnInfoPage();
    return 0;
}

// Setup and Route change the gauge state themselves when they are confirmed.
int32_t GAUGE_CALL OnSetButton(uint32_t, uint32_t)
{
    if (Click()) Platform().RunSetupDialog();
    return 0;
}

int32_t GAUGE_CALL OnRteButton(uint32_t, uint32_t)
{
    if (Click()) Platform().RunRouteDialog();
    return 0;
}

int32_t GAUGE_CALL OnDirectToButton(uint32_t, uint32_t)
{
    if (Click() && Platform().RunDirectToDialog()) ActivateDirectToChoice();
    return 0;
}

int32_t GAUGE_CALL OnAlrButton(uint32_t, uint32_t)
{
    if (!Click()) return 0;
    GaugeState& s = gaugeState;
    s.alarmOn = s.alarmOn ? 0 : 1;
    Platform().SetElementHidden(GaugeElement::alarmLamp, s.alarmOn == 0);
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
        Platform().SetElementHidden(GaugeElement::autopilotLamp, false);
        Platform().SendHostEvent(EventAutopilotMaster, 0);
        Platform().SendHostEvent(EventAutopilotHeadingHold, 0);
        s.autopilotOn = 1;
    } else {
        Platform().SetElementHidden(GaugeElement::autopilotLamp, true);
        Platform().SendHostEvent(EventAutopilotOff, 0);
        s.autopilotOn = 0;
    }
    return 0;
}

int32_t GAUGE_CALL OnPrevButton(uint32_t, uint32_t)
{
    if (Click()) StepRoute(-1);
    return 0;
}

int32_t GAUGE_CALL OnNextButton(uint32_t, uint32_t)
{
    if (Click()) StepRoute(+1);
    return 0;
}

}  // namespace gauge
