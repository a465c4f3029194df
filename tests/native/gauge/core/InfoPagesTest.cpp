// Information mode against the recording engine: the page texts, the engine calls behind
// them, the page counts and the < and > buttons while it is shown.
#include <string>
#include <vector>

#include "GaugeButtons.h"
#include "GaugeTestSupport.h"
#include "InfoPages.h"

using namespace gauge;

namespace {

using Calls = std::vector<std::string>;

class InfoPagesTest : public GaugeTest {
protected:
    void SetUp() override
    {
        GaugeTest::SetUp();
        gaugeState.powerOn = 1;
        gaugeState.pageCount = 2;
        gaugeState.currentPage = 1;
    }

    // An airport at N 47°27'00" W 122°18'28", elevation 433, tower 118.3, ATIS 119.9.
    static void ActivateAirport()
    {
        WaypointRecord w =
            MakeWaypoint("KSEA", WaypointAirport, false, 47, 27, false, 122, 18, "00000132");
        w.lon4 = 28;
        std::snprintf(w.name, sizeof w.name, "Seattle Tacoma Intl");
        SetActiveWaypoint(w);
        engine.integers["ALT"] = 433;
        engine.doubles["TWR"] = 118.3;
        engine.doubles["ATIS"] = 119.9;
    }

    // The runway table's fields as the engine returns them, blank-padded to their widths.
    static void RunwayFields()
    {
        engine.texts = {{"RUNWAYS", "16L/34R          "},
                        {"LEN", "11901 "},
                        {"SURFACE", "CONC  "},
                        {"NAV1", "ISNQ"},
                        {"RWY1", "16L "},
                        {"FREQ1", "110.30"},
                        {"NAV2", "ISEA"},
                        {"RWY2", "34R "},
                        {"FREQ2", "110.30"}};
    }

