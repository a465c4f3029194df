#include "FlightPlanTestSupport.h"

#include "HostPlatform.h"
#include "SharedSettings.h"
#include "TableEngineStart.h"
#include "WaypointAccess.h"

using namespace gauge;
using namespace host;
using winkit::WriteDataPath;

const TestWaypoint Ksea{WaypointAirport,       "00000132",   "KSEA",
                        "Seattle Tacoma Intl", {47, 26, 51}, {122, 18, 28}};
const TestWaypoint Kbfi{WaypointAirport, "00000108",   "KBFI", "Boeing Field King Co Intl",
                        {47, 32, 1},     {122, 18, 13}};
const TestWaypoint Ktcm{WaypointAirport, "00000135",  "KTCM",
                        "MC CHORD AFB",  {47, 8, 16}, {122, 28, 35}};
const TestWaypoint Kolm{WaypointAirport, "00000126", "KOLM", "OLYMPIA", {46, 58, 8}, {122, 54, 17}};
const TestWaypoint Sea{WaypointNavaid,   "00000031",  "SEA",
                       "SEATTLE VORTAC", {47, 26, 7}, {122, 18, 34}};
const TestWaypoint Olm{WaypointNavaid,   "00000026",   "OLM",
                       "OLYMPIA VORTAC", {46, 58, 18}, {122, 54, 7}};
const TestWaypoint Home{WaypointUser, "00000001", "HOME", "HOME FIELD", {47, 40, 0}, {122, 10, 0}};

namespace {

constexpr char SimulatorClass[] = "FS98MAIN";

void Append(const TestWaypoint& w)
{
    EngineTest::AppendWaypoint(w.num, w.id, w.name);
    const char* fields[] = {"LAT2", "LAT3", "LAT4", "LON2", "LON3", "LON4"};
    const int values[] = {w.lat[0], w.lat[1], w.lat[2], w.lon[0], w.lon[1], w.lon[2]};
    for (int i = 0; i < 6; ++i) EngineTest::PutInteger(fields[i], values[i]);
}

// The simulator lets go of the mouse on the system-menu command instead of opening its menu.
LRESULT CALLBACK SimulatorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MOUSEMENU) {
        ++FlightPlanTest::systemMenuCommands;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateSimulatorWindow()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = SimulatorWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = SimulatorClass;
    RegisterClassA(&windowClass);
    return CreateWindowA(SimulatorClass, "Simulator", WS_OVERLAPPEDWINDOW, 0, 0, 320, 200, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

int FlightPlanTest::systemMenuCommands = 0;

FlightPlanTest::FlightPlanTest()
    : driver([this](const std::string& line, bool failure) {
          if (failure) driverFailures.push_back(line);
      })
{
}

void FlightPlanTest::SetUp()
{
    EngineTest::SetUp();
    nav::StartTableEngine(nav::DeletedRecords::Hidden);
    SetSoftSeek(1);
    std::string airports = CreateNavigationTable(nav::AirportsTable);
    std::string navaids = CreateNavigationTable(nav::NavaidsTable);
    std::string users = CreateNavigationTable(nav::UsersTable);
    std::string runways = CreateNavigationTable(nav::RunwaysTable);
    OpenTable(airports, "AIRPORTS");
    for (const TestWaypoint* w : {&Ksea, &Kbfi, &Ktcm, &Kolm}) Append(*w);
    TableCloseAll();
    OpenTable(navaids, "NAVAIDS");
    for (const TestWaypoint* w : {&Sea, &Olm}) Append(*w);
    TableCloseAll();
    OpenTable(users, "USERS");
    Append(Home);
    TableCloseAll();
    OpenTable(runways, "RUNWAYS");
    for (const char* runway : {"16L/34R", "16C/34C", "16R/34L"}) {
        RecordAppendBlank();
        PutText("NUM", Ksea.num);
        PutText("RUNWAYS", runway);
    }
    TableCloseAll();
    ASSERT_TRUE(WriteDataPath(directory_.string() + "\\"));

    ResetGaugeState();
    gaugeState.moduleInstance = GetModuleHandleA(nullptr);
    gaugeState.platform = &HostPlatform();
    simulatorWindow = CreateSimulatorWindow();
    gaugeState.hostWindow = simulatorWindow;
    systemMenuCommands = 0;
    gaugeState.powerOn = 1;
    gaugeState.pageCount = 2;
    gaugeState.currentPage = 1;
    driver.Start();
}

void FlightPlanTest::TearDown()
{
    driver.Stop();
    for (const std::string& failure : driverFailures) ADD_FAILURE() << failure;
    for (const DialogDriver::Expectation& expected : driver.Pending())
        ADD_FAILURE() << "the dialog \"" << expected.block.caption << "\" never opened";
    DestroyWindow(simulatorWindow);
    TableCloseAll();
    EngineTest::TearDown();
}

void FlightPlanTest::Type(HWND dialog, int control, const std::string& text)
{
    driver.Perform(dialog, {DialogStepKind::Text, 0, control, 0, text});
}

void FlightPlanTest::Press(HWND dialog, int control)
{
    driver.Perform(dialog, {DialogStepKind::Press, 0, control, 0, {}});
}

void FlightPlanTest::Select(HWND dialog, int control, int line)
{
    driver.Perform(dialog, {DialogStepKind::Select, 0, control, line, {}});
}

void FlightPlanTest::ChooseById(const char* id)
{
    driver.Expect("Direct To", [this, id](HWND dialog) {
        Type(dialog, IDC_DIRECT_TO_ID, id);
        Press(dialog, IDOK);
    });
}

std::string FlightPlanTest::Text(HWND dialog, int control)
{
    char text[256] = {};
    GetDlgItemTextA(dialog, control, text, sizeof text);
    std::string shown = text;
    return TrimRight(shown);
}

int FlightPlanTest::LineCount(HWND dialog, int control)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, control, LB_GETCOUNT, 0, 0));
}

std::string FlightPlanTest::ListLine(HWND dialog, int control, int line)
{
    char text[256] = {};
    SendDlgItemMessageA(dialog, control, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text));
    return TrimRight(text);
}

int FlightPlanTest::WindowHeight(HWND window)
{
    RECT box;
    GetWindowRect(window, &box);
    return box.bottom - box.top;
}

WaypointRecord FlightPlanTest::Lookup(const TestWaypoint& waypoint)
{
    WaypointRecord record{};
    OpenWaypointTable(waypoint.table);
    SeekWaypointByNum(waypoint.num);
    ReadWaypoint(record);
    TableCloseAll();
    return record;
}

void FlightPlanTest::FlyRoute(const std::vector<const TestWaypoint*>& waypoints, int index)
{
    GaugeState& s = gaugeState;
    for (size_t i = 0; i < waypoints.size(); ++i) s.route[i] = Lookup(*waypoints[i]);
    s.routeCount = static_cast<int32_t>(waypoints.size());
    s.routeMode = 1;
    s.routeIndex = index;
    s.pageCount = 3;
    OpenWaypointTable(waypoints[index]->table);
    SeekWaypointByNum(waypoints[index]->num);
    LoadActiveWaypoint();
    TableCloseAll();
}
