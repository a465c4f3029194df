// The gauge's one module-wide state record. Every gauge operation reads and writes
// `gaugeState` directly; it starts zero-filled when the module is loaded and is restored
// from the configuration table at installation. Beside it live only the waypoint lookups'
// memory (below) and the elements' hiddenBits, which the host reads in the gauge's records;
// no other file-scope variable holds gauge state, so that a test's outcome does not depend
// on the tests before it once ResetGaugeState has cleared the record and the memory.
#pragma once

#include "RouteText.h"
#include "WaypointRecord.h"

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#include <windows.h>

struct IDirectSound;
struct IDirectSoundBuffer;
#endif

namespace gauge {

class GaugePlatform;

#ifdef _WIN32
using WindowHandle = HWND;
using ModuleHandle = HINSTANCE;
using SoundDevice = IDirectSound*;
using SoundBuffer = IDirectSoundBuffer*;
#else
using WindowHandle = void*;
using ModuleHandle = void*;
using SoundDevice = void*;
using SoundBuffer = void*;
#endif

// The gauge's state is made of the waypoint records and routes that the route tools share.
using nav::RouteCapacity;
using nav::RouteSlots;
using nav::WaypointAirport;
using nav::WaypointNavaid;
using nav::WaypointNone;
using nav::WaypointRecord;
using nav::WaypointTable;
using nav::WaypointUser;

// The outcome of the last lookup of the active waypoint. When it is not found, the
// record keeps the table and key that were asked for, so that they are saved again, and
// the screen names the reason instead of showing an empty waypoint.
enum WaypointLookup : int32_t {
    WaypointFound = 0,
    WaypointNoDatabase = 1,  // the data directory or the waypoint table could not be opened
    WaypointNoRecord = 2     // the table holds no record at or after the key
};

// The gauge's sounds, numbered as its sound buffers are.
enum class GaugeSound : int32_t {
    Click = 0,
    Alarm = 1,     // the proximity alarm
    Waypoint = 2,  // a route moved on, or a coupling ended at its waypoint
};
constexpr int GaugeSoundCount = 3;
constexpr int ScreenLineCount = 4;
constexpr int ScreenLineSize = 125;  // 124 characters and the terminator

struct GaugeState {
    // Unit and mode.
    int32_t powerOn;
    int32_t currentPage;    // from 1
    int32_t pageCount;      // the page key wraps from it to 1
    int32_t infoPageShown;  // information mode
    int32_t routeMode;      // 1: a route is flown; 0: Direct-To
    int32_t alarmOn;
    int32_t autopilotOn;

    // Settings, nautical miles.
    double alarmDistance;
    double nextWaypointDistance;

    // Waypoints and route.
    WaypointRecord activeWaypoint;
    double activeLatitude;         // radians, north positive
    double activeLongitude;        // radians, west positive
    int32_t activeWaypointLookup;  // WaypointLookup: whether activeWaypoint came from a table
    WaypointRecord route[RouteCapacity];
    int32_t routeCount;  // 0 to 30
    int32_t routeIndex;  // index in route of the active waypoint while routeMode is set
    WaypointRecord infoWaypoint;
    int32_t infoIndex;
    WaypointRecord editedRoute[RouteCapacity];  // the Route dialog's working copy
    WaypointRecord directToChoice;              // last OK of the Direct-To dialog
    int32_t currentTable;                       // WaypointTable last opened under "ACTWPT"

    // Aircraft, refreshed at every tick.
    double aircraftLatitude;   // degrees, north positive
    double aircraftLongitude;  // degrees, west positive, -180 to +180
    double altitudeFeet;
    double aircraftHeading;    // degrees, as the host gives it
    double magneticVariation;  // degrees, west positive

    // Navigation values.
    double groundSpeed;     // knots
    double activeDistance;  // nautical miles, at most 9999
    double activeBearing;   // whole degrees, magnetic, 0 to 360
    int32_t activeEteHours;
    int32_t activeEteMinutes;
    int32_t tickCount;       // 0 to 5
    double speedSamples[3];  // knots, oldest first
    double sampleLatitude;   // radians
    double sampleLongitude;  // radians
    // A route advance that fell due while a dialog held the tables (TableDialogHold.h).
    int32_t routeAdvanceHeld;
    // The dialogs working on the tables that are open now.
    int32_t openTableDialogs;

    // Screen.
    char screenLines[ScreenLineCount][ScreenLineSize];

    // Host binding.
    WindowHandle hostWindow;  // the simulator's main window, class "FS98MAIN"
    ModuleHandle moduleInstance;
    GaugePlatform* platform;  // the surroundings the core calls (GaugePlatform.h)
    // Without a host window SetTimer ignores the id it is given and returns a new one; that
    // one is kept, as it is the only way to stop or restart the timer.
    uintptr_t windowlessTimer;
    // DirectSound, made at installation and released at removal; null without a device.
    SoundDevice soundDevice;
    SoundBuffer soundBuffers[GaugeSoundCount];  // indexed by GaugeSound, each possibly null
};

extern GaugeState gaugeState;

// The waypoint lookups' memory (WaypointAccess.h): whether the table last opened could be
// opened, and the key last sought in it since. It belongs to the table the engine stands
// on, not to the unit, so it is kept beside gaugeState: a dialog that only searches the
// tables leaves the unit's state as it found it.
struct WaypointLookupMemory {
    int32_t tableOpen;
    char soughtNum[sizeof WaypointRecord::num];
};

extern WaypointLookupMemory waypointLookup;

// Zero-fills gaugeState and waypointLookup, as a fresh load of the module does; the caller
// installs the platform again.
void ResetGaugeState();

// The pages the page key steps through outside information mode: position and waypoint,
// and the route page while a route is flown.
inline int32_t NormalPageCount(const GaugeState& state)
{
    return state.routeMode ? 3 : 2;
}

}  // namespace gauge
