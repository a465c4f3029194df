// The Route dialog from its template: adding through the Direct-To dialog, removing,
// New, Cancel, Finish, the 30-waypoint warning, and route files through the common file
// dialogs.
#include <gtest/gtest.h>

#include <cstring>

#include "FlightPlanTestSupport.h"
#include "GaugeButtons.h"
#include "RouteText.h"

using namespace gauge;
using namespace host;

namespace {

class RouteDialogTest : public FlightPlanTest {
protected:
    std::string RoutePath(const char* name) const { return (directory_ / name).string(); }

    // The identifiers of the list lines.
    static std::vector<std::string> Lines(HWND dialog)
    {
        std::vector<std::string> ids;
        for (int i = 0; i < LineCount(dialog, IDC_ROUTE_LIST); ++i) {
            std::string line = ListLine(dialog, IDC_ROUTE_LIST, i);
            ids.push_back(TrimRight(line.substr(0, line.find('\t'))));
        }
        return ids;
    }

    void AnswerFileDialog(const char* caption, const std::string& path)
    {
        driver.Expect({caption, 0, {{DialogStepKind::File, 0, 0, 0, path}}});
    }

    // The route of 30 waypoints, the seven test waypoints over and over.
    static void FlyThirty()
    {
        const TestWaypoint* all[] = {&Ksea, &Kbfi, &Ktcm, &Kolm, &Sea, &Olm, &Home};
        std::vector<const TestWaypoint*> route;
        for (int i = 0; i < RouteCapacity; ++i) route.push_back(all[i % 7]);
        FlyRoute(route, 0);
    }
};

using Ids = std::vector<std::string>;

TEST_F(RouteDialogTest, AddInsertsBeforeTheSelectedLineRemoveNewAndCancelKeepTheRoute)
{
    FlyRoute({&Ksea, &Kbfi}, 1);
    const GaugeState before = gaugeState;
    ChooseById("KTCM");
    ChooseById("KOLM");
    driver.Expect("Route", [&](HWND dialog) {
        EXPECT_EQ(Lines(dialog), (Ids{"KSEA", "KBFI"}));
        EXPECT_EQ(ListLine(dialog, IDC_ROUTE_LIST, 0), "KSEA  \tSeattle Tacoma Intl");
        Press(dialog, IDC_ROUTE_ADD);
        EXPECT_EQ(Lines(dialog), (Ids{"KSEA", "KBFI", "KTCM"}));
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_ROUTE_LIST, LB_GETCURSEL, 0, 0), LB_ERR);
        Select(dialog, IDC_ROUTE_LIST, 1);
        Press(dialog, IDC_ROUTE_ADD);
        EXPECT_EQ(Lines(dialog), (Ids{"KSEA", "KOLM", "KBFI", "KTCM"}));
        Press(dialog, IDC_ROUTE_REMOVE);  // no selection: nothing
        EXPECT_EQ(LineCount(dialog, IDC_ROUTE_LIST), 4);
        Select(dialog, IDC_ROUTE_LIST, 0);
        Press(dialog, IDC_ROUTE_REMOVE);
        EXPECT_EQ(Lines(dialog), (Ids{"KOLM", "KBFI", "KTCM"}));
        Select(dialog, IDC_ROUTE_LIST, 2);
        Press(dialog, IDC_ROUTE_REMOVE);
        EXPECT_EQ(Lines(dialog), (Ids{"KOLM", "KBFI"}));
        EXPECT_EQ(gaugeState.editedRoute[2].table, 0);
        Press(dialog, IDC_ROUTE_NEW);
        EXPECT_EQ(LineCount(dialog, IDC_ROUTE_LIST), 0);
        Press(dialog, IDCANCEL);
    });
    OnRteButton(0, 0);
    EXPECT_EQ(std::memcmp(before.route, gaugeState.route, sizeof before.route), 0);
    EXPECT_EQ(gaugeState.routeMode, 1);
    EXPECT_EQ(gaugeState.routeIndex, 1);
    EXPECT_EQ(std::memcmp(&before.activeWaypoint, &gaugeState.activeWaypoint,
                          sizeof before.activeWaypoint),
              0);
}

