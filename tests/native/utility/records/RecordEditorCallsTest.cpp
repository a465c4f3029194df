// The record editors' engine calls, in order, with their arguments and value types.
#include "AirportEditor.h"
#include "FakeForm.h"
#include "QuillmapResources.h"
#include "RecordEditor.h"
#include "RecordingEngine.h"
#include "RunwayEditor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using quillmap::AirportEditor;
using quillmap::RecordEditor;
using quillmap::RunwayEditor;
using Calls = std::vector<std::string>;

namespace {

const std::string NavDirectory = "D:\\NAV\\";

// The calls after `mark`, so a test looks only at what one action did.
Calls CallsSince(size_t mark)
{
    return Calls(engine.calls.begin() + static_cast<std::ptrdiff_t>(mark), engine.calls.end());
}

Calls Concat(std::initializer_list<Calls> parts)
{
    Calls all;
    for (const Calls& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

const Calls WaypointReads = {
    "FieldGetString(NUM)",   "FieldGetString(ID)",    "FieldGetString(NAME)",
    "FieldGetInteger(LAT1)", "FieldGetInteger(LAT2)", "FieldGetInteger(LAT3)",
    "FieldGetInteger(LAT4)", "FieldGetInteger(LON1)", "FieldGetInteger(LON2)",
    "FieldGetInteger(LON3)", "FieldGetInteger(LON4)",
};

const Calls AirportExtraReads = {
    "FieldGetString(COUNTRY)", "FieldGetString(STATE)", "FieldGetInteger(ALT)",
    "FieldGetInteger(VAR)",    "FieldGetString(ATIS)",  "FieldGetString(TWR)",
};

Calls RunwayListCalls(const std::string& num, int count)
{
    Calls calls = {"AreaOfAlias(RUNWAYS)", "AreaSelect(1)", "QuerySet(NUM = \"" + num + "\")",
                   "RecordGoTop"};
    for (int i = 0; i < count; ++i) {
        calls.push_back("QueryCount");
        calls.push_back("FieldGetString(RUNWAYS)");
        calls.push_back("RecordSkip(1)");
    }
    calls.push_back("QueryCount");
    calls.push_back("AreaOfAlias(AIRPORTS)");
    calls.push_back("AreaSelect(2)");
    return calls;
}

class RecordEditorCallsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RecordEveryCall();
        engine.texts["NUM"] = "KJFK    ";
    }
    void TearDown() override { EXPECT_TRUE(form.answers.empty()) << "questions not asked"; }

    FakeForm form;
};

TEST_F(RecordEditorCallsTest, AirportEditorOpensRunwaysThenAirportsAndShowsTheFirstRecord)
{
    AirportEditor editor(form);
    editor.Open(NavDirectory);
    const Calls open = {
        "SetDeletedHidden(1)",
        "TableOpen(D:\\NAV\\\\RUNWAYS.DBF,RUNWAYS,0,2)",
        "TableSetPassword(KW%BN4#3)",
        "TableOpen(D:\\NAV\\\\AIRPORTS.DBF,AIRPORTS,0,2)",
        "TableSetPassword(KW%BN4#3)",
        "TagOrder(NUM)",
        "OrderSet(7)",
        "RecordGoTop",
    };
    EXPECT_EQ(engine.calls,
              Concat({open, WaypointReads, AirportExtraReads, RunwayListCalls("KJFK    ", 0)}));
    EXPECT_TRUE(form.notices.empty());

    const size_t mark = engine.calls.size();
    editor.Close();
    EXPECT_EQ(CallsSince(mark), (Calls{"TableCloseAll", "SetDeletedHidden(0)"}));
}

TEST_F(RecordEditorCallsTest, NavaidAndUserEditorsOpenOnlyTheirTable)
{
    RecordEditor navaids(quillmap::NavaidTable(), form);
    navaids.Open(NavDirectory);
    const Calls navaidOpen = {
        "SetDeletedHidden(1)",
        "TableOpen(D:\\NAV\\\\NAVAIDS.DBF,NAVAIDS,0,2)",
        "TableSetPassword(KW%BN4#3)",
        "TagOrder(NUM)",
        "OrderSet(7)",
        "RecordGoTop",
    };
    EXPECT_EQ(engine.calls,
              Concat({navaidOpen,
                      WaypointReads,
                      {"FieldGetInteger(ALT)", "FieldGetString(TYPE)", "FieldGetString(FREQ)"}}));

    RecordEveryCall();
    RecordEditor users(quillmap::UserWaypointTable(), form);
    users.Open(NavDirectory);
    ASSERT_GE(engine.calls.size(), 2u);
    EXPECT_EQ(engine.calls[1], "TableOpen(D:\\NAV\\\\USERS.DBF,USERS,0,2)");
    EXPECT_EQ(engine.calls.back(), "FieldGetInteger(ALT)");
}

TEST_F(RecordEditorCallsTest, ShowRecordFillsControlsAndListsOnlyRunwaysWithoutTwoLeadingBlanks)
{
    engine.texts["NAME"] = "JOHN F KENNEDY INTL";
    engine.texts["ATIS"] = " 128.72";
    engine.integers["LAT1"] = 0;
    engine.integers["LON1"] = 2;  // no such entry: the list shows no selection
    engine.integers["VAR"] = -13;
    engine.queryCount = 4;
    engine.sequences["RUNWAYS"] = {"31L/13R          ", "  HIDDEN         ", " 04L/22R         ",
                                   "04L/22R          "};
    AirportEditor editor(form);
    editor.Open(NavDirectory);

    EXPECT_EQ(form.Text(IDC_NUM), "KJFK    ");
    EXPECT_EQ(form.Text(IDC_NAME), "JOHN F KENNEDY INTL");
    EXPECT_EQ(form.Text(IDC_ATIS), " 128.72");
    EXPECT_EQ(form.Text(IDC_VARIATION), "-13");
    EXPECT_EQ(form.Selection(IDC_LAT_HEMISPHERE), 0);
    EXPECT_EQ(form.Selection(IDC_LON_HEMISPHERE), -1);
    EXPECT_EQ(
        form.lists[IDC_RUNWAY_LIST],
        (std::vector<std::string>{" 04L/22R         ", "04L/22R          ", "31L/13R          "}));
}

TEST_F(RecordEditorCallsTest, SaveWritesEveryFieldInItsOrderWithItsType)
{
    AirportEditor editor(form);
    editor.Open(NavDirectory);
    form.texts = {{IDC_NUM, "KJFK"},       {IDC_ID, "JFK"},          {IDC_NAME, "Kennedy"},
                  {IDC_COUNTRY, "US"},     {IDC_STATE, "NY"},        {IDC_LAT_DEGREES, "40"},
                  {IDC_LAT_MINUTES, "38"}, {IDC_LAT_SECONDS, "-1"},  {IDC_LON_DEGREES, "73"},
                  {IDC_LON_MINUTES, "46"}, {IDC_LON_SECONDS, "xx"},  {IDC_ALTITUDE, "13"},
                  {IDC_VARIATION, "-13"},  {IDC_ATIS, "128.72 MHz"}, {IDC_TOWER, "none"}};
    form.selections = {{IDC_LAT_HEMISPHERE, 0}};  // longitude list without a selection
    form.answers = {true};
    const size_t mark = engine.calls.size();
    editor.Save();

    EXPECT_EQ(form.questions, (std::vector<std::string>{"Save changes ?"}));
    const Calls writes = {
        "FieldReplace(NUM,1024,KJFK)",     "FieldReplace(ID,1024,JFK)",
        "FieldReplace(NAME,1024,Kennedy)", "FieldReplace(COUNTRY,1024,US)",
        "FieldReplace(STATE,1024,NY)",     "FieldReplace(LAT1,1,0)",
        "FieldReplace(LAT2,1,40)",         "FieldReplace(LAT3,1,38)",
        "FieldReplace(LAT4,1,-1)",         "FieldReplace(LON1,1,-1)",
        "FieldReplace(LON2,1,73)",         "FieldReplace(LON3,1,46)",
        "FieldReplace(LON4,1,0)",          "FieldReplace(ALT,1,13)",
        "FieldReplace(VAR,1,-13)",         "FieldReplace(ATIS,8,128.720000)",
        "FieldReplace(TWR,8,0.000000)",
    };
    const Calls after = CallsSince(mark);
    ASSERT_GE(after.size(), writes.size());
    EXPECT_EQ(Calls(after.begin(), after.begin() + static_cast<std::ptrdiff_t>(writes.size())),
              writes);
    // Then the record is written and shown again as the table holds it.
    EXPECT_EQ(after[writes.size()], "RecordSkip(0)");
    EXPECT_EQ(after[writes.size() + 1], "FieldGetString(NUM)");
}

TEST_F(RecordEditorCallsTest, NoToAQuestionChangesNothing)
{
    AirportEditor editor(form);
    editor.Open(NavDirectory);
    form.texts[IDC_NAME] = "typed";
    form.answers = {false, false, false};
    const size_t mark = engine.calls.size();
    editor.Save();
    editor.New();
    editor.Delete();
    EXPECT_EQ(form.questions,
              (std::vector<std::string>{"Save changes ?", "Insert a new blank airport ?",
                                        "Delete this airport ?"}));
    EXPECT_TRUE(CallsSince(mark).empty());
    EXPECT_EQ(form.Text(IDC_NAME), "typed");
}

TEST_F(RecordEditorCallsTest, MovesShowOnlyWhenTheEngineStaysOnARecord)
{
    RecordEditor editor(quillmap::NavaidTable(), form);
    editor.Open(NavDirectory);

    size_t mark = engine.calls.size();
    engine.atBof = true;
    editor.Previous();
    EXPECT_EQ(CallsSince(mark), (Calls{"RecordSkip(-1)", "RecordAtBof"}));

    mark = engine.calls.size();
    engine.atEof = true;
    editor.Next();
    EXPECT_EQ(CallsSince(mark), (Calls{"RecordSkip(1)", "RecordAtEof"}));

    mark = engine.calls.size();
    engine.atEof = false;
    editor.Next();
    EXPECT_EQ(CallsSince(mark),
              Concat({{"RecordSkip(1)", "RecordAtEof"},
                      WaypointReads,
                      {"FieldGetInteger(ALT)", "FieldGetString(TYPE)", "FieldGetString(FREQ)"}}));

    mark = engine.calls.size();
    editor.Last();
    EXPECT_EQ(CallsSince(mark).front(), "RecordGoBottom");
    mark = engine.calls.size();
    editor.First();
    EXPECT_EQ(CallsSince(mark).front(), "RecordGoTop");
}

TEST_F(RecordEditorCallsTest, DeletingAnAirportDeletesTheRunwaysOfTheTypedNumberFirst)
{
    AirportEditor editor(form);
    editor.Open(NavDirectory);
    form.texts[IDC_NUM] = "TYPED";
    engine.queryCount = 2;
    engine.atEof = true;  // the deleted airport was the last one
    form.answers = {true};
    const size_t mark = engine.calls.size();
    editor.Delete();

    const Calls deletion = {
        "AreaOfAlias(RUNWAYS)", "AreaSelect(1)",  "QuerySet(NUM = \"TYPED   \")",
        "RecordGoTop",          "QueryCount",     "RecordDelete",
        "RecordSkip(1)",        "QueryCount",     "RecordDelete",
        "RecordSkip(1)",        "QueryCount",     "AreaOfAlias(AIRPORTS)",
        "AreaSelect(2)",        "RecordDelete",   "RecordSkip(1)",
        "RecordAtEof",          "RecordSkip(-1)",
    };
    const Calls after = CallsSince(mark);
    ASSERT_GT(after.size(), deletion.size());
    EXPECT_EQ(Calls(after.begin(), after.begin() + static_cast<std::ptrdiff_t>(deletion.size())),
              deletion);
    EXPECT_EQ(after[deletion.size()], "FieldGetString(NUM)");
}

TEST_F(RecordEditorCallsTest, DeletingARunwayNeedsASelectionAndDeletesTheFirstMatch)
{
    engine.queryCount = 1;
    engine.texts["RUNWAYS"] = "04L/22R          ";
    AirportEditor editor(form);
    editor.Open(NavDirectory);

    size_t mark = engine.calls.size();
    editor.DeleteRunway();  // no selection: no question, no call
    EXPECT_TRUE(CallsSince(mark).empty());
    EXPECT_TRUE(form.questions.empty());

    form.listSelections[IDC_RUNWAY_LIST] = 0;
    form.answers = {true};
    mark = engine.calls.size();
    editor.DeleteRunway();
    EXPECT_EQ(form.questions, (std::vector<std::string>{"Delete this runway ?"}));
    const Calls after = CallsSince(mark);
    const Calls deletion = {"AreaOfAlias(RUNWAYS)",
                            "AreaSelect(1)",
                            "QuerySet(NUM = \"KJFK    \" .and. RUNWAYS = \"04L/22R          \")",
                            "RecordGoTop",
                            "QueryCount",
                            "RecordDelete",
                            "AreaOfAlias(AIRPORTS)",
                            "AreaSelect(2)"};
    ASSERT_GT(after.size(), deletion.size());
    EXPECT_EQ(Calls(after.begin(), after.begin() + static_cast<std::ptrdiff_t>(deletion.size())),
              deletion);

    // A query that matches nothing deletes nothing.
    engine.queryCount = 0;
    form.answers = {true};
    mark = engine.calls.size();
    editor.DeleteRunway();
    const Calls none = CallsSince(mark);
    EXPECT_EQ(std::count(none.begin(), none.end(), "RecordDelete"), 0);
}

TEST_F(RecordEditorCallsTest, RunwayEditorChoosesByAirportNumberAndDesignator)
{
    engine.texts["LEN"] = "14511 ";
    RunwayEditor existing(form, {false, "KJFK    ", "04L/22R          "});
    existing.Begin();
    EXPECT_EQ(engine.calls,
              (Calls{"AreaOfAlias(RUNWAYS)", "AreaSelect(1)",
                     "QuerySet(NUM = \"KJFK    \" .and. RUNWAYS = \"04L/22R          \")",
                     "RecordGoTop", "FieldGetString(RUNWAYS)", "FieldGetString(LEN)",
                     "FieldGetString(SURFACE)", "FieldGetString(REM)", "FieldGetString(NAV1)",
                     "FieldGetString(RWY1)", "FieldGetString(FREQ1)", "FieldGetString(NAV2)",
                     "FieldGetString(RWY2)", "FieldGetString(FREQ2)"}));
    EXPECT_EQ(form.Text(IDC_LENGTH), "14511 ");

    form.texts[IDC_RUNWAY] = "04R/22L";
    form.answers = {true};
    size_t mark = engine.calls.size();
    existing.Save();
    Calls after = CallsSince(mark);
    ASSERT_EQ(after.size(), 12u);
    EXPECT_EQ(after[0], "FieldReplace(NUM,1024,KJFK    )");
    EXPECT_EQ(after[1], "FieldReplace(RUNWAYS,1024,04R/22L)");
    EXPECT_EQ(after[10], "FieldReplace(FREQ2,1024,)");
    EXPECT_EQ(after[11], "RecordSkip(0)");

    mark = engine.calls.size();
    existing.End();
    EXPECT_EQ(CallsSince(mark), (Calls{"AreaOfAlias(AIRPORTS)", "AreaSelect(2)"}));

    RecordEveryCall();
    FakeForm blank;
    RunwayEditor added(blank, {true, "", ""});
    added.Begin();
    EXPECT_EQ(engine.calls, (Calls{"AreaOfAlias(RUNWAYS)", "AreaSelect(1)"}));
    blank.answers = {true};
    added.Save();
    EXPECT_EQ(engine.calls[2], "RecordAppendBlank");
    EXPECT_EQ(engine.calls[3], "FieldReplace(NUM,1024,)");

    // No writes on No.
    blank.answers = {false};
    mark = engine.calls.size();
    added.Save();
    EXPECT_TRUE(CallsSince(mark).empty());
}

TEST_F(RecordEditorCallsTest, RunwaySelectionCarriesTheNumBoxAndAtMost31Characters)
{
    AirportEditor editor(form);
    editor.Open(NavDirectory);
    form.texts[IDC_NUM] = "TYPED";
    form.lists[IDC_RUNWAY_LIST] = {std::string(40, 'R')};
    form.listSelections[IDC_RUNWAY_LIST] = 0;
    const quillmap::RunwaySelection selection = editor.SelectRunway(false);
    EXPECT_FALSE(selection.isNew);
    EXPECT_EQ(selection.airportNum, "TYPED");
    EXPECT_EQ(selection.designator, std::string(31, 'R'));

    form.listSelections.clear();
    EXPECT_EQ(editor.SelectRunway(true).designator, "");
}

TEST_F(RecordEditorCallsTest, ATableThatCannotBeOpenedIsNamedOnceAndNothingIsWritten)
{
    engine.failingAlias = "AIRPORTS";
    AirportEditor editor(form);
    editor.Open(NavDirectory);
    ASSERT_EQ(form.notices.size(), 1u);
    EXPECT_NE(form.notices[0].find("D:\\NAV\\\\AIRPORTS.DBF"), std::string::npos)
        << form.notices[0];
    EXPECT_EQ(form.notices[0].find("RUNWAYS"), std::string::npos);
    EXPECT_EQ(engine.calls.back(), "TableCloseAll");
    EXPECT_FALSE(editor.TablesOpen());
    EXPECT_EQ(form.Text(IDC_NUM), "");
    EXPECT_EQ(form.Selection(IDC_LAT_HEMISPHERE), -1);

    form.texts[IDC_NUM] = "KJFK";
    form.listSelections[IDC_RUNWAY_LIST] = 0;
    form.lists[IDC_RUNWAY_LIST] = {"04L"};
    const size_t mark = engine.calls.size();
    editor.Save();
    editor.New();
    editor.Delete();
    editor.DeleteRunway();
    editor.First();
    editor.Previous();
    editor.Next();
    editor.Last();
    EXPECT_TRUE(CallsSince(mark).empty());
    EXPECT_TRUE(form.questions.empty());
    EXPECT_EQ(form.notices.size(), 1u);
}

}  // namespace
