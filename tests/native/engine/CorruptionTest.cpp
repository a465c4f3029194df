// Damaged table and index files: whatever the damage, opening and using the table never
// crashes, never loops without end and never reads or writes outside the file's records.
#include "EngineTestSupport.h"

#include <algorithm>
#include <random>

namespace {

// One kind of damage, picked by the generator.
std::string Damage(std::string bytes, std::mt19937& random, bool headerOnly)
{
    auto below = [&random](size_t n) {
        return n ? std::uniform_int_distribution<size_t>(0, n - 1)(random) : 0;
    };
    size_t span = headerOnly ? std::min<size_t>(bytes.size(), 600) : bytes.size();
    switch (below(6)) {
    case 0:  // a few random bytes
        for (size_t i = 0, n = 1 + below(8); i < n && span; ++i)
            bytes[below(span)] = static_cast<char>(below(256));
        break;
    case 1:  // cut short
        bytes.resize(below(bytes.size() + 1));
        break;
    case 2:  // garbage appended
        for (size_t i = 0, n = below(500); i < n; ++i) bytes += static_cast<char>(below(256));
        break;
    case 3:  // a 16- or 32-bit number of the header made extreme
        if (bytes.size() >= 12) {
            size_t at = std::vector<size_t>{4, 8, 10}[below(3)];
            unsigned char value = below(2) ? 0xFF : 0x00;
            bytes[at] = static_cast<char>(value);
            bytes[at + 1] = static_cast<char>(value);
        }
        break;
    case 4:  // a field descriptor's width or decimals changed
        if (bytes.size() > 64)
            bytes[32 + 32 * below(17) + 16 + below(2)] = static_cast<char>(below(256));
        break;
    default:  // a run of bytes zeroed
        if (span) {
            size_t at = below(span);
            for (size_t i = at; i < std::min(bytes.size(), at + 1 + below(64)); ++i) bytes[i] = 0;
        }
        break;
    }
    return bytes;
}

// Every operation, in an order that touches every part of the engine; bounded walks.
void Exercise(int mode)
{
    OrderSet(TagOrder("NUM"));
    RecordGoTop();
    for (int i = 0; i < 200 && !RecordAtEof(); ++i) {
        for (const nav::FieldDefinition& field : nav::AirportsTable.fields) {
            FieldGetString(field.name);
            FieldGetInteger(field.name);
            FieldGetDouble(field.name);
        }
        RecordSkip(1);
    }
    RecordGoBottom();
    for (int i = 0; i < 200 && !RecordAtBof(); ++i) RecordSkip(-1);
    OrderSet(TagOrder("NAME"));
    RecordSeek("F");
    SetSoftSeek(1);
    RecordSeek("M");
    SetSoftSeek(0);
    QuerySet("NUM = \"0000001\"");
    for (int i = 0; i < QueryCount() && i < 200; ++i) RecordSkip(1);
    QuerySet("");
    RecordGoTop();
    EngineTest::PutText("NAME", "Renamed");
    EngineTest::PutInteger("ALT", 99);
    RecordAppendBlank();
    EngineTest::PutText("NUM", "00000777");
    RecordSkip(-3);
    RecordDelete();
    if (mode == SDE_EXCLUSIVE) {
        TablePack();
        IndexTagCreate(nullptr, "ID", "ID", 0, 0, nullptr);
        TableFinishIndexing();
    }
    OrderSet(TagOrder("ID"));
    int steps = 0;
    for (RecordGoTop(); !RecordAtEof() && steps < 1000; RecordSkip(1)) ++steps;
    EXPECT_LT(steps, 1000);
}

}  // namespace

class CorruptionTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        OpenNewAirports(SDE_EXCLUSIVE);
        for (int i = 0; i < 40; ++i) {
            std::string n = std::to_string(1000 + i * 7 % 40);
            AppendWaypoint(("0000" + n).c_str(), ("K" + n).c_str(), ("Field " + n).c_str());
            PutDouble("ATIS", 120.5 + i);
        }
        TableCloseAll();
        table_ = FileBytes(airports_);
        tags_ = FileBytes(airportsIndex_);
    }
    void Run(int rounds, bool damageTable, bool damageIndex, unsigned seed)
    {
        std::mt19937 random(seed);
        for (int round = 0; round < rounds; ++round) {
            bool headerOnly = random() % 2;
            WriteBytes(airports_, damageTable ? Damage(table_, random, headerOnly) : table_);
            WriteBytes(airportsIndex_, damageIndex ? Damage(tags_, random, headerOnly) : tags_);
            int mode = static_cast<int>(random() % 3);
            OpenTable(airports_, "AIRPORTS", mode);
            SCOPED_TRACE("round " + std::to_string(round) + " mode " + std::to_string(mode));
            Exercise(mode);
            TableCloseAll();
        }
    }
    std::string table_, tags_;
};

TEST_F(CorruptionTest, DamagedTablesNeverCrash)
{
    Run(150, true, false, 1);
}

TEST_F(CorruptionTest, DamagedIndexesNeverCrash)
{
    Run(150, false, true, 2);
}

TEST_F(CorruptionTest, BothDamagedNeverCrash)
{
    Run(100, true, true, 3);
}

TEST_F(CorruptionTest, DamagedIndexStillGivesTheRightOrder)
{
    std::mt19937 random(4);
    for (int round = 0; round < 60; ++round) {
        WriteBytes(airports_, table_);
        WriteBytes(airportsIndex_, Damage(tags_, random, false));
        ASSERT_GT(OpenTable(airports_, "AIRPORTS", SDE_READONLY), 0);
        // Even when the index file's directory is hit, the table's header still names the tag.
        int order = TagOrder("NUM");
        EXPECT_GT(order, 0) << round;
        OrderSet(order);
        std::vector<std::string> nums = WalkNums();
        EXPECT_EQ(nums.size(), 40u) << round;
        EXPECT_TRUE(std::is_sorted(nums.begin(), nums.end())) << round;
        TableCloseAll();
    }
}
