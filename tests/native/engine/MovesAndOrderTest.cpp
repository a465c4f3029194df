// Moving through a table: natural and tag order, the begin and end flags, deleted records.
#include "EngineTestSupport.h"

using Nums = std::vector<std::string>;

class MovesAndOrderTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        path_ = CreateNavigationTable(nav::AirportsTable);
        ASSERT_GT(OpenTable(path_, "AIRPORTS"), 0);
        AppendWaypoint("00000030", "KCCC", "charlie field");
        AppendWaypoint("00000010", "KAAA", "Bravo Field");
        AppendWaypoint("00000020", "KBBB", "alpha field");
    }
    std::string path_;
};

TEST_F(MovesAndOrderTest, NaturalOrderFollowsRecordNumbers)
{
    EXPECT_EQ(WalkNums(), (Nums{"00000030", "00000010", "00000020"}));
}

TEST_F(MovesAndOrderTest, TagsOrderByKeyAndUpperCaseName)
{
    OrderSet(TagOrder("NUM"));
    EXPECT_EQ(WalkNums(), (Nums{"00000010", "00000020", "00000030"}));
    OrderSet(TagOrder("name"));
    EXPECT_EQ(WalkNums(), (Nums{"00000020", "00000010", "00000030"}));
    OrderSet(0);
    EXPECT_EQ(WalkNums(), (Nums{"00000030", "00000010", "00000020"}));
}

TEST_F(MovesAndOrderTest, UnknownTagGivesNaturalOrder)
{
    EXPECT_EQ(TagOrder("NOSUCH"), 0);
    OrderSet(TagOrder("NUM"));
    OrderSet(TagOrder("NOSUCH"));
    EXPECT_EQ(WalkNums(), (Nums{"00000030", "00000010", "00000020"}));
}

TEST_F(MovesAndOrderTest, SkipPastLastStandsOnBlankRecordThenBackToLast)
{
    OrderSet(TagOrder("NUM"));
    RecordGoBottom();
    EXPECT_EQ(Text("NUM"), "00000030");
    RecordSkip(1);
    EXPECT_NE(RecordAtEof(), 0);
    EXPECT_EQ(RecordAtBof(), 0);
    EXPECT_EQ(Text("NUM"), "        ");
    EXPECT_EQ(FieldGetInteger("ALT"), 0);
    RecordSkip(1);
    EXPECT_NE(RecordAtEof(), 0);
    RecordSkip(-1);
    EXPECT_EQ(RecordAtEof(), 0);
    EXPECT_EQ(Text("NUM"), "00000030");
}

TEST_F(MovesAndOrderTest, SkipBeforeFirstStaysOnFirstWithBeginFlag)
{
    OrderSet(TagOrder("NUM"));
    RecordGoTop();
    RecordSkip(-1);
    EXPECT_NE(RecordAtBof(), 0);
    EXPECT_EQ(RecordAtEof(), 0);
    EXPECT_EQ(Text("NUM"), "00000010");
    RecordSkip(1);
    EXPECT_EQ(RecordAtBof(), 0);
    EXPECT_EQ(Text("NUM"), "00000020");
}

TEST_F(MovesAndOrderTest, SkipByCountsBothWays)
{
    OrderSet(TagOrder("NUM"));
    RecordGoTop();
    RecordSkip(2);
    EXPECT_EQ(Text("NUM"), "00000030");
    RecordSkip(-2);
    EXPECT_EQ(Text("NUM"), "00000010");
    RecordSkip(5);
    EXPECT_NE(RecordAtEof(), 0);
    RecordSkip(-3);
    EXPECT_EQ(Text("NUM"), "00000010");
    EXPECT_EQ(RecordAtBof(), 0);
    RecordSkip(-100);
    EXPECT_NE(RecordAtBof(), 0);
    EXPECT_EQ(Text("NUM"), "00000010");
}

