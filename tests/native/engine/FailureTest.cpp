// A failed open, no current table, odd call orders and odd arguments: nothing crashes,
// nothing is written, and the results are the harmless ones.
#include "EngineTestSupport.h"


namespace {

void expectHarmlessOperations() {
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

TEST_F(EngineTest, MissingFileLeavesNoTableCurrent) {
    std::string airports = createNavigationTable(nav::airportsTable);
    ASSERT_GT(openTable(airports, "AIRPORTS"), 0);
    appendWaypoint("00000001", "KAAA", "A");
    RecordGoTop();   // leaves the record: it is in the file
    std::string before = fileBytes(airports);
    EXPECT_EQ(openTable(tablePath("NOSUCH"), "NOSUCH"), 0);
    expectHarmlessOperations();
    EXPECT_EQ(fileBytes(airports), before);
    // The table opened before is still there.
    AreaSelect(AreaOfAlias("AIRPORTS"));
    RecordGoTop();
    EXPECT_EQ(text("NUM"), "00000001");
}

TEST_F(EngineTest, MissingDirectoryAndBadArgumentsFailToOpen) {
    EXPECT_EQ(TableOpen((directory_ / "no" / "such" / "AIRPORTS.DBF").string().c_str(), "A", 0, 2), 0);
    EXPECT_EQ(TableOpen(nullptr, "A", 0, 2), 0);
    std::string path = createNavigationTable(nav::usersTable);
    EXPECT_EQ(TableOpen(path.c_str(), "USERS", 7, 2), 0);
    EXPECT_EQ(TableOpen(directory_.string().c_str(), "DIR", 0, 2), 0);   // a directory is no table
    expectHarmlessOperations();
}

TEST_F(EngineTest, NothingOpenAtAllIsHarmless) {
    TableCloseAll();
    expectHarmlessOperations();
    AreaSelect(3);
    AreaSelect(-1);
    expectHarmlessOperations();
    TableSetPassword(nullptr);
    EXPECT_EQ(AreaOfAlias(nullptr), 0);
}

TEST_F(EngineTest, SelectingAnUnknownAreaLeavesNoTableCurrent) {
    std::string path = createNavigationTable(nav::usersTable);
    ASSERT_GT(openTable(path, "USERS"), 0);
    appendWaypoint("00000001", "HOME", "Home");
    RecordGoTop();
    std::string before = fileBytes(path);
    AreaSelect(AreaOfAlias("AIRPORTS"));   // not open
    expectHarmlessOperations();
    EXPECT_EQ(fileBytes(path), before);
}

TEST_F(EngineTest, WritesOnTheBlankRecordPastTheEndAreIgnored) {
    std::string path = createNavigationTable(nav::usersTable);
    ASSERT_GT(openTable(path, "USERS"), 0);
    appendWaypoint("00000001", "HOME", "Home");
    RecordSkip(1);
    ASSERT_NE(RecordAtEof(), 0);
    std::string before = fileBytes(path);
    replaceText("NAME", "Overwritten");
    RecordDelete();
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(text("NAME"), std::string(45, ' '));
}

TEST_F(EngineTest, EmptyTableStandsAtBothEnds) {
    ASSERT_GT(openTable(createNavigationTable(nav::airportsTable), "AIRPORTS"), 0);
    EXPECT_NE(RecordAtBof(), 0);
    EXPECT_NE(RecordAtEof(), 0);
    OrderSet(TagOrder("NUM"));
    RecordGoBottom();
    RecordSkip(-1);
    RecordSkip(1);
    EXPECT_NE(RecordAtEof(), 0);
    EXPECT_EQ(RecordSeek(""), 0);
    replaceText("NUM", "X");   // nowhere to write
    EXPECT_EQ(walkNums().size(), 0u);
}

TEST_F(EngineTest, WriteAtBeginFlagGoesToTheFirstRecord) {
    // "<" on the first record then "Save" in an editor: the shown record is written.
    ASSERT_GT(openTable(createNavigationTable(nav::usersTable), "USERS"), 0);
    appendWaypoint("00000001", "ONE", "One");
    appendWaypoint("00000002", "TWO", "Two");
    RecordGoTop();
    RecordSkip(-1);
    ASSERT_NE(RecordAtBof(), 0);
    replaceText("ID", "FIRST");
    RecordGoTop();
    EXPECT_EQ(text("ID"), "FIRST ");
}

TEST_F(EngineTest, PathsTakeEitherSeparatorAndDoubledOnes) {
    std::string path = createNavigationTable(nav::usersTable);
    std::string directory = directory_.string();
    std::string backslashed = directory;
    for (char& c : backslashed)
        if (c == '/') c = '\\';
    for (const std::string& form : {directory + "\\\\USERS.DBF", backslashed + "\\USERS.DBF",
                                    directory + "//USERS.DBF", nav::tablePath(nav::PathForm::Editors,
                                                                              (directory + "\\").c_str(), "USERS")}) {
        EXPECT_GT(openTable(form, "USERS"), 0) << form;
        TableCloseAll();
    }
}

TEST_F(EngineTest, StartFlagStartsAFreshSession) {
    ASSERT_GT(openTable(createNavigationTable(nav::usersTable), "USERS"), 0);
    SetDeletedHidden(1);
    SetSoftSeek(1);
    EngineSetStartFlag(1);
    EXPECT_EQ(AreaOfAlias("USERS"), 0);
    ASSERT_GT(openTable(tablePath("USERS"), "USERS"), 0);
    appendWaypoint("00000001", "A", "A");
    RecordDelete();
    EXPECT_EQ(walkNums().size(), 1u);   // deleted records shown again
    OrderSet(TagOrder("NUM"));
    EXPECT_EQ(RecordSeek("00000000"), 0);
    EXPECT_NE(RecordAtEof(), 0);       // soft seek off again
}

TEST_F(EngineTest, OpeningUnderAnAliasInUseReplacesThatArea) {
    std::string users = createNavigationTable(nav::usersTable);
    std::string navaids = createNavigationTable(nav::navaidsTable);
    int first = openTable(users, "ACTWPT");
    appendWaypoint("00000001", "USER", "User");
    int second = openTable(navaids, "ACTWPT");
    EXPECT_EQ(second, first);   // the area is reused
    AreaSelect(AreaOfAlias("ACTWPT"));
    EXPECT_EQ(walkNums().size(), 0u);   // the empty navaid table, not the users
    EXPECT_EQ(TableOpen(users.c_str(), "USERS", SDE_EXCLUSIVE, SDE_KIND_DBF), second + 1);
}
