// A failed open, no current table, odd call orders and odd arguments: nothing crashes,
// nothing is written, and the results are the harmless ones.
#include "EngineTestSupport.h"

namespace {

void ExpectHarmlessOperations()
{
    RecordGoTop();
    RecordGoBottom();
    RecordSkip(1);
    RecordSkip(-1);
    EXPECT_NE(RecordAtBof(), 0);
    EXPECT_NE(RecordAtEof(), 0);
    EXPECT_EQ(RecordSeek("X"), 0);
    EXPECT_EQ(TagOrder("NUM"), 0);
    OrderSet(1);
    QuerySet("NUM = \"1\"");
    EXPECT_EQ(QueryCount(), 0);
    EXPECT_STREQ(FieldGetString("NUM"), "");
    EXPECT_EQ(FieldGetInteger("ALT"), 0);
    EXPECT_EQ(FieldGetDouble("ATIS"), 0.0);
    int value = 5;
    FieldReplace("ALT", SDE_INTEGER, &value);
    RecordAppendBlank();
    RecordDelete();
    TablePack();
    IndexTagCreate(nullptr, "NUM", "NUM", 0, 0, nullptr);
    TableFinishIndexing();
}

}  // namespace

TEST_F(EngineTest, MissingFileLeavesNoTableCurrent)
{
    std::string airports = CreateNavigationTable(nav::AirportsTable);
    ASSERT_GT(OpenTable(airports, "AIRPORTS"), 0);
    AppendWaypoint("00000001", "KAAA", "A");
    RecordGoTop();  // leaves the record: it is in the file
    std::string before = FileBytes(airports);
    EXPECT_EQ(OpenTable(TablePath("NOSUCH"), "NOSUCH"), 0);
    ExpectHarmlessOperations();
    EXPECT_EQ(FileBytes(airports), before);
    // The table opened before is still there.
    AreaSelect(AreaOfAlias("AIRPORTS"));
    RecordGoTop();
    EXPECT_EQ(Text("NUM"), "00000001");
}

TEST_F(EngineTest, MissingDirectoryAndBadArgumentsFailToOpen)
{
    EXPECT_EQ(TableOpen((directory_ / "no" / "such" / "AIRPORTS.DBF").string().c_str(), "A", 0, 2),
              0);
    EXPECT_EQ(TableOpen(nullptr, "A", 0, 2), 0);
    std::string path = CreateNavigationTable(nav::UsersTable);
    EXPECT_EQ(TableOpen(path.c_str(), "USERS", 7, 2), 0);
    EXPECT_EQ(TableOpen(directory_.string().c_str(), "DIR", 0, 2), 0);  // a directory is no table
    ExpectHarmlessOperations();
}

TEST_F(EngineTest, NothingOpenAtAllIsHarmless)
{
    TableCloseAll();
    ExpectHarmlessOperations();
    AreaSelect(3);
    AreaSelect(-1);
    ExpectHarmlessOperations();
    TableSetPassword(nullptr);
    EXPECT_EQ(AreaOfAlias(nullptr), 0);
}

TEST_F(EngineTest, SelectingAnUnknownAreaLeavesNoTableCurrent)
{
    std::string path = CreateNavigationTable(nav::UsersTable);
    ASSERT_GT(OpenTable(path, "USERS"), 0);
    AppendWaypoint("00000001", "HOME", "Home");
    RecordGoTop();
    std::string before = FileBytes(path);
    AreaSelect(AreaOfAlias("AIRPORTS"));  // not open
    ExpectHarmlessOperations();
    EXPECT_EQ(FileBytes(path), before);
}

TEST_F(EngineTest, WritesOnTheBlankRecordPastTheEndAreIgnored)
{
    std::string path = CreateNavigationTable(nav::UsersTable);
    ASSERT_GT(OpenTable(path, "USERS"), 0);
    AppendWaypoint("00000001", "HOME", "Home");
    RecordSkip(1);
    ASSERT_NE(RecordAtEof(), 0);
    std::string before = FileBytes(path);
    PutText("NAME", "Overwritten");
    RecordDelete();
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_EQ(Text("NAME"), std::string(45, ' '));
}

