#include "Power.h"

#include "GaugePlatform.h"
#include "GaugeState.h"
#include "Navigation.h"

namespace gauge {

void SetPower(int32_t on)
{
    gaugeState.powerOn = on;
    if (!on) {
        // The flags stay as they are; switching on resets them. A route advance held back by
        // a dialog is forgotten: the first tick after switching on again would otherwise
        // make it, however far the aircraft has flown from that waypoint meanwhile.
        DropHeldRouteAdvance();
        StopGaugeTimer();
        NotifyHostSwitchOff();
        return;
    }
    gaugeState.pageCount = NormalPageCount(gaugeState);
    SetElementHidden(GaugeElement::autopilotLamp, true);
    SetElementHidden(GaugeElement::alarmLamp, true);
    SetElementHidden(GaugeElement::steeringScale, false);
    SetElementHidden(GaugeElement::steeringMarker, false);
    gaugeState.infoPageShown = 0;
    gaugeState.currentPage = 1;
    gaugeState.autopilotOn = 0;
    gaugeState.alarmOn = 0;
    StartGaugeTimer();  // restarts a running timer
}

}  // namespace gauge
