// apt.dat and nav.dat of each version read into airports and navaid rows; malformed rows
// reported by line, unknown rows passed over, unknown versions refused.
#include "AptDatReader.h"
#include "NavDatReader.h"
#include "WorldDataTestSupport.h"

#include <algorithm>
#include <fstream>

namespace {

using namespace worlddata;

struct Problems {
    std::vector<std::string> lines;
    RowProblem Sink()
    {
        return [this](int line, const std::string& problem) {
            lines.push_back(std::to_string(line) + ": " + problem);
        };
    }
};

// Every record the reader of `path` (or of a fixture's name) gives, and its version.
template <typename Reader, typename Record>
std::vector<Record> ReadAll(const std::string& path, Problems& problems, int& version)
{
    DataFileReader file;
    Open(file, path.find('/') == std::string::npos ? Fixture(path.c_str()) : path);
    Reader reader(file, problems.Sink());
    const nav::Status header = reader.ReadHeader();
    EXPECT_TRUE(header) << header.Message();
    version = reader.Version();
    std::vector<Record> records;
    for (Record record; reader.Next(record);) records.push_back(record);
    return records;
}

std::vector<AptAirport> ReadAirports(const std::string& fixture, Problems& problems, int& version)
{
    return ReadAll<AptDatReader, AptAirport>(fixture, problems, version);
}

std::vector<NavDatRow> ReadNavRows(const std::string& fixture, Problems& problems, int& version)
{
    return ReadAll<NavDatReader, NavDatRow>(fixture, problems, version);
}

// The lines reported, without their problems.
std::vector<int> ReportedLines(const Problems& problems)
{
    std::vector<int> lines;
    for (const std::string& problem : problems.lines) lines.push_back(std::stoi(problem));
    return lines;
}

std::string WriteFile(const ScratchDirectory& scratch, const char* name, const std::string& bytes)
{
    std::string path = (scratch.path / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

TEST(AptDatReader, Version850LandWaterAndHelipadRowsAndTenKilohertzFrequencies)
{
    Problems problems;
    int version = 0;
    std::vector<AptAirport> airports = ReadAirports("apt850.dat", problems, version);
    EXPECT_EQ(version, 850);
    ASSERT_EQ(airports.size(), 4u);

    const AptAirport& boeing = airports[0];
    EXPECT_EQ(boeing.ident, "KBFI");
    EXPECT_EQ(boeing.name, "Boeing Field King Co Intl");
    EXPECT_EQ(boeing.elevationFeet, 21);
    EXPECT_EQ(boeing.line, 4);
    EXPECT_EQ(boeing.atisKhz, 127400);
    EXPECT_EQ(boeing.towerKhz, 120600);    // the first tower row
    ASSERT_EQ(boeing.runways.size(), 2u);  // taxiway rows 110..112 passed over
    EXPECT_EQ(boeing.runways[0].ends[1].designator, "32L");
    EXPECT_DOUBLE_EQ(boeing.runways[0].ends[1].position.longitude, -122.29);
    EXPECT_EQ(boeing.runways[0].edgeLights, 2);
    EXPECT_TRUE(boeing.runways[0].centrelineLights);
    EXPECT_TRUE(boeing.runways[0].ends[0].reil);
    EXPECT_EQ(boeing.runways[0].ends[1].approachLights, 8);

    EXPECT_EQ(airports[1].rowCode, 16);
    ASSERT_EQ(airports[1].runways.size(), 1u);
    EXPECT_EQ(airports[1].runways[0].kind, RunwayKind::Water);
    EXPECT_EQ(airports[1].runways[0].ends[0].designator, "NW");

    EXPECT_EQ(airports[2].rowCode, 17);
    ASSERT_EQ(airports[2].runways.size(), 1u);
    EXPECT_EQ(airports[2].runways[0].kind, RunwayKind::Helipad);
    EXPECT_EQ(airports[2].runways[0].lengthFeet, 50);  // 15.24 m

    // A runway row cut short is reported by its line and left out.
    EXPECT_TRUE(airports[3].runways.empty());
    EXPECT_EQ(problems.lines,
              (std::vector<std::string>{"22: runway row 100 with missing or bad fields"}));
}

TEST(AptDatReader, Versions1000To1200MetadataKilohertzFrequenciesAndNewSurfaces)
{
    Problems problems;
    int version = 0;
    std::vector<AptAirport> airports = ReadAirports("apt1000.dat", problems, version);
    EXPECT_EQ(version, 1000);
    ASSERT_EQ(airports.size(), 3u);
    EXPECT_EQ(airports[0].runways.size(), 2u);  // row 1000 (traffic flow) passed over
    EXPECT_EQ(airports[0].towerKhz, 132900);

    airports = ReadAirports("apt1100.dat", problems, version);
    EXPECT_EQ(version, 1100);
    ASSERT_EQ(airports.size(), 5u);
    const AptAirport& seattle = airports[0];
    ASSERT_TRUE(seattle.datum.has_value());
    EXPECT_DOUBLE_EQ(seattle.datum->latitude, 47.449888889);
    EXPECT_DOUBLE_EQ(seattle.datum->longitude, -122.311777778);
    EXPECT_EQ(seattle.country, "United States");
    EXPECT_EQ(seattle.state, "Washington");
    EXPECT_EQ(seattle.regionCode, "K1");
    EXPECT_EQ(seattle.atisKhz, 118025);  // 1050 in kHz, before the later row 50
    EXPECT_EQ(seattle.towerKhz, 119905);
    EXPECT_FALSE(airports[1].datum.has_value());
    EXPECT_EQ(airports[1].state, "BC");
    EXPECT_EQ(airports[1].atisKhz, 0);  // 1051 is unicom

    airports = ReadAirports("apt1200.dat", problems, version);
    EXPECT_EQ(version, 1200);
    ASSERT_EQ(airports.size(), 3u);
    ASSERT_EQ(airports[0].runways.size(), 2u);  // rows 1300 and 1201 passed over
    EXPECT_EQ(airports[0].runways[0].surfaceCode, 20);
    EXPECT_EQ(airports[0].runways[1].surfaceCode, 55);
    EXPECT_EQ(airports[1].name, "S\xC3\xA3o Paulo\xE2\x80\x93Guarulhos International");
    EXPECT_TRUE(problems.lines.empty());
}

TEST(AptDatReader, OtherVersionsAndOtherFilesAreRefused)
{
    ScratchDirectory scratch;
    auto refusal = [&scratch](const std::string& bytes) {
        std::ofstream(scratch.path / "apt.dat", std::ios::binary) << bytes;
        const std::string path = (scratch.path / "apt.dat").string();
        DataFileReader file;
        Open(file, path);
        AptDatReader reader(file, [](int, const std::string&) {});
        const std::string refusal = reader.ReadHeader().Message();
        EXPECT_TRUE(refusal.starts_with(path + ": ")) << refusal;
        return refusal.substr(std::min(refusal.size(), path.size() + 2));
    };
    EXPECT_EQ(refusal("I\n810 Version\n"),
              "apt.dat version 810 is not read (versions 850 to 1200 are)");
    EXPECT_EQ(refusal("IMPORT A\n"),
              "not an apt.dat file (line 1 is neither \"I\" nor \"A\" nor a version line)");
    EXPECT_EQ(refusal("I\nVersion 1100\n"),
              "not an apt.dat file (line 2 does not begin with a version number)");
    EXPECT_EQ(refusal("\r\nA\r\n\r\nVersion 1100\r\n"),
              "not an apt.dat file (line 4 does not begin with a version number)");
    EXPECT_EQ(refusal("I\n\n"), "not an apt.dat file (no version line)");
    EXPECT_EQ(refusal(""), "empty file");
    EXPECT_EQ(refusal("\r\n \n"), "empty file");
}

TEST(NavDatReader, Version810RowsAndLocalizersWithTheirRunway)
{
    Problems problems;
    int version = 0;
    std::vector<NavDatRow> rows = ReadNavRows("nav810.dat", problems, version);
    EXPECT_EQ(version, 810);
    // Glide slope (6) and marker (7) rows are passed over, the malformed VOR reported.
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0].kind, NavRowKind::Ndb);
    EXPECT_EQ(rows[0].frequency, 362);
    EXPECT_EQ(rows[0].ident, "BF");
    EXPECT_EQ(rows[0].name, "NOLLA NDB");
    EXPECT_EQ(rows[0].region, "");
    EXPECT_EQ(rows[1].kind, NavRowKind::Vor);
    EXPECT_EQ(rows[1].elevationFeet, 354);
    EXPECT_EQ(rows[4].kind, NavRowKind::Localizer);
    EXPECT_EQ(rows[4].airport, "KSEA");
    EXPECT_EQ(rows[4].runway, "16L");
    EXPECT_EQ(rows[4].name, "ILS-cat-I");
    EXPECT_EQ(rows[7].kind, NavRowKind::Dme);
    EXPECT_EQ(rows[9].kind, NavRowKind::StandaloneDme);
    EXPECT_EQ(problems.lines,
              (std::vector<std::string>{"18: navaid row 3 with missing or bad fields"}));
}

TEST(NavDatReader, Versions1100To1200CarryAirportAndRegion)
{
    Problems problems;
    int version = 0;
    std::vector<NavDatRow> rows = ReadNavRows("nav1100.dat", problems, version);
    EXPECT_EQ(version, 1100);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[1].region, "YM");
    EXPECT_EQ(rows[1].airport, "ENRT");
    EXPECT_EQ(rows[1].name, "BOTANY NDB");
    EXPECT_EQ(rows[3].airport, "KSEA");
    EXPECT_EQ(rows[3].region, "K1");
    EXPECT_EQ(rows[3].runway, "16L");

