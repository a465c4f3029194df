// The current record is written when the cursor leaves it; another work area of this process
// reading the same table meanwhile reads the new values all the same.
#include "EngineTestSupport.h"

TEST_F(EngineTest, PutsAreReadThroughAnotherAreaOfThisProcess)
{
    std::string path = CreateNavigationTable(nav::UsersTable);
    ASSERT_GT(OpenTable(path, "EDITOR"), 0);
    AppendWaypoint("00000001", "ONE", "One");
    AppendWaypoint("00000002", "TWO", "Two");
    // Opened while the editor still stands on the record it filled.
    ASSERT_GT(OpenTable(path, "READER", SDE_READONLY), 0);
    EXPECT_EQ(WalkNums(), (std::vector<std::string>{"00000001", "00000002"}));
    RecordGoBottom();
    EXPECT_EQ(Text("ID"), "TWO   ");

    // Records the reader has read already, changed through the editor.
    AreaSelect(AreaOfAlias("EDITOR"));
    RecordGoTop();
    PutText("NAME", "First");
    RecordSkip(1);
    PutText("ID", "SECOND");
    AreaSelect(AreaOfAlias("READER"));
    RecordGoTop();
    EXPECT_EQ(TrimRight(Text("NAME")), "First");
    RecordSkip(1);
    EXPECT_EQ(Text("ID"), "SECOND");
}
