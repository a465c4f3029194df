// Seeks by key prefix, soft seek, and queries as the editors, the import and the gauge's
// runway page use them.
#include "EngineTestSupport.h"

using Nums = std::vector<std::string>;

class SeekTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        ASSERT_GT(OpenTable(CreateNavigationTable(nav::AirportsTable), "ACTWPT"), 0);
        AppendWaypoint("00000300", "KBOS", "Boston Logan");
        AppendWaypoint("00000100", "KALB", "albany");
        AppendWaypoint("00000200", "KBDL", "Bradley");
        AppendWaypoint("00000250", "KBDR", "Bridgeport");
    }
};

TEST_F(SeekTest, ExactAndPrefixKeysFindTheFirstMatch)
{
    OrderSet(TagOrder("ID"));
    EXPECT_NE(RecordSeek("KBDR"), 0);
    EXPECT_EQ(Text("NUM"), "00000250");
    EXPECT_NE(RecordSeek("KBD"), 0);
    EXPECT_EQ(Text("ID"), "KBDL  ");
    EXPECT_NE(RecordSeek("KBDR  "), 0);      // trailing blanks within the key width
    EXPECT_NE(RecordSeek("KBDR      "), 0);  // and beyond it
    EXPECT_EQ(RecordSeek("KBDRX"), 0);
}

TEST_F(SeekTest, FailedSeekStandsAtTheEndUnlessSoft)
{
    OrderSet(TagOrder("ID"));
    EXPECT_EQ(RecordSeek("KBC"), 0);
    EXPECT_NE(RecordAtEof(), 0);
    EXPECT_EQ(Text("ID"), "      ");
    SetSoftSeek(1);
    EXPECT_EQ(RecordSeek("KBC"), 0);
    EXPECT_EQ(RecordAtEof(), 0);
    EXPECT_EQ(Text("ID"), "KBDL  ");
    EXPECT_EQ(RecordSeek("ZZZ"), 0);  // beyond the last key even a soft seek ends
    EXPECT_NE(RecordAtEof(), 0);
}

TEST_F(SeekTest, BlankKeySoftSeekLandsOnTheLowestKey)
{
    SetSoftSeek(1);
    OrderSet(TagOrder("NUM"));
    EXPECT_EQ(RecordSeek("        "), 0);
    EXPECT_EQ(Text("NUM"), "00000100");
    EXPECT_NE(RecordSeek(""), 0);  // the empty text begins every key
    EXPECT_EQ(Text("NUM"), "00000100");
}

TEST_F(SeekTest, NameTagIsUpperCasedSoSearchesUpperCaseTheirText)
{
    OrderSet(TagOrder("NAME"));
    EXPECT_NE(RecordSeek("ALBANY"), 0);
    EXPECT_EQ(TrimRight(Text("NAME")), "albany");
    EXPECT_EQ(RecordSeek("albany"), 0);
    EXPECT_NE(RecordSeek("BR"), 0);
    EXPECT_EQ(TrimRight(Text("NAME")), "Bradley");
}

TEST_F(SeekTest, DeletedRecordsAreSkippedWhileHidden)
{
    OrderSet(TagOrder("ID"));
    RecordSeek("KBDL");
    RecordDelete();
    SetDeletedHidden(1);
    EXPECT_NE(RecordSeek("KBD"), 0);
    EXPECT_EQ(Text("ID"), "KBDR  ");
    EXPECT_EQ(RecordSeek("KBDL"), 0);
    SetDeletedHidden(0);
    EXPECT_NE(RecordSeek("KBDL"), 0);
}

TEST_F(SeekTest, SeekWithoutAnOrderFindsNothing)
{
    OrderSet(0);
    EXPECT_EQ(RecordSeek("00000100"), 0);
    EXPECT_NE(RecordAtEof(), 0);
}

TEST_F(SeekTest, SeekThenSkipContinuesInKeyOrder)
{
    OrderSet(TagOrder("NUM"));
    ASSERT_NE(RecordSeek("00000200"), 0);
    RecordSkip(1);
    EXPECT_EQ(Text("NUM"), "00000250");
    RecordSkip(-2);
    EXPECT_EQ(Text("NUM"), "00000100");
}

class QueryTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        ASSERT_GT(OpenTable(CreateNavigationTable(nav::RunwaysTable), "RUNWAYS"), 0);
        AddRunway("00000001", "09/27");
        AddRunway("00000002", "18/36");
        AddRunway("00000001", "04/22");
        AddRunway("00000010", "01/19");
        AddRunway("00000001", "  hidden");
    }
    static void AddRunway(const char* num, const char* designator)
    {
        RecordAppendBlank();
        PutText("NUM", num);
        PutText("RUNWAYS", designator);
    }
    static std::vector<std::string> ListedRunways()
    {
        std::vector<std::string> list;
        RecordGoTop();
        for (int i = 0; i < QueryCount(); ++i) {
            list.push_back(TrimRight(Text("RUNWAYS")));
            RecordSkip(1);
        }
        return list;
    }
};

