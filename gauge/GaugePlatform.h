// What the gauge's portable core asks of its surroundings, as an interface the core calls
// through Platform(): in gps.gau the Win32 edges answer (the panel host's services, the
// registry, the window timer, DirectSound and the dialogs), in the native tests recording
// stand-ins. So the core depends on nothing above it; whoever loads it installs the
// surroundings in gaugeState.platform. Nothing here reports failure.
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

class GaugePlatform {
public:
    virtual ~GaugePlatform() = default;

    virtual void SetElementHidden(GaugeElement element, bool hidden) = 0;

    // Plays the sound from its start; 1 when playing started.
    virtual int PlayGaugeSound(GaugeSound sound) = 0;

    // An event to the simulator (autopilot coupling and heading).
    virtual void SendHostEvent(uint32_t event, int32_t value) = 0;

    // Refreshes the free-standing host variable of this token and returns its current
    // value as the host gives it (before any conversion).
    virtual double RefreshHostVariable(uint32_t token) = 0;

    // The text buffer of screen line 1..4 that the host filled in at installation;
    // null while the host has not provided one.
    virtual char* ScreenLineBuffer(int line) = 0;

    // Timer 1 of the host window, 1000 ms, running the gauge cycle; and the host's
    // notice that the unit went off.
    virtual void StartGaugeTimer() = 0;
    virtual void StopGaugeTimer() = 0;
    virtual void NotifyHostSwitchOff() = 0;

    // The gauge's dialogs (Setup, Route, Direct To): the system-menu command to the
    // simulator's window, then the dialog run modally from the gauge module, owned by that
    // window. Each returns what the dialog ended with: 1 when Direct To ended with OK.
    virtual int RunSetupDialog() = 0;
    virtual int RunRouteDialog() = 0;
    virtual int RunDirectToDialog() = 0;

    // Registry setting of the section under HKEY_CURRENT_USER\Software\Borealwing\GPS;
    // `out` (at least 256 bytes) receives the value or defaultText.
    virtual void ReadSetting(const char* section, const char* valueName, const char* defaultText,
                             char* out) = 0;
};

// The surroundings installed in gaugeState.platform.
inline GaugePlatform& Platform()
{
    return *gaugeState.platform;
}

}  // namespace gauge
