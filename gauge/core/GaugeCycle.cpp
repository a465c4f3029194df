#include "GaugeCycle.h"

#include "GaugeState.h"
#include "HostVariables.h"
#include "Navigation.h"
#include "Screen.h"

namespace gauge {

void RunGaugeCycle()
{
    ReadHostVariables();
    ComputeNavigation();
    if (gaugeState.routeMode) SequenceRoute();
    if (gaugeState.autopilotOn) CoupleAutopilot();
    if (!gaugeState.infoPageShown) FormatScreen();
    CopyLinesToScreen();
}

}  // namespace gauge