    rows = ReadNavRows("nav1150.dat", problems, version);
    EXPECT_EQ(version, 1150);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2].kind, NavRowKind::Localizer);  // row 5: localizer without glide slope
    EXPECT_EQ(rows[2].runway, "14R");
    EXPECT_EQ(rows[2].name, "LOC");

    rows = ReadNavRows("nav1200.dat", problems, version);
    EXPECT_EQ(version, 1200);
    ASSERT_EQ(rows.size(), 4u);  // the approach path rows 14 and 16 passed over
    EXPECT_EQ(rows[3].name, "DOWNTOWN TACAN");
    EXPECT_TRUE(problems.lines.empty());
}

// A row without every field its kind reads is malformed, whatever its kind and version:
// reported by line and left out, never read past its end.
TEST(DataFileReaders, ShortRowsOfEveryKindAreReportedAndLeftOut)
{
    ScratchDirectory scratch;
    Problems problems;
    int version = 0;
    std::vector<NavDatRow> rows =
        ReadNavRows(WriteFile(scratch, "nav810.dat",
                              "I\n810 Version\n"
                              "2 47.6 -122.3 0 362 25 0.000\n"  // line 3
                              "3 47.4 -122.3 354 11680 130 19.000\n"
                              "4 47.9 -122.28 100 11090 18 43.0 IABC KAAA\n"
                              "5 47.9 -122.28 100 11090 18 43.0 IABC KAAA\n"
                              "12 47.4 -122.3 354 11680 130 0.000\n"
                              "13 47.4 -122.3 354 11680 130\n"
                              "4 47.9 -122.28 100 11090 18 43.0 IABC KAAA 16 ILS-cat-I\n"
                              "99\n"),
                    problems, version);
    EXPECT_EQ(ReportedLines(problems), (std::vector<int>{3, 4, 5, 6, 7, 8}));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].runway, "16");

    problems.lines.clear();
    rows = ReadNavRows(WriteFile(scratch, "nav1100.dat",
                                 "I\n1100 Version\n"
                                 "2 47.6 -122.3 0 362 25 0.000 BF ENRT\n"  // line 3
                                 "3 47.4 -122.3 354 11680 130 19.000 SEA ENRT\n"
                                 "4 47.9 -122.28 100 11090 18 43.0 IABC KAAA K1\n"
                                 "5 47.9 -122.28 100 11090 18 43.0 IABC KAAA K1\n"
                                 "12 47.4 -122.3 354 11680 130 0.000 SEA ENRT\n"
                                 "13 47.4 -122.3 354 11680 130 0.000 SEA\n"
                                 "2 47.6 -122.3 0 362 25 0.000 BF ENRT K1 NOLLA NDB\n"
                                 "99\n"),
                       problems, version);
    EXPECT_EQ(ReportedLines(problems), (std::vector<int>{3, 4, 5, 6, 7, 8}));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].region, "K1");

    problems.lines.clear();
    std::vector<AptAirport> airports = ReadAirports(
        WriteFile(scratch, "apt.dat",
                  "I\n1100 Version\n"
                  "1 100 0 0 KAAA Field\n"
                  "100 30 1 0 0.25 0 0 0 16 47.5 -122.3 0 0 0 0 0 0 34 47.4 -122.3 0 0 0 0 0\n"
                  "101 30 1 NW 47.6 -122.3 SE 47.6\n"  // line 5
                  "102 H1 47.6 -122.3 0.0 15.24 15.24 2 0 0 0.25\n"
                  "50\n"
                  "1054\n"
                  "1 100 0\n"  // line 9: its rows go with it
                  "100 30 1 0 0.25 0 0 0 16 47.5 -122.3 0 0 0 0 0 0 34 47.4 -122.3 0 0 0 0 0 0\n"
                  "1 100 0 0 KBBB\n"
                  "99\n"),
        problems, version);
    EXPECT_EQ(ReportedLines(problems), (std::vector<int>{4, 5, 6, 7, 8, 9}));
    ASSERT_EQ(airports.size(), 2u);
    EXPECT_TRUE(airports[0].runways.empty());
    EXPECT_EQ(airports[0].atisKhz, 0);
    EXPECT_EQ(airports[1].ident, "KBBB");
}

