#include "GaugeTimer.h"

#include "GaugePlatform.h"
#include "GaugeState.h"
#include "core/GaugeCycle.h"

namespace gauge {

namespace {

// Without a host window SetTimer ignores the id it is given and returns a new one;
// that one is kept, as it is the only way to stop or restart the timer.
UINT_PTR windowlessTimer = 0;

}  // namespace

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
    UINT_PTR id = SetTimer(nullptr, windowlessTimer, GaugeTimerPeriodMs, OnTimerTick);
    if (id != 0) windowlessTimer = id;
}

void StopGaugeTimer()
{
    if (gaugeState.hostWindow) {
        KillTimer(gaugeState.hostWindow, GaugeTimerId);
        return;
    }
    if (windowlessTimer != 0) {
        KillTimer(nullptr, windowlessTimer);
        windowlessTimer = 0;
    }
}

}  // namespace gauge
