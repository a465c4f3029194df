// The Direct-To dialog from its template over real tables: the searches, the list, the
// table buttons, OK, Cancel and the close box, and the DTO button around it.
#include <gtest/gtest.h>

#include <cstring>

#include "DirectToDialog.h"
#include "FlightPlanTestSupport.h"
#include "GaugeButtons.h"
#include "GaugePlatform.h"
#include "Navigation.h"

using namespace gauge;
using namespace host;

namespace {

class DirectToDialogTest : public FlightPlanTest {
protected:
    // Runs the dialog as the DTO button does and returns what it ended with.
    static int RunDialog() { return RunDirectToDialog(); }
};

TEST_F(DirectToDialogTest, IdentifierPrefixShowsTheFirstMatchAndOkTakesIt)
{
    HWND owner = nullptr;
    driver.Expect("Direct To", [&](HWND dialog) {
        owner = GetWindow(dialog, GW_OWNER);
        EXPECT_EQ(systemMenuCommands, 1);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_DIRECT_TO_AIRPORTS), BST_CHECKED);
        Type(dialog, IDC_DIRECT_TO_ID, "kb");
        EXPECT_EQ(Text(dialog, IDC_DIRECT_TO_ID), "KB");  // the box upper-cases as it is typed
        EXPECT_EQ(Text(dialog, IDC_DIRECT_TO_NAME),
                  "BOEING FIELD KING CO INTL");   // upper-cased too
        Type(dialog, IDC_DIRECT_TO_ID, "KTCMX");  // a fifth character is not searched
        EXPECT_EQ(Text(dialog, IDC_DIRECT_TO_NAME), "MC CHORD AFB");
        Type(dialog, IDC_DIRECT_TO_ID, "KB");
        Press(dialog, IDOK);
    });
    EXPECT_EQ(RunDialog(), 1);
    EXPECT_EQ(owner, simulatorWindow);
    EXPECT_STREQ(gaugeState.directToChoice.num, Kbfi.num);
    EXPECT_EQ(gaugeState.directToChoice.table, WaypointAirport);
    EXPECT_EQ(TrimRight(gaugeState.directToChoice.id), "KBFI");
    EXPECT_EQ(gaugeState.directToChoice.lat3, 32);
    EXPECT_EQ(AreaOfAlias("ACTWPT"), 0) << "the dialog closes its table";
}

TEST_F(DirectToDialogTest, LowerCaseNameFindsTheIdentifier)
{
    driver.Expect("Direct To", [&](HWND dialog) {
        Type(dialog, IDC_DIRECT_TO_NAME, "seattle");
        EXPECT_EQ(Text(dialog, IDC_DIRECT_TO_NAME), "SEATTLE");
        EXPECT_EQ(Text(dialog, IDC_DIRECT_TO_ID), "KSEA");
        Press(dialog, IDOK);
    });
    EXPECT_EQ(RunDialog(), 1);
    EXPECT_EQ(TrimRight(gaugeState.directToChoice.id), "KSEA");
}

TEST_F(DirectToDialogTest, AListLineFillsBothBoxesAndOkTakesThatRecord)
{
    driver.Expect("Direct To", [&](HWND dialog) {
        EXPECT_EQ(LineCount(dialog, IDC_DIRECT_TO_LIST), 0) << "the list is filled only when shown";
        Press(dialog, IDC_DIRECT_TO_LIST_TOGGLE);
        ASSERT_EQ(LineCount(dialog, IDC_DIRECT_TO_LIST), 4);
        EXPECT_EQ(ListLine(dialog, IDC_DIRECT_TO_LIST, 0), "Boeing Field King Co Intl");
        Select(dialog, IDC_DIRECT_TO_LIST, 1);
        EXPECT_EQ(Text(dialog, IDC_DIRECT_TO_ID), "KTCM");
        EXPECT_EQ(Text(dialog, IDC_DIRECT_TO_NAME), "MC CHORD AFB");
        // A search selects the line of the record it finds.
        Type(dialog, IDC_DIRECT_TO_ID, "KSEA");
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_DIRECT_TO_LIST, LB_GETCURSEL, 0, 0), 3);
        Type(dialog, IDC_DIRECT_TO_NAME, "mc ch");
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_DIRECT_TO_LIST, LB_GETCURSEL, 0, 0), 1);
        EXPECT_EQ(Text(dialog, IDC_DIRECT_TO_NAME), "MC CH");  // the typing is left alone
        Select(dialog, IDC_DIRECT_TO_LIST, 2);
        Press(dialog, IDOK);
    });
    EXPECT_EQ(RunDialog(), 1);
    EXPECT_EQ(TrimRight(gaugeState.directToChoice.id), "KOLM");
}