TEST_F(RouteDialogTest, FinishWithTwoWaypointsFliesTheFirstOnPageOneOfThree)
{
    gaugeState.infoPageShown = 1;
    HWND directToOwner = nullptr;
    driver.Expect("Direct To", [&](HWND dialog) {
        directToOwner = GetWindow(dialog, GW_OWNER);
        Type(dialog, IDC_DIRECT_TO_ID, "KBFI");
        Press(dialog, IDOK);
    });
    ChooseById("KSEA");
    HWND route = nullptr;
    driver.Expect("Route", [&](HWND dialog) {
        route = dialog;
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), simulatorWindow);
        Press(dialog, IDC_ROUTE_ADD);
        Press(dialog, IDC_ROUTE_ADD);
        Press(dialog, IDOK);
    });
    OnRteButton(0, 0);
    EXPECT_EQ(directToOwner, route) << "Add runs Direct To owned by the Route dialog";
    EXPECT_EQ(systemMenuCommands, 1);
    EXPECT_EQ(gaugeState.routeMode, 1);
    EXPECT_EQ(gaugeState.routeCount, 2);
    EXPECT_EQ(gaugeState.routeIndex, 0);
    EXPECT_EQ(gaugeState.pageCount, 3);
    EXPECT_EQ(gaugeState.currentPage, 1);
    EXPECT_EQ(gaugeState.infoPageShown, 0);
    EXPECT_EQ(TrimRight(gaugeState.activeWaypoint.id), "KBFI");
    EXPECT_EQ(TrimRight(gaugeState.route[1].id), "KSEA");
    EXPECT_EQ(AreaOfAlias("ACTWPT"), 0);
}

TEST_F(RouteDialogTest, FinishWithNoWaypointsIsDirectToWithTheActiveWaypointKept)
{
    FlyRoute({&Ksea, &Kbfi}, 1);
    const WaypointRecord active = gaugeState.activeWaypoint;
    driver.Expect("Route", [&](HWND dialog) {
        Press(dialog, IDC_ROUTE_NEW);
        Press(dialog, IDOK);
    });
    OnRteButton(0, 0);
    EXPECT_EQ(gaugeState.routeMode, 0);
    EXPECT_EQ(gaugeState.routeCount, 0);
    EXPECT_EQ(gaugeState.pageCount, 2);
    EXPECT_EQ(std::memcmp(&active, &gaugeState.activeWaypoint, sizeof active), 0);
}

TEST_F(RouteDialogTest, TheThirtyWaypointWarningComesAfterTheChoice)
{
    FlyThirty();
    ChooseById("KTCM");
    driver.Expect("GPS Warning", [&](HWND box) {
        char text[128] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the message text of a message box
        EXPECT_STREQ(text, "Can't add more than 30 waypoints");
        EXPECT_EQ(GetDlgItem(box, IDCANCEL) == nullptr ||
                      !IsWindowVisible(GetDlgItem(box, IDCANCEL)),
                  true);
        Press(box, IDOK);
    });
    driver.Expect("Route", [&](HWND dialog) {
        Select(dialog, IDC_ROUTE_LIST, 29);
        Press(dialog, IDC_ROUTE_REMOVE);
        Press(dialog, IDC_ROUTE_ADD);  // 29 lines: the 30th fits
        EXPECT_EQ(LineCount(dialog, IDC_ROUTE_LIST), 30);
        EXPECT_EQ(Lines(dialog)[29], "KTCM");
        ChooseById("KOLM");
        Press(dialog, IDC_ROUTE_ADD);  // 30 lines: the warning, the choice dropped
        EXPECT_EQ(LineCount(dialog, IDC_ROUTE_LIST), 30);
        EXPECT_EQ(Lines(dialog)[29], "KTCM");
        Press(dialog, IDCANCEL);
    });
    OnRteButton(0, 0);
}

TEST_F(RouteDialogTest, ThirtyWaypointsSavedAndLoadedComeBackInOrder)
{
    FlyThirty();
    const std::string path = RoutePath("thirty.rte");
    AnswerFileDialog("Save a Route", path);
    AnswerFileDialog("Open a Route", path);
    Ids saved;
    driver.Expect("Route", [&](HWND dialog) {
        saved = Lines(dialog);
        Press(dialog, IDC_ROUTE_SAVE);
        Press(dialog, IDC_ROUTE_NEW);
        Press(dialog, IDC_ROUTE_LOAD);
        EXPECT_EQ(Lines(dialog), saved);
        Press(dialog, IDOK);
    });
    OnRteButton(0, 0);
    ASSERT_EQ(saved.size(), 30u);
    char expected[nav::RouteTextLength + 1];
    nav::FormatRouteText(gaugeState.route, expected);
    EXPECT_EQ(FileBytes(path), std::string(expected));
    EXPECT_EQ(FileBytes(path).substr(0, 18), "100000132100000108");
    EXPECT_EQ(gaugeState.routeCount, 30);
    EXPECT_EQ(TrimRight(gaugeState.route[6].name), "HOME FIELD");
    EXPECT_EQ(gaugeState.route[6].lat3, 40);
}