// A UTF-8 byte-order mark (which some editors put first) is no part of the "I" line.
TEST(DataFileReaders, AByteOrderMarkBeforeTheHeaderIsPassedOver)
{
    ScratchDirectory scratch;
    Problems problems;
    int version = 0;
    std::vector<AptAirport> airports = ReadAirports(
        WriteFile(scratch, "apt.dat", "\xEF\xBB\xBFI\n1100 Version\n1 100 0 0 KAAA Field\n99\n"),
        problems, version);
    EXPECT_EQ(version, 1100);
    ASSERT_EQ(airports.size(), 1u);
    EXPECT_EQ(airports[0].line, 3);
    std::vector<NavDatRow> rows = ReadNavRows(
        WriteFile(scratch, "nav.dat",
                  "\xEF\xBB\xBFI\r\n810 Version\r\n2 47.6 -122.3 0 362 25 0.000 BF NOLLA NDB\r\n"),
        problems, version);
    EXPECT_EQ(version, 810);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "NOLLA NDB");
    EXPECT_TRUE(problems.lines.empty());
}

// Rows before the first airport row belong to no airport: each is reported, not dropped
// silently (those after a malformed airport row go with it, reported once).
TEST(AptDatReader, RowsBeforeAnyAirportRowAreReported)
{
    ScratchDirectory scratch;
    Problems problems;
    int version = 0;
    std::vector<AptAirport> airports = ReadAirports(
        WriteFile(scratch, "apt.dat",
                  "I\n1100 Version\n\n"
                  "100 30 1 0 0.25 0 0 0 16 47.5 -122.3 0 0 0 0 0 0 34 47.4 -122.3 0 0 0 0 0 0\n"
                  "102 H1 47.6 -122.3 0.0 15.24 15.24 2 0 0 0.25 1\n"
                  "1 100 0 0 KAAA Field\n"
                  "102 H1 47.6 -122.3 0.0 15.24 15.24 2 0 0 0.25 1\n"
                  "99\n"),
        problems, version);
    ASSERT_EQ(airports.size(), 1u);
    EXPECT_EQ(airports[0].runways.size(), 1u);
    EXPECT_EQ(problems.lines,
              (std::vector<std::string>{"4: row 100 before any airport row; left out",
                                        "5: row 102 before any airport row; left out"}));
}

