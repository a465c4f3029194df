#include <string>
#include <vector>

#include "Configuration.h"
#include "GaugeTestSupport.h"

using namespace gauge;

namespace {

using Calls = std::vector<std::string>;

class ConfigurationTest : public GaugeTest {
protected:
    void SetUp() override
    {
        GaugeTest::SetUp();
        platform.dataDirectory = "C:\\DATA";
        engine.integers = {{"POWER", 1},   {"AUTOPILOT", 1}, {"ALARM", 1}, {"LASTFILE", 1},
                           {"RTEMODE", 1}, {"NRTEWPT", 3},   {"ACTRTE", 1}};
        engine.doubles = {{"AUTODIS", 0.5}, {"ALARMDIS", 3.0}};
        engine.texts = {{"LASTREC", "00000020"},
                        {"ID", "WPT   "},
                        {"NUM", "00000020"},
                        {"RTEWPTS", "100000010"
                                    "200000020"
                                    "300000030" +
                                        std::string(27 * 9, ' ')}};
    }
};

TEST_F(ConfigurationTest, RestoresSwitchesRouteAndActiveWaypointInOrder)
{
    LoadConfiguration();
    EXPECT_EQ(engine.calls[0], "TableOpen(C:\\DATA\\CONFIG.DBF,CONFIG,1,2)");
    EXPECT_EQ(engine.calls[1], "TableSetPassword(KW%BN4#3)");
    EXPECT_EQ(engine.calls[2], "RecordGoTop");
    EXPECT_EQ(engine.CallsStartingWith("TableOpen"),
              (Calls{"TableOpen(C:\\DATA\\CONFIG.DBF,CONFIG,1,2)",
                     "TableOpen(C:\\DATA\\AIRPORTS.DBF,ACTWPT,1,2)",
                     "TableOpen(C:\\DATA\\NAVAIDS.DBF,ACTWPT,1,2)",
                     "TableOpen(C:\\DATA\\USERS.DBF,ACTWPT,1,2)",
                     "TableOpen(C:\\DATA\\AIRPORTS.DBF,ACTWPT,1,2)"}));
    EXPECT_EQ(engine.CallsStartingWith("RecordSeek"),
              (Calls{"RecordSeek(00000010)", "RecordSeek(00000020)", "RecordSeek(00000030)",
                     "RecordSeek(00000020)"}));
    EXPECT_EQ(engine.calls.back(), "TableCloseAll");

    const GaugeState& s = gaugeState;
    EXPECT_EQ(s.powerOn, 1);
    EXPECT_EQ(platform.timerStarts, 1);
    EXPECT_EQ(s.autopilotOn, 1);  // read after switching on reset it
    EXPECT_EQ(s.alarmOn, 1);
    EXPECT_FALSE(platform.IsHidden(GaugeElement::autopilotLamp));
    EXPECT_FALSE(platform.IsHidden(GaugeElement::alarmLamp));
    EXPECT_EQ(s.nextWaypointDistance, 0.5);
    EXPECT_EQ(s.alarmDistance, 3.0);
    EXPECT_EQ(s.routeCount, 3);
    EXPECT_EQ(s.routeIndex, 1);
    EXPECT_EQ(s.route[0].table, 1);
    EXPECT_EQ(s.route[1].table, 2);
    EXPECT_EQ(s.route[2].table, 3);
    EXPECT_EQ(s.route[3].table, 0);
    EXPECT_STREQ(s.activeWaypoint.num, "00000020");
    EXPECT_EQ(s.pageCount, 3);
    EXPECT_EQ(s.currentPage, 1);
    EXPECT_EQ(s.infoPageShown, 0);
}

TEST_F(ConfigurationTest, UnitSavedOffStaysOffWithoutATimer)
{
    engine.integers["POWER"] = 0;
    engine.integers["RTEMODE"] = 0;
    LoadConfiguration();
    EXPECT_EQ(gaugeState.powerOn, 0);
    EXPECT_EQ(platform.timerStarts, 0);
    EXPECT_EQ(gaugeState.routeCount, 0);  // route fields ignored
    EXPECT_EQ(gaugeState.route[0].table, 0);
    EXPECT_EQ(gaugeState.pageCount, 2);
}

TEST_F(ConfigurationTest, NoLastFileAndABlankKeyOpenUserWaypointsFromTheFirstKey)
{
    engine.integers["LASTFILE"] = 0;
    engine.integers["RTEMODE"] = 0;
    engine.texts["LASTREC"] = "        ";
    LoadConfiguration();
    EXPECT_EQ(engine.CallsStartingWith("TableOpen").back(),
              "TableOpen(C:\\DATA\\USERS.DBF,ACTWPT,1,2)");
    EXPECT_EQ(engine.CallsStartingWith("RecordSeek"), (Calls{"RecordSeek(        )"}));
}

TEST_F(ConfigurationTest, StoredCountsAndIndexesOutsideTheRouteAreBroughtIntoRange)
{
    struct Case {
        short count, index;
        int32_t mode, restoredCount, restoredIndex;
    } cases[] = {
        {45, 40, 1, 30, 29}, {3, 7, 1, 3, 2}, {3, -2, 1, 3, 0}, {-4, 0, 0, 0, 0}, {0, 5, 0, 0, 0}};
    std::string fullRoute;
    for (int i = 0; i < RouteCapacity; ++i) fullRoute += "1" + std::to_string(10000000 + i);
    for (const Case& c : cases) {
        ResetGauge();
        platform.dataDirectory = "C:\\DATA";
        engine.texts["RTEWPTS"] = fullRoute;
        engine.integers["NRTEWPT"] = c.count;
        engine.integers["ACTRTE"] = c.index;
        LoadConfiguration();
        EXPECT_EQ(gaugeState.routeMode, c.mode) << c.count << " " << c.index;
        EXPECT_EQ(gaugeState.routeCount, c.restoredCount) << c.count << " " << c.index;
        EXPECT_EQ(gaugeState.routeIndex, c.restoredIndex) << c.count << " " << c.index;
        EXPECT_EQ(gaugeState.pageCount, c.mode ? 3 : 2);
    }
}

TEST_F(ConfigurationTest, GapsInARestoredRouteCloseAndTheActiveIndexFollowsItsWaypoint)
{
    const std::string blank(9, ' ');
    struct Case {
        short index;
        int32_t restoredIndex;
    } cases[] = {{0, 0}, {1, 1}, {2, 1},
                 {3, 2}, {4, 2}, {5, 2}};  // a gap leads to the next waypoint
    for (const Case& c : cases) {
        ResetGauge();
        engine.calls.clear();
        platform.dataDirectory = "C:\\DATA";
        // Slots 0, 2, 4 filled; 1, 3 and 5 blank, all inside the stored count.
        engine.texts["RTEWPTS"] = "100000010" + blank + "200000020" + blank + "300000030" + blank;
        engine.integers["NRTEWPT"] = 6;
        engine.integers["ACTRTE"] = c.index;
        LoadConfiguration();
        const GaugeState& s = gaugeState;
        EXPECT_EQ(s.routeMode, 1);
        EXPECT_EQ(s.routeCount, 3);
        EXPECT_EQ(s.routeIndex, c.restoredIndex) << c.index;
        EXPECT_EQ((std::vector<int32_t>{s.route[0].table, s.route[1].table, s.route[2].table,
                                        s.route[3].table}),
                  (std::vector<int32_t>{1, 2, 3, 0}));
        // Only waypoints are looked up, never a table 0 that would wrap to user waypoints.
        EXPECT_EQ(engine.CallsStartingWith("RecordSeek"),
                  (Calls{"RecordSeek(00000010)", "RecordSeek(00000020)", "RecordSeek(00000030)",
                         "RecordSeek(00000020)"}));
    }

    // Nothing but gaps: Direct-To operation.
    ResetGauge();
    engine.texts["RTEWPTS"] = blank + blank;
    engine.integers["NRTEWPT"] = 2;
    LoadConfiguration();
    EXPECT_EQ(gaugeState.routeMode, 0);
    EXPECT_EQ(gaugeState.routeCount, 0);
    EXPECT_EQ(gaugeState.pageCount, 2);
}

TEST_F(ConfigurationTest, SavesEveryFieldInItsOrder)
{
    GaugeState& s = gaugeState;
    s.powerOn = 1;
    s.activeWaypoint = MakeWaypoint("KSEA", 1, false, 0, 0, false, 0, 0, "00001234");
    s.nextWaypointDistance = 0.75;
    s.autopilotOn = 1;
    s.alarmDistance = 2.5;
    s.alarmOn = 0;
    s.routeMode = 1;
    s.routeCount = 2;
    s.routeIndex = 1;
    s.route[0] = MakeWaypoint("VOR", 2, false, 0, 0, false, 0, 0, "00000417");
    s.route[1] = s.activeWaypoint;
    SaveConfiguration();
    EXPECT_EQ(
        engine.calls,
        (Calls{"TableOpen(C:\\DATA\\CONFIG.DBF,CONFIG,0,2)", "TableSetPassword(KW%BN4#3)",
               "RecordGoTop", "FieldReplace(POWER,1,1)", "FieldReplace(LASTFILE,1,1)",
               "FieldReplace(LASTREC,1024,00001234)", "FieldReplace(AUTODIS,8,0.750000)",
               "FieldReplace(AUTOPILOT,1,1)", "FieldReplace(ALARMDIS,8,2.500000)",
               "FieldReplace(ALARM,1,0)", "FieldReplace(RTEMODE,1,1)", "FieldReplace(NRTEWPT,1,2)",
               "FieldReplace(ACTRTE,1,1)",
               "FieldReplace(RTEWPTS,1024,200000417100001234" + std::string(28 * 9, ' ') + ")",
               "TableCloseAll"}));
}

}  // namespace
