// Which files a file chosen for import brings along: the other file of the apt.dat and
// nav.dat pair, the rest of the CSV data set, and which names are left to the import of
// import files.
#include "WorldDataSet.h"
#include "WorldDataTestSupport.h"

#include <fstream>

using namespace quillmap;

namespace {

using enum nav::ImportKind;

class WorldDataSetTest : public ::testing::Test {
protected:
    // An (empty) file of that name in the scratch folder; only names matter here.
    std::string Put(const char* name)
    {
        std::string path = (folder_.path / name).string();
        std::ofstream(path, std::ios::binary).flush();
        return path;
    }

    ScratchDirectory folder_;
};

TEST_F(WorldDataSetTest, APairMemberTakesTheOtherFromItsFolderPlainBeforeCompressed)
{
    std::string apt = Put("apt.dat.gz");
    std::string nav = Put("nav.dat");
    Put("nav.dat.gz");
    std::optional<WorldDataSet> set = WorldDataSetOf(apt);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->format, WorldDataFormat::DatFiles);
    EXPECT_EQ(set->apt, apt);
    EXPECT_EQ(set->nav, nav);
    EXPECT_TRUE(set->missing.empty());
    EXPECT_EQ(set->TablesFilled(), (std::vector<nav::ImportKind>{Airports, Runways, Navaids}));

    std::optional<WorldDataSet> fromNav = WorldDataSetOf(nav);
    ASSERT_TRUE(fromNav);
    EXPECT_EQ(fromNav->apt, apt);
}

TEST_F(WorldDataSetTest, AChosenFileIsKnownInAnyCaseAndAMemberNotAtHandIsListed)
{
    std::string nav = Put("NAV.DAT");
    std::optional<WorldDataSet> set = WorldDataSetOf(nav);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->nav, nav);
    EXPECT_EQ(set->apt, "");
    EXPECT_EQ(set->missing, std::vector<WorldDataFile>{WorldDataFile::AptDat});
    EXPECT_EQ(set->TablesFilled(), std::vector<nav::ImportKind>{Navaids});
}

TEST_F(WorldDataSetTest, TheCsvDataSetByItsFileNames)
{
    std::string airports = Put("airports.csv");
    std::string runways = Put("runways.csv.gz");
    std::string navaids = Put("navaids.csv");
    std::optional<WorldDataSet> set = WorldDataSetOf(navaids);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->format, WorldDataFormat::CsvFiles);
    EXPECT_EQ(set->csv.airports, airports);
    EXPECT_EQ(set->csv.runways, runways);
    EXPECT_EQ(set->csv.navaids, navaids);
    EXPECT_EQ(set->csv.frequencies, "");
    EXPECT_EQ(set->missing, std::vector<WorldDataFile>{WorldDataFile::FrequenciesCsv});
    EXPECT_EQ(set->TablesFilled(), (std::vector<nav::ImportKind>{Airports, Runways, Navaids}));
    EXPECT_EQ(set->refusal, "");
}

TEST_F(WorldDataSetTest, RunwaysAndFrequenciesComeOnlyWithTheirAirports)
{
    for (const char* name : {"runways.csv", "airport-frequencies.csv"}) {
        std::optional<WorldDataSet> refused = WorldDataSetOf(Put(name));
        ASSERT_TRUE(refused);
        EXPECT_NE(refused->refusal.find("airports.csv is not in its folder"), std::string::npos)
            << refused->refusal;
    }

    // Chosen beside them, navaids.csv brings neither.
    std::optional<WorldDataSet> set = WorldDataSetOf(Put("navaids.csv"));
    ASSERT_TRUE(set);
    EXPECT_EQ(set->refusal, "");
    EXPECT_EQ(set->csv.runways, "");
    EXPECT_EQ(set->csv.frequencies, "");
    EXPECT_EQ(set->TablesFilled(), std::vector<nav::ImportKind>{Navaids});
}

TEST_F(WorldDataSetTest, OtherNamesAreLeftToTheImportOfImportFiles)
{
    for (const char* name : {"AIRPORTS.GPS", "fix.dat.gz", "apt1100.dat", "airports.csv.bak"})
        EXPECT_FALSE(WorldDataSetOf(Put(name))) << name;
}

}  // namespace