// Files as distributions and editors leave them: empty lines (CR LF too) before the "I" or
// "A" line and before the version line, a byte-order mark, or no "I" or "A" line at all
// when the version line is there.
TEST(DataFileReaders, HeadersAsDistributed)
{
    Problems problems;
    int version = 0;
    std::vector<NavDatRow> rows = ReadNavRows("nav_distributed.dat", problems, version);
    EXPECT_EQ(version, 810);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].line, 4);
    EXPECT_EQ(rows[1].name, "SEATTLE VORTAC");

    std::vector<AptAirport> airports = ReadAirports("apt_distributed.dat", problems, version);
    EXPECT_EQ(version, 1100);
    ASSERT_EQ(airports.size(), 1u);
    EXPECT_EQ(airports[0].line, 7);
    EXPECT_EQ(airports[0].towerKhz, 119905);
    EXPECT_TRUE(problems.lines.empty());

    ScratchDirectory scratch;
    for (const char* header : {"\n\nI\n\n\n1100 Version\n", "1100 Version\n", "\r\n\r\n1100\r\n"}) {
        airports = ReadAirports(
            WriteFile(scratch, "apt.dat", std::string(header) + "1 100 0 0 KAAA Field\n99\n"),
            problems, version);
        EXPECT_EQ(version, 1100) << header;
        EXPECT_EQ(airports.size(), 1u) << header;
    }
    EXPECT_TRUE(problems.lines.empty());
}

}  // namespace
