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
        Platform().StopGaugeTimer();
        Platform().NotifyHostSwitchOff();
        return;
    }
    gaugeState.pageCount = NormalPageCount(gaugeState);
    Platform().SetElementHidden(GaugeElement::autopilotLamp, true);
    Platform().SetElementHidden(GaugeElement::alarmLamp, true);
    Platform().SetElementHidden(GaugeElement::steeringScale, false);
    Platform().SetElementHidden(GaugeElement::steeringMarker, false);
    gaugeState.infoPageShown = 0;
    gaugeState.currentPage = 1;
    gaugeState.autopilotOn = 0;
    gaugeState.alarmOn = 0;
    Platform().StartGaugeTimer();  // restarts a running timer
}

}  // namespace gauge
