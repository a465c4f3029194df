// Timer 1 of the host window, the gauge's one-second cycle.
#pragma once

#include <windows.h>

namespace gauge {

constexpr UINT_PTR GaugeTimerId = 1;
constexpr UINT GaugeTimerPeriodMs = 1000;

// The timer procedure: runs one gauge cycle; ignores its arguments.
void CALLBACK OnTimerTick(HWND window, UINT message, UINT_PTR id, DWORD time);

// Starts the timer, or restarts a running one; stops it.
void StartGaugeTimer();
void StopGaugeTimer();

}  // namespace gauge
