// World data imported in one go: converted in a temporary folder, imported into real
// tables, the folder removed, and the notice that tells what was imported and skipped.
#include "EngineTestSupport.h"
#include "ImportNotice.h"
#include "WorldDataImport.h"
#include "WorldDataTestSupport.h"

#include <cstdlib>
#include <fstream>

using namespace quillmap;

namespace {

class WorldDataImportTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        CreateNavigationTables();
        SetDeletedHidden(0);
        // The staging folder is made here, so that its removal can be seen.
        temporary_ = directory_ / "temporary";
        world_ = directory_ / "world";
        std::filesystem::create_directories(temporary_);
        const char* previous = std::getenv("TMPDIR");
        previousTemporary_ = previous ? previous : "";
        setenv("TMPDIR", temporary_.c_str(), 1);
        std::filesystem::create_directories(world_);
    }

    void TearDown() override
    {
        if (previousTemporary_.empty())
            unsetenv("TMPDIR");
        else
            setenv("TMPDIR", previousTemporary_.c_str(), 1);
        EngineTest::TearDown();
    }

    std::string DataDirectory() const { return directory_.string() + "/"; }

    // A fixture copied into the world data folder under the name it is distributed as.
    std::string PutFixture(const char* fixture, const char* name)
    {
        std::filesystem::copy_file(Fixture(fixture), world_ / name);
        return (world_ / name).string();
    }

    nav::Expected<WorldDataImport> Import(const std::string& chosen)
    {
        std::optional<WorldDataSet> found = WorldDataSetOf(chosen);
        EXPECT_TRUE(found) << chosen;
        set_ = found.value_or(WorldDataSet{});
        return ImportWorldData(set_, DataDirectory());
    }

    // The field of every runway of the airport, in record order.
    std::vector<std::string> RunwayFields(const char* num, const char* field)
    {
        OpenTable(TablePath("RUNWAYS"), "RUNWAYS");
        std::vector<std::string> values;
        for (RecordGoTop(); !RecordAtEof(); RecordSkip(1)) {
            if (TrimRight(Text("NUM")) == num) values.push_back(TrimRight(Text(field)));
        }
        TableCloseAll();
        return values;
    }

    bool StagingRemoved() const { return std::filesystem::is_empty(temporary_); }

    std::filesystem::path temporary_;
    std::filesystem::path world_;
    std::string previousTemporary_;
    WorldDataSet set_;
};

bool Holds(const std::string& text, const std::string& piece)
{
    return text.find(piece) != std::string::npos;
}

TEST_F(WorldDataImportTest, APairFillsTheTablesAndTheNoticeSaysWhatWasImportedAndSkipped)
{
    std::string apt = PutFixture("apt1100.dat", "apt.dat");
    PutFixture("nav1100.dat", "nav.dat");
    nav::Expected<WorldDataImport> outcome = Import(apt);
    ASSERT_EQ(outcome.Message(), "");
    ASSERT_EQ(outcome->tables.size(), 3u);
    const worlddata::ConversionSummary& converted = outcome->conversion;
    EXPECT_EQ(RecordCount("AIRPORTS"), converted.airports);
    EXPECT_EQ(RecordCount("RUNWAYS"), converted.runways);
    EXPECT_EQ(RecordCount("NAVAIDS"), converted.navaids);
    // The localizer of nav.dat reached the runway it serves.
    EXPECT_EQ(RunwayFields("KSEA____", "NAV1"), (std::vector<std::string>{"ISNQ", ""}));
    EXPECT_TRUE(StagingRemoved());

    ImportNotice notice = WorldDataImportNotice(set_, outcome);
    EXPECT_EQ(notice.kind, NoticeKind::Completed);
    const std::string& text = notice.text;
    EXPECT_EQ(
        text.rfind("Import completed.\nAirports: " + std::to_string(converted.airports) +
                       " added, 0 overwritten.\nRunways: " + std::to_string(converted.runways) +
                       " added, 0 stored runways replaced; localizers given to runway "
                       "ends: " +
                       std::to_string(converted.localizers) + ".\nNavaids: " +
                       std::to_string(converted.navaids) + " added, 0 overwritten.\n",
                   0),
        0u)
        << text;
    ASSERT_FALSE(converted.skipped.empty());
    for (const auto& [reason, count] : converted.skipped)
        EXPECT_TRUE(Holds(text, "\n  " + std::to_string(count) + " " + reason)) << text;
    EXPECT_TRUE(Holds(text, "LONGID7")) << text;  // the first problems, by file and line
    EXPECT_FALSE(Holds(text, "No ")) << text;
}

