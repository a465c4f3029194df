// Waypoint lookups and the saved state against real tables made from the navigation schema.
#include <cstring>
#include <string>

#include "Configuration.h"
#include "GaugeAngles.h"
#include "GaugeTablesFixture.h"
#include "WaypointAccess.h"

using namespace gauge;

namespace {

TEST_F(GaugeTablesTest, SeekFindsTheKeyOrTheNextHigherOne)
{
    OpenWaypointTable(4);
    SeekWaypointByNum("00000020");
    LoadActiveWaypoint();
    EXPECT_EQ(TrimRight(gaugeState.activeWaypoint.id), "KOLM");
    EXPECT_EQ(gaugeState.activeWaypoint.table, 1);
    EXPECT_EQ(gaugeState.activeLongitude,
              (8 * nav::DegreesPerSecond + 54 * nav::DegreesPerMinute + 122) *
                  nav::DegreesToRadians);

    SeekWaypointByNum("00000011");
    LoadActiveWaypoint();
    EXPECT_STREQ(gaugeState.activeWaypoint.num, "00000020");
    EXPECT_EQ(gaugeState.activeWaypointLookup, WaypointFound);

    WaypointRecord w{};
    SeekWaypointByNum("00000010");
    EXPECT_TRUE(ReadWaypoint(w));
    EXPECT_EQ(std::string(w.name), "SEATTLE-TACOMA INTERNATIONAL A");
    TableCloseAll();
}

TEST_F(GaugeTablesTest, NoRecordAfterTheLastKeyAndNoDatabaseWithoutTheTable)
{
    OpenWaypointTable(1);
    SeekWaypointByNum("00000099");
    LoadActiveWaypoint();
    EXPECT_EQ(gaugeState.activeWaypointLookup, WaypointNoRecord);
    EXPECT_STREQ(gaugeState.activeWaypoint.num, "00000099");

    OpenWaypointTable(3);  // empty user waypoints
    SeekWaypointByNum("        ");
    LoadActiveWaypoint();
    EXPECT_EQ(gaugeState.activeWaypointLookup, WaypointNoRecord);

    platform.dataDirectory = (directory_ / "missing").string() + "/";
    OpenWaypointTable(1);
    SeekWaypointByNum("00000010");
    LoadActiveWaypoint();
    EXPECT_EQ(gaugeState.activeWaypointLookup, WaypointNoDatabase);
    EXPECT_STREQ(gaugeState.activeWaypoint.num, "00000010");
    TableCloseAll();
}

TEST_F(GaugeTablesTest, OpeningAWaypointTableClosesTheRunwayTable)
{
    OpenTable(TablePath("RUNWAYS"), "RUNWAYS");
    EXPECT_GT(AreaOfAlias("RUNWAYS"), 0);
    OpenWaypointTable(2);
    EXPECT_EQ(AreaOfAlias("RUNWAYS"), 0);
    TableCloseAll();
}

TEST_F(GaugeTablesTest, UnloadSavesWhatLoadRestores)
{
    SetConfig({{"POWER", 1},
               {"AUTOPILOT", 1},
               {"ALARM", 1},
               {"LASTFILE", 1},
               {"RTEMODE", 1},
               {"NRTEWPT", 3},
               {"ACTRTE", 1}},
              "00000020",
              "100000010"
              "100000020"
              "100000030");
    LoadConfiguration();
    GaugeState loaded = gaugeState;
    EXPECT_EQ(loaded.routeCount, 3);
    EXPECT_EQ(TrimRight(loaded.route[2].id), "KPDX");
    EXPECT_EQ(TrimRight(loaded.activeWaypoint.id), "KOLM");
    EXPECT_EQ(loaded.autopilotOn, 1);
    EXPECT_EQ(loaded.pageCount, 3);

    gaugeState.alarmDistance = 4.5;
    gaugeState.nextWaypointDistance = 0.25;
    SaveConfiguration();
    OpenTable(config_, "CONFIG");
    RecordGoTop();
    EXPECT_EQ(Text("RTEWPTS"), "100000010100000020100000030" + std::string(27 * 9, ' '));
    EXPECT_EQ(TrimRight(Text("LASTREC")), "00000020");
    EXPECT_EQ(FieldGetDouble("ALARMDIS"), 4.5);
    TableCloseAll();

    ResetGauge();
    platform.dataDirectory = directory_.string() + "/";
    LoadConfiguration();
    EXPECT_EQ(gaugeState.alarmDistance, 4.5);
    EXPECT_EQ(gaugeState.nextWaypointDistance, 0.25);
    EXPECT_EQ(std::memcmp(gaugeState.route, loaded.route, sizeof loaded.route), 0);
    EXPECT_EQ(std::memcmp(&gaugeState.activeWaypoint, &loaded.activeWaypoint,
                          sizeof loaded.activeWaypoint),
              0);
    EXPECT_EQ(gaugeState.routeIndex, 1);
    EXPECT_EQ(gaugeState.alarmOn, 1);
}

TEST_F(GaugeTablesTest, ABlankKeyOpensTheLowestKey)
{
    SetConfig({{"POWER", 0}, {"LASTFILE", 1}, {"RTEMODE", 0}, {"NRTEWPT", 3}}, "", "100000030");
    LoadConfiguration();
    EXPECT_EQ(TrimRight(gaugeState.activeWaypoint.id), "KSEA");
    EXPECT_EQ(gaugeState.routeCount, 0);
    EXPECT_EQ(gaugeState.route[0].table, 0);
    EXPECT_EQ(gaugeState.pageCount, 2);
}

TEST_F(GaugeTablesTest, AStoredCountAboveThirtyIsClamped)
{
    std::string route;
    for (int i = 0; i < 30; ++i) route += i % 2 ? "100000020" : "100000010";
    SetConfig({{"POWER", 1}, {"LASTFILE", 1}, {"RTEMODE", 1}, {"NRTEWPT", 99}, {"ACTRTE", 50}},
              "00000010", route);
    LoadConfiguration();
    EXPECT_EQ(gaugeState.routeCount, 30);
    EXPECT_EQ(gaugeState.routeIndex, 29);
    EXPECT_EQ(TrimRight(gaugeState.route[0].id), "KSEA");
    EXPECT_EQ(TrimRight(gaugeState.route[29].id), "KOLM");
}

TEST_F(GaugeTablesTest, AMissingDataDirectoryKeepsTheUnitRunning)
{
    platform.dataDirectory = (directory_ / "missing").string() + "/";
    LoadConfiguration();
    EXPECT_EQ(gaugeState.activeWaypointLookup, WaypointNoDatabase);
    EXPECT_EQ(gaugeState.powerOn, 0);
    SaveConfiguration();  // writes into nothing
}

}  // namespace
