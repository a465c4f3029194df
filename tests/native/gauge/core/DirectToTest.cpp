// The DTO, RTE and SET buttons around their dialogs, the activation of a Direct-To choice,
// the route advance held while the Direct-To dialog holds a table, and the Setup texts.
#include <string>
#include <vector>

#include "DirectTo.h"
#include "DistanceText.h"
#include "GaugeTestSupport.h"
#include "Navigation.h"
#include "Power.h"
#include "TableDialogHold.h"

using namespace gauge;

namespace {

using Calls = std::vector<std::string>;

class DirectToTest : public GaugeTest {
protected:
    void SetUp() override
    {
        GaugeTest::SetUp();
        gaugeState.powerOn = 1;
    }

    // A flown route of three waypoints, the aircraft 0.2 NM from the first.
    void FlyRoute()
    {
        for (int i = 0; i < 3; ++i) {
            char num[9];
            std::snprintf(num, sizeof num, "%08d", i + 1);
            gaugeState.route[i] =
                MakeWaypoint("W", WaypointAirport, false, 47, i * 10, false, 122, 0, num);
        }
        gaugeState.routeCount = 3;
        gaugeState.routeMode = 1;
        gaugeState.routeIndex = 0;
        SetActiveWaypoint(gaugeState.route[0]);
        gaugeState.nextWaypointDistance = 0.5;
        gaugeState.activeDistance = 0.2;
    }
};

TEST_F(DirectToTest, OkEmptiesTheRouteAndActivatesTheChoiceOnPageOneOfTwo)
{
    FlyRoute();
    gaugeState.infoPageShown = 1;
    gaugeState.currentPage = 3;
    gaugeState.directToChoice =
        MakeWaypoint("KBFI", WaypointNavaid, false, 47, 32, false, 122, 18, "00000108");
    platform.directToResult = 1;
    engine.texts = {{"NUM", "00000108"}, {"ID", "KBFI  "}};
    Press(OnDirectToButton);
    EXPECT_EQ(platform.dialogs, std::vector<std::string>{"Direct To"});
    const WaypointRecord empty{};
    for (const WaypointRecord& slot : gaugeState.route)
        EXPECT_EQ(std::memcmp(&slot, &empty, sizeof slot), 0);
    EXPECT_EQ(gaugeState.routeMode, 0);
    EXPECT_EQ(gaugeState.routeCount, 3);  // kept for the saved state
    EXPECT_EQ(gaugeState.pageCount, 2);
    EXPECT_EQ(gaugeState.currentPage, 1);
    EXPECT_EQ(gaugeState.infoPageShown, 0);
    EXPECT_EQ(engine.CallsStartingWith("TableOpen"),
              Calls{"TableOpen(C:\\FS98\\GPSDATA\\\\NAVAIDS.DBF,ACTWPT,1,2)"});
    EXPECT_EQ(engine.CallsStartingWith("RecordSeek"), Calls{"RecordSeek(00000108)"});
    EXPECT_STREQ(gaugeState.activeWaypoint.id, "KBFI  ");
    EXPECT_EQ(engine.calls.back(), "TableCloseAll");
}

TEST_F(DirectToTest, CancelChangesNothing)
{
    FlyRoute();
    GaugeState before = gaugeState;
    platform.directToResult = 0;
    Press(OnDirectToButton);
    EXPECT_EQ(std::memcmp(&before, &gaugeState, sizeof before), 0);
    EXPECT_TRUE(engine.calls.empty());
}

TEST_F(DirectToTest, SetAndRteOpenTheirDialogsOnlyWhileOn)
{
    Press(OnSetButton);
    Press(OnRteButton);
    gaugeState.powerOn = 0;
    Press(OnSetButton);
    Press(OnRteButton);
    Press(OnDirectToButton);
    EXPECT_EQ(platform.dialogs, (std::vector<std::string>{"Setup", "Route"}));
    EXPECT_EQ(platform.sounds, std::vector<int>(5, 0));
}

TEST_F(DirectToTest, RouteAdvanceWaitsWhileADialogHoldsTheTablesAndCatchesUpAfter)
{
    FlyRoute();
    {
        TableDialogScope hold;
        SequenceRoute();
        gaugeState.activeDistance = 3.0;  // flown on past the waypoint meanwhile
        SequenceRoute();
        EXPECT_EQ(gaugeState.routeIndex, 0);
        EXPECT_TRUE(engine.calls.empty());
        EXPECT_TRUE(platform.sounds.empty());
    }
    SequenceRoute();
    EXPECT_EQ(gaugeState.routeIndex, 1);
    EXPECT_EQ(platform.sounds, std::vector<int>{2});
    gaugeState.activeDistance = 3.0;
    SequenceRoute();  // caught up once, not again
    EXPECT_EQ(gaugeState.routeIndex, 1);
}

TEST_F(DirectToTest, AHeldAdvanceIsDroppedWhenTheDialogReplacesTheRoute)
{
    FlyRoute();
    {
        TableDialogScope hold;
        SequenceRoute();
    }
    platform.directToResult = 1;
    gaugeState.directToChoice = gaugeState.route[2];
    Press(OnDirectToButton);
    FlyRoute();
    gaugeState.activeDistance = 3.0;
    SequenceRoute();
    EXPECT_EQ(gaugeState.routeIndex, 0);
}

TEST_F(DirectToTest, AHeldAdvanceIsDroppedWhenTheUnitIsSwitchedOff)
{
    FlyRoute();
    {
        TableDialogScope hold;  // a Direct-To dialog, then cancelled
        SequenceRoute();
    }
    SetPower(0);
    SetPower(1);
    gaugeState.activeDistance = 3.0;
    SequenceRoute();
    EXPECT_EQ(gaugeState.routeIndex, 0);
}

TEST_F(DirectToTest, SearchesUseFourAndFortyFourCharacters)
{
    engine.texts = {{"NAME", "SEATTLE"}, {"ID", "KSEA  "}};
    EXPECT_EQ(SearchWaypointById("ksea5").name, "SEATTLE");
    const std::string name(50, 'N');
    EXPECT_EQ(SearchWaypointByName(name.c_str()).id, "KSEA  ");
    EXPECT_EQ(engine.calls, (Calls{"TagOrder(ID)", "RecordSeek(ksea)", "TagOrder(NAME)",
                                   "RecordSeek(" + std::string(44, 'N') + ")"}));
}

TEST(DistanceTextTest, OneDecimalAtLeastTwoCharacters)
{
    char text[DistanceTextSize];
    const std::pair<double, const char*> cases[] = {
        {5, "5.0"}, {0.26, "0.3"}, {123.45, "123.5"}, {-2, "-2.0"}};
    for (auto [value, shown] : cases) {
        FormatDistance(value, text);
        EXPECT_STREQ(text, shown);
    }
}

TEST(DistanceTextTest, TheLongestNumericPrefixOrZero)
{
    EXPECT_EQ(ParseDistance("2.5NM"), 2.5);
    EXPECT_EQ(ParseDistance("abc"), 0.0);
    EXPECT_EQ(ParseDistance("  -1.25"), -1.25);
    EXPECT_EQ(ParseDistance(""), 0.0);
    EXPECT_EQ(ParseDistance("1e2"), 100.0);
    EXPECT_EQ(ParseDistance("nan"), 0.0);
    EXPECT_EQ(ParseDistance("inf"), 0.0);
    EXPECT_EQ(ParseDistance("1e999"), 0.0);
}

}  // namespace
