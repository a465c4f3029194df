// Tags recovered from the table's header when the index file is lost: the header record is
// written as tags are created, kept through appends and packs, and ignored when it is not ours.
#include "EngineTestSupport.h"

#include <filesystem>

using Nums = std::vector<std::string>;

namespace {

constexpr size_t TagBytesAt = 16;
constexpr size_t TagBytesSize = 12;

std::string HeaderTagBytes(const std::string& table)
{
    return FileBytes(table).substr(TagBytesAt, TagBytesSize);
}

void SetHeaderTagBytes(const std::string& table, const std::string& tagBytes)
{
    std::string bytes = FileBytes(table);
    bytes.replace(TagBytesAt, TagBytesSize, tagBytes);
    WriteBytes(table, bytes);
}

}  // namespace

class TagRecoveryTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        OpenNewAirports(SDE_EXCLUSIVE);
        // Record order 2, 1, 3; by NUM 1, 2, 3; by ID 2, 3, 1; by upper-cased NAME 3, 1, 2.
        AppendWaypoint("00000002", "KAAA", "Charlie");
        AppendWaypoint("00000001", "KCCC", "bravo");
        AppendWaypoint("00000003", "KBBB", "alpha");
        TableCloseAll();
    }
    void LoseIndex() { ASSERT_TRUE(std::filesystem::remove(airportsIndex_)); }
    void RecreateTag(const char* name, const char* expression)
    {
        ASSERT_GT(OpenTable(airports_, "AIRPORTS", SDE_EXCLUSIVE), 0);
        IndexTagCreate(nullptr, name, expression, 0, 0, nullptr);
        TableFinishIndexing();
        TableCloseAll();
    }
};

TEST_F(TagRecoveryTest, HeaderRecordsEachTagByFieldNumberAndCase)
{
    // Mark 'Q', check byte, then NUM (field 1), ID (field 2), UPPER(NAME) (field 3, bit 7).
    std::string bytes = HeaderTagBytes(airports_);
    EXPECT_EQ(bytes[0], 'Q');
    EXPECT_EQ(bytes.substr(2), std::string("\x01\x02\x83\0\0\0\0\0\0\0", 10));
}

TEST_F(TagRecoveryTest, LostIndexFileIsRebuiltWithEveryTagInEveryOpenMode)
{
    for (int mode : {SDE_READONLY, SDE_SHARED, SDE_EXCLUSIVE}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        LoseIndex();
        ASSERT_GT(OpenTable(airports_, "AIRPORTS", mode), 0);
        EXPECT_EQ(TagOrder("NUM"), 1);
        EXPECT_EQ(TagOrder("ID"), 2);
        EXPECT_EQ(TagOrder("NAME"), 3);
        OrderSet(TagOrder("NUM"));
        EXPECT_EQ(WalkNums(), (Nums{"00000001", "00000002", "00000003"}));
        EXPECT_NE(RecordSeek("00000002"), 0);
        EXPECT_EQ(TrimRight(Text("ID")), "KAAA");
        OrderSet(TagOrder("ID"));
        EXPECT_EQ(WalkNums(), (Nums{"00000002", "00000003", "00000001"}));
        EXPECT_NE(RecordSeek("KCC"), 0);
        EXPECT_EQ(Text("NUM"), "00000001");
        OrderSet(TagOrder("NAME"));
        EXPECT_EQ(WalkNums(), (Nums{"00000003", "00000001", "00000002"}));
        EXPECT_NE(RecordSeek("ALPHA"), 0);
        EXPECT_EQ(TrimRight(Text("NAME")), "alpha");
        EXPECT_EQ(RecordSeek("alpha"), 0);  // the key is upper-cased, as before
        TableCloseAll();
        EXPECT_TRUE(std::filesystem::exists(airportsIndex_));  // written afresh for the next open
    }
}

TEST_F(TagRecoveryTest, HeaderRecordSurvivesAppendsPacksAndReadOnlyOpens)
{
    std::string recorded = HeaderTagBytes(airports_);
    ASSERT_GT(OpenTable(airports_, "AIRPORTS"), 0);
    AppendWaypoint("00000000", "KAZZ", "zulu");
    TableCloseAll();
    ASSERT_GT(OpenTable(airports_, "AIRPORTS", SDE_EXCLUSIVE), 0);
    OrderSet(TagOrder("NUM"));
    RecordSeek("00000002");
    RecordDelete();
    TablePack();
    TableCloseAll();
    AirportNumsInOrder("NUM");
    EXPECT_EQ(HeaderTagBytes(airports_), recorded);

    LoseIndex();
    EXPECT_EQ(AirportNumsInOrder("NAME"), (Nums{"00000003", "00000001", "00000000"}));
    EXPECT_EQ(AirportNumsInOrder("ID"), (Nums{"00000000", "00000003", "00000001"}));
}

