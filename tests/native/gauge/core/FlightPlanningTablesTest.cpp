// The Direct-To searches, route file lookups and information pages against real tables.
#include <string>
#include <vector>

#include "DirectTo.h"
#include "GaugeTablesFixture.h"
#include "GaugeTestSupport.h"
#include "InfoPages.h"
#include "RouteFile.h"
#include "WaypointAccess.h"

using namespace gauge;

namespace {

class FlightPlanningTablesTest : public GaugeTablesTest {
protected:
    void SetUp() override
    {
        GaugeTablesTest::SetUp();
        OpenTable(airports_, "AIRPORTS");
        AddPlace("00000040", "KBFI", "Boeing Field King Co Intl", 47, 32, 1, 122, 18, 13);
        AddPlace("00000050", "KBLI", "Bellingham Intl", 48, 47, 33, 122, 32, 16);
        AddPlace("00000060", "KDEL", "Deleted Field", 48, 0, 0, 122, 0, 0);
        RecordDelete();
        TableCloseAll();

        OpenTable(TablePath("USERS"), "USERS");
        AddPlace("00000001", "HOME", "HOME STRIP", 45, 1, 2, 122, 3, 4);
        PutInteger("ALT", 150);
        TableCloseAll();

        OpenTable(TablePath("RUNWAYS"), "RUNWAYS");
        AddRunway("00000010", "16L/34R", "11901", "ISNQ", "16L", "110.30");
        AddRunway("00000040", "13R/31L", "9994", "IBFI", "13R", "110.90");
        AddRunway("00000010", "16C/34C", "9427", "ISZI", "16C", "111.70");
        AddRunway("00000010", "16R/34L", "8501", "ICJL", "16R", "110.75");
        TableCloseAll();
    }

    static void AddRunway(const char* num, const char* runways, const char* length, const char* nav,
                          const char* runway, const char* frequency)
    {
        RecordAppendBlank();
        PutText("NUM", num);
        PutText("RUNWAYS", runways);
        PutText("LEN", length);
        PutText("SURFACE", "CONC");
        PutText("NAV1", nav);
        PutText("RWY1", runway);
        PutText("FREQ1", frequency);
    }

    static void Activate(const char* num, int32_t table = WaypointAirport)
    {
        OpenWaypointTable(table);
        SeekWaypointByNum(num);
        LoadActiveWaypoint();
        TableCloseAll();
    }

