// Save is a commit point: the record is in the table file when Save returns. Each case runs
// the editor in a child process that is killed the moment Save has returned; the table file
// must then hold what was saved (and the gauge, another process, sees it).
#include "AirportEditor.h"
#include "EngineTestSupport.h"
#include "FakeForm.h"
#include "QuillmapResources.h"
#include "RecordEditor.h"
#include "RunwayEditor.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using quillmap::AirportEditor;
using quillmap::RecordEditor;
using quillmap::RunwayEditor;

namespace {

struct Stored {
    std::string num;
    std::string text;  // the field the case looks at
    bool operator==(const Stored&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Stored& stored)
{
    return out << stored.num << '/' << stored.text;
}

class EditorSaveCommitTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        CreateNavigationTables();
        for (const nav::TableDefinition* table :
             {&nav::AirportsTable, &nav::NavaidsTable, &nav::UsersTable}) {
            OpenTable(TablePath(table->name), table->name);
            AppendWaypoint("00000001", "OLD", "Old name");
        }
        OpenTable(TablePath("RUNWAYS"), nav::RunwaysAlias);
        RecordAppendBlank();
        PutText("NUM", "00000001");
        PutText("RUNWAYS", "16/34");
        TableCloseAll();
    }

    // Runs `edit` in a child process and kills it as soon as `edit` returns; the child's
    // editors never close their tables.
    void RunKilledAfter(const std::function<void(const std::string& directory)>& edit)
    {
        int ends[2];
        ASSERT_EQ(pipe(ends), 0);
        const std::string directory = directory_.string() + "/";
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ends[0]);
            edit(directory);
            const char done = 1;
            if (write(ends[1], &done, 1) != 1) _exit(1);
            for (;;) pause();
        }
        close(ends[1]);
        char done = 0;
        const bool returned = read(ends[0], &done, 1) == 1;
        close(ends[0]);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(returned) << "the editor did not return, status " << status;
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    }

    // The live records of a table in record order: NUM and `field`, trailing blanks cut.
    std::vector<Stored> Live(const char* table, const char* field)
    {
        EXPECT_GT(OpenTable(TablePath(table), table, SDE_READONLY), 0);
        SetDeletedHidden(1);
        std::vector<Stored> records;
        for (RecordGoTop(); !RecordAtEof(); RecordSkip(1))
            records.push_back({TrimRight(Text("NUM")), TrimRight(Text(field))});
        SetDeletedHidden(0);
        TableCloseAll();
        return records;
    }
};

// The navaid and user waypoint editors have no second table whose selection would write the
// record by the way; the airport editor's runway list does.
TEST_F(EditorSaveCommitTest, ASavedRecordIsInTheFileWhenSaveReturns)
{
    for (const quillmap::EditorTable* table :
         {&quillmap::NavaidTable(), &quillmap::UserWaypointTable(), &quillmap::AirportTable()}) {
        SCOPED_TRACE(table->alias);
        RunKilledAfter([table](const std::string& directory) {
            FakeForm form;
            std::unique_ptr<RecordEditor> editor;
            if (table == &quillmap::AirportTable())
                editor = std::make_unique<AirportEditor>(form);
            else
                editor = std::make_unique<RecordEditor>(*table, form);
            editor->Open(directory);
            form.texts[IDC_NAME] = "Saved name";
            form.answers = {true};
            editor->Save();
        });
        EXPECT_EQ(Live(table->alias, "NAME"), (std::vector<Stored>{{"00000001", "Saved name"}}));
    }
}

TEST_F(EditorSaveCommitTest, ANewRecordIsInTheFileWhenItsSaveReturns)
{
    RunKilledAfter([](const std::string& directory) {
        FakeForm form;
        RecordEditor editor(quillmap::NavaidTable(), form);
        editor.Open(directory);
        form.answers = {true, true};
        editor.New();
        form.texts[IDC_NUM] = "00000002";
        form.texts[IDC_NAME] = "New navaid";
        editor.Save();
    });
    EXPECT_EQ(Live("NAVAIDS", "NAME"),
              (std::vector<Stored>{{"00000001", "Old name"}, {"00000002", "New navaid"}}));
}

// The runway editor's table stays current until its dialog ends: Save alone must write, for a
// changed runway and for a new one.
TEST_F(EditorSaveCommitTest, ASavedRunwayIsInTheFileWhenSaveReturns)
{
    const auto saveRunway = [](quillmap::RunwaySelection selection, const char* designator) {
        return [selection, designator](const std::string& directory) {
            FakeForm airportForm;
            AirportEditor airports(airportForm);
            airports.Open(directory);
            FakeForm form;
            RunwayEditor runway(form, selection);
            runway.Begin();
            form.texts[IDC_RUNWAY] = designator;
            form.answers = {true};
            runway.Save();
        };
    };
    RunKilledAfter(saveRunway({false, "00000001", "16/34            "}, "17/35"));
    EXPECT_EQ(Live("RUNWAYS", "RUNWAYS"), (std::vector<Stored>{{"00000001", "17/35"}}));
    RunKilledAfter(saveRunway({true, "00000001", ""}, "08/26"));
    EXPECT_EQ(Live("RUNWAYS", "RUNWAYS"),
              (std::vector<Stored>{{"00000001", "17/35"}, {"00000001", "08/26"}}));
}

}  // namespace
