// Tags kept in the index file: saved at close, trusted only while in step with the table,
// rebuilt when stale or damaged, replaced by a new tag of the same name, and correct after
// a pack.
#include "EngineTestSupport.h"

#include <algorithm>

using Nums = std::vector<std::string>;

class IndexPersistenceTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        OpenNewAirports(SDE_EXCLUSIVE);
        AppendWaypoint("00000003", "KCCC", "Charlie");
        AppendWaypoint("00000001", "KAAA", "alpha");
        AppendWaypoint("00000002", "KBBB", "Bravo");
        TableCloseAll();
    }
};

TEST_F(IndexPersistenceTest, TagsSurviveClosing)
{
    EXPECT_EQ(AirportNumsInOrder("NUM"), (Nums{"00000001", "00000002", "00000003"}));
    EXPECT_EQ(AirportNumsInOrder("ID"), (Nums{"00000001", "00000002", "00000003"}));
    EXPECT_EQ(AirportNumsInOrder("NAME"), (Nums{"00000001", "00000002", "00000003"}));
}

TEST_F(IndexPersistenceTest, IndexOlderThanTheTableIsRebuilt)
{
    std::string old = FileBytes(airportsIndex_);
    ASSERT_GT(OpenTable(airports_, "AIRPORTS"), 0);
    AppendWaypoint("00000000", "KZZZ", "zulu");
    RecordGoTop();
    PutText("NUM", "00000009");  // was 00000003
    TableCloseAll();
    WriteBytes(airportsIndex_, old);
    EXPECT_EQ(AirportNumsInOrder("NUM"), (Nums{"00000000", "00000001", "00000002", "00000009"}));
    EXPECT_EQ(AirportNumsInOrder("NAME"), (Nums{"00000001", "00000002", "00000009", "00000000"}));
}

TEST_F(IndexPersistenceTest, DamagedTagDataIsRebuilt)
{
    std::string bytes = FileBytes(airportsIndex_);
    ASSERT_GT(bytes.size(), 256u);
    for (size_t i = bytes.size() - 20; i < bytes.size(); ++i) bytes[i] = '\x01';
    WriteBytes(airportsIndex_, bytes);
    EXPECT_EQ(AirportNumsInOrder("NUM"), (Nums{"00000001", "00000002", "00000003"}));
    EXPECT_EQ(AirportNumsInOrder("NAME"), (Nums{"00000001", "00000002", "00000003"}));
}

TEST_F(IndexPersistenceTest, IndexPointingAtOtherRecordsIsRebuilt)
{
    // The first two records change places, the table's size and time kept: the index file
    // still passes every check of its own, and its entries point at each other's record.
    std::string bytes = FileBytes(airports_);
    auto modified = std::filesystem::last_write_time(airports_);
    size_t headerLength =
        static_cast<unsigned char>(bytes[8]) | static_cast<unsigned char>(bytes[9]) << 8;
    size_t recordLength =
        static_cast<unsigned char>(bytes[10]) | static_cast<unsigned char>(bytes[11]) << 8;
    std::string first = bytes.substr(headerLength, recordLength);
    bytes.replace(headerLength, recordLength,
                  bytes.substr(headerLength + recordLength, recordLength));
    bytes.replace(headerLength + recordLength, recordLength, first);
    WriteBytes(airports_, bytes);
    std::filesystem::last_write_time(airports_, modified);

    ASSERT_GT(OpenTable(airports_, "AIRPORTS", SDE_READONLY), 0);
    OrderSet(TagOrder("NUM"));
    for (const char* num : {"00000003", "00000001", "00000002"}) {
        EXPECT_NE(RecordSeek(num), 0) << num;
        EXPECT_EQ(Text("NUM"), num);
    }
    TableCloseAll();
    EXPECT_EQ(AirportNumsInOrder("NAME"), (Nums{"00000001", "00000002", "00000003"}));
}

TEST_F(IndexPersistenceTest, IndexCutShortIsRebuilt)
{
    std::string bytes = FileBytes(airportsIndex_);
    WriteBytes(airportsIndex_, bytes.substr(0, bytes.size() - 10));
    EXPECT_EQ(AirportNumsInOrder("NAME"), (Nums{"00000001", "00000002", "00000003"}));
}

TEST_F(IndexPersistenceTest, ReadOnlyOpenRepairsTheIndexForTheNextOne)
{
    std::string bytes = FileBytes(airportsIndex_);
    bytes[bytes.size() - 1] ^= 0x55;  // in the NAME tag, the last one
    WriteBytes(airportsIndex_, bytes);
    EXPECT_EQ(AirportNumsInOrder("NAME"), (Nums{"00000001", "00000002", "00000003"}));
    std::string repaired = FileBytes(airportsIndex_);
    EXPECT_NE(repaired, bytes);
    EXPECT_EQ(AirportNumsInOrder("NAME"), (Nums{"00000001", "00000002", "00000003"}));
    EXPECT_EQ(FileBytes(airportsIndex_), repaired);  // in step now: nothing rebuilt or rewritten
}

TEST_F(IndexPersistenceTest, CreatingATagReplacesOneOfTheSameName)
{
    ASSERT_GT(OpenTable(airports_, "AIRPORTS", SDE_EXCLUSIVE), 0);
    int order = TagOrder("NUM");
    IndexTagCreate(nullptr, "num", "UPPER(NAME)", 0, 0, nullptr);
    EXPECT_EQ(TagOrder("NUM"), order);
    OrderSet(order);
    EXPECT_EQ(WalkNums(), (Nums{"00000001", "00000002", "00000003"}));
    IndexTagCreate(nullptr, "NUM", "NOSUCHFIELD", 0, 0, nullptr);  // refused: the old tag stays
    IndexTagCreate(nullptr, "NUM", "NUM", 0, 0, nullptr);
    TableCloseAll();
    EXPECT_EQ(AirportNumsInOrder("NUM"), (Nums{"00000001", "00000002", "00000003"}));
    ASSERT_GT(OpenTable(airports_, "AIRPORTS"), 0);
    EXPECT_EQ(TagOrder("NAME"), 3);
}

