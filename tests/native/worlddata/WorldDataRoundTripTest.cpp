// navdb convert, then navdb import into fresh tables: every line lands in its table as
// dbfread reads it, the gauge finds the waypoints by their keys, and a route saved before a
// newer edition is converted and imported still leads to the same places.
#include "Configuration.h"
#include "EngineTestSupport.h"
#include "GaugeState.h"
#include "RecordingPlatform.h"
#include "WaypointAccess.h"
#include "WorldDataTestSupport.h"

#include <algorithm>
#include <cstdio>

using namespace gauge;
using namespace worlddata;

namespace {

struct NavdbRun {
    int status;
    std::vector<std::string> output;  // standard output and error
};

NavdbRun Navdb(const std::vector<std::string>& arguments)
{
    std::vector<std::string> quoted;
    for (const std::string& argument : arguments) quoted.push_back("'" + argument + "'");
    quoted.back() += " 2>&1";
    ChildProcess child(NAVDB_PROGRAM, quoted);
    NavdbRun run;
    for (std::string line = child.ReadLine(); !line.empty(); line = child.ReadLine())
        run.output.push_back(line);
    run.status = child.Wait();
    return run;
}

class WorldDataRoundTrip : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGauge();
        SetDeletedHidden(1);
        SetSoftSeek(1);
        database_ = (scratch_.path / "data").string();
        ASSERT_EQ(Navdb({"init", database_}).status, 0);
        platform.dataDirectory = database_ + "/";
    }

    // Converts into files/, imports them, and returns what convert printed.
    std::vector<std::string> ConvertAndImport(const char* apt, const char* nav)
    {
        return ConvertAndImport({"convert", Fixture(apt), Fixture(nav)}, {});
    }
    // `convert` is the command and its input files, `options` what follows the output.
    std::vector<std::string> ConvertAndImport(std::vector<std::string> convert,
                                              const std::vector<std::string>& options)
    {
        std::string files = (scratch_.path / "files").string();
        convert.push_back(files);
        convert.insert(convert.end(), options.begin(), options.end());
        NavdbRun converted = Navdb(convert);
        EXPECT_EQ(converted.status, 0);
        NavdbRun import = Navdb({"import", database_, files + "/AIRPORTS.GPS",
                                 files + "/RUNWAYS.GPS", files + "/NAVAIDS.GPS"});
        EXPECT_EQ(import.status, 0);
        return converted.output;
    }

    // The import's own reading of the columns, redone independently in Python and compared
    // with the tables as dbfread reads them.
    void ExpectTablesHoldTheFiles()
    {
        ChildProcess check("/usr/bin/python3",
                           {SAMPLE_DATABASE_CHECK, database_, (scratch_.path / "files").string()});
        std::string last;
        for (std::string line = check.ReadLine(); !line.empty(); line = check.ReadLine())
            last = line;
        EXPECT_EQ(check.Wait(), 0);
        EXPECT_EQ(last, database_ + ": 0 differences");
    }

    static WaypointRecord Lookup(int table, const std::string& num)
    {
        WaypointRecord waypoint{};
        OpenWaypointTable(table);
        SeekWaypointByNum(num.c_str());
        EXPECT_TRUE(ReadWaypoint(waypoint));
        TableCloseAll();
        return waypoint;
    }

    ScratchDirectory scratch_;
    std::string database_;
};

TEST_F(WorldDataRoundTrip, ImportedTablesHoldEveryLineAndTheGaugeFindsTheWaypoints)
{
    std::vector<std::string> printed = ConvertAndImport("apt1100.dat", "nav810.dat");
    for (const char* line :
         {"apt.dat version 1100, nav.dat version 810",
          "written: 3 airports, 3 runways (2 runway ends with their localizer), 6 navaids",
          "skipped: 7", "  1 malformed rows (reported above)"})
        EXPECT_NE(std::find(printed.begin(), printed.end(), line), printed.end()) << line;

    ExpectTablesHoldTheFiles();  // variations too: the region's are 17..21 east

    WaypointRecord seattle = Lookup(1, "KSEA____");
    EXPECT_EQ(TrimRight(seattle.id), "KSEA");
    EXPECT_EQ(TrimRight(seattle.name), "Seattle Tacoma Intl");
    EXPECT_EQ(seattle.table, 1);
    EXPECT_EQ(seattle.lat2 * 10000 + seattle.lat3 * 100 + seattle.lat4, 472700);
    EXPECT_EQ(seattle.lon1 * 1000000 + seattle.lon2 * 10000 + seattle.lon3 * 100 + seattle.lon4,
              1221842);

    std::vector<std::string> navaids = RecordLines(scratch_.path / "files" / "NAVAIDS.GPS");
    std::string vortac = LineWhere(nav::ImportKind::Navaids, navaids, "ID", "SEA");
    WaypointRecord station = Lookup(2, Field(nav::ImportKind::Navaids, vortac, "NUM"));
    EXPECT_EQ(TrimRight(station.id), "SEA");
    EXPECT_EQ(TrimRight(station.name), "SEATTLE VORTAC");
    EXPECT_EQ(station.table, 2);
}