TEST_F(WorldDataImportTest, WithoutNavDatTheNavaidsStayAndTheNoticeSaysWhyNoLocalizers)
{
    std::string navaidsBefore = FileBytes(TablePath("NAVAIDS"));
    nav::Expected<WorldDataImport> outcome = Import(PutFixture("apt1100.dat", "apt.dat"));
    ASSERT_EQ(outcome.Message(), "");
    EXPECT_EQ(outcome->tables.size(), 2u);
    EXPECT_EQ(FileBytes(TablePath("NAVAIDS")), navaidsBefore);
    EXPECT_EQ(RunwayFields("KSEA____", "NAV1"), (std::vector<std::string>{"", ""}));
    ImportNotice notice = WorldDataImportNotice(set_, outcome);
    EXPECT_TRUE(Holds(notice.text, "\nNo nav.dat in the folder: the runways have no localizers."))
        << notice.text;
    EXPECT_FALSE(Holds(notice.text, "Navaids:")) << notice.text;
}

TEST_F(WorldDataImportTest, TheCsvDataSetImportsByItsFileNames)
{
    for (const char* name :
         {"airports.csv", "runways.csv", "navaids.csv", "airport-frequencies.csv"})
        PutFixture(name, name);
    nav::Expected<WorldDataImport> outcome = Import((world_ / "runways.csv").string());
    ASSERT_EQ(outcome.Message(), "");
    EXPECT_EQ(RecordCount("AIRPORTS"), outcome->conversion.airports);
    EXPECT_EQ(RecordCount("RUNWAYS"), outcome->conversion.runways);
    EXPECT_EQ(RecordCount("NAVAIDS"), outcome->conversion.navaids);
    EXPECT_GT(outcome->conversion.runways, 0);
    // The data set has no localizers to speak of.
    EXPECT_FALSE(Holds(WorldDataImportNotice(set_, outcome).text, "localizers"));
}

TEST_F(WorldDataImportTest, ATableThatCannotBeOpenedStopsTheImportAndIsNamed)
{
    std::filesystem::remove(TablePath("RUNWAYS"));
    std::string apt = PutFixture("apt1100.dat", "apt.dat");
    PutFixture("nav1100.dat", "nav.dat");
    nav::Expected<WorldDataImport> outcome = Import(apt);
    ASSERT_EQ(outcome->tables.size(), 2u);
    EXPECT_EQ(RecordCount("NAVAIDS"), 0);
    EXPECT_TRUE(StagingRemoved());

    ImportNotice notice = WorldDataImportNotice(set_, outcome);
    EXPECT_EQ(notice.kind, NoticeKind::Failed);
    EXPECT_EQ(notice.text.rfind("Cannot open the table " + TablePath("RUNWAYS") + ".", 0), 0u)
        << notice.text;
    EXPECT_TRUE(Holds(notice.text, "the import stopped there, after:\nAirports: " +
                                       std::to_string(outcome->conversion.airports) + " added"))
        << notice.text;
}

TEST_F(WorldDataImportTest, TheNoticeShowsTheFirstProblemsAndCountsTheRest)
{
    std::string nav = (world_ / "nav.dat").string();
    std::ofstream out(nav);
    out << "I\n1100 Version\n";
    for (int row = 0; row < 7; ++row) out << "3 47.0\n";  // short of every other field
    out << "99\n";
    out.close();
    nav::Expected<WorldDataImport> outcome = Import(nav);
    EXPECT_EQ(outcome->problemCount, 7);
    std::string text = WorldDataImportNotice(set_, outcome).text;
    EXPECT_TRUE(Holds(text, "\n  7 malformed rows")) << text;
    EXPECT_TRUE(Holds(text, "\nProblems reported (7, the first 5):")) << text;
    // The rows are lines 3 to 9.
    EXPECT_TRUE(Holds(text, "\n  " + nav + ":7: ")) << text;
    EXPECT_FALSE(Holds(text, nav + ":8: ")) << text;
}

TEST_F(WorldDataImportTest, AConversionThatFailsImportsNothing)
{
    std::string apt = (world_ / "apt.dat").string();
    std::ofstream(apt) << "not world data\n";
    nav::Expected<WorldDataImport> outcome = Import(apt);
    EXPECT_NE(outcome.Message(), "");
    EXPECT_FALSE(outcome.Ok()) << "no table was imported";
    EXPECT_EQ(RecordCount("AIRPORTS"), 0);
    EXPECT_TRUE(StagingRemoved());
    ImportNotice notice = WorldDataImportNotice(set_, outcome);
    EXPECT_EQ(notice.kind, NoticeKind::Failed);
    EXPECT_EQ(notice.text,
              "Cannot import the world data: " + outcome.Message() + ".\nNothing was imported.");
}

}  // namespace
