// The fixture of the flight planning dialog tests: a data directory of real tables with a
// few waypoints around Seattle, the gauge state of a switched-on unit with this program as
// its module (the dialog templates are linked in), a simulator window, and the scenario
// dialog driver answering the dialogs as a user would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "DialogDriver.h"
#include "EngineTestSupport.h"
#include "GaugeResourceIds.h"
#include "GaugeState.h"

struct TestWaypoint {
    int32_t table;
    const char* num;
    const char* id;
    const char* name;
    int lat[3];
    int lon[3];  // west
};

// In the order they are appended to their tables.
extern const TestWaypoint Ksea, Kbfi, Ktcm, Kolm, Sea, Olm, Home;

class FlightPlanTest : public EngineTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // One step of the driver on an open dialog.
    void Type(HWND dialog, int control, const std::string& text);
    void Press(HWND dialog, int control);
    void Select(HWND dialog, int control, int line);
    // The next Direct-To dialog picks the waypoint with this identifier and presses OK.
    void ChooseById(const char* id);

    static std::string Text(HWND dialog, int control);  // trailing blanks cut
    static int LineCount(HWND dialog, int control);
    static std::string ListLine(HWND dialog, int control, int line);
    static int WindowHeight(HWND window);

    // Makes `waypoint` the active one and the route of these waypoints the flown route.
    static void FlyRoute(const std::vector<const TestWaypoint*>& waypoints, int index);
    static gauge::WaypointRecord Lookup(const TestWaypoint& waypoint);

    host::DialogDriver driver;
    std::vector<std::string> driverFailures;
    HWND simulatorWindow = nullptr;

public:
    FlightPlanTest();
    static int systemMenuCommands;  // received by the simulator window
};
