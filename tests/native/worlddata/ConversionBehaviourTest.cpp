// The conversion as a whole: what it reports and counts, what it leaves when it fails,
// gzip input, the region and identifier selections, and keys that stay the same from one
// edition of the data to the next.
#include "WorldDataTestSupport.h"

#include <zlib.h>

#include <algorithm>
#include <fstream>
#include <map>

using namespace worlddata;

namespace {

constexpr nav::ImportKind A = nav::ImportKind::Airports;
constexpr nav::ImportKind N = nav::ImportKind::Navaids;

std::string Bytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::map<std::string, std::string> NumsById(nav::ImportKind kind,
                                            const std::vector<std::string>& lines)
{
    std::map<std::string, std::string> nums;
    for (const std::string& line : lines) {
        std::string key = Field(kind, line, "ID");
        if (kind == N) key += " " + Field(kind, line, "NAME");
        nums[key] = Field(kind, line, "NUM");
    }
    return nums;
}

TEST(Conversion, ProblemsByFileAndLineAndSkipsCountedByReason)
{
    Converted converted;
    Convert(converted, "apt1100.dat", "nav810.dat");
    ASSERT_TRUE(converted.result.Ok());
    std::string apt = Fixture("apt1100.dat");
    std::string nav = Fixture("nav810.dat");
    EXPECT_EQ(
        converted.problems,
        (std::vector<std::string>{
            nav + ":17: navaid identifier \"TOOLONG\" is longer than 6 characters; skipped",
            nav + ":18: navaid row 3 with missing or bad fields",
            apt + ":31: airport identifier \"LONGID7\" is longer than 6 characters; skipped"}));
    // Never cut into a clash: the long identifiers are nowhere in the output.
    EXPECT_TRUE(LineWhere(A, converted.airports, "ID", "LONGID").empty());
    EXPECT_TRUE(LineWhere(N, converted.navaids, "ID", "TOOLON").empty());

    ASSERT_TRUE(converted.result) << converted.result.Message();
    const worlddata::ConversionSummary& result = *converted.result;
    EXPECT_EQ(result.airports, 3);
    EXPECT_EQ(result.runways, 3);
    EXPECT_EQ(result.navaids, 6);
    EXPECT_EQ(result.localizers, 2);
    EXPECT_EQ(result.malformedRows, 1);
    EXPECT_EQ(result.skipped,
              (std::map<std::string, int>{
                  {"airport: identifier longer than 6 characters", 1},
                  {"airport: no position (neither datum nor runway)", 1},
                  {"localizer: identifier longer than the runway table's NAV field", 1},
                  {"navaid: DME of a VOR or an ILS (listed with it)", 2},
                  {"navaid: identifier longer than 6 characters", 1}}));
    EXPECT_EQ(converted.airports.size(), 3u);
    EXPECT_EQ(Bytes(converted.output.path / "AIRPORTS.GPS").substr(0, 9), "IMPORT A\n");
    EXPECT_EQ(Bytes(converted.output.path / "RUNWAYS.GPS").substr(0, 9), "IMPORT R\n");
    EXPECT_EQ(Bytes(converted.output.path / "NAVAIDS.GPS").substr(0, 9), "IMPORT N\n");
}

TEST(Conversion, EitherFileOfThePairMayBeLeftOut)
{
    Converted pair, airportsOnly, navaidsOnly, neither;
    Convert(pair, "apt1100.dat", "nav1100.dat");
    Convert(airportsOnly, "apt1100.dat", "");
    Convert(navaidsOnly, "", "nav1100.dat");
    ASSERT_TRUE(pair.result.Ok() && airportsOnly.result.Ok() && navaidsOnly.result.Ok());
    ASSERT_GT(pair.result->localizers, 0);

    // Without nav.dat the same airports and runways, no localizer among them.
    EXPECT_EQ(airportsOnly.airports, pair.airports);
    EXPECT_EQ(airportsOnly.runways.size(), pair.runways.size());
    EXPECT_EQ(airportsOnly.result->localizers, 0);
    for (const std::string& runway : airportsOnly.runways)
        EXPECT_EQ(Field(nav::ImportKind::Runways, runway, "NAV1"), "") << runway;
    EXPECT_TRUE(airportsOnly.navaids.empty());
    EXPECT_EQ(Bytes(airportsOnly.output.path / "NAVAIDS.GPS"),
              "IMPORT N\nnavaids converted by navdb convert\nfrom no nav.dat\n");

    EXPECT_EQ(navaidsOnly.navaids, pair.navaids);
    EXPECT_TRUE(navaidsOnly.airports.empty());
    EXPECT_TRUE(navaidsOnly.runways.empty());

    Convert(neither, "", "");
    EXPECT_FALSE(neither.result.Ok());
    EXPECT_TRUE(std::filesystem::is_empty(neither.output.path));
}

TEST(Conversion, AFileThatCannotBeReadLeavesTheOutputAsItWas)
{
    Converted converted;
    std::ofstream(converted.output.path / "AIRPORTS.GPS") << "IMPORT A\nearlier\n\n";
    std::string missing = (converted.output.path / "missing.dat").string();
    Convert(converted, "apt1100.dat", missing);
    EXPECT_FALSE(converted.result.Ok());
    EXPECT_EQ(converted.result.Message(), "cannot read " + missing + ": No such file or directory");
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(converted.output.path))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"AIRPORTS.GPS"});
    EXPECT_EQ(Bytes(converted.output.path / "AIRPORTS.GPS"), "IMPORT A\nearlier\n\n");

    // A compressed file damaged half-way: the rows before the damage were converted, but
    // nothing is put in place.
    Converted damaged;
    std::string nav = Bytes(Fixture("nav810.dat"));
    gzFile file = gzopen((damaged.output.path / "nav.dat.gz").string().c_str(), "wb");
    gzwrite(file, nav.data(), static_cast<unsigned>(nav.size()));
    gzclose(file);
    std::string compressed = Bytes(damaged.output.path / "nav.dat.gz");
    std::ofstream(damaged.output.path / "nav.dat.gz", std::ios::binary)
        << compressed.substr(0, compressed.size() - 12);
    Convert(damaged, "apt1100.dat", (damaged.output.path / "nav.dat.gz").string());
    EXPECT_FALSE(damaged.result.Ok());
    EXPECT_NE(damaged.result.Message().find("nav.dat.gz"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(damaged.output.path / "NAVAIDS.GPS"));
    EXPECT_FALSE(std::filesystem::exists(damaged.output.path / "NAVAIDS.GPS.part"));

    Converted notNav;
    Convert(notNav, "nav810.dat", "nav1100.dat");
    EXPECT_EQ(notNav.result.Message(),
              Fixture("nav810.dat") +
                  ": apt.dat version 810 is not read (versions 850 to 1200 are)");
}