TEST_F(IndexPersistenceTest, PackRemovesMarkedRecordsAndKeepsTagsRight)
{
    ASSERT_GT(OpenTable(airports_, "AIRPORTS", SDE_EXCLUSIVE), 0);
    OrderSet(TagOrder("NUM"));
    RecordSeek("00000002");
    RecordDelete();
    RecordSeek("00000003");
    RecordDelete();
    AppendWaypoint("00000004", "KDDD", "delta");
    TablePack();
    EXPECT_EQ(RecordAtEof(), 0);
    EXPECT_EQ(WalkNums(), (Nums{"00000001", "00000004"}));
    OrderSet(0);
    EXPECT_EQ(WalkNums(), (Nums{"00000001", "00000004"}));
    TableCloseAll();
    EXPECT_EQ(AirportNumsInOrder("NAME"), (Nums{"00000001", "00000004"}));
    std::string bytes = FileBytes(airports_);
    int headerLength = static_cast<unsigned char>(bytes[8]) | static_cast<unsigned char>(bytes[9])
                                                                  << 8;
    int recordLength = static_cast<unsigned char>(bytes[10]) | static_cast<unsigned char>(bytes[11])
                                                                   << 8;
    EXPECT_EQ(bytes[4], 2);
    EXPECT_EQ(bytes.size(), size_t(headerLength + 2 * recordLength + 1));
    EXPECT_EQ(bytes.back(), '\x1A');
}

TEST_F(IndexPersistenceTest, PackNeedsExclusiveUse)
{
    ASSERT_GT(OpenTable(airports_, "AIRPORTS"), 0);
    RecordGoTop();
    RecordDelete();
    TablePack();
    EXPECT_EQ(WalkNums().size(), 3u);
}

TEST_F(IndexPersistenceTest, RebuildingTwiceGivesTheSameTablesAndTags)
{
    auto rebuild = [&] {
        ASSERT_GT(OpenTable(airports_, "AIRPORTS", SDE_EXCLUSIVE), 0);
        TablePack();
        for (const nav::TagDefinition& tag : nav::AirportsTable.tags)
            IndexTagCreate(nullptr, tag.name, tag.expression, 0, 0, nullptr);
        TableFinishIndexing();
        TableCloseAll();
    };
    ASSERT_GT(OpenTable(airports_, "AIRPORTS"), 0);
    RecordGoTop();
    RecordDelete();
    TableCloseAll();
    rebuild();
    std::string table = FileBytes(airports_);
    Nums byName = AirportNumsInOrder("NAME");
    rebuild();
    EXPECT_EQ(FileBytes(airports_), table);
    EXPECT_EQ(AirportNumsInOrder("NAME"), byName);
    EXPECT_EQ(byName, (Nums{"00000001", "00000002"}));
}

TEST_F(IndexPersistenceTest, RunsOfAppendsKeepEveryTagInOrder)
{
    // Keys in a scrambled order; a seek halfway takes in the first run, the walk the second.
    ASSERT_GT(OpenTable(airports_, "AIRPORTS", SDE_EXCLUSIVE), 0);
    Nums expected = {"00000001", "00000002", "00000003"};
    for (int i = 0; i < 500; ++i) {
        std::string num = "1" + std::to_string(100000 + i * 7919 % 500);
        AppendWaypoint(num.c_str(), "", ("n" + num).c_str());
        expected.push_back(num);
        if (i == 200) {
            OrderSet(TagOrder("NUM"));
            EXPECT_NE(RecordSeek("1100000"), 0);  // the first appended
            EXPECT_EQ(TrimRight(Text("NAME")), "n1100000");
        }
    }
    std::sort(expected.begin(), expected.end());
    OrderSet(TagOrder("NUM"));
    EXPECT_EQ(WalkNums(), expected);
    TableCloseAll();
    EXPECT_EQ(AirportNumsInOrder("NUM"), expected);
    EXPECT_EQ(AirportNumsInOrder("NAME"),
              expected);  // "alpha", "Bravo", "Charlie", "n1100000", ...
}

TEST_F(IndexPersistenceTest, ManyChangesKeepEveryTagInStepWithTheTable)
{
    // A pseudo-random mix of appends, key replaces and deletes, checked against a sort.
    ASSERT_GT(OpenTable(airports_, "AIRPORTS", SDE_EXCLUSIVE), 0);
    unsigned seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245 + 12345, (seed >> 8) % 1000; };
    for (int i = 0; i < 600; ++i) {
        unsigned action = next() % 10;
        if (action < 6) {
            RecordAppendBlank();
            PutText("NUM", std::to_string(next() % 300).c_str());
            PutText("NAME", ("n" + std::to_string(next())).c_str());
        } else {
            RecordGoTop();
            RecordSkip(static_cast<int>(next() % 50));
            if (action < 9)
                PutText("NUM", std::to_string(next() % 300).c_str());
            else
                RecordDelete();
        }
    }
    TablePack();
    TableCloseAll();
    Nums byNum = AirportNumsInOrder("NUM");
    Nums natural = AirportNumsInOrder("NOSUCH");
    std::sort(natural.begin(), natural.end());
    EXPECT_EQ(byNum, natural);
    EXPECT_GT(byNum.size(), 250u);
}
