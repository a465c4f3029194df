#include <string>
#include <vector>

#include "GaugeTestSupport.h"
#include "WaypointAccess.h"

using namespace gauge;

namespace {

using Calls = std::vector<std::string>;

class WaypointAccessTest : public GaugeTest {};

TEST_F(WaypointAccessTest, OpeningClosesEverythingThenOpensReadOnlyInIdentifierOrder)
{
    platform.dataDirectory = "D:\\NAV\\";
    OpenWaypointTable(2);
    EXPECT_EQ(engine.calls, (Calls{"TableCloseAll", "TableOpen(D:\\NAV\\\\NAVAIDS.DBF,ACTWPT,1,2)",
                                   "TableSetPassword(KW%BN4#3)", "TagOrder(ID)"}));
    EXPECT_EQ(gaugeState.currentTable, 2);
}

TEST_F(WaypointAccessTest, TableNumbersWrap)
{
    struct Case {
        int32_t asked, opened;
        const char* file;
    } cases[] = {
        {1, 1, "AIRPORTS"}, {3, 3, "USERS"}, {4, 1, "AIRPORTS"}, {0, 3, "USERS"}, {-7, 3, "USERS"}};
    for (const Case& c : cases) {
        engine.calls.clear();
        OpenWaypointTable(c.asked);
        EXPECT_EQ(gaugeState.currentTable, c.opened);
        EXPECT_EQ(engine.calls[1],
                  "TableOpen(C:\\FS98\\GPSDATA\\\\" + std::string(c.file) + ".DBF,ACTWPT,1,2)");
    }
}

TEST_F(WaypointAccessTest, OpeningShowsABlinkingAlarmLampSteadily)
{
    platform.hidden[static_cast<int>(GaugeElement::alarmLamp)] = true;
    OpenWaypointTable(1);
    EXPECT_TRUE(platform.IsHidden(GaugeElement::alarmLamp));
    gaugeState.alarmOn = 1;
    OpenWaypointTable(1);
    EXPECT_FALSE(platform.IsHidden(GaugeElement::alarmLamp));
}

TEST_F(WaypointAccessTest, SeekingUsesTheNumberOrderAndReturnsToIdentifiers)
{
    OpenWaypointTable(1);
    engine.calls.clear();
    SeekWaypointByNum("00000042");
    EXPECT_EQ(engine.calls, (Calls{"TagOrder(NUM)", "RecordSeek(00000042)", "TagOrder(ID)"}));
}

TEST_F(WaypointAccessTest, ReadingCopiesTheRecordAndCutsTheNameAt30)
{
    engine.texts = {{"NUM", "00000042"},
                    {"ID", "LFPG  "},
                    {"NAME", "CHARLES DE GAULLE ROISSY INTERNATIONAL AIRPORT"}};
    engine.integers = {{"LAT1", 0}, {"LAT2", 49}, {"LAT3", 0},  {"LAT4", 35},
                       {"LON1", 1}, {"LON2", 2},  {"LON3", 33}, {"LON4", -1}};
    OpenWaypointTable(5);
    WaypointRecord w{};
    EXPECT_TRUE(ReadWaypoint(w));
    EXPECT_STREQ(w.num, "00000042");
    EXPECT_STREQ(w.id, "LFPG  ");
    EXPECT_EQ(w.table, 1);
    EXPECT_EQ(std::string(w.name), "CHARLES DE GAULLE ROISSY INTER");
    EXPECT_EQ(w.name[30], 0);
    EXPECT_EQ(w.lat4, 35);
    EXPECT_EQ(w.lon1, 1);
    EXPECT_EQ(w.lon4, -1);  // widened with its sign

    engine.texts["NAME"] = "ORLY";
    EXPECT_TRUE(ReadWaypoint(w));
    EXPECT_EQ(std::string(w.name, 30), std::string("ORLY") + std::string(26, '\0'));
}

TEST_F(WaypointAccessTest, ActiveWaypointInRadians)
{
    engine.integers = {{"LAT1", 0}, {"LAT2", 45}, {"LAT3", 30}, {"LAT4", 36},
                       {"LON1", 1}, {"LON2", 45}, {"LON3", 30}, {"LON4", 36}};
    OpenWaypointTable(1);
    SeekWaypointByNum("00000001");
    LoadActiveWaypoint();
    EXPECT_EQ(gaugeState.activeLatitude,
              (36 * 0.0002777777777777778 + 30 * 0.016666666666666666 + 45) * 0.017453292519944444);
    EXPECT_NEAR(gaugeState.activeLatitude, 0.794299, 1e-6);
    EXPECT_EQ(gaugeState.activeLongitude, -gaugeState.activeLatitude);  // east is negative
    EXPECT_EQ(gaugeState.activeWaypointLookup, WaypointFound);
}

TEST_F(WaypointAccessTest, AMissingTableKeepsTheKeyAndSaysSo)
{
    gaugeState.activeWaypoint = MakeWaypoint("OLD", 1, false, 10, 0, false, 10, 0);
    engine.openSucceeds = false;
    engine.atEof = true;
    OpenWaypointTable(2);
    SeekWaypointByNum("00000777");
    LoadActiveWaypoint();
    EXPECT_EQ(gaugeState.activeWaypointLookup, WaypointNoDatabase);
    EXPECT_STREQ(gaugeState.activeWaypoint.num, "00000777");
    EXPECT_EQ(gaugeState.activeWaypoint.table, 2);
    EXPECT_STREQ(gaugeState.activeWaypoint.id, "");
    EXPECT_EQ(gaugeState.activeLatitude, 0.0);
}

TEST_F(WaypointAccessTest, ASeekPastTheLastKeyIsNoRecord)
{
    engine.atEof = true;
    OpenWaypointTable(3);
    SeekWaypointByNum("99999999");
    LoadActiveWaypoint();
    EXPECT_EQ(gaugeState.activeWaypointLookup, WaypointNoRecord);
    EXPECT_STREQ(gaugeState.activeWaypoint.num, "99999999");

    // A new open forgets the key: a read without a seek keeps nothing stale.
    OpenWaypointTable(3);
    WaypointRecord w{};
    EXPECT_FALSE(ReadWaypoint(w));
    EXPECT_STREQ(w.num, "");
}

}  // namespace
