// `navdb import` of runways killed at any instant: at each of its writes in turn and at each
// rename (strace makes the kill land there). Every airport then holds its stored runways or
// the imported ones, whole, never none and never a mix; the next import completes the
// replacement.
#include "EngineTestSupport.h"
#include "KilledProcess.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// More calls than the import makes: each loop ends when the import finishes.
constexpr int MaxKills = 400;

// An airport's runways: designator and length, in any order.
using Runways = std::multiset<std::string>;
using RunwaysByAirport = std::map<std::string, Runways>;

// The stored runways, and those the file replaces them with ("00000003" is not in the file).
const RunwaysByAirport Stored = {
    {"00000001", {"16/34 1000", "13/31 1000"}},
    {"00000002", {"09/27 1000", "04/22 1000", "18/36 1000"}},
    {"00000003", {"01/19 1000"}},
};
const RunwaysByAirport Imported = {
    {"00000001", {"16L/34R 2000", "16R/34L 2000", "13/31 2000"}},
    {"00000002", {"09/27 2000"}},
    {"00000003", {"01/19 1000"}},
    {"00000004", {"05/23 2000", "06/24 2000"}},
};

class KilledRunwayImportTest : public EngineTest {
protected:
    void SetUp() override
    {
        if (!StraceInstalled()) GTEST_SKIP() << "strace is not installed";
        EngineTest::SetUp();
        runways_ = CreateNavigationTable(nav::RunwaysTable);
        OpenTable(runways_, nav::RunwaysAlias, SDE_EXCLUSIVE);
        for (const auto& [num, runways] : Stored)
            for (const std::string& runway : runways) {
                RecordAppendBlank();
                PutText("NUM", num.c_str());
                PutText("RUNWAYS", runway.substr(0, runway.find(' ')).c_str());
                PutText("LEN", runway.substr(runway.find(' ') + 1).c_str());
            }
        TableCloseAll();
        table_ = FileBytes(runways_);
        index_ = FileBytes(IndexFileOf(runways_));

        importFile_ = (directory_ / "RUNWAYS.GPS").string();
        std::ofstream file(importFile_, std::ios::binary);
        file << "IMPORT R\nfree\nfree\n";
        for (const char* num : {"00000001", "00000002", "00000004"})
            for (const std::string& runway : Imported.at(num)) {
                std::string line = std::string(num) + ' ' + runway.substr(0, runway.find(' '));
                line.resize(27, ' ');
                file << line << runway.substr(runway.find(' ') + 1) << '\n';
            }
    }

    // Every live runway, by airport, read from the table as the next program opens it.
    RunwaysByAirport Read()
    {
        RunwaysByAirport read;
        EXPECT_GT(OpenTable(runways_, nav::RunwaysAlias, SDE_READONLY), 0);
        SetDeletedHidden(1);
        for (RecordGoTop(); !RecordAtEof(); RecordSkip(1))
            read[TrimRight(Text("NUM"))].insert(TrimRight(Text("RUNWAYS")) + ' ' +
                                                TrimRight(Text("LEN")));
        SetDeletedHidden(0);
        TableCloseAll();
        return read;
    }

    // Kills the import at call `n` of `syscalls` in each run until it finishes; after each
    // kill every airport must hold one whole set, and an import run to its end then leaves
    // the imported runways.
    void KillAtEachCall(const std::string& syscalls)
    {
        const std::vector<std::string> import = {"import", directory_.string(), importFile_};
        bool killed = true;
        for (int n = 1; killed && n <= MaxKills; ++n) {
            SCOPED_TRACE("killed at " + syscalls + " number " + std::to_string(n));
            WriteBytes(runways_, table_);
            WriteBytes(IndexFileOf(runways_), index_);
            killed = RunKilledAtCall(syscalls, n, NAVDB_PROGRAM, import);
            const RunwaysByAirport left = Read();
            for (const auto& [num, runways] : Imported) {
                const auto stored = Stored.find(num);
                const Runways old = stored == Stored.end() ? Runways() : stored->second;
                const Runways now = left.count(num) ? left.at(num) : Runways();
                EXPECT_TRUE(now == old || now == runways) << num << " holds " << now.size();
            }
            EXPECT_TRUE(killed || left == Imported);
            if (!killed) break;
            ChildProcess next(NAVDB_PROGRAM, import);
            while (!next.ReadLine().empty()) continue;  // its report, read to the end
            EXPECT_EQ(next.Wait(), 0);
            EXPECT_EQ(Read(), Imported);
        }
        EXPECT_FALSE(killed);
    }

    std::string runways_, table_, index_, importFile_;
};

TEST_F(KilledRunwayImportTest, EveryAirportKeepsOneWholeSetOfRunways)
{
    KillAtEachCall("pwrite64");
    KillAtEachCall("rename,renameat,renameat2");
}

}  // namespace
