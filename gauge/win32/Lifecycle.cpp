// The gauge routines of the gauge header, in the order the host calls them.
#include "GaugeLifecycle.h"

#include "GaugeRecords.h"
#include "GaugeState.h"
#include "GaugeTimer.h"
#include "HostServiceCalls.h"
#include "SharedNames.h"
#include "Sounds.h"
#include "TableEngine.h"
#include "TableEngineStart.h"
#include "core/Configuration.h"

namespace gauge {

void GAUGE_CALL ModuleInitDeinit() {}

int32_t GAUGE_CALL QueryGauge()
{
    return Host().queryElements(&background.head);
}

void GAUGE_CALL InstallGauge(HostWord argument)
{
    gaugeState.hostWindow = FindWindowExA(nullptr, nullptr, nav::SimulatorWindowClass, nullptr);
    HostServices& host = Host();
    host.installElements(&background.head, argument);
    host.installMouseAreas(mouseAreas, &gaugeHeader, &host);
    host.registerMouseAreas(mouseAreas, &gaugeHeader);
    InitSounds(gaugeState.hostWindow);
    for (HostVariableSlot& slot : hostVariables) host.registerVariable(&slot.variable);
    nav::StartTableEngine(nav::DeletedRecords::Hidden);
    SetSoftSeek(1);
    LoadConfiguration();
}

void GAUGE_CALL InitializeGauge()
{
    Host().initializeElements(&background.head);
}

void GAUGE_CALL UpdateGauge()
{
    Host().updateElements(&background.head);
}

void GAUGE_CALL GenerateGauge(uint32_t phase)
{
    Host().generateElements(&background.head, phase);
}

void GAUGE_CALL DrawGauge()
{
    if (gaugeState.powerOn)
        Host().drawElements(&background.head);
    else
        Host().drawUnpowered(&background.head);
}

void GAUGE_CALL KillGauge()
{
    StopGaugeTimer();
    SaveConfiguration();
    ReleaseSounds();
    Host().unregisterMouseAreas(mouseAreas, &gaugeHeader);
    Host().killElements(&background.head);
}

}  // namespace gauge