TEST_F(TagRecoveryTest, OnlyTagsNamedAfterTheirFieldAreRecorded)
{
    // NUM keyed on the name is no longer named after its key field: only the index file knows it.
    RecreateTag("NUM", "UPPER(NAME)");
    RecreateTag("BYID", "ID");
    EXPECT_EQ(AirportNumsInOrder("BYID"), (Nums{"00000002", "00000003", "00000001"}));
    LoseIndex();
    ASSERT_GT(OpenTable(airports_, "AIRPORTS"), 0);
    EXPECT_EQ(TagOrder("NUM"), 0);
    EXPECT_EQ(TagOrder("BYID"), 0);
    EXPECT_EQ(TagOrder("ID"), 1);
    EXPECT_EQ(TagOrder("NAME"), 2);
    TableCloseAll();

    RecreateTag("NUM", "NUM");
    LoseIndex();
    EXPECT_EQ(AirportNumsInOrder("NUM"), (Nums{"00000001", "00000002", "00000003"}));
}

TEST_F(TagRecoveryTest, HeaderIsNewerThanAnIndexFileSavedBeforeATagWasReplaced)
{
    // The index file from before NUM was keyed on NUM again, as if the process had died
    // between the tag's creation and the index file's save.
    RecreateTag("NUM", "UPPER(NAME)");
    std::string older = FileBytes(airportsIndex_);
    RecreateTag("NUM", "NUM");
    WriteBytes(airportsIndex_, older);
    EXPECT_EQ(AirportNumsInOrder("NUM"), (Nums{"00000001", "00000002", "00000003"}));
    EXPECT_EQ(AirportNumsInOrder("NAME"), (Nums{"00000003", "00000001", "00000002"}));
}

TEST_F(TagRecoveryTest, TableWithoutAHeaderRecordBehavesAsBefore)
{
    SetHeaderTagBytes(airports_, std::string(TagBytesSize, '\0'));
    EXPECT_EQ(AirportNumsInOrder("NAME"),
              (Nums{"00000003", "00000001", "00000002"}));  // from the index file
    ASSERT_GT(OpenTable(airports_, "AIRPORTS"), 0);
    AppendWaypoint("00000004", "KDDD", "delta");
    TableCloseAll();
    EXPECT_EQ(HeaderTagBytes(airports_), std::string(TagBytesSize, '\0'));  // opens never add one

    LoseIndex();
    ASSERT_GT(OpenTable(airports_, "AIRPORTS"), 0);
    EXPECT_EQ(TagOrder("NUM"), 0);
    EXPECT_EQ(WalkNums(), (Nums{"00000002", "00000001", "00000003", "00000004"}));
    TableCloseAll();
}

TEST_F(TagRecoveryTest, HeaderBytesThatAreNotOursNameNoTags)
{
    std::string recorded = HeaderTagBytes(airports_);
    std::string wrongCheck = recorded;
    wrongCheck[1] ^= 0x01;
    std::string foreign = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C";
    for (const std::string& bytes : {wrongCheck, foreign}) {
        SetHeaderTagBytes(airports_, bytes);
        if (std::filesystem::exists(airportsIndex_)) LoseIndex();
        ASSERT_GT(OpenTable(airports_, "AIRPORTS"), 0);
        EXPECT_EQ(TagOrder("NUM"), 0);
        EXPECT_EQ(TagOrder("NAME"), 0);
        EXPECT_EQ(WalkNums(), (Nums{"00000002", "00000001", "00000003"}));
        TableCloseAll();
    }
}

TEST_F(TagRecoveryTest, DamagedIndexDirectoryFallsBackOnTheHeader)
{
    std::string bytes = FileBytes(airportsIndex_);
    bytes[70] ^= 0x20;  // inside the first tag's entry: the index file's directory is refused
    WriteBytes(airportsIndex_, bytes);
    EXPECT_EQ(AirportNumsInOrder("NUM"), (Nums{"00000001", "00000002", "00000003"}));
    EXPECT_EQ(AirportNumsInOrder("NAME"), (Nums{"00000003", "00000001", "00000002"}));
}