TEST_F(EngineTest, EmptyTableStandsAtBothEnds)
{
    ASSERT_GT(OpenTable(CreateNavigationTable(nav::AirportsTable), "AIRPORTS"), 0);
    EXPECT_NE(RecordAtBof(), 0);
    EXPECT_NE(RecordAtEof(), 0);
    OrderSet(TagOrder("NUM"));
    RecordGoBottom();
    RecordSkip(-1);
    RecordSkip(1);
    EXPECT_NE(RecordAtEof(), 0);
    EXPECT_EQ(RecordSeek(""), 0);
    PutText("NUM", "X");  // nowhere to write
    EXPECT_EQ(WalkNums().size(), 0u);
}

TEST_F(EngineTest, WriteAtBeginFlagGoesToTheFirstRecord)
{
    // "<" on the first record then "Save" in an editor: the shown record is written.
    ASSERT_GT(OpenTable(CreateNavigationTable(nav::UsersTable), "USERS"), 0);
    AppendWaypoint("00000001", "ONE", "One");
    AppendWaypoint("00000002", "TWO", "Two");
    RecordGoTop();
    RecordSkip(-1);
    ASSERT_NE(RecordAtBof(), 0);
    PutText("ID", "FIRST");
    RecordGoTop();
    EXPECT_EQ(Text("ID"), "FIRST ");
}

TEST_F(EngineTest, PathsTakeEitherSeparatorAndDoubledOnes)
{
    std::string path = CreateNavigationTable(nav::UsersTable);
    std::string directory = directory_.string();
    std::string backslashed = directory;
    for (char& c : backslashed)
        if (c == '/') c = '\\';
    for (const std::string& form :
         {directory + "\\\\USERS.DBF", backslashed + "\\USERS.DBF", directory + "//USERS.DBF",
          nav::TablePath(nav::PathForm::Editors, (directory + "\\").c_str(), "USERS")}) {
        EXPECT_GT(OpenTable(form, "USERS"), 0) << form;
        TableCloseAll();
    }
}

TEST_F(EngineTest, StartFlagStartsAFreshSession)
{
    ASSERT_GT(OpenTable(CreateNavigationTable(nav::UsersTable), "USERS"), 0);
    SetDeletedHidden(1);
    SetSoftSeek(1);
    EngineSetStartFlag(1);
    EXPECT_EQ(AreaOfAlias("USERS"), 0);
    ASSERT_GT(OpenTable(TablePath("USERS"), "USERS"), 0);
    AppendWaypoint("00000001", "A", "A");
    RecordDelete();
    EXPECT_EQ(WalkNums().size(), 1u);  // deleted records shown again
    OrderSet(TagOrder("NUM"));
    EXPECT_EQ(RecordSeek("00000000"), 0);
    EXPECT_NE(RecordAtEof(), 0);  // soft seek off again
}

TEST_F(EngineTest, OpeningUnderAnAliasInUseReplacesThatArea)
{
    std::string users = CreateNavigationTable(nav::UsersTable);
    std::string navaids = CreateNavigationTable(nav::NavaidsTable);
    int first = OpenTable(users, "ACTWPT");
    AppendWaypoint("00000001", "USER", "User");
    int second = OpenTable(navaids, "ACTWPT");
    EXPECT_EQ(second, first);  // the area is reused
    AreaSelect(AreaOfAlias("ACTWPT"));
    EXPECT_EQ(WalkNums().size(), 0u);  // the empty navaid table, not the users
    EXPECT_EQ(TableOpen(users.c_str(), "USERS", SDE_EXCLUSIVE, SDE_KIND_DBF), second + 1);
}