TEST_F(QueryTest, NumQueryVisitsOnlyThatAirportsRunways)
{
    QuerySet("NUM = \"00000001\"");
    EXPECT_EQ(QueryCount(), 3);
    EXPECT_EQ(ListedRunways(), (Nums{"09/27", "04/22", "  hidden"}));
    EXPECT_NE(RecordAtEof(), 0);
}

TEST_F(QueryTest, TheSameQueryInTagOrder)
{
    OrderSet(TagOrder("NUM"));
    QuerySet("NUM = \"00000001\"");
    EXPECT_EQ(ListedRunways(), (Nums{"09/27", "04/22", "  hidden"}));
    RecordGoBottom();
    EXPECT_EQ(TrimRight(Text("RUNWAYS")), "  hidden");
    RecordSkip(-1);
    EXPECT_EQ(TrimRight(Text("RUNWAYS")), "04/22");
}

TEST_F(QueryTest, AndJoinsTermsAndTextIsAPrefix)
{
    QuerySet("NUM = \"00000001\" .and. RUNWAYS = \"04\"");
    EXPECT_EQ(QueryCount(), 1);
    EXPECT_EQ(TrimRight(Text("RUNWAYS")), "04/22");
    QuerySet("num=\"000000\" .AND. runways='0'");
    EXPECT_EQ(QueryCount(), 3);
    QuerySet("NUM = \"00000001      \"");  // blanks past the field's width still match
    EXPECT_EQ(QueryCount(), 3);
}

TEST_F(QueryTest, ANewQueryReplacesTheOldAndABlankOneShowsAll)
{
    QuerySet("NUM = \"00000002\"");
    EXPECT_EQ(QueryCount(), 1);
    QuerySet("NUM = \"00000010\"");
    EXPECT_EQ(ListedRunways(), (Nums{"01/19"}));
    QuerySet("");
    EXPECT_EQ(QueryCount(), 5);
    RecordGoBottom();
    EXPECT_EQ(TrimRight(Text("RUNWAYS")), "  hidden");
}

TEST_F(QueryTest, MalformedConditionsMatchNothing)
{
    for (const char* bad : {"NUM = 00000001", "NOSUCH = \"1\"", "NUM = \"1", "NUM \"1\"",
                            "NUM = \"1\" .or. NUM = \"2\""}) {
        QuerySet(bad);
        EXPECT_EQ(QueryCount(), 0) << bad;
        EXPECT_NE(RecordAtEof(), 0) << bad;
    }
}

TEST_F(QueryTest, DeletingEveryMatchKeepsTheCountFromWhenItWasSet)
{
    // The import's and the editor's loop: the count is asked again before each deletion.
    SetDeletedHidden(1);
    QuerySet("NUM = \"00000001\"");
    RecordGoTop();
    for (int i = 0; i < QueryCount(); ++i) {
        RecordDelete();
        RecordSkip(1);
    }
    QuerySet("NUM = \"00000001\"");
    EXPECT_EQ(QueryCount(), 0);
    QuerySet("");
    EXPECT_EQ(WalkNums(), (Nums{"00000002", "00000010"}));
}

TEST_F(QueryTest, DeletedRecordsStayVisibleToAQueryWhenShown)
{
    QuerySet("NUM = \"00000001\"");
    RecordGoTop();
    for (int i = 0; i < QueryCount(); ++i) {
        RecordDelete();
        RecordSkip(1);
    }
    QuerySet("NUM = \"00000001\"");
    EXPECT_EQ(QueryCount(), 3);
}

TEST_F(QueryTest, AppendedRecordJoinsTheQueryWhenItMatches)
{
    QuerySet("NUM = \"00000002\"");
    AddRunway("00000002", "09L/27R");
    AddRunway("00000003", "09R/27L");
    EXPECT_EQ(WalkNums(), (Nums{"00000002", "00000002"}));
}

TEST_F(QueryTest, QueryLastsUntilTheTableIsClosed)
{
    QuerySet("NUM = \"00000002\"");
    std::string path = TablePath("RUNWAYS");
    TableCloseAll();
    ASSERT_GT(OpenTable(path, "RUNWAYS"), 0);
    EXPECT_EQ(WalkNums().size(), 5u);
}
