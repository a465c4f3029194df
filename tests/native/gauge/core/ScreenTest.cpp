#include <string>

#include "GaugeTestSupport.h"
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
    EXPECT_EQ(Line(2), "GOTO:KSEA      0.0NM 00:00");
    EXPECT_EQ(Line(3).substr(0, 12), "NEXT:KPDX   ");

    gaugeState.routeIndex = 2;
    gaugeState.activeDistance = 480.0;
    gaugeState.activeEteHours = 4;
    ShowPage(3);
    EXPECT_EQ(Line(1).substr(0, 12), "FROM:KPDX   ");
    EXPECT_EQ(Line(2), "GOTO:KSFO    480.0NM 04:00");  // 26 characters; the screen shows 25
    EXPECT_EQ(Line(3), "NEXT:-----    0.0NM 00:00");
    EXPECT_EQ(Line(4), "   ETA:04:00");
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
