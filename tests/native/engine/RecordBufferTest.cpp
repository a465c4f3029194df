// The current record is written when the cursor leaves it; another work area of this process
// reading the same table meanwhile reads the new values all the same.
#include "EngineTestSupport.h"

TEST_F(EngineTest, PutsAreReadThroughAnotherAreaOfThisProcess) {
    std::string path = createNavigationTable(nav::usersTable);
    ASSERT_GT(openTable(path, "EDITOR"), 0);
    appendWaypoint("00000001", "ONE", "One");
    appendWaypoint("00000002", "TWO", "Two");
    // Opened while the editor still stands on the record it filled.
    ASSERT_GT(openTable(path, "READER", SDE_READONLY), 0);
    EXPECT_EQ(walkNums(), (std::vector<std::string> {"00000001", "00000002"}));
    RecordGoBottom();
    EXPECT_EQ(text("ID"), "TWO   ");

    // Records the reader has read already, changed through the editor.
    AreaSelect(AreaOfAlias("EDITOR"));
    RecordGoTop();
    replaceText("NAME", "First");
    RecordSkip(1);
    replaceText("ID", "SECOND");
    AreaSelect(AreaOfAlias("READER"));
    RecordGoTop();
    EXPECT_EQ(trimRight(text("NAME")), "First");
    RecordSkip(1);
    EXPECT_EQ(text("ID"), "SECOND");
}