    static std::string Line(int line) { return gaugeState.screenLines[line - 1]; }
};

TEST_F(FlightPlanningTablesTest, IdentifierPrefixFindsTheFirstIdentifierAtOrAfterIt)
{
    OpenWaypointTable(WaypointAirport);
    EXPECT_EQ(TrimRight(SearchWaypointById("KB").name), "Boeing Field King Co Intl");
    EXPECT_EQ(TrimRight(SearchWaypointById("KBL").name), "Bellingham Intl");
    EXPECT_EQ(TrimRight(SearchWaypointById("KBLIX").name),
              "Bellingham Intl");  // the fifth is not used
    EXPECT_EQ(TrimRight(SearchWaypointById("KR").name), "SEATTLE-TACOMA INTERNATIONAL AIRPORT");
    EXPECT_EQ(TrimRight(SearchWaypointById("KZ").name), "");  // past the last identifier
    TableCloseAll();
}

TEST_F(FlightPlanningTablesTest, NameSearchUsesTheUpperCasedNameIndex)
{
    OpenWaypointTable(WaypointAirport);
    FoundWaypoint found = SearchWaypointByName("BOEING");
    EXPECT_EQ(TrimRight(found.id), "KBFI");
    EXPECT_EQ(TrimRight(found.name), "Boeing Field King Co Intl");
    EXPECT_EQ(TrimRight(SearchWaypointByName("BEL").id), "KBLI");
    EXPECT_EQ(TrimRight(SearchWaypointByName("OLY").id), "KOLM");
    TableCloseAll();
}

TEST_F(FlightPlanningTablesTest, TheNameListSkipsDeletedRecordsAndItsLinesLeadToTheirRecords)
{
    OpenWaypointTable(WaypointAirport);
    std::vector<std::string> names = ListWaypointNames();
    std::vector<std::string> trimmed;
    for (const std::string& name : names) trimmed.push_back(TrimRight(name));
    EXPECT_EQ(trimmed, (std::vector<std::string>{"Bellingham Intl", "Boeing Field King Co Intl",
                                                 "OLYMPIA RGNL", "PORTLAND INTL",
                                                 "SEATTLE-TACOMA INTERNATIONAL AIRPORT"}));
    EXPECT_EQ(names[0].size(), 45u);  // as the engine gives it
    EXPECT_EQ(TrimRight(FieldGetString("ID")), "KBFI") << "on the first identifier afterwards";

    GoToWaypointNameLine(3);
    WaypointRecord choice{};
    EXPECT_TRUE(ReadWaypoint(choice));
    EXPECT_EQ(TrimRight(choice.id), "KPDX");
    EXPECT_EQ(TrimRight(GoToWaypointNameLine(0).id), "KBLI");
    TableCloseAll();
}

TEST_F(FlightPlanningTablesTest, RouteFileEntriesAreLookedUpAgain)
{
    // Digit 5 is an airport, a key no longer present reads the next higher one, an empty
    // navaid table reads nothing but keeps what the file named.
    const std::string file = "500000040"
                             "100000011"
                             "         "
                             "200000001";
    RouteSlots slots;
    ParseRouteFile(file.data(), file.size(), slots);
    LookUpRouteSlots(slots);
    EXPECT_EQ(slots[0].table, WaypointAirport);
    EXPECT_EQ(TrimRight(slots[0].id), "KBFI");
    EXPECT_EQ(slots[0].lat3, 32);
    EXPECT_EQ(TrimRight(slots[1].id), "KOLM");
    EXPECT_STREQ(slots[1].num, "00000020");
    EXPECT_EQ(slots[2].table, WaypointNavaid);
    EXPECT_STREQ(slots[2].num, "00000001");
    EXPECT_EQ(slots[3].table, 0);
    EXPECT_EQ(AreaOfAlias("ACTWPT"), 0);
}

TEST_F(FlightPlanningTablesTest, AnAirportWithThreeRunwaysStepsThroughFourPages)
{
    Activate("00000010");
    gaugeState.powerOn = 1;
    std::vector<std::pair<int, int>> pages;  // (page, page count) after each INF
    std::vector<std::string> firstLines;
    for (int i = 0; i < 5; ++i) {
        Press(OnInfButton);
        pages.emplace_back(gaugeState.currentPage, gaugeState.pageCount);
        firstLines.push_back(Line(1));
    }
    EXPECT_EQ(pages, (std::vector<std::pair<int, int>>{{1, 2}, {2, 4}, {3, 4}, {4, 4}, {1, 4}}));
    EXPECT_EQ(firstLines[1], "RWY:16L/34R          ");
    EXPECT_EQ(firstLines[2], "RWY:16C/34C          ");
    EXPECT_EQ(firstLines[3], "RWY:16R/34L          ");
    EXPECT_EQ(firstLines[4], "SEATTLE-TACOMA INTERNATIONAL A");
    EXPECT_EQ(AreaOfAlias("RUNWAYS"), 0);
}

TEST_F(FlightPlanningTablesTest, AnAirportWithoutRunwaysShowsNoData)
{
    Activate("00000020");
    gaugeState.powerOn = 1;
    Press(OnInfButton);
    EXPECT_EQ(Line(2), "N046\xB0"
                       "58'11\"  ALT:0FT");
    Press(OnInfButton);
    EXPECT_EQ(Line(2), "       NO DATA    ");
    EXPECT_EQ(gaugeState.pageCount, 2);
    Press(OnInfButton);
    EXPECT_EQ(TrimRight(Line(1)), "OLYMPIA RGNL");
}

TEST_F(FlightPlanningTablesTest, AUserWaypointHasOnePageWithoutAFourthLine)
{
    Activate("00000001", WaypointUser);
    gaugeState.powerOn = 1;
    Press(OnInfButton);
    EXPECT_EQ(gaugeState.pageCount, 1);
    EXPECT_EQ(TrimRight(Line(1)), "HOME STRIP");
    EXPECT_EQ(Line(2), "N045\xB0"
                       "01'02\"  ALT:150FT");
    EXPECT_EQ(Line(3), "W122\xB0"
                       "03'04\"           ");
    EXPECT_EQ(Line(4), "");
    Press(OnInfButton);
    EXPECT_EQ(gaugeState.currentPage, 1);
}

}  // namespace
