// Tags recovered from the table's header when the index file is lost: the header record is
// written as tags are created, kept through appends and packs, and ignored when it is not ours.
#include "EngineTestSupport.h"

#include <filesystem>

using Nums = std::vector<std::string>;

namespace {

constexpr size_t tagBytesAt = 16;
constexpr size_t tagBytesSize = 12;

std::string headerTagBytes(const std::string& table) { return fileBytes(table).substr(tagBytesAt, tagBytesSize); }

void setHeaderTagBytes(const std::string& table, const std::string& tagBytes) {
    std::string bytes = fileBytes(table);
    bytes.replace(tagBytesAt, tagBytesSize, tagBytes);
    writeBytes(table, bytes);
}

}  // namespace

class TagRecoveryTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        openNewAirports(SDE_EXCLUSIVE);
        // Record order 2, 1, 3; by NUM 1, 2, 3; by ID 2, 3, 1; by upper-cased NAME 3, 1, 2.
        appendWaypoint("00000002", "KAAA", "Charlie");
        appendWaypoint("00000001", "KCCC", "bravo");
        appendWaypoint("00000003", "KBBB", "alpha");
        TableCloseAll();
    }
    void loseIndex() { ASSERT_TRUE(std::filesystem::remove(airportsIndex_)); }
    void recreateTag(const char* name, const char* expression) {
        ASSERT_GT(openTable(airports_, "AIRPORTS", SDE_EXCLUSIVE), 0);
        IndexTagCreate(nullptr, name, expression, 0, 0, nullptr);
        TableFinishIndexing();
        TableCloseAll();
    }
};

TEST_F(TagRecoveryTest, HeaderRecordsEachTagByFieldNumberAndCase) {
    // Mark 'Q', check byte, then NUM (field 1), ID (field 2), UPPER(NAME) (field 3, bit 7).
    std::string bytes = headerTagBytes(airports_);
    EXPECT_EQ(bytes[0], 'Q');
    EXPECT_EQ(bytes.substr(2), std::string("\x01\x02\x83\0\0\0\0\0\0\0", 10));
}

TEST_F(TagRecoveryTest, LostIndexFileIsRebuiltWithEveryTagInEveryOpenMode) {
    for (int mode : {SDE_READONLY, SDE_SHARED, SDE_EXCLUSIVE}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        loseIndex();
        ASSERT_GT(openTable(airports_, "AIRPORTS", mode), 0);
        EXPECT_EQ(TagOrder("NUM"), 1);
        EXPECT_EQ(TagOrder("ID"), 2);
        EXPECT_EQ(TagOrder("NAME"), 3);
        OrderSet(TagOrder("NUM"));
        EXPECT_EQ(walkNums(), (Nums {"00000001", "00000002", "00000003"}));
        EXPECT_NE(RecordSeek("00000002"), 0);
        EXPECT_EQ(trimRight(text("ID")), "KAAA");
        OrderSet(TagOrder("ID"));
        EXPECT_EQ(walkNums(), (Nums {"00000002", "00000003", "00000001"}));
        EXPECT_NE(RecordSeek("KCC"), 0);
        EXPECT_EQ(text("NUM"), "00000001");
        OrderSet(TagOrder("NAME"));
        EXPECT_EQ(walkNums(), (Nums {"00000003", "00000001", "00000002"}));
        EXPECT_NE(RecordSeek("ALPHA"), 0);
        EXPECT_EQ(trimRight(text("NAME")), "alpha");
        EXPECT_EQ(RecordSeek("alpha"), 0);   // the key is upper-cased, as before
        TableCloseAll();
        EXPECT_TRUE(std::filesystem::exists(airportsIndex_));   // written afresh for the next open
    }
}

TEST_F(TagRecoveryTest, HeaderRecordSurvivesAppendsPacksAndReadOnlyOpens) {
    std::string recorded = headerTagBytes(airports_);
    ASSERT_GT(openTable(airports_, "AIRPORTS"), 0);
    appendWaypoint("00000000", "KAZZ", "zulu");
    TableCloseAll();
    ASSERT_GT(openTable(airports_, "AIRPORTS", SDE_EXCLUSIVE), 0);
    OrderSet(TagOrder("NUM"));
    RecordSeek("00000002");
    RecordDelete();
    TablePack();
    TableCloseAll();
    airportNumsInOrder("NUM");
    EXPECT_EQ(headerTagBytes(airports_), recorded);

    loseIndex();
    EXPECT_EQ(airportNumsInOrder("NAME"), (Nums {"00000003", "00000001", "00000000"}));
    EXPECT_EQ(airportNumsInOrder("ID"), (Nums {"00000000", "00000003", "00000001"}));
}