TEST_F(WorldDataRoundTrip, TheCsvDataSetConvertsAndImports)
{
    std::vector<std::string> printed =
        ConvertAndImport({"convert", "--csv", Fixture("airports.csv"), Fixture("runways.csv"),
                          Fixture("navaids.csv")},
                         {"--frequencies", Fixture("airport-frequencies.csv"), "--region", "40",
                          "-130", "50", "-120"});
    // LFPB lies outside the region, and so its runway is not written.
    for (const char* line :
         {"written: 3 airports, 4 runways (0 runway ends with their localizer), 7 navaids",
          "skipped: 11", "  3 malformed rows (reported above)", "  1 airport: outside the region",
          "  2 runway: of an airport not written"})
        EXPECT_NE(std::find(printed.begin(), printed.end(), line), printed.end()) << line;
    EXPECT_EQ(std::find_if(printed.begin(), printed.end(),
                           [](const std::string& line) { return line.starts_with("apt.dat"); }),
              printed.end());
    ExpectTablesHoldTheFiles();

    WaypointRecord seattle = Lookup(1, "KSEA____");
    EXPECT_EQ(TrimRight(seattle.id), "KSEA");
    EXPECT_EQ(TrimRight(seattle.name), "Seattle Tacoma Intl");
}

TEST_F(WorldDataRoundTrip, ASavedRouteLeadsToTheSamePlacesAfterANewerEdition)
{
    ConvertAndImport("apt_edition1.dat", "nav_edition1.dat");
    std::vector<std::string> navaids = RecordLines(scratch_.path / "files" / "NAVAIDS.GPS");
    std::string bravo = Field(nav::ImportKind::Navaids,
                              LineWhere(nav::ImportKind::Navaids, navaids, "ID", "BBB"), "NUM");
    std::string route = "1KBBB____2" + bravo + "1KDDD____";
    ASSERT_EQ(Navdb({"config", database_, "RTEWPTS=" + route, "NRTEWPT=3", "RTEMODE=1", "ACTRTE=0"})
                  .status,
              0);

    ConvertAndImport("apt_edition2.dat", "nav_edition2.dat");
    LoadConfiguration();
    ASSERT_EQ(gaugeState.routeCount, 3);
    EXPECT_EQ(TrimRight(gaugeState.route[0].id), "KBBB");
    EXPECT_EQ(gaugeState.route[0].lat4, 3);  // the position of the second edition: 47 12 03
    EXPECT_EQ(TrimRight(gaugeState.route[1].id), "BBB");
    EXPECT_EQ(gaugeState.route[1].table, 2);
    EXPECT_EQ(gaugeState.route[1].lat4, 3);
    EXPECT_EQ(TrimRight(gaugeState.route[2].id), "KDDD");
}

TEST_F(WorldDataRoundTrip, UnreadableInputStopsWithStatusOneAndWritesNothing)
{
    std::string files = (scratch_.path / "out").string();
    std::string missing = (scratch_.path / "nav.dat").string();
    NavdbRun run = Navdb({"convert", Fixture("apt850.dat"), missing, files});
    EXPECT_EQ(run.status, 1 << 8);  // as pclose reports exit status 1
    EXPECT_EQ(run.output, std::vector<std::string>{"navdb convert: cannot read " + missing +
                                                   ": No such file or directory; nothing written"});
    EXPECT_FALSE(std::filesystem::exists(files));

    EXPECT_EQ(Navdb({"convert", Fixture("apt850.dat"), Fixture("nav810.dat"), files, "--region",
                     "1", "2"})
                  .status,
              2 << 8);
}

}  // namespace
