// The CSV files of the world airport data set (fixtures/*.csv) converted: what each column
// becomes in the import files, what is skipped, and that an airport gets the same key as
// from apt.dat.
#include "StableNum.h"
#include "WorldDataTestSupport.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <tuple>

using namespace worlddata;

namespace {

using enum nav::ImportKind;

class CsvConversion : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        converted = new Converted;
        ConvertCsv(*converted, CsvFixtures());
        ASSERT_TRUE(converted->result.Ok()) << converted->result.Message();
    }
    static void TearDownTestSuite() { delete converted; }

    // The airport or navaid line of the identifier.
    static std::string Line(nav::ImportKind kind, const char* ident)
    {
        std::string line = LineWhere(
            kind, kind == Airports ? converted->airports : converted->navaids, "ID", ident);
        EXPECT_FALSE(line.empty()) << ident;
        return line;
    }
    static std::string Airport(const char* ident) { return Line(Airports, ident); }
    static std::string Navaid(const char* ident) { return Line(Navaids, ident); }
    // "16L/34R 11901 CONC LIGHTED" for each runway of the airport.
    static std::vector<std::string> RunwaysOf(const char* ident)
    {
        std::vector<std::string> runways;
        for (const std::string& line :
             LinesWhere(Runways, converted->runways, "NUM", AirportNum(ident))) {
            std::string text;
            for (const char* field : {"RUNWAYS", "LEN", "SURFACE", "REM", "NAV1", "NAV2"}) {
                std::string value = Field(Runways, line, field);
                if (!value.empty()) text += (text.empty() ? "" : " ") + value;
            }
            runways.push_back(text);
        }
        return runways;
    }

    static inline Converted* converted = nullptr;
};

TEST_F(CsvConversion, AirportColumns)
{
    std::string seattle = Airport("KSEA");
    EXPECT_EQ(Field(Airports, seattle, "NAME"), "Seattle Tacoma Intl");
    EXPECT_EQ(PositionText(Airports, seattle), "0 47 27 00 0 122 18 42");  // 59.6" carried
    EXPECT_EQ(Field(Airports, seattle, "ALT"), "433");
    EXPECT_EQ(Field(Airports, seattle, "VAR"), "A");
    EXPECT_EQ(Field(Airports, seattle, "COUNTRY"), "US");
    EXPECT_EQ(Field(Airports, seattle, "STATE"), "WA");
    EXPECT_EQ(Field(Airports, Airport("CYVR"), "STATE"), "BC");

    std::string paris = Airport("LFPB");
    EXPECT_EQ(Field(Airports, paris, "STATE"), "");  // a region code only for the US and Canada
    EXPECT_EQ(Field(Airports, paris, "COUNTRY"), "FR");
    EXPECT_EQ(Field(Airports, paris, "NAME"), "Paris\x96Le Bourget, \"A\xE9roport\"");
    EXPECT_EQ(PositionText(Airports, paris), "0 48 58 10 1 002 26 29");
    EXPECT_FALSE(Airport("WA55").empty());  // a heliport, its row holding a line break
}

TEST_F(CsvConversion, AtisAndTowerAreTheFirstOfTheirKindWhenFrequenciesAreGiven)
{
    // 118.025 cut to two decimals, not the later 118.0; 119.9, not the later 120.95.
    EXPECT_EQ(Field(Airports, Airport("KSEA"), "ATIS"), "118.02");
    EXPECT_EQ(Field(Airports, Airport("KSEA"), "TWR"), "119.90");
    EXPECT_EQ(Field(Airports, Airport("CYVR"), "ATIS"), "0.00");
    EXPECT_EQ(Field(Airports, Airport("CYVR"), "TWR"), "119.55");

    Converted without;
    ConvertCsv(without, CsvFixtures(false));
    ASSERT_TRUE(without.result.Ok());
    std::string seattle = LineWhere(Airports, without.airports, "ID", "KSEA");
    EXPECT_EQ(Field(Airports, seattle, "ATIS"), "0.00");
    EXPECT_EQ(Field(Airports, seattle, "TWR"), "0.00");
}