TEST_F(RouteDialogTest, AnEmptyRouteSavesAs270Blanks)
{
    const std::string path = RoutePath("empty.rte");
    WriteBytes(path, "an older, longer file that is replaced entirely " + std::string(400, 'x'));
    AnswerFileDialog("Save a Route", path);
    driver.Expect("Save a Route", [&](HWND box) { Press(box, IDYES); });  // replace it?
    driver.Expect("Route", [&](HWND dialog) {
        Press(dialog, IDC_ROUTE_SAVE);
        Press(dialog, IDCANCEL);
    });
    OnRteButton(0, 0);
    EXPECT_EQ(FileBytes(path), std::string(270, ' '));
}

TEST_F(RouteDialogTest, LoadingTakesDigitFiveAsAnAirportAndDigitZeroOrABlankAsEmpty)
{
    const std::string path = RoutePath("mixed.rte");
    WriteBytes(path, std::string("5") + Kbfi.num + "0" + Ksea.num + " " + Ktcm.num + "2" + Olm.num +
                         std::string(26 * 9, ' '));
    AnswerFileDialog("Open a Route", path);
    driver.Expect("Route", [&](HWND dialog) {
        Press(dialog, IDC_ROUTE_LOAD);
        EXPECT_EQ(Lines(dialog), (Ids{"KBFI", "OLM"}));
        EXPECT_EQ(gaugeState.editedRoute[0].table, WaypointAirport);
        EXPECT_EQ(gaugeState.editedRoute[1].table, WaypointNavaid);
        Press(dialog, IDOK);
    });
    OnRteButton(0, 0);
    EXPECT_EQ(gaugeState.routeCount, 2);
    EXPECT_EQ(TrimRight(gaugeState.route[1].id), "OLM");
}

TEST_F(RouteDialogTest, AShortFileGivesEmptySlotsForWhatItLacks)
{
    const std::string path = RoutePath("short.rte");
    WriteBytes(path, std::string("1") + Ktcm.num + "1" + Ksea.num + "1000");
    AnswerFileDialog("Open a Route", path);
    driver.Expect("Route", [&](HWND dialog) {
        Press(dialog, IDC_ROUTE_LOAD);
        EXPECT_EQ(Lines(dialog), (Ids{"KTCM", "KSEA"}));
        EXPECT_EQ(gaugeState.editedRoute[2].table, 0);
        Press(dialog, IDCANCEL);
    });
    OnRteButton(0, 0);
}

TEST_F(RouteDialogTest, AFileThatCannotBeReadOrACancelledDialogLeavesTheRoute)
{
    FlyRoute({&Ksea, &Kbfi}, 0);
    const std::string path = RoutePath("locked.rte");
    WriteBytes(path, std::string("1") + Kolm.num + std::string(29 * 9, ' '));
    HANDLE locked = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    AnswerFileDialog("Open a Route", path);
    driver.Expect("Open a Route", [&](HWND files) { Press(files, IDCANCEL); });
    driver.Expect("Route", [&](HWND dialog) {
        Press(dialog, IDC_ROUTE_LOAD);
        EXPECT_EQ(Lines(dialog), (Ids{"KSEA", "KBFI"}));
        Press(dialog, IDC_ROUTE_LOAD);
        EXPECT_EQ(Lines(dialog), (Ids{"KSEA", "KBFI"}));
        Press(dialog, IDCANCEL);
    });
    OnRteButton(0, 0);
    CloseHandle(locked);
    EXPECT_EQ(AreaOfAlias("ACTWPT"), 0);
}

TEST_F(RouteDialogTest, TheRouteOfARestoredStateWithGapsIsShownClosedUp)
{
    FlyRoute({&Ksea, &Kbfi, &Ktcm}, 0);
    gaugeState.route[1] = WaypointRecord{};
    driver.Expect("Route", [&](HWND dialog) {
        EXPECT_EQ(Lines(dialog), (Ids{"KSEA", "KTCM"}));
        Select(dialog, IDC_ROUTE_LIST, 1);
        Press(dialog, IDC_ROUTE_REMOVE);
        Press(dialog, IDOK);
    });
    OnRteButton(0, 0);
    EXPECT_EQ(gaugeState.routeCount, 1);
    EXPECT_EQ(TrimRight(gaugeState.route[0].id), "KSEA");
    EXPECT_EQ(gaugeState.route[1].table, 0);
}

}  // namespace
