// The panel host: our stand-in for the simulator's panel system. It loads a gauge module,
// stores its service table in the module's import table, drives the gauge routines,
// draws the element tree, hit-tests the mouse areas, gives host variables from a
// simulated aircraft and feeds the gauge's events to that aircraft's autopilot. The
// gauge's window timers run on the host's virtual clock: the module's imports of
// SetTimer and KillTimer are bound to it when the module is loaded.
//
// The host knows the gauge only through PanelRecords.h and the module's exports. Loading
// the module is GaugeModule's, drawing the elements PanelCanvas's; this class answers the
// gauge's service calls and shows what the host sees of the gauge.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "GaugeModule.h"
#include "PanelCanvas.h"
#include "PanelRecords.h"
#include "Picture.h"
#include "SimulatedAircraft.h"
#include "VirtualClock.h"

namespace host {

struct RecordedEvent {
    uint32_t event;
    int32_t value;
};

struct LampState {
    std::string name;  // the label of the button the lamp sits on
    bool lit;
};

struct MarkerState {
    bool shown;
    double offset;  // pixels, as the slider callback gave it at the last drawing
};

class PanelHost {
public:
    // With `mainWindow` false the host runs without a simulator window ("FS98MAIN").
    explicit PanelHost(bool mainWindow = true);
    ~PanelHost();
    PanelHost(const PanelHost&) = delete;
    PanelHost& operator=(const PanelHost&) = delete;

    HWND MainWindow() const { return mainWindow_; }

    // Loads the module, installs and initialises the gauge and draws it once.
    nav::Status Load(const std::string& modulePath);
    // Kills the gauge and frees the module. A gauge that leaves a timer running or its
    // mouse areas registered is reported in `problem` (and cleaned up); returns false then.
    bool Unload(std::string& problem);
    bool Loaded() const { return module_.Loaded(); }

    // Simulated seconds: each one is a second of flight, then the timers that expire
    // in it, then a drawing of the gauge.
    void RunSeconds(int seconds);
    // One drawing at the host's pace: update, generate, draw.
    void DrawFrame();

    // A click at a point of the gauge (its own pixels); false when no button is there.
    bool ClickAt(int x, int y);
    // A click at the centre of the index-th button area (0-based, list order).
    bool ClickButton(int index);
    // The cursor code of the area under a point; -1 outside every button.
    int CursorAt(int x, int y) const;

    // What the host sees of the gauge.
    int TextLineCount() const;
    std::string ScreenText(int line) const;  // 1-based, as its buffer holds it
    std::vector<LampState> Lamps() const;
    MarkerState Marker() const;
    bool DrawnPowered() const { return drawnPowered_; }
    int SwitchOffCount() const { return switchOffs_; }
    int SystemMenuCount() const { return systemMenus_; }
    const std::vector<RecordedEvent>& Events() const { return events_; }
    bool TimersBound() const { return timersBound_; }

    SimulatedAircraft& Aircraft() { return aircraft_; }
    const VirtualClock& Clock() const { return clock_; }
    // The gauge as last drawn.
    PixelView Frame() const;
    HDC FrameDC() const { return canvas_.FrameDC(); }

private:
    // Services of the host (slots of the service table).
    static void GAUGE_CALL DrawUnpowered(gauge::ElementHead* root);
    static void GAUGE_CALL SwitchOff(gauge::ElementHead* root);
    static int32_t GAUGE_CALL QueryElements(gauge::ElementHead* root);
    static void GAUGE_CALL InstallElements(gauge::ElementHead* root, gauge::HostWord argument);
    static void GAUGE_CALL InitializeElements(gauge::ElementHead* root);
    static void GAUGE_CALL UpdateElements(gauge::ElementHead* root);
    static void GAUGE_CALL GenerateElements(gauge::ElementHead* root, uint32_t phase);
    static void GAUGE_CALL DrawElements(gauge::ElementHead* root);
    static void GAUGE_CALL KillElements(gauge::ElementHead* root);
    static void GAUGE_CALL InstallMouseAreas(gauge::MouseArea* areas, gauge::GaugeHeader* header,
                                             void* block);
    static void GAUGE_CALL RegisterMouseAreas(gauge::MouseArea* areas, gauge::GaugeHeader* header);
    static void GAUGE_CALL UnregisterMouseAreas(gauge::MouseArea* areas,
                                                gauge::GaugeHeader* header);
    static void GAUGE_CALL SendEvent(uint32_t event, int32_t value);
    static void GAUGE_CALL RegisterVariable(gauge::HostVariable* variable);
    static void GAUGE_CALL RefreshVariable(gauge::HostVariable* variable);

    // The module's SetTimer and KillTimer, bound to the virtual clock.
    static UINT_PTR WINAPI ClockSetTimer(HWND window, UINT_PTR id, UINT periodMs,
                                         TIMERPROC procedure);
    static BOOL WINAPI ClockKillTimer(HWND window, UINT_PTR id);

    static PanelHost& Active();

    const gauge::MouseArea* ButtonAt(int x, int y) const;
    std::vector<const gauge::MouseArea*> Buttons() const;

    int systemMenus_ = 0;  // counted by the main window, which it outlives
    HWND mainWindow_ = nullptr;
    GaugeModule module_;
    gauge::GaugeHeader* gauge_ = nullptr;
    gauge::HostServices services_{};
    bool timersBound_ = false;

    PanelCanvas canvas_;
    std::vector<gauge::MouseArea*> mouseLists_;  // installed mouse area lists
    std::vector<gauge::MouseArea*> registeredLists_;
    std::vector<gauge::HostVariable*> variables_;

    bool drawnPowered_ = false;
    int switchOffs_ = 0;
    std::vector<RecordedEvent> events_;

    SimulatedAircraft aircraft_;
    VirtualClock clock_;
};

}  // namespace host