TEST_F(CsvConversion, RunwayColumns)
{
    // The given length, else the length between the ends (0.0247 degrees of latitude:
    // 2746.5 m); no localizers in the data set.
    EXPECT_EQ(RunwaysOf("KSEA"),
              (std::vector<std::string>{"16L/34R 11901 CONC LIGHTED", "16R/34L 9011 ASPH"}));
    EXPECT_EQ(RunwaysOf("CYVR"), std::vector<std::string>{"13/31 4000 GRASS"});
    EXPECT_EQ(RunwaysOf("WA55"), std::vector<std::string>{"H1 40 CONC LIGHTED"});
    EXPECT_EQ(RunwaysOf("LFPB"), std::vector<std::string>{"07/25 6000 CONC"});
}

TEST_F(CsvConversion, NavaidColumns)
{
    // An NDB-DME is listed as its NDB; a TACAN without a frequency leaves FREQ blank.
    for (auto [ident, type, frequency, altitude] : {std::tuple{"SEA", "VORTAC", "116.80", "354"},
                                                    {"UBG", "VORDME", "115.90", "200"},
                                                    {"OLM", "VOR", "113.00", "100"},
                                                    {"PAE", "DME", "110.60", "600"},
                                                    {"NUW", "TACAN", "", "50"},
                                                    {"BF", "NDB", "362", "0"},
                                                    {"YXX", "NDB", "344", "200"}}) {
        std::string line = Navaid(ident);
        EXPECT_EQ(Field(Navaids, line, "TYPE"), type) << ident;
        EXPECT_EQ(Field(Navaids, line, "FREQ"), frequency) << ident;
        EXPECT_EQ(Field(Navaids, line, "ALT"), altitude) << ident;
    }
    std::string seattle = Navaid("SEA");
    EXPECT_EQ(Field(Navaids, seattle, "NAME"), "SEATTLE");
    EXPECT_EQ(PositionText(Navaids, seattle), "0 47 26 07 0 122 18 35");
    // The key of nav.dat's scheme, with the country in place of the ICAO region.
    EXPECT_EQ(Field(Navaids, seattle, "NUM"),
              NavaidNumOfHash(NavaidIdentity("SEA", "VORTAC", "US", {47.4354, -122.3098})));
    EXPECT_EQ(LineWhere(Navaids, converted->navaids, "ID", "MKR"), "");  // a marker
}

TEST_F(CsvConversion, ProblemsByFileAndLineAndSkipsCountedByReason)
{
    ASSERT_TRUE(converted->result) << converted->result.Message();
    const ConversionSummary& result = *converted->result;
    EXPECT_EQ(result.airports, 4);
    EXPECT_EQ(result.runways, 5);
    EXPECT_EQ(result.navaids, 7);
    EXPECT_EQ(result.malformedRows, 3);
    EXPECT_EQ(result.skipped, (std::map<std::string, int>{
                                  {"airport: closed", 1},
                                  {"airport: identifier longer than 6 characters", 1},
                                  {"navaid: type that the table has no place for", 1},
                                  {"runway: closed", 1},
                                  {"runway: no length (neither length_ft nor the positions of "
                                   "both ends)",
                                   1},
                                  {"runway: of an airport not written", 1}}));
    std::vector<std::string> problems = converted->problems;
    std::sort(problems.begin(), problems.end());
    EXPECT_EQ(problems,
              (std::vector<std::string>{
                  Fixture("airports.csv") +
                      ":6: airport identifier \"XLONGID1\" is longer than 6 characters; skipped",
                  Fixture("airports.csv") + ":7: airport row without identifier or position",
                  Fixture("navaids.csv") + ":9: navaid row without identifier or position",
                  Fixture("runways.csv") + ":9: runway row without airport or designator"}));
    EXPECT_EQ(LineWhere(Airports, converted->airports, "ID", "WA77"),
              "");  // closed, and its runway
    EXPECT_EQ(RunwaysOf("WA77"), std::vector<std::string>{});
}