TEST(Conversion, GzipInputGivesTheSameFiles)
{
    Converted plain;
    Convert(plain, "apt1200.dat", "nav1200.dat");
    Converted compressed;
    for (const char* name : {"apt1200.dat", "nav1200.dat"}) {
        std::string bytes = Bytes(Fixture(name));
        gzFile file =
            gzopen((compressed.output.path / (std::string(name) + ".gz")).string().c_str(), "wb");
        gzwrite(file, bytes.data(), static_cast<unsigned>(bytes.size()));
        gzclose(file);
    }
    Convert(compressed, (compressed.output.path / "apt1200.dat.gz").string(),
            (compressed.output.path / "nav1200.dat.gz").string());
    ASSERT_TRUE(compressed.result.Ok()) << compressed.result.Message();
    EXPECT_EQ(compressed.airports, plain.airports);
    EXPECT_EQ(compressed.runways, plain.runways);
    EXPECT_EQ(compressed.navaids, plain.navaids);
}

TEST(Conversion, RegionAndIdentifierSelections)
{
    worlddata::ConversionOptions options;
    options.region = worlddata::Region{47.0, -123.0, 48.0, -122.0};
    Converted seattleArea;
    Convert(seattleArea, "apt850.dat", "nav810.dat", options);
    EXPECT_EQ(seattleArea.airports.size(), 3u);                           // KBFI, W55, WA09
    EXPECT_TRUE(LineWhere(N, seattleArea.navaids, "ID", "UBG").empty());  // 45.3 N
    EXPECT_FALSE(LineWhere(N, seattleArea.navaids, "ID", "SEA").empty());
    EXPECT_EQ(seattleArea.result->skipped.at("navaid: outside the region"), 3);  // UBG, OLM, CBU

    // West above east: the region spans the 180th meridian.
    options.region = worlddata::Region{-40.0, 150.0, -30.0, -170.0};
    Converted pacific;
    Convert(pacific, "apt1000.dat", "nav1100.dat", options);
    ASSERT_EQ(pacific.airports.size(), 1u);
    EXPECT_EQ(Field(A, pacific.airports[0], "ID"), "YSSY");
    ASSERT_EQ(pacific.navaids.size(), 1u);
    EXPECT_EQ(Field(N, pacific.navaids[0], "NAME"), "BOTANY NDB");

    options.region.reset();
    options.idents = {"KPAE", "PAE"};
    Converted chosen;
    Convert(chosen, "apt1000.dat", "nav1100.dat", options);
    ASSERT_EQ(chosen.airports.size(), 1u);
    EXPECT_EQ(Field(A, chosen.airports[0], "ID"), "KPAE");
    EXPECT_EQ(chosen.runways.size(), 2u);
    ASSERT_EQ(chosen.navaids.size(), 1u);
    EXPECT_EQ(Field(N, chosen.navaids[0], "TYPE"), "DME");
    EXPECT_EQ(chosen.result->skipped.at("airport: not in the identifier list"), 2);
}

