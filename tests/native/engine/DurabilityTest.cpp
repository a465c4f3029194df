// A process killed between two engine calls leaves a table that opens with every record it
// completed, and tags that follow it (the stale index is rebuilt).
#include "EngineTestSupport.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string numFor(int i) {
    char num[16];
    std::snprintf(num, sizeof num, "%08d", i);
    return num;
}

}  // namespace

class DurabilityTest : public EngineTest, public ::testing::WithParamInterface<int> {};

TEST_P(DurabilityTest, KilledWriterLeavesEveryCompletedRecord) {
    std::string path = createNavigationTable(nav::airportsTable);
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(pipeEnds[0]);
        openTable(path, "AIRPORTS", GetParam());
        for (int i = 1;; ++i) {
            appendWaypoint(numFor(i).c_str(), ("K" + std::to_string(i % 1000)).c_str(), ("Field " + std::to_string(i)).c_str());
            replaceInteger("ALT", i % 10000);
            replaceDouble("TWR", 118.0 + (i % 100) / 100.0);
            if (write(pipeEnds[1], &i, sizeof i) != sizeof i) _exit(1);
        }
    }
    close(pipeEnds[1]);
    int completed = 0, reported = 0;
    while (completed < 300 && read(pipeEnds[0], &reported, sizeof reported) == sizeof reported) completed = reported;
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    while (read(pipeEnds[0], &reported, sizeof reported) == sizeof reported) completed = reported;
    close(pipeEnds[0]);
    ASSERT_GE(completed, 300);

    ASSERT_GT(openTable(path, "AIRPORTS", SDE_READONLY), 0);
    OrderSet(TagOrder("NUM"));
    for (int i = 1; i <= completed; ++i) {
        ASSERT_NE(RecordSeek(numFor(i).c_str()), 0) << i;
        EXPECT_EQ(trimRight(text("NAME")), "Field " + std::to_string(i));
        EXPECT_EQ(FieldGetInteger("ALT"), i % 10000);
        EXPECT_NEAR(FieldGetDouble("TWR"), 118.0 + (i % 100) / 100.0, 1e-9);
    }
    // At most the one record in progress follows the completed ones.
    OrderSet(0);
    int records = 0;
    for (RecordGoTop(); !RecordAtEof(); RecordSkip(1)) ++records;
    EXPECT_GE(records, completed);
    EXPECT_LE(records, completed + 1);
}

INSTANTIATE_TEST_SUITE_P(SharedAndExclusive, DurabilityTest, ::testing::Values(SDE_SHARED, SDE_EXCLUSIVE));