TEST(CsvConversionKeys, AnAirportGetsTheSameKeyAndPlaceAsFromAptDat)
{
    Converted fromCsv;
    ConvertCsv(fromCsv, CsvFixtures());
    Converted fromAptDat;
    Convert(fromAptDat, "apt1100.dat", "nav810.dat");
    std::string csvLine = LineWhere(Airports, fromCsv.airports, "ID", "KSEA");
    std::string aptLine = LineWhere(Airports, fromAptDat.airports, "ID", "KSEA");
    ASSERT_FALSE(csvLine.empty());
    ASSERT_FALSE(aptLine.empty());
    EXPECT_EQ(Field(Airports, csvLine, "NUM"), Field(Airports, aptLine, "NUM"));
    EXPECT_EQ(PositionText(Airports, csvLine), PositionText(Airports, aptLine));
}

TEST(CsvConversionInput, ARowCutAtTheLimitIsReportedAsMalformed)
{
    ScratchDirectory scratch;
    CsvWorldFiles files = CsvFixtures(false);
    files.airports = (scratch.path / "airports.csv").string();
    std::ofstream(files.airports, std::ios::binary)
        << "ident,type,name,latitude_deg,longitude_deg,elevation_ft,iso_country,iso_region\n"
        << "KAAA,small_airport,\"Open quote" << std::string(70 * 1024, 'x') << "\n";
    Converted converted;
    ConvertCsv(converted, files);
    ASSERT_TRUE(converted.result.Ok()) << converted.result.Message();
    EXPECT_EQ(converted.result->airports, 0);
    std::vector<std::string> problems;  // of airports.csv, the other files have their own
    std::copy_if(converted.problems.begin(), converted.problems.end(), std::back_inserter(problems),
                 [&](const std::string& problem) { return problem.starts_with(files.airports); });
    EXPECT_EQ(problems, (std::vector<std::string>{
                            files.airports + ":2: row longer than 65536 characters (a quote not "
                                             "closed?)",
                            files.airports + ": 1 rows longer than 65536 characters, read only "
                                             "that far"}));
}

TEST(CsvConversionInput, FilesNotAtHandGiveImportFilesWithoutRecords)
{
    Converted whole, navaidsOnly, withoutAirports;
    ConvertCsv(whole, CsvFixtures());
    ConvertCsv(navaidsOnly, {"", "", Fixture("navaids.csv"), ""});
    ASSERT_TRUE(whole.result.Ok() && navaidsOnly.result.Ok());
    EXPECT_EQ(navaidsOnly.navaids, whole.navaids);
    EXPECT_TRUE(navaidsOnly.airports.empty());
    EXPECT_TRUE(navaidsOnly.runways.empty());

    // Runways name their airports, which are not written without airports.csv.
    CsvWorldFiles files = CsvFixtures();
    files.airports.clear();
    ConvertCsv(withoutAirports, files);
    ASSERT_TRUE(withoutAirports.result.Ok());
    EXPECT_TRUE(withoutAirports.runways.empty());
    EXPECT_GE(withoutAirports.result->skipped["runway: of an airport not written"],
              static_cast<int>(whole.runways.size()));

    Converted neither;
    ConvertCsv(neither, {"", Fixture("runways.csv"), "", ""});
    EXPECT_FALSE(neither.result.Ok());
    EXPECT_TRUE(std::filesystem::is_empty(neither.output.path));
}

TEST(CsvConversionInput, AFileWithoutAColumnOrUnreadableWritesNothing)
{
    CsvWorldFiles files = CsvFixtures();
    files.runways = Fixture("navaids.csv");
    Converted wrongColumns;
    ConvertCsv(wrongColumns, files);
    EXPECT_FALSE(wrongColumns.result.Ok());
    EXPECT_EQ(wrongColumns.result.Message(),
              Fixture("navaids.csv") + ": no column \"airport_ident\" in the header row");
    EXPECT_TRUE(std::filesystem::is_empty(wrongColumns.output.path));

    files = CsvFixtures();
    files.frequencies = (wrongColumns.output.path / "missing.csv").string();
    Converted missing;
    ConvertCsv(missing, files);
    EXPECT_FALSE(missing.result.Ok());
    EXPECT_EQ(missing.result.Message(),
              "cannot read " + files.frequencies + ": No such file or directory");
    EXPECT_TRUE(std::filesystem::is_empty(missing.output.path));
}

}  // namespace