TEST(Conversion, KeysStayTheSameFromOneEditionToTheNext)
{
    Converted first;
    Convert(first, "apt_edition1.dat", "nav_edition1.dat");
    Converted second;
    Convert(second, "apt_edition2.dat", "nav_edition2.dat");
    ASSERT_TRUE(first.result.Ok() && second.result.Ok());

    std::map<std::string, std::string> before = NumsById(A, first.airports);
    std::map<std::string, std::string> after = NumsById(A, second.airports);
    ASSERT_EQ(before.size(), 4u);
    ASSERT_EQ(after.size(), 4u);
    for (const char* kept : {"KAAA", "KBBB", "KDDD"})  // KBBB moved 100 m
        EXPECT_EQ(after.at(kept), before.at(kept)) << kept;
    EXPECT_EQ(after.at("KAAA"), "KAAA____");
    for (const auto& [ident, num] : before) EXPECT_NE(after.at("KEEE"), num) << ident;
    // The moved airport's new position is in the second edition.
    EXPECT_EQ(PositionText(A, LineWhere(A, second.airports, "ID", "KBBB")),
              "0 47 12 03 0 122 12 00");

    before = NumsById(N, first.navaids);
    after = NumsById(N, second.navaids);
    ASSERT_EQ(before.size(), 4u);
    ASSERT_EQ(after.size(), 4u);
    for (const char* kept : {"AA ALPHA NDB", "AA ALPHA SOUTH NDB", "BBB BRAVO VORTAC"})
        EXPECT_EQ(after.at(kept), before.at(kept)) << kept;
    // Two stations sharing an identifier have keys of their own.
    EXPECT_NE(after.at("AA ALPHA NDB"), after.at("AA ALPHA SOUTH NDB"));
    for (const auto& [navaid, num] : before) EXPECT_NE(after.at("DDD DELTA VOR"), num);
    for (const auto& [navaid, num] : after) {
        EXPECT_EQ(num.size(), 8u);
        EXPECT_EQ(num.find_first_not_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos)
            << num;
    }
}

TEST(Conversion, ProgressInPercentOfTheBytesRead)
{
    ScratchDirectory scratch;
    {
        std::ofstream apt(scratch.path / "apt.dat", std::ios::binary);
        apt << "I\n1100 Version\n\n";
        // Ground rows (passed over) make the file megabytes long: bytes are read in large
        // blocks.
        for (int i = 0; i < 4000; ++i) {
            apt << "1 10 0 0 P" << i << " Field\n1302 datum_lat 10\n1302 datum_lon 10\n";
            for (int row = 0; row < 25; ++row) apt << "111 10.00000000 10.00000000\n";
        }
        apt << "99\n";
    }
    std::vector<int> percents;
    worlddata::ConversionOptions options;
    options.progress = [&percents](const std::string& file, int percent) {
        EXPECT_EQ(std::filesystem::path(file).filename(), "apt.dat");
        percents.push_back(percent);
    };
    Converted converted;
    Convert(converted, (scratch.path / "apt.dat").string(), "nav1100.dat", options);
    ASSERT_EQ(converted.airports.size(), 4000u);
    ASSERT_GE(percents.size(), 5u);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_LT(percents.front(), 20);
    EXPECT_GT(percents.back(), 80);
    EXPECT_LE(percents.back(), 100);
}

}  // namespace
