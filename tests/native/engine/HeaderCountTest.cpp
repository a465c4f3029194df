// The header's record count against the records the file holds. A count behind them (a
// writer killed before it wrote the count, another program) recovers the whole records that
// follow; a count beyond them is held to them. Neither ever makes an append overwrite a
// record, a pack drop one, or the engine reach past the file.
#include "AirportRecords.h"
#include "EngineTestSupport.h"

#include <cstdint>

namespace {

uint32_t Le32(const std::string& bytes, size_t at)
{
    return uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
           uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
}

constexpr size_t CountOffset = 4;

}  // namespace

class HeaderCountTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        OpenNewAirports(SDE_EXCLUSIVE);
        for (int i = 1; i <= 10; ++i) {
            RecordAppendBlank();
            PutAirport(i);
        }
        TableCloseAll();
        original_ = FileBytes(airports_);
        recordLength_ = uint8_t(original_[10]) | uint8_t(original_[11]) << 8;
    }
    // The original table with the header counting `count` records.
    void RestoreWithCount(uint32_t count)
    {
        std::string bytes = original_;
        for (int i = 0; i < 4; ++i) bytes[CountOffset + i] = static_cast<char>(count >> (8 * i));
        WriteBytes(airports_, bytes);
    }
    uint32_t HeaderCount() const { return Le32(FileBytes(airports_), CountOffset); }
    // Checks that the table holds airports 1..last in record order, each whole.
    void ExpectAirports(int last)
    {
        ASSERT_GT(OpenTable(airports_, nav::AirportsAlias, SDE_READONLY), 0);
        int records = 0;
        for (RecordGoTop(); !RecordAtEof(); RecordSkip(1))
            EXPECT_TRUE(HoldsAirport(++records)) << records;
        TableCloseAll();
        EXPECT_EQ(records, last);
    }
    std::string original_;
    size_t recordLength_ = 0;
};

TEST_F(HeaderCountTest, CountBehindTheFileKeepsEveryRecordOnAppend)
{
    for (int mode : {SDE_SHARED, SDE_EXCLUSIVE}) {
        SCOPED_TRACE(mode);
        RestoreWithCount(6);
        ASSERT_GT(OpenTable(airports_, nav::AirportsAlias, mode), 0);
        RecordAppendBlank();
        PutAirport(11);
        TableCloseAll();
        ExpectAirports(11);
        EXPECT_EQ(HeaderCount(), 11u);
    }
}

TEST_F(HeaderCountTest, PackKeepsTheRecordsTheHeaderDidNotCount)
{
    RestoreWithCount(6);
    ASSERT_GT(OpenTable(airports_, nav::AirportsAlias, SDE_EXCLUSIVE), 0);
    RecordGoBottom();
    RecordDelete();
    TablePack();
    TableCloseAll();
    ExpectAirports(9);
    EXPECT_EQ(HeaderCount(), 9u);
    EXPECT_EQ(FileBytes(airports_).size(), original_.size() - recordLength_);
}

TEST_F(HeaderCountTest, RecoveryStopsAtARecordWithoutDeletionFlag)
{
    RestoreWithCount(6);
    std::string bytes = FileBytes(airports_);
    size_t headerLength = uint8_t(bytes[8]) | uint8_t(bytes[9]) << 8;
    bytes[headerLength + 8 * recordLength_] =
        '\x1A';  // the flag of record 9: an end-of-file marker
    WriteBytes(airports_, bytes);
    ExpectAirports(8);
}

TEST_F(HeaderCountTest, CountBeyondTheFileIsHeldToItsRecords)
{
    for (uint32_t count : {0xF0000000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(count);
        RestoreWithCount(count);
        ASSERT_GT(OpenTable(airports_, nav::AirportsAlias, SDE_SHARED), 0);
        RecordAppendBlank();
        PutAirport(11);
        TableCloseAll();
        EXPECT_EQ(FileBytes(airports_).size(), original_.size() + recordLength_);
        EXPECT_EQ(HeaderCount(), 11u);
        ExpectAirports(11);
    }
}
