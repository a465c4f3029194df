// The stored form of a route: nine characters a slot, the table digit and the NUM.
#include "RouteText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace nav;

namespace {

WaypointRecord Slot(int32_t table, const char* num, const char* id = "W")
{
    WaypointRecord slot{};
    std::snprintf(slot.num, sizeof slot.num, "%s", num);
    std::snprintf(slot.id, sizeof slot.id, "%s", id);
    slot.table = table;
    return slot;
}

TEST(RouteText, FilledSlotsAreDigitAndKeyEmptySlotsNineBlanks)
{
    WaypointRecord route[RouteCapacity] = {};
    route[0] = Slot(2, "00000417");
    route[1] = Slot(1, "00001234");
    route[3] = Slot(3, "12");
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
    WaypointRecord slot = Slot(9, "00000001", "KEEP");
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
        route[i] = Slot(1 + i % 3, num);
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