TEST_F(TagRecoveryTest, OnlyTagsNamedAfterTheirFieldAreRecorded) {
    // NUM keyed on the name is no longer named after its key field: only the index file knows it.
    recreateTag("NUM", "UPPER(NAME)");
    recreateTag("BYID", "ID");
    EXPECT_EQ(airportNumsInOrder("BYID"), (Nums {"00000002", "00000003", "00000001"}));
    loseIndex();
    ASSERT_GT(openTable(airports_, "AIRPORTS"), 0);
    EXPECT_EQ(TagOrder("NUM"), 0);
    EXPECT_EQ(TagOrder("BYID"), 0);
    EXPECT_EQ(TagOrder("ID"), 1);
    EXPECT_EQ(TagOrder("NAME"), 2);
    TableCloseAll();

    recreateTag("NUM", "NUM");
    loseIndex();
    EXPECT_EQ(airportNumsInOrder("NUM"), (Nums {"00000001", "00000002", "00000003"}));
}

TEST_F(TagRecoveryTest, HeaderIsNewerThanAnIndexFileSavedBeforeATagWasReplaced) {
    // The index file from before NUM was keyed on NUM again, as if the process had died
    // between the tag's creation and the index file's save.
    recreateTag("NUM", "UPPER(NAME)");
    std::string older = fileBytes(airportsIndex_);
    recreateTag("NUM", "NUM");
    writeBytes(airportsIndex_, older);
    EXPECT_EQ(airportNumsInOrder("NUM"), (Nums {"00000001", "00000002", "00000003"}));
    EXPECT_EQ(airportNumsInOrder("NAME"), (Nums {"00000003", "00000001", "00000002"}));
}

TEST_F(TagRecoveryTest, TableWithoutAHeaderRecordBehavesAsBefore) {
    setHeaderTagBytes(airports_, std::string(tagBytesSize, '\0'));
    EXPECT_EQ(airportNumsInOrder("NAME"), (Nums {"00000003", "00000001", "00000002"}));   // from the index file
    ASSERT_GT(openTable(airports_, "AIRPORTS"), 0);
    appendWaypoint("00000004", "KDDD", "delta");
    TableCloseAll();
    EXPECT_EQ(headerTagBytes(airports_), std::string(tagBytesSize, '\0'));   // opens never add one

    loseIndex();
    ASSERT_GT(openTable(airports_, "AIRPORTS"), 0);
    EXPECT_EQ(TagOrder("NUM"), 0);
    EXPECT_EQ(walkNums(), (Nums {"00000002", "00000001", "00000003", "00000004"}));
    TableCloseAll();
}

TEST_F(TagRecoveryTest, HeaderBytesThatAreNotOursNameNoTags) {
    std::string recorded = headerTagBytes(airports_);
    std::string wrongCheck = recorded;
    wrongCheck[1] ^= 0x01;
    std::string foreign = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C";
    for (const std::string& bytes : {wrongCheck, foreign}) {
        setHeaderTagBytes(airports_, bytes);
        if (std::filesystem::exists(airportsIndex_)) loseIndex();
        ASSERT_GT(openTable(airports_, "AIRPORTS"), 0);
        EXPECT_EQ(TagOrder("NUM"), 0);
        EXPECT_EQ(TagOrder("NAME"), 0);
        EXPECT_EQ(walkNums(), (Nums {"00000002", "00000001", "00000003"}));
        TableCloseAll();
    }
}

TEST_F(TagRecoveryTest, DamagedIndexDirectoryFallsBackOnTheHeader) {
    std::string bytes = fileBytes(airportsIndex_);
    bytes[70] ^= 0x20;   // inside the first tag's entry: the index file's directory is refused
    writeBytes(airportsIndex_, bytes);
    EXPECT_EQ(airportNumsInOrder("NUM"), (Nums {"00000001", "00000002", "00000003"}));
    EXPECT_EQ(airportNumsInOrder("NAME"), (Nums {"00000003", "00000001", "00000002"}));
}
