// A writer killed at any instant: between two engine calls at random, and at each of its
// writes in turn (strace makes the kill land on the n-th pwrite64). The table then opens
// with every record whole: every record the writer had left, at most the one it was filling
// lost, nothing deleted coming back; a rebuild succeeds and dbfread then reads every record.
#include "AirportRecords.h"
#include "DbfreadReader.h"
#include "EngineTestSupport.h"
#include "KilledProcess.h"

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// More writes than any of the writers below makes: the loop ends when the writer finishes.
constexpr int MaxKills = 400;

// Runs table_writer with `arguments`, killed on entry to its pwrite64 number `n` (so that
// n - 1 writes were made). True when it was killed, false when it finished first.
bool RunWriterKilledAt(int n, const std::vector<std::string>& arguments)
{
    return RunKilledAtCall("pwrite64", n, SiblingProgram("table_writer"), arguments);
}

}  // namespace

class KilledWriterTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        OpenNewAirports(SDE_EXCLUSIVE);
    }
    // The table as the setup left it, put back before each run of the writer.
    void KeepOriginal()
    {
        TableCloseAll();
        table_ = FileBytes(airports_);
        index_ = FileBytes(airportsIndex_);
    }
    void RestoreOriginal()
    {
        WriteBytes(airports_, table_);
        WriteBytes(airportsIndex_, index_);
    }
    // Packs and re-creates the tags, as the rebuild does; then every record is found by NUM.
    void Rebuild(int records)
    {
        ASSERT_GT(OpenTable(airports_, nav::AirportsAlias, SDE_EXCLUSIVE), 0);
        TablePack();
        for (const nav::TagDefinition& tag : nav::AirportsTable.tags)
            IndexTagCreate(nullptr, tag.name, tag.expression, 0, 0, nullptr);
        TableFinishIndexing();
        OrderSet(TagOrder("NUM"));
        for (int i = 1; i <= records; ++i) {
            ASSERT_NE(RecordSeek(AirportNum(i).c_str()), 0) << i;
            EXPECT_TRUE(HoldsAirport(i)) << i;
        }
        TableCloseAll();
        std::vector<std::string> read = ReadWithDbfread(airports_);
        ASSERT_GE(read.size(), 2u);
        EXPECT_EQ(read.size() - 2, size_t(records));
        EXPECT_EQ(read[read.size() - 2], "deleted 0");
    }
    std::string table_, index_;
};

class KillTest : public KilledWriterTest {
protected:
    void SetUp() override
    {
        if (!StraceInstalled()) GTEST_SKIP() << "strace is not installed";
        KilledWriterTest::SetUp();
    }
};

class RandomKillTest : public KilledWriterTest, public ::testing::WithParamInterface<int> {};

TEST_P(RandomKillTest, KilledWriterLeavesEveryRecordItLeft)
{
    TableCloseAll();
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(pipeEnds[0]);
        OpenTable(airports_, nav::AirportsAlias, GetParam());
        for (int i = 1;; ++i) {
            // The append leaves record i - 1: from here on it is in the file.
            RecordAppendBlank();
            int left = i - 1;
            if (write(pipeEnds[1], &left, sizeof left) != sizeof left) _exit(1);
            PutAirport(i);
        }
    }
    close(pipeEnds[1]);
    int left = 0, reported = 0;
    while (left < 300 && read(pipeEnds[0], &reported, sizeof reported) == sizeof reported)
        left = reported;
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    while (read(pipeEnds[0], &reported, sizeof reported) == sizeof reported) left = reported;
    close(pipeEnds[0]);
    ASSERT_GE(left, 300);

    ASSERT_GT(OpenTable(airports_, nav::AirportsAlias, SDE_READONLY), 0);
    OrderSet(TagOrder("NUM"));
    for (int i = 1; i <= left; ++i) {
        ASSERT_NE(RecordSeek(AirportNum(i).c_str()), 0) << i;
        EXPECT_TRUE(HoldsAirport(i)) << i;
    }
    // Whole records only, in order: at most one past those reported (the kill can fall between
    // the append that left a record and the report); in shared use the slot claimed for the
    // record being filled may follow, blank and marked deleted.
    OrderSet(0);
    SetDeletedHidden(1);
    int whole = 0;
    for (RecordGoTop(); !RecordAtEof(); RecordSkip(1)) EXPECT_TRUE(HoldsAirport(++whole)) << whole;
    SetDeletedHidden(0);
    int records = 0;
    for (RecordGoTop(); !RecordAtEof(); RecordSkip(1)) ++records;
    TableCloseAll();
    EXPECT_GE(whole, left);
    EXPECT_LE(whole, left + 1);
    EXPECT_LE(records, whole + (GetParam() == SDE_SHARED ? 1 : 0));
    Rebuild(whole);
}

