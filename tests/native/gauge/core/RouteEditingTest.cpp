// The Route dialog's work on its copy of the route, route files in and out, and "Finish".
#include <string>
#include <vector>

#include "GaugeTestSupport.h"
#include "RouteEditing.h"
#include "RouteFile.h"

using namespace gauge;

namespace {

using Calls = std::vector<std::string>;

WaypointRecord Waypoint(const char* id, int32_t table = WaypointAirport)
{
    char num[9];
    std::snprintf(num, sizeof num, "%08d", (id[0] * 100 + id[1]) % 10000);
    return MakeWaypoint(id, table, false, 47, 0, false, 122, 0, num);
}

// The identifiers of the filled slots, and "-" for each empty slot before the last filled one.
std::string Ids(const RouteSlots& slots)
{
    std::string ids;
    int last = RouteCapacity - 1;
    while (last >= 0 && slots[last].table <= 0) --last;
    for (int i = 0; i <= last; ++i)
        ids += std::string(i ? " " : "") + (slots[i].table > 0 ? slots[i].id : "-");
    return ids;
}

class RouteEditingTest : public GaugeTest {
protected:
    // The edited route holds these waypoints from slot 0.
    void Edit(std::initializer_list<const char*> ids)
    {
        int i = 0;
        for (const char* id : ids) gaugeState.editedRoute[i++] = Waypoint(id);
    }
};

TEST_F(RouteEditingTest, AddGoesBeforeTheSelectedLineOrAfterTheLast)
{
    Edit({"A1", "B2", "C3"});
    EXPECT_TRUE(InsertRouteWaypoint(gaugeState.editedRoute, 3, 2, Waypoint("N9")));
    EXPECT_EQ(Ids(gaugeState.editedRoute), "A1 B2 N9 C3");
    EXPECT_TRUE(InsertRouteWaypoint(gaugeState.editedRoute, 4, -1, Waypoint("Z0")));
    EXPECT_EQ(Ids(gaugeState.editedRoute), "A1 B2 N9 C3 Z0");
    EXPECT_TRUE(InsertRouteWaypoint(gaugeState.editedRoute, 5, 0, Waypoint("F1")));
    EXPECT_EQ(Ids(gaugeState.editedRoute), "F1 A1 B2 N9 C3 Z0");
}

TEST_F(RouteEditingTest, TheThirtiethFitsAndAThirtyFirstIsRefused)
{
    for (int i = 0; i < 29; ++i) gaugeState.editedRoute[i] = Waypoint("W1");
    EXPECT_TRUE(InsertRouteWaypoint(gaugeState.editedRoute, 29, -1, Waypoint("L3")));
    EXPECT_STREQ(gaugeState.editedRoute[29].id, "L3");
    const WaypointRecord last = gaugeState.editedRoute[29];
    EXPECT_FALSE(InsertRouteWaypoint(gaugeState.editedRoute, 30, 3, Waypoint("X1")));
    EXPECT_EQ(std::memcmp(&gaugeState.editedRoute[29], &last, sizeof last), 0);
    EXPECT_STREQ(gaugeState.editedRoute[3].id, "W1");
}

TEST_F(RouteEditingTest, RemoveClosesUpAndEmptiesTheLastSlot)
{
    Edit({"A1", "B2", "C3"});
    RemoveRouteWaypoint(gaugeState.editedRoute, 3, -1);
    EXPECT_EQ(Ids(gaugeState.editedRoute), "A1 B2 C3");
    RemoveRouteWaypoint(gaugeState.editedRoute, 3, 0);
    EXPECT_EQ(Ids(gaugeState.editedRoute), "B2 C3");
    RemoveRouteWaypoint(gaugeState.editedRoute, 2, 1);
    EXPECT_EQ(Ids(gaugeState.editedRoute), "B2");
    const WaypointRecord empty{};
    EXPECT_EQ(std::memcmp(&gaugeState.editedRoute[1], &empty, sizeof empty), 0);
}

TEST_F(RouteEditingTest, ListLinesAreIdentifierTabName)
{
    WaypointRecord w = Waypoint("KSEA");
    std::snprintf(w.id, sizeof w.id, "KSEA  ");
    std::snprintf(w.name, sizeof w.name, "Seattle Tacoma Intl");
    EXPECT_EQ(RouteListLine(w), "KSEA  \tSeattle Tacoma Intl");
}

TEST_F(RouteEditingTest, FinishWithTwoWaypointsFliesTheFirst)
{
    Edit({"A1", "B2"});
    gaugeState.infoPageShown = 1;
    gaugeState.currentPage = 3;
    gaugeState.routeIndex = 7;
    platform.hidden[static_cast<int>(GaugeElement::steeringScale)] = true;
    FinishRoute();
    EXPECT_EQ(gaugeState.routeCount, 2);
    EXPECT_EQ(CountRouteWaypoints(), 2);
    EXPECT_EQ(gaugeState.routeIndex, 0);
    EXPECT_EQ(gaugeState.routeMode, 1);
    EXPECT_EQ(gaugeState.pageCount, 3);
    EXPECT_EQ(gaugeState.currentPage, 1);
    EXPECT_EQ(gaugeState.infoPageShown, 0);
    EXPECT_FALSE(platform.IsHidden(GaugeElement::steeringScale));
    EXPECT_EQ(Ids(gaugeState.route), "A1 B2");
    EXPECT_EQ(engine.CallsStartingWith("RecordSeek"),
              Calls{"RecordSeek(" + std::string(gaugeState.route[0].num) + ")"});
    EXPECT_EQ(engine.calls.back(), "TableCloseAll");
}

TEST_F(RouteEditingTest, FinishWithoutWaypointsKeepsTheActiveWaypoint)
{
    gaugeState.route[0] = Waypoint("A1");
    gaugeState.routeMode = 1;
    gaugeState.routeIndex = 0;
    SetActiveWaypoint(Waypoint("A1"));
    const WaypointRecord active = gaugeState.activeWaypoint;
    FinishRoute();
    EXPECT_EQ(gaugeState.routeCount, 0);
    EXPECT_EQ(gaugeState.routeMode, 0);
    EXPECT_EQ(gaugeState.pageCount, 2);
    EXPECT_EQ(gaugeState.currentPage, 1);
    EXPECT_EQ(std::memcmp(&gaugeState.activeWaypoint, &active, sizeof active), 0);
    EXPECT_TRUE(engine.calls.empty());
}

TEST_F(RouteEditingTest, EmptyRouteFormatsAs270Blanks)
{
    char text[nav::RouteTextLength + 1];
    nav::FormatRouteText(gaugeState.editedRoute, text);
    EXPECT_EQ(std::string(text), std::string(RouteFileSize, ' '));
}

TEST_F(RouteEditingTest, FileEntriesParseWithEmptySlotsForBlanksZeroAndWhatIsMissing)
{
    const std::string file = "100000132"
                             "         "
                             "012345678"
                             "500000009"
                             "2NAV00001" +
                             std::string(2, '3');
    RouteSlots slots;
    std::memset(slots, 0x55, sizeof slots);
    ParseRouteFile(file.data(), file.size(), slots);
    // Filled entries in order, gaps closed; the digit 5 is kept for the lookup to wrap.
    EXPECT_EQ(slots[0].table, 1);
    EXPECT_STREQ(slots[0].num, "00000132");
    EXPECT_EQ(slots[1].table, 5);
    EXPECT_STREQ(slots[1].num, "00000009");
    EXPECT_EQ(slots[2].table, 2);
    EXPECT_STREQ(slots[2].num, "NAV00001");
    const WaypointRecord empty{};
    for (int i = 3; i < RouteCapacity; ++i)
        EXPECT_EQ(std::memcmp(&slots[i], &empty, sizeof empty), 0) << "slot " << i;
}

TEST_F(RouteEditingTest, AFullFileRoundTripsItsKeys)
{
    RouteSlots route{};
    for (int i = 0; i < RouteCapacity; ++i) {
        char num[9];
        std::snprintf(num, sizeof num, "%08d", 1000 - i);
        route[i] = MakeWaypoint("X", 1 + i % 3, false, 0, 0, false, 0, 0, num);
    }
    char text[nav::RouteTextLength + 1];
    nav::FormatRouteText(route, text);
    RouteSlots loaded;
    ParseRouteFile(text, RouteFileSize, loaded);
    for (int i = 0; i < RouteCapacity; ++i) {
        EXPECT_EQ(loaded[i].table, route[i].table);
        EXPECT_STREQ(loaded[i].num, route[i].num);
    }
    // Bytes past the 270th are not entries.
    const std::string longer = std::string(text) + "100000001";
    ParseRouteFile(longer.data(), longer.size(), loaded);
    EXPECT_STREQ(loaded[29].num, route[29].num);
}

TEST_F(RouteEditingTest, LookUpReadsEveryFilledSlotFromItsTableThenClosesAll)
{
    RouteSlots slots{};
    ParseRouteFile("500000009"
                   "         "
                   "300000002",
                   27, slots);
    engine.texts = {{"NUM", "00000009"}, {"ID", "KFOUND"}, {"NAME", "FOUND"}};
    LookUpRouteSlots(slots);
    EXPECT_EQ(engine.CallsStartingWith("TableOpen"),
              (Calls{"TableOpen(C:\\FS98\\GPSDATA\\\\AIRPORTS.DBF,ACTWPT,1,2)",
                     "TableOpen(C:\\FS98\\GPSDATA\\\\USERS.DBF,ACTWPT,1,2)"}));
    EXPECT_EQ(engine.CallsStartingWith("RecordSeek"),
              (Calls{"RecordSeek(00000009)", "RecordSeek(00000002)"}));
    EXPECT_EQ(slots[0].table, 1);  // the digit 5 is an airport
    EXPECT_STREQ(slots[0].id, "KFOUND");
    EXPECT_EQ(slots[1].table, 3);
    EXPECT_EQ(slots[2].table, 0);
    EXPECT_EQ(engine.calls.back(), "TableCloseAll");
}

TEST_F(RouteEditingTest, CompactingKeepsOrder)
{
    gaugeState.editedRoute[2] = Waypoint("C3");
    gaugeState.editedRoute[7] = Waypoint("H8");
    gaugeState.editedRoute[29] = Waypoint("Z9");
    CompactRoute(gaugeState.editedRoute);
    EXPECT_EQ(Ids(gaugeState.editedRoute), "C3 H8 Z9");
}

}  // namespace