TEST_F(MovesAndOrderTest, DeletedRecordsHiddenOnlyWhileAsked)
{
    OrderSet(TagOrder("NUM"));
    RecordSeek("00000020");
    RecordDelete();
    EXPECT_EQ(WalkNums(), (Nums{"00000010", "00000020", "00000030"}));
    SetDeletedHidden(1);
    EXPECT_EQ(WalkNums(), (Nums{"00000010", "00000030"}));
    EXPECT_EQ(RecordSeek("00000020"), 0);
    RecordGoBottom();
    RecordSkip(-1);
    EXPECT_EQ(Text("NUM"), "00000010");
}

TEST_F(MovesAndOrderTest, DeletingLastRecordThenStepBackShowsThePreviousOne)
{
    // The editor's delete: delete, skip, and back one if that went past the end.
    SetDeletedHidden(1);
    OrderSet(TagOrder("NUM"));
    RecordGoBottom();
    RecordDelete();
    RecordSkip(1);
    ASSERT_NE(RecordAtEof(), 0);
    RecordSkip(-1);
    EXPECT_EQ(Text("NUM"), "00000020");
    RecordGoTop();
    RecordDelete();
    RecordSkip(1);
    EXPECT_EQ(RecordAtEof(), 0);
    EXPECT_EQ(Text("NUM"), "00000020");
}

TEST_F(MovesAndOrderTest, EverythingDeletedAndHiddenLeavesBothFlagsSet)
{
    SetDeletedHidden(1);
    for (RecordGoTop(); !RecordAtEof(); RecordSkip(1)) RecordDelete();
    RecordGoTop();
    EXPECT_NE(RecordAtEof(), 0);
    EXPECT_NE(RecordAtBof(), 0);
    RecordGoBottom();
    EXPECT_NE(RecordAtEof(), 0);
    RecordSkip(-1);
    EXPECT_NE(RecordAtBof(), 0);
}

TEST_F(MovesAndOrderTest, ReplacingAKeyMovesTheRecordInTheOrder)
{
    OrderSet(TagOrder("NUM"));
    RecordSeek("00000010");
    PutText("NUM", "00000040");
    // The record keeps being current and the walk continues from its new place.
    RecordSkip(1);
    EXPECT_NE(RecordAtEof(), 0);
    EXPECT_EQ(WalkNums(), (Nums{"00000020", "00000030", "00000040"}));
    OrderSet(TagOrder("ID"));
    RecordGoTop();
    EXPECT_EQ(Text("ID"), "KAAA  ");
}

TEST_F(MovesAndOrderTest, AppendedRecordIsCurrentAndBlank)
{
    RecordAppendBlank();
    EXPECT_EQ(RecordAtEof(), 0);
    EXPECT_EQ(Text("NAME"), std::string(45, ' '));
    OrderSet(TagOrder("NUM"));
    RecordGoTop();
    EXPECT_EQ(Text("NUM"), "        ");  // the blank key sorts first
}

TEST_F(MovesAndOrderTest, TwoTablesOpenAtOnceAreSelectedByAlias)
{
    std::string runways = CreateNavigationTable(nav::RunwaysTable);
    ASSERT_GT(OpenTable(runways, "RUNWAYS"), 0);
    ASSERT_GT(OpenTable(path_, "AIRPORTS"), 0);  // reopened after the runways
    RecordAppendBlank();
    PutText("NUM", "00000099");
    AreaSelect(AreaOfAlias("RUNWAYS"));
    RecordAppendBlank();
    PutText("RUNWAYS", "09/27");
    AreaSelect(AreaOfAlias("airports"));
    OrderSet(TagOrder("NUM"));
    RecordGoBottom();
    EXPECT_EQ(Text("NUM"), "00000099");
    EXPECT_EQ(Text("RUNWAYS"), "");
    AreaSelect(AreaOfAlias("RUNWAYS"));
    RecordGoTop();
    EXPECT_EQ(TrimRight(Text("RUNWAYS")), "09/27");
    EXPECT_EQ(AreaOfAlias("NOSUCH"), 0);
}