TEST_F(DirectToDialogTest, TableButtonsClearTheBoxesAndRefillAShownList)
{
    driver.Expect("Direct To", [&](HWND dialog) {
        Press(dialog, IDC_DIRECT_TO_LIST_TOGGLE);
        Type(dialog, IDC_DIRECT_TO_ID, "KS");
        Press(dialog, IDC_DIRECT_TO_NAVAIDS);
        EXPECT_EQ(Text(dialog, IDC_DIRECT_TO_ID), "");
        EXPECT_EQ(Text(dialog, IDC_DIRECT_TO_NAME), "");
        ASSERT_EQ(LineCount(dialog, IDC_DIRECT_TO_LIST), 2);
        EXPECT_EQ(ListLine(dialog, IDC_DIRECT_TO_LIST, 0), "OLYMPIA VORTAC");
        Type(dialog, IDC_DIRECT_TO_ID, "SE");
        EXPECT_EQ(Text(dialog, IDC_DIRECT_TO_NAME), "SEATTLE VORTAC");
        Press(dialog, IDC_DIRECT_TO_USERS);
        EXPECT_EQ(LineCount(dialog, IDC_DIRECT_TO_LIST), 1);
        Press(dialog, IDC_DIRECT_TO_NAVAIDS);
        Type(dialog, IDC_DIRECT_TO_ID, "SEA");
        Press(dialog, IDOK);
    });
    EXPECT_EQ(RunDialog(), 1);
    EXPECT_EQ(gaugeState.directToChoice.table, WaypointNavaid);
    EXPECT_EQ(TrimRight(gaugeState.directToChoice.id), "SEA");
}

