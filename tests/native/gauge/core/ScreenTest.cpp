#include <string>

#include "GaugeTestSupport.h"
#include "Navigation.h"
#include "Screen.h"

using namespace gauge;

namespace {

class ScreenTest : public GaugeTest {
protected:
    std::string Line(int line) const { return gaugeState.screenLines[line - 1]; }
    void ShowPage(int page)
    {
        gaugeState.currentPage = page;
        FormatScreen();
    }
    void SetRoute()
    {
        gaugeState.route[0] = MakeWaypoint("KSEA  ", 1, false, 47, 27, false, 122, 18);
        gaugeState.route[1] = MakeWaypoint("KPDX  ", 1, false, 45, 35, false, 122, 36);
        gaugeState.route[2] = MakeWaypoint("KSFO  ", 1, false, 37, 37, false, 122, 22);
        gaugeState.routeCount = 3;
        gaugeState.routeMode = 1;
    }
};

TEST_F(ScreenTest, NavigationPageInDirectTo)
{
    SetActiveWaypoint(MakeWaypoint("KSEA  ", 1, false, 47, 27, false, 122, 18));
    gaugeState.groundSpeed = 119.6;
    gaugeState.activeDistance = 12.34;
    gaugeState.activeBearing = 45.0;
    gaugeState.activeEteHours = 0;
    gaugeState.activeEteMinutes = 6;
    std::strcpy(gaugeState.screenLines[3], "stale");
    ShowPage(1);
    EXPECT_EQ(Line(1), "GO TO:KSEA      GS:120KT");
    EXPECT_EQ(Line(2), "DIS:12.3NM     BRG:045\xB0");
    EXPECT_EQ(Line(3), "NXT:-----      ETE:00:06");
    EXPECT_EQ(Line(4), "");

    gaugeState.activeDistance = 1234.5;
    gaugeState.activeBearing = 360.0;
    ShowPage(1);
    EXPECT_EQ(Line(2), "DIS:1234.5NM   BRG:360\xB0");
    gaugeState.activeDistance = 0.04;
    gaugeState.activeBearing = 7.0;
    ShowPage(1);
    EXPECT_EQ(Line(2), "DIS: 0.0NM     BRG:007\xB0");
}

TEST_F(ScreenTest, NavigationPageOnARoute)
{
    SetRoute();
    gaugeState.routeIndex = 1;
    SetActiveWaypoint(gaugeState.route[1]);
    gaugeState.activeEteHours = 1;
    gaugeState.activeEteMinutes = 5;
    ShowPage(1);
    EXPECT_EQ(Line(3), "NXT:KSFO       ETE:01:05");
    EXPECT_EQ(Line(4), "  WPT:2/3");

    gaugeState.routeIndex = 2;
    ShowPage(1);
    EXPECT_EQ(Line(3), "NXT:-----      ETE:01:05");
    EXPECT_EQ(Line(4), "  WPT:3/3");
}

TEST_F(ScreenTest, AShortIdentifierStillJoinsTheTwoHalves)
{
    SetRoute();
    std::strcpy(gaugeState.route[1].id, "");
    ShowPage(1);
    EXPECT_EQ(Line(3), "NXT:           ETE:00:00");
}

TEST_F(ScreenTest, PositionPage)
{
    gaugeState.aircraftLatitude = -33.5;
    gaugeState.aircraftLongitude = -151.25;
    gaugeState.altitudeFeet = 2999.6;
    gaugeState.aircraftHeading = 87.4;
    gaugeState.magneticVariation = -12.7;
    platform.hostValues[0x157] = 14.5;
    platform.hostValues[0x158] = 271.2;
    ShowPage(2);
    EXPECT_EQ(Line(1), "S033\xB0"
                       "30'00\"   ALT:3000FT");
    EXPECT_EQ(Line(2), "E151\xB0"
                       "15'00\"   HDG:87\xB0");
    EXPECT_EQ(Line(3), "VAR:E12\xB0      WIND:14KT");  // 14.5 rounds to even
    EXPECT_EQ(Line(4), " DIR:271\xB0");
    EXPECT_EQ(platform.refreshed, (std::vector<uint32_t>{0x157, 0x158}));

    gaugeState.aircraftLatitude = 12.3456;
    gaugeState.aircraftLongitude = 0.0;
    gaugeState.magneticVariation = 3.2;
    ShowPage(2);
    EXPECT_EQ(Line(1).substr(0, 11), "N012\xB0"
                                     "20'44\"");  // minutes and seconds truncated
    EXPECT_EQ(Line(2).substr(0, 11), "W000\xB0"
                                     "00'00\"");
    EXPECT_EQ(Line(3).substr(0, 8), "VAR:W03\xB0");
}

TEST_F(ScreenTest, RoutePageAtTheEndsAndInTheMiddle)
{
    SetRoute();
    SetActiveWaypoint(gaugeState.route[0]);
    gaugeState.aircraftLatitude = 47.45;
    gaugeState.aircraftLongitude = 122.3;
    gaugeState.activeDistance = 0.0;
    gaugeState.groundSpeed = 120.0;
    ShowPage(3);
    EXPECT_EQ(Line(1), "FROM:-----    0.0NM 00:00");
    EXPECT_EQ(Line(2), "GOTO:KSEA     0.0NM 00:00");
    EXPECT_EQ(Line(3).substr(0, 10), "NEXT:KPDX ");

    gaugeState.routeIndex = 2;
    gaugeState.activeDistance = 480.0;
    gaugeState.activeEteHours = 4;
    ShowPage(3);
    EXPECT_EQ(Line(1).substr(0, 10), "FROM:KPDX ");
    EXPECT_EQ(Line(2), "GOTO:KSFO   480.0NM 04:00");
    EXPECT_EQ(Line(3), "NEXT:-----    0.0NM 00:00");
    EXPECT_EQ(Line(4), "   ETA:04:00");
}

// Every route line fits the screen whole, for identifiers of 1 to 6 characters (blank-padded
// as the table gives them) and legs up to 9999.9 NM: the label and the identifier, a blank,
// the distance (one decimal where it fits, else whole miles), "NM" and the time, with "NM"
// and the time in the same columns on every line.
TEST_F(ScreenTest, RouteLinesKeepTheirTimeForEveryIdentifierLength)
{
    const char* const ids[] = {"A     ", "AB    ", "ABC   ", "ABCD  ", "ABCDE ", "ABCDEF"};
    const double distances[] = {0.04, 6.7, 99.96, 999.9, 999.96, 1234.5, 9999.9};
    SetRoute();
    gaugeState.routeIndex = 1;
    gaugeState.groundSpeed = 101.0;
    // The aircraft stands at the equator; the previous waypoint far north, the next far south.
    gaugeState.route[0].lat2 = 80;
    gaugeState.route[2].lat1 = 1;
    gaugeState.route[2].lat2 = 80;
    gaugeState.aircraftLatitude = 0.0;
    gaugeState.aircraftLongitude = 122.0;
    for (const char* id : ids) {
        const std::string shown = std::string(id).substr(0, std::string(id).find(' '));
        for (int i = 0; i < 3; ++i) std::strcpy(gaugeState.route[i].id, id);
        for (double distance : distances) {
            SCOPED_TRACE(shown + " at " + std::to_string(distance));
            SetActiveWaypoint(gaugeState.route[1]);
            gaugeState.activeDistance = distance;
            FlightTime active = ComputeEte(distance);
            gaugeState.activeEteHours = active.hours;
            gaugeState.activeEteMinutes = active.minutes;
            ShowPage(3);
            const char* labels[] = {"FROM:", "GOTO:", "NEXT:"};
            const double legs[] = {FromDistance(), distance, NextDistance()};
            for (int line = 1; line <= 3; ++line) {
                const std::string text = Line(line);
                const FlightTime time = ComputeEte(legs[line - 1]);
                char tail[16];
                std::snprintf(tail, sizeof tail, "NM %02d:%02d", time.hours, time.minutes);
                ASSERT_EQ(text.size(), 25u) << text;
                EXPECT_EQ(text.substr(0, 6 + shown.size()), labels[line - 1] + shown + " ");
                EXPECT_EQ(text.substr(17), tail) << text;
                // The distance: one decimal unless that leaves it no room.
                const std::string figure = text.substr(6 + shown.size(), 11 - shown.size());
                const bool whole = figure.find('.') == std::string::npos;
                EXPECT_NEAR(std::stod(figure), legs[line - 1], whole ? 0.5 : 0.05) << text;
                char decimal[32];
                const int decimalLength =
                    std::snprintf(decimal, sizeof decimal, "%.1f", legs[line - 1]);
                EXPECT_EQ(whole, decimalLength > int(11 - shown.size())) << text;
            }
        }
    }
    // The narrowest case, as the unit shows it.
    gaugeState.activeDistance = 1000.0;
    gaugeState.activeEteHours = 9;
    gaugeState.activeEteMinutes = 54;
    ShowPage(3);
    EXPECT_EQ(Line(2), "GOTO:ABCDEF  1000NM 09:54");
}

TEST_F(ScreenTest, OtherPageNumbersWriteNothing)
{
    std::strcpy(gaugeState.screenLines[0], "kept");
    ShowPage(4);
    EXPECT_EQ(Line(1), "kept");
}

TEST_F(ScreenTest, AMissingWaypointIsNamedPlainly)
{
    SetRoute();
    gaugeState.activeWaypointLookup = WaypointNoDatabase;
    ShowPage(1);
    EXPECT_EQ(Line(1), "GO TO:NO DATABASE");
    EXPECT_EQ(Line(2), "");
    EXPECT_EQ(Line(3), "");
    EXPECT_EQ(Line(4), "  WPT:1/3");
    gaugeState.activeWaypointLookup = WaypointNoRecord;
    ShowPage(3);
    EXPECT_EQ(Line(2), "GOTO:NO WAYPOINT");
    EXPECT_EQ(Line(1) + Line(3) + Line(4), "");
}

TEST_F(ScreenTest, CopyCutsEachLineToItsCapacity)
{
    std::strcpy(gaugeState.screenLines[0], "GOTO:KSFO    480.0NM 04:00");
    std::strcpy(gaugeState.screenLines[1], "short");
    std::strcpy(gaugeState.screenLines[2], "");
    std::strcpy(gaugeState.screenLines[3], "   ETA:104:00 and more");
    CopyLinesToScreen();
    EXPECT_EQ(platform.Screen(1), "GOTO:KSFO    480.0NM 04:0");
    EXPECT_EQ(platform.Screen(2), "short");
    EXPECT_EQ(platform.Screen(3), "");
    EXPECT_EQ(platform.Screen(4), "   ETA:104:0");
}

}  // namespace
