#include "GaugeTimer.h"

#include "GaugeState.h"
#include "core/GaugeCycle.h"

namespace gauge {

void CALLBACK OnTimerTick(HWND, UINT, UINT_PTR, DWORD)
{
    RunGaugeCycle();
}

void StartGaugeTimer()
{
    if (gaugeState.hostWindow) {
        SetTimer(gaugeState.hostWindow, GaugeTimerId, GaugeTimerPeriodMs, OnTimerTick);
        return;
    }
    // Passing the running timer's id restarts it instead of adding a second one.
    UINT_PTR id = SetTimer(nullptr, gaugeState.windowlessTimer, GaugeTimerPeriodMs, OnTimerTick);
    if (id != 0) gaugeState.windowlessTimer = id;
}

void StopGaugeTimer()
{
    if (gaugeState.hostWindow) {
        KillTimer(gaugeState.hostWindow, GaugeTimerId);
        return;
    }
    if (gaugeState.windowlessTimer != 0) {
        KillTimer(nullptr, gaugeState.windowlessTimer);
        gaugeState.windowlessTimer = 0;
    }
}

}  // namespace gauge
