// The rebuild on real tables: marked records removed, tags created afresh, idempotent,
// and tables that cannot be opened named instead of silently skipped.
#include "EngineTestSupport.h"
#include "TableRebuild.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <map>

using namespace quillmap;

namespace {

// A file held open by another program (the gauge, say): a shared lock on it, as the engine
// takes for a shared open.
class HeldFile {
public:
    explicit HeldFile(const std::string& path) : fd_(open(path.c_str(), O_RDONLY))
    {
        EXPECT_EQ(flock(fd_, LOCK_SH | LOCK_NB), 0);
    }
    ~HeldFile() { close(fd_); }

private:
    int fd_;
};

class TableRebuildTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        SetDeletedHidden(0);
        CreateNavigationTables();

        OpenTable(TablePath("AIRPORTS"), "AIRPORTS");
        AppendWaypoint("00000003", "KSEA", "Seattle Tacoma");
        AppendWaypoint("00000001", "KPDX", "portland intl");
        RecordDelete();
        AppendWaypoint("00000002", "KBFI", "Boeing Field");
        TableCloseAll();

        OpenTable(TablePath("RUNWAYS"), "RUNWAYS");
        for (const char* designator : {"16L/34R", "16C/34C", "16R/34L"}) {
            RecordAppendBlank();
            PutText("NUM", "00000003");
            PutText("RUNWAYS", designator);
        }
        RecordGoTop();
        RecordSkip(1);
        RecordDelete();  // deleted in the runway editor
        TableCloseAll();
    }

    std::string DataDirectory() const { return directory_.string() + "/"; }

    std::vector<std::string> Designators()
    {
        std::vector<std::string> designators;
        OpenTable(TablePath("RUNWAYS"), "RUNWAYS");
        for (RecordGoTop(); !RecordAtEof(); RecordSkip(1))
            designators.push_back(TrimRight(Text("RUNWAYS")));
        TableCloseAll();
        return designators;
    }

    std::map<std::string, std::string> FileContents() const
    {
        std::map<std::string, std::string> contents;
        for (const auto& entry : std::filesystem::directory_iterator(directory_)) {
            std::ifstream file(entry.path(), std::ios::binary);
            contents[entry.path().filename().string()] =
                std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        }
        return contents;
    }
};

TEST_F(TableRebuildTest, MarkedRecordsAreGoneForGood)
{
    EXPECT_EQ(Designators(), (std::vector<std::string>{"16L/34R", "16C/34C", "16R/34L"}));
    for (const RebuildOutcome& outcome : RebuildNavigationTables(DataDirectory()))
        EXPECT_TRUE(outcome.opened) << outcome.file;
    EXPECT_EQ(Designators(), (std::vector<std::string>{"16L/34R", "16R/34L"}));

    OpenTable(TablePath("AIRPORTS"), "AIRPORTS");
    EXPECT_EQ(WalkNums(), (std::vector<std::string>{"00000003", "00000002"}));
    TableCloseAll();
}

TEST_F(TableRebuildTest, TagsAreCreatedAfreshPerTable)
{
    // Index files lost: the rebuild makes them again.
    for (const char* table : {"AIRPORTS", "RUNWAYS"})
        std::filesystem::remove(directory_ / (std::string(table) + ".QIX"));
    RebuildNavigationTables(DataDirectory());

    for (const char* table : {"AIRPORTS", "NAVAIDS", "USERS"}) {
        OpenTable(TablePath(table), table);
        EXPECT_GT(TagOrder("NUM"), 0) << table;
        EXPECT_GT(TagOrder("ID"), 0) << table;
        EXPECT_GT(TagOrder("NAME"), 0) << table;
        TableCloseAll();
    }
    OpenTable(TablePath("RUNWAYS"), "RUNWAYS");
    EXPECT_GT(TagOrder("NUM"), 0);
    EXPECT_EQ(TagOrder("ID"), 0);
    EXPECT_EQ(TagOrder("NAME"), 0);
    TableCloseAll();

    // NUM orders by the raw text, NAME by the upper-cased name.
    OpenTable(TablePath("AIRPORTS"), "AIRPORTS");
    OrderSet(TagOrder("NUM"));
    EXPECT_EQ(WalkNums(), (std::vector<std::string>{"00000002", "00000003"}));
    OrderSet(TagOrder("NAME"));
    EXPECT_TRUE(RecordSeek("SEATTLE"));
    EXPECT_EQ(TrimRight(Text("ID")), "KSEA");
    TableCloseAll();
}

TEST_F(TableRebuildTest, TwoRebuildsEqualOne)
{
    RebuildNavigationTables(DataDirectory());
    std::map<std::string, std::string> once = FileContents();
    RebuildNavigationTables(DataDirectory());
    std::map<std::string, std::string> twice = FileContents();
    ASSERT_EQ(once.size(), 8u);  // four tables, four index files
    for (const auto& [name, content] : once) EXPECT_TRUE(twice[name] == content) << name;
}

TEST_F(TableRebuildTest, TablesThatCannotBeOpenedAreNamed)
{
    std::filesystem::remove(TablePath("USERS"));
    std::vector<RebuildOutcome> outcomes;
    {
        HeldFile held(TablePath("RUNWAYS"));
        outcomes = RebuildNavigationTables(DataDirectory());
    }

    ASSERT_EQ(outcomes.size(), 4u);
    std::vector<std::string> order;
    for (const RebuildOutcome& outcome : outcomes)
        order.push_back(std::string(outcome.table->name) + (outcome.opened ? "" : " not opened"));
    EXPECT_EQ(order, (std::vector<std::string>{"AIRPORTS", "NAVAIDS", "RUNWAYS not opened",
                                               "USERS not opened"}));
    EXPECT_EQ(outcomes[3].file, DataDirectory() + "USERS.DBF");
    // The held table was left alone: its marked runway is still there.
    EXPECT_EQ(Designators().size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(TablePath("USERS")));
}

}  // namespace
