// What the gauge's portable core asks of its surroundings. In gps.gau these are the
// panel host's services, the registry, the window timer and DirectSound; the native
// unit tests link recording stand-ins instead. Nothing here reports failure.
#pragma once

#include <cstdint>

#include "GaugeState.h"

namespace gauge {

// The elements whose hiddenBit the gauge switches.
enum class GaugeElement {
    autopilotLamp,
    alarmLamp,
    steeringScale,
    steeringMarker
};

void SetElementHidden(GaugeElement element, bool hidden);
bool IsElementHidden(GaugeElement element);

// Plays the sound from its start; 1 when playing started.
int PlayGaugeSound(GaugeSound sound);

// An event to the simulator (autopilot coupling and heading).
void SendHostEvent(uint32_t event, int32_t value);

// Refreshes the free-standing host variable of this token and returns its current
// value as the host gives it (before any conversion).
double RefreshHostVariable(uint32_t token);

// The text buffer of screen line 1..4 that the host filled in at installation;
// null while the host has not provided one.
char* ScreenLineBuffer(int line);

// Timer 1 of the host window, 1000 ms, running the gauge cycle; and the host's
// notice that the unit went off.
void StartGaugeTimer();
void StopGaugeTimer();
void NotifyHostSwitchOff();

// The gauge's dialogs (Setup, Route, Direct To): the system-menu command to the simulator's
// window, then the dialog run modally from the gauge module, owned by that window. Each
// returns what the dialog ended with: 1 when Direct To ended with OK.
int RunSetupDialog();
int RunRouteDialog();
int RunDirectToDialog();

// Registry setting of the section under HKEY_CURRENT_USER\Software\Borealwing\GPS;
// `out` (at least 256 bytes) receives the value or defaultText.
void ReadSetting(const char* section, const char* valueName, const char* defaultText, char* out);

}  // namespace gauge