INSTANTIATE_TEST_SUITE_P(SharedAndExclusive, RandomKillTest,
                         ::testing::Values(SDE_SHARED, SDE_EXCLUSIVE));

TEST_F(KillTest, KilledAppendLeavesWholeRecordsOnly)
{
    for (int i = 1; i <= 5; ++i) {
        RecordAppendBlank();
        PutAirport(i);
    }
    KeepOriginal();
    int previous = 5;
    bool killed = true;
    for (int n = 1; killed && n <= MaxKills; ++n) {
        SCOPED_TRACE("killed at write " + std::to_string(n));
        RestoreOriginal();
        killed = RunWriterKilledAt(n, {airports_, "append", "6", "15"});
        ASSERT_GT(OpenTable(airports_, nav::AirportsAlias, SDE_READONLY), 0);
        int records = 0;
        for (RecordGoTop(); !RecordAtEof(); RecordSkip(1))
            ASSERT_TRUE(HoldsAirport(++records)) << records;
        TableCloseAll();
        // A later kill never leaves fewer records; a writer that finished left them all.
        EXPECT_GE(records, previous);
        EXPECT_LE(records, 15);
        EXPECT_TRUE(killed || records == 15) << records;
        previous = records;
        Rebuild(records);
    }
    EXPECT_FALSE(killed);
}

TEST_F(KillTest, KilledUpdateLeavesEachRecordOldOrNew)
{
    for (int i = 1; i <= 8; ++i) {
        RecordAppendBlank();
        PutAirport(i);
    }
    KeepOriginal();
    bool killed = true;
    for (int n = 1; killed && n <= MaxKills; ++n) {
        SCOPED_TRACE("killed at write " + std::to_string(n));
        RestoreOriginal();
        killed = RunWriterKilledAt(n, {airports_, "rename"});
        ASSERT_GT(OpenTable(airports_, nav::AirportsAlias, SDE_READONLY), 0);
        int records = 0, renamed = 0;
        for (RecordGoTop(); !RecordAtEof(); RecordSkip(1)) {
            ++records;
            bool isNew = TrimRight(Text("NAME")) == "Renamed " + AirportName(records) &&
                         FieldGetInteger("ALT") == AirportAltitude(records) + 20000;
            EXPECT_TRUE(isNew || HoldsAirport(records)) << records;
            renamed += isNew;
        }
        TableCloseAll();
        EXPECT_EQ(records, 8);
        EXPECT_TRUE(killed || renamed == 8) << renamed;
    }
    EXPECT_FALSE(killed);
}

TEST_F(KillTest, KilledPackLeavesTheOldTableOrThePackedOne)
{
    std::vector<int> every, live;
    for (int i = 1; i <= 12; ++i) {
        RecordAppendBlank();
        PutAirport(i);
        every.push_back(i);
        if (i % 3 == 2)
            RecordDelete();
        else
            live.push_back(i);
    }
    KeepOriginal();
    // The airports of the table in record order, every one checked whole.
    auto walk = [this](bool deletedHidden) {
        SetDeletedHidden(deletedHidden);
        std::vector<int> nums;
        EXPECT_GT(OpenTable(airports_, nav::AirportsAlias, SDE_READONLY), 0);
        for (RecordGoTop(); !RecordAtEof(); RecordSkip(1)) {
            nums.push_back(std::atoi(FieldGetString("NUM")));
            EXPECT_TRUE(HoldsAirport(nums.back())) << nums.back();
        }
        TableCloseAll();
        SetDeletedHidden(0);
        return nums;
    };
    bool killed = true;
    for (int n = 1; killed && n <= MaxKills; ++n) {
        SCOPED_TRACE("killed at write " + std::to_string(n));
        RestoreOriginal();
        killed = RunWriterKilledAt(n, {airports_, "pack"});
        std::vector<int> all = walk(false);
        EXPECT_TRUE(all == every || all == live);
        EXPECT_TRUE(killed || all == live);
        EXPECT_EQ(walk(true), live);  // nothing deleted comes back
        std::vector<std::string> read = ReadWithDbfread(airports_);
        ASSERT_GE(read.size(), 2u);
        EXPECT_EQ(read.size() - 2, live.size());
    }
    EXPECT_FALSE(killed);
}