    static std::string Line(int line) { return gaugeState.screenLines[line - 1]; }
};

TEST_F(InfoPagesTest, AirportPageShowsPositionElevationTowerAndAtis)
{
    ActivateAirport();
    Press(OnInfButton);
    EXPECT_EQ(gaugeState.infoPageShown, 1);
    EXPECT_EQ(gaugeState.pageCount, 2);
    EXPECT_EQ(Line(1), "Seattle Tacoma Intl");
    EXPECT_EQ(Line(2), "N047\xB0"
                       "27'00\"  ALT:433FT");
    EXPECT_EQ(Line(3), "W122\xB0"
                       "18'28\"  TWR:118.30");
    EXPECT_EQ(Line(4), "ATIS:119.90");
    // Handed to the host at once, cut to the screen's capacity.
    EXPECT_EQ(platform.Screen(3), Line(3));
    EXPECT_TRUE(platform.IsHidden(GaugeElement::steeringScale));
    EXPECT_TRUE(platform.IsHidden(GaugeElement::steeringMarker));
    EXPECT_EQ(engine.calls.front(), "TableCloseAll");
    EXPECT_EQ(engine.CallsStartingWith("RecordSeek"), Calls{"RecordSeek(00000132)"});
    EXPECT_TRUE(engine.CallsStartingWith("TableCloseAll").size() == 1)
        << "page 1 leaves its table open";
}

TEST_F(InfoPagesTest, SouthernEasternNavaidShowsTypeAndFrequency)
{
    SetActiveWaypoint(MakeWaypoint("SY", WaypointNavaid, true, 33, 56, true, 151, 10));
    std::snprintf(gaugeState.activeWaypoint.name, sizeof gaugeState.activeWaypoint.name,
                  "SYDNEY VOR");
    engine.integers["ALT"] = -12;
    engine.texts = {{"TYPE", "VORDME "}, {"FREQ", "112.10 "}};
    Press(OnInfButton);
    EXPECT_EQ(gaugeState.pageCount, 1);
    EXPECT_EQ(Line(2), "S033\xB0"
                       "56'00\"  ALT:-12FT");
    EXPECT_EQ(Line(3), "E151\xB0"
                       "10'00\"  TYPE:VORDME ");
    EXPECT_EQ(Line(4), "FREQ:112.10 ");
    EXPECT_EQ(platform.Screen(3), Line(3));  // 25 characters: all of it

    // INF again shows page 1 again, read afresh; NAV returns to the normal pages.
    engine.calls.clear();
    Press(OnInfButton);
    EXPECT_EQ(gaugeState.currentPage, 1);
    EXPECT_EQ(engine.CallsStartingWith("RecordSeek").size(), 1u);
    Press(OnNavButton);
    EXPECT_EQ(gaugeState.infoPageShown, 0);
    EXPECT_EQ(gaugeState.pageCount, 2);
    EXPECT_FALSE(platform.IsHidden(GaugeElement::steeringMarker));
}

TEST_F(InfoPagesTest, UserWaypointPageHasNoFourthLine)
{
    SetActiveWaypoint(MakeWaypoint("HOME", WaypointUser, false, 45, 1, false, 122, 2));
    std::snprintf(gaugeState.screenLines[3], ScreenLineSize, "OLD TEXT");
    Press(OnInfButton);
    EXPECT_EQ(Line(3), "W122\xB0"
                       "02'00\"           ");
    EXPECT_EQ(Line(4), "");
}

TEST_F(InfoPagesTest, RunwayPagesStepThroughTheQueryAndRaiseThePageCount)
{
    ActivateAirport();
    RunwayFields();
    engine.queryCount = 3;
    Press(OnInfButton);
    engine.calls.clear();
    Press(OnInfButton);
    EXPECT_EQ(gaugeState.currentPage, 2);
    EXPECT_EQ(gaugeState.pageCount, 4);
    EXPECT_EQ(engine.calls,
              (Calls{"TableOpen(C:\\FS98\\GPSDATA\\\\RUNWAYS.DBF,RUNWAYS,1,2)",
                     "TableSetPassword(KW%BN4#3)", "TagOrder(NUM)", "QuerySet(NUM = \"00000132\")",
                     "RecordGoTop", "RecordSkip(0)", "TableCloseAll"}));
    EXPECT_EQ(Line(1), "RWY:16L/34R          ");
    EXPECT_EQ(Line(2), "11901   ISNQ 16L  110.30");
    EXPECT_EQ(Line(3), "CONC     ISEA 34R  110.30");
    EXPECT_EQ(Line(4), "");

    std::vector<int> pages{gaugeState.currentPage};
    for (int i = 0; i < 3; ++i) {
        engine.calls.clear();
        Press(OnInfButton);
        pages.push_back(gaugeState.currentPage);
    }
    EXPECT_EQ(pages, (std::vector<int>{2, 3, 4, 1}));
    EXPECT_EQ(engine.CallsStartingWith("RecordSkip"), Calls{});  // page 1 reads the airport again
}

TEST_F(InfoPagesTest, AirportWithoutRunwaysShowsNoDataOnPageTwo)
{
    ActivateAirport();
    engine.queryCount = 0;
    Press(OnInfButton);
    Press(OnInfButton);
    EXPECT_EQ(gaugeState.currentPage, 2);
    EXPECT_EQ(gaugeState.pageCount, 2);
    EXPECT_EQ(Line(1), "");
    EXPECT_EQ(Line(2), "       NO DATA    ");
    EXPECT_EQ(Line(3), "");
    EXPECT_EQ(engine.CallsStartingWith("RecordSkip"), Calls{});
    Press(OnInfButton);
    EXPECT_EQ(gaugeState.currentPage, 1);
}

TEST_F(InfoPagesTest, AWaypointThatCannotBeReadSaysWhy)
{
    ActivateAirport();
    engine.atEof = true;
    Press(OnInfButton);
    EXPECT_EQ(Line(1), "NO WAYPOINT");
    EXPECT_EQ(Line(2), "");
    engine.openSucceeds = false;
    Press(OnInfButton);  // page 2: no runways can be read either
    Press(OnInfButton);
    EXPECT_EQ(Line(1), "NO DATABASE");
}

TEST_F(InfoPagesTest, PrevAndNextShowNeighbouringRouteWaypointsWhileTheActiveStays)
{
    for (int i = 0; i < 3; ++i) {
        char num[9];
        std::snprintf(num, sizeof num, "%08d", i + 1);
        gaugeState.route[i] =
            MakeWaypoint(i == 1 ? "NAV" : "APT", i == 1 ? WaypointNavaid : WaypointAirport, false,
                         40 + i, 0, false, 120, 0, num);
    }
    gaugeState.routeCount = 3;
    gaugeState.routeMode = 1;
    gaugeState.routeIndex = 2;
    SetActiveWaypoint(gaugeState.route[2]);
    const WaypointRecord active = gaugeState.activeWaypoint;

    Press(OnInfButton);
    Press(OnInfButton);   // runway page of the active airport
    Press(OnNextButton);  // wraps to the first route waypoint, page 1
    EXPECT_EQ(gaugeState.infoIndex, 0);
    EXPECT_EQ(gaugeState.currentPage, 1);
    EXPECT_EQ(gaugeState.pageCount, 2);
    EXPECT_EQ(Line(2).substr(0, 4), "N040");
    Press(OnNextButton);
    EXPECT_EQ(gaugeState.infoIndex, 1);
    EXPECT_EQ(gaugeState.pageCount, 1);
    EXPECT_EQ(Line(2).substr(0, 4), "N041");
    Press(OnPrevButton);
    Press(OnPrevButton);  // wraps to the last
    EXPECT_EQ(gaugeState.infoIndex, 2);
    EXPECT_EQ(Line(2).substr(0, 4), "N042");

    EXPECT_EQ(gaugeState.routeIndex, 2);
    EXPECT_EQ(std::memcmp(&gaugeState.activeWaypoint, &active, sizeof active), 0);
    EXPECT_EQ(gaugeState.infoPageShown, 1);
}

TEST_F(InfoPagesTest, PrevAndNextOnlyClickWithoutARoute)
{
    ActivateAirport();
    Press(OnInfButton);
    engine.calls.clear();
    Press(OnNextButton);
    Press(OnPrevButton);
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_EQ(platform.sounds.size(), 3u);
}

}  // namespace
