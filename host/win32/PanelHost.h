// The panel host: our stand-in for the simulator's panel system. It loads a gauge module,
// stores its service table in the module's import table, drives the gauge routines,
// draws the element tree, hit-tests the mouse areas, gives host variables from a
// simulated aircraft and feeds the gauge's events to that aircraft's autopilot. The
// gauge's window timers run on the host's virtual clock: the module's imports of
// SetTimer and KillTimer are bound to it when the module is loaded.
//
// The host knows the gauge only through PanelRecords.h and the module's exports.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "PanelRecords.h"
#include "Picture.h"
#include "SimulatedAircraft.h"
#include "VirtualClock.h"

// The gauge's texts are Windows-1252 (the degree sign is byte 0xB0).
constexpr UINT ScreenCodePage = 1252;

struct RecordedEvent {
    uint32_t event;
    int32_t value;
};

struct LampState {
    std::string name;   // the label of the button the lamp sits on
    bool lit;
};

struct MarkerState {
    bool shown;
    double offset;      // pixels, as the slider callback gave it at the last drawing
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
    bool Load(const std::string& modulePath, std::string& error);
    // Kills the gauge and frees the module. A gauge that leaves a timer running or its
    // mouse areas registered is reported in `problem` (and cleaned up); returns false then.
    bool Unload(std::string& problem);
    bool Loaded() const { return module_ != nullptr; }

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
    std::string ScreenText(int line) const;          // 1-based, as its buffer holds it
    std::vector<LampState> Lamps() const;
    MarkerState Marker() const;
    bool DrawnPowered() const { return drawnPowered_; }
    int SwitchOffCount() const { return switchOffs_; }
    int SystemMenuCount() const { return systemMenus_; }
    void NoteSystemMenu() { ++systemMenus_; }
    const std::vector<RecordedEvent>& Events() const { return events_; }
    bool TimersBound() const { return timersBound_; }

    SimulatedAircraft& Aircraft() { return aircraft_; }
    const VirtualClock& Clock() const { return clock_; }
    // The gauge as last drawn.
    PixelView Frame() const;
    HDC FrameDC() const { return frameDC_; }

private:
    struct HostElement;

    // Services of the host (slots of the service table).
    static void GAUGE_CALL DrawUnpowered(ElementHead* root);
    static void GAUGE_CALL SwitchOff(ElementHead* root);
    static int32_t GAUGE_CALL QueryElements(ElementHead* root);
    static void GAUGE_CALL InstallElements(ElementHead* root, HostWord argument);
    static void GAUGE_CALL InitializeElements(ElementHead* root);
    static void GAUGE_CALL UpdateElements(ElementHead* root);
    static void GAUGE_CALL GenerateElements(ElementHead* root, uint32_t phase);
    static void GAUGE_CALL DrawElements(ElementHead* root);
    static void GAUGE_CALL KillElements(ElementHead* root);
    static void GAUGE_CALL InstallMouseAreas(MouseArea* areas, GaugeHeader* gauge, void* block);
    static void GAUGE_CALL RegisterMouseAreas(MouseArea* areas, GaugeHeader* gauge);
    static void GAUGE_CALL UnregisterMouseAreas(MouseArea* areas, GaugeHeader* gauge);
    static void GAUGE_CALL SendEvent(uint32_t event, int32_t value);
    static void GAUGE_CALL RegisterVariable(HostVariable* variable);
    static void GAUGE_CALL RefreshVariable(HostVariable* variable);

    // The module's SetTimer and KillTimer, bound to the virtual clock.
    static UINT_PTR WINAPI ClockSetTimer(HWND window, UINT_PTR id, UINT periodMs, TIMERPROC procedure);
    static BOOL WINAPI ClockKillTimer(HWND window, UINT_PTR id);

    static PanelHost& Active();

    void BuildElements(ElementHead* root);
    void ReleaseElements();
    // The root's picture, opaque; false while no elements are installed.
    bool PaintFace(bool powered);
    void PaintElement(HostElement& element);
    void PaintText(HostElement& element);
    const MouseArea* ButtonAt(int x, int y) const;
    std::vector<const MouseArea*> Buttons() const;

    HWND mainWindow_ = nullptr;
    HMODULE module_ = nullptr;
    LinkageRecord* linkage_ = nullptr;
    GaugeHeader* gauge_ = nullptr;
    HostServices services_{};
    bool timersBound_ = false;

    std::vector<std::unique_ptr<HostElement>> elements_;   // root first, then its children
    std::vector<MouseArea*> mouseLists_;                   // installed mouse area lists
    std::vector<MouseArea*> registeredLists_;
    std::vector<HostVariable*> variables_;

    HDC frameDC_ = nullptr;
    HBITMAP frameBitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    uint32_t* framePixels_ = nullptr;
    int frameWidth_ = 0;
    int frameHeight_ = 0;

    bool drawnPowered_ = false;
    int switchOffs_ = 0;
    int systemMenus_ = 0;
    double markerOffset_ = 0.0;
    std::vector<RecordedEvent> events_;

    SimulatedAircraft aircraft_;
    VirtualClock clock_;
};
