#include <string>

#include "GaugeTestSupport.h"
#include "RouteText.h"

using namespace gauge;

namespace {

TEST(RouteText, FilledSlotsAreDigitAndKeyEmptySlotsNineBlanks)
{
    WaypointRecord route[RouteCapacity] = {};
    route[0] = MakeWaypoint("VOR", 2, false, 0, 0, false, 0, 0, "00000417");
    route[1] = MakeWaypoint("KSEA", 1, false, 0, 0, false, 0, 0, "00001234");
    route[3] = MakeWaypoint("SHORT", 3, false, 0, 0, false, 0, 0, "12");
    char text[RouteTextLength + 1];
    FormatRouteText(route, text);
    std::string expected = "200000417"
                           "100001234"
                           "         "
                           "312      " +
                           std::string(26 * 9, ' ');
    EXPECT_EQ(std::string(text), expected);
    EXPECT_EQ(std::string(text).size(), 270u);

    WaypointRecord empty[RouteCapacity] = {};
    FormatRouteText(empty, text);
    EXPECT_EQ(std::string(text), std::string(270, ' '));
}

TEST(RouteText, ParsingTakesTheDigitAndTheEightKeyCharacters)
{
    WaypointRecord slot = MakeWaypoint("KEEP", 9, false, 1, 2, false, 3, 4);
    ParseRouteEntry("500000042rest", slot);
    EXPECT_EQ(slot.table, 5);
    EXPECT_STREQ(slot.num, "00000042");
    EXPECT_STREQ(slot.id, "KEEP");  // everything else is left
    ParseRouteEntry(" 00000042", slot);
    EXPECT_EQ(slot.table, 0);
    ParseRouteEntry("000000042", slot);
    EXPECT_EQ(slot.table, 0);
    ParseRouteEntry("X00000042", slot);
    EXPECT_EQ(slot.table, 0);
}

TEST(RouteText, AFormattedRouteParsesBack)
{
    WaypointRecord route[RouteCapacity] = {};
    for (int i = 0; i < RouteCapacity; ++i) {
        char num[9];
        std::snprintf(num, sizeof num, "%08d", 1000 + i);
        route[i] = MakeWaypoint("W", 1 + i % 3, false, 0, 0, false, 0, 0, num);
    }
    char text[RouteTextLength + 1];
    FormatRouteText(route, text);
    for (int i = 0; i < RouteCapacity; ++i) {
        WaypointRecord slot{};
        ParseRouteEntry(text + i * RouteEntryLength, slot);
        EXPECT_EQ(slot.table, route[i].table);
        EXPECT_STREQ(slot.num, route[i].num);
    }
}

}  // namespace