TEST_F(DirectToDialogTest, TheListButtonTwiceRestoresTheShortHeightWithItsLinesKept)
{
    driver.Expect("Direct To", [&](HWND dialog) {
        RECT full{0, 0, 234, 170};
        MapDialogRect(dialog, &full);
        const int shortHeight = WindowHeight(dialog);
        Press(dialog, IDC_DIRECT_TO_LIST_TOGGLE);
        const int fullHeight = WindowHeight(dialog);
        EXPECT_EQ(shortHeight, fullHeight / 2 - 20);
        EXPECT_GT(fullHeight, full.bottom);  // the template's height and the frame
        EXPECT_EQ(LineCount(dialog, IDC_DIRECT_TO_LIST), 4);
        Press(dialog, IDC_DIRECT_TO_LIST_TOGGLE);
        EXPECT_EQ(WindowHeight(dialog), shortHeight);
        EXPECT_EQ(LineCount(dialog, IDC_DIRECT_TO_LIST), 4);
        EXPECT_EQ(Text(dialog, IDC_DIRECT_TO_LIST_TOGGLE), "&List >>");
        Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(RunDialog(), 0);
}

TEST_F(DirectToDialogTest, OkRightAfterOpeningTakesTheRecordTheTableStandsOn)
{
    driver.Expect("Direct To", [&](HWND dialog) { Press(dialog, IDOK); });
    EXPECT_EQ(RunDialog(), 1);
    EXPECT_STREQ(gaugeState.directToChoice.num, Ksea.num);  // the first record of the table

    // After the list is filled, the first identifier.
    driver.Expect("Direct To", [&](HWND dialog) {
        Press(dialog, IDC_DIRECT_TO_LIST_TOGGLE);
        Press(dialog, IDOK);
    });
    EXPECT_EQ(RunDialog(), 1);
    EXPECT_EQ(TrimRight(gaugeState.directToChoice.id), "KBFI");
}

TEST_F(DirectToDialogTest, OkWithoutARecordFoundChoosesNothingAndTheDialogStays)
{
    gaugeState.directToChoice = Lookup(Kolm);
    const WaypointRecord before = gaugeState.directToChoice;
    driver.Expect("Direct To", [&](HWND dialog) {
        Type(dialog, IDC_DIRECT_TO_ID, "ZZ");  // past the last identifier
        EXPECT_EQ(Text(dialog, IDC_DIRECT_TO_NAME), "");
        Press(dialog, IDOK);
        EXPECT_TRUE(IsWindowVisible(dialog));
        Press(dialog, IDC_DIRECT_TO_NAVAIDS);
        Type(dialog, IDC_DIRECT_TO_NAME, "SEATTLE");
        Press(dialog, IDOK);
    });
    EXPECT_EQ(RunDialog(), 1);
    EXPECT_EQ(TrimRight(gaugeState.directToChoice.id), "SEA");
    EXPECT_NE(std::memcmp(&before, &gaugeState.directToChoice, sizeof before), 0);
}

TEST_F(DirectToDialogTest, OkFromTheButtonDropsTheRouteForDirectToOnPageOneOfTwo)
{
    FlyRoute({&Ksea, &Kbfi, &Ktcm}, 1);
    gaugeState.infoPageShown = 1;
    gaugeState.currentPage = 2;
    driver.Expect("Direct To", [&](HWND dialog) {
        Type(dialog, IDC_DIRECT_TO_NAME, "OLY");
        Press(dialog, IDOK);
    });
    OnDirectToButton(0, 0);
    const WaypointRecord empty{};
    for (const WaypointRecord& slot : gaugeState.route)
        EXPECT_EQ(std::memcmp(&slot, &empty, sizeof slot), 0);
    EXPECT_EQ(gaugeState.routeMode, 0);
    EXPECT_EQ(gaugeState.pageCount, 2);
    EXPECT_EQ(gaugeState.currentPage, 1);
    EXPECT_EQ(gaugeState.infoPageShown, 0);
    EXPECT_EQ(TrimRight(gaugeState.activeWaypoint.id), "KOLM");
    EXPECT_EQ(gaugeState.activeWaypointLookup, WaypointFound);
}

TEST_F(DirectToDialogTest, CancelEscapeAndTheCloseBoxChangeNothing)
{
    FlyRoute({&Ksea, &Kbfi}, 0);
    gaugeState.directToChoice = Lookup(Home);
    const GaugeState before = gaugeState;
    driver.Expect("Direct To", [&](HWND dialog) {
        Type(dialog, IDC_DIRECT_TO_ID, "KTCM");
        Press(dialog, IDCANCEL);
    });
    driver.Expect("Direct To", [&](HWND dialog) {
        Type(dialog, IDC_DIRECT_TO_ID, "KTCM");
        SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    driver.Expect("Direct To", [&](HWND dialog) {
        Type(dialog, IDC_DIRECT_TO_ID, "KTCM");
        // The key goes through the dialog's own message loop.
        PostMessageA(GetDlgItem(dialog, IDC_DIRECT_TO_ID), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    for (int i = 0; i < 3; ++i) OnDirectToButton(0, 0);
    gaugeState.currentTable = before.currentTable;  // the table the dialog opened last
    EXPECT_EQ(std::memcmp(&before, &gaugeState, sizeof before), 0);
}

TEST_F(DirectToDialogTest, ATickDueToAdvanceTheRouteWaitsAndDoesNotMoveTheSearch)
{
    // The next route waypoint is a navaid: an advance during the dialog would leave the
    // navaid table current under the dialog's airport search.
    FlyRoute({&Ksea, &Sea, &Kolm}, 0);
    gaugeState.nextWaypointDistance = 0.5;
    gaugeState.activeDistance = 0.1;
    driver.Expect("Direct To", [&](HWND dialog) {
        Type(dialog, IDC_DIRECT_TO_ID, "KS");
        SequenceRoute();  // the tick's table work, as the timer runs it inside the dialog
        EXPECT_EQ(gaugeState.routeIndex, 0);
        Type(dialog, IDC_DIRECT_TO_ID, "KSE");  // typed over, searched again
        EXPECT_EQ(Text(dialog, IDC_DIRECT_TO_NAME), "SEATTLE TACOMA INTL");
        Press(dialog, IDCANCEL);
    });
    OnDirectToButton(0, 0);
    gaugeState.activeDistance = 4.0;  // flown on meanwhile
    SequenceRoute();                  // the first tick after the dialog
    EXPECT_EQ(gaugeState.routeIndex, 1);
    EXPECT_EQ(TrimRight(gaugeState.activeWaypoint.id), "SEA");
}

}  // namespace
