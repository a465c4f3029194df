// The airport and runway editors over real tables: an airport's runways are those whose NUM
// equals the Num box, never those of longer numbers that begin with it.
#include "AirportEditor.h"
#include "EngineTestSupport.h"
#include "FakeForm.h"
#include "QuillmapResources.h"
#include "RunwayEditor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using quillmap::AirportEditor;
using quillmap::RunwayEditor;

namespace {

struct Runway {
    std::string num;
    std::string designator;
    std::string length;
    bool operator==(const Runway&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Runway& runway)
{
    return out << runway.num << '/' << runway.designator << '/' << runway.length;
}

class EditorRunwayTablesTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        const std::string airports = CreateNavigationTable(nav::AirportsTable);
        runways_ = CreateNavigationTable(nav::RunwaysTable);
        OpenTable(airports, nav::AirportsAlias);
        for (const char* num : {"3", "300", "301"}) AppendWaypoint(num, "", "");
        TableCloseAll();
        // Airport 300's 09/27 lies before airport 3's, where a match by prefix finds it first.
        OpenTable(runways_, nav::RunwaysAlias);
        for (const Runway& runway : stored_) {
            RecordAppendBlank();
            PutText("NUM", runway.num.c_str());
            PutText("RUNWAYS", runway.designator.c_str());
            PutText("LEN", runway.length.c_str());
        }
        TableCloseAll();
        editor_.Open(directory_.string() + "/");
    }

    void TearDown() override
    {
        editor_.Close();
        EXPECT_TRUE(form_.answers.empty()) << "questions not asked";
        EngineTest::TearDown();
    }

    // The live runways in record order, trailing blanks cut.
    std::vector<Runway> StoredRunways()
    {
        editor_.Close();
        OpenTable(runways_, nav::RunwaysAlias);
        SetDeletedHidden(1);
        std::vector<Runway> runways;
        for (RecordGoTop(); !RecordAtEof(); RecordSkip(1))
            runways.push_back(
                {TrimRight(Text("NUM")), TrimRight(Text("RUNWAYS")), TrimRight(Text("LEN"))});
        SetDeletedHidden(0);
        TableCloseAll();
        return runways;
    }

    std::vector<Runway> StoredRunwaysExcept(const Runway& removed)
    {
        std::vector<Runway> kept;
        for (const Runway& runway : stored_)
            if (!(runway == removed)) kept.push_back(runway);
        return kept;
    }

    // Selects the listed runway that begins with `designator`.
    void SelectListed(const std::string& designator)
    {
        const std::vector<std::string>& listed = form_.lists[IDC_RUNWAY_LIST];
        for (std::size_t i = 0; i < listed.size(); ++i)
            if (listed[i].compare(0, designator.size(), designator) == 0)
                form_.listSelections[IDC_RUNWAY_LIST] = static_cast<int>(i);
    }

    const std::vector<Runway> stored_ = {{"300", "09/27", "5000"},
                                         {"300", "18/36", "6000"},
                                         {"301", "01/19", "7000"},
                                         {"3", "09/27", "3000"}};
    std::string runways_;
    FakeForm form_;
    AirportEditor editor_{form_};
};

TEST_F(EditorRunwayTablesTest, DeletingAnAirportDeletesTheRunwaysOfExactlyTheTypedNumber)
{
    form_.texts[IDC_NUM] = "3";
    form_.answers = {true};
    editor_.Delete();
    EXPECT_EQ(StoredRunways(), StoredRunwaysExcept({"3", "09/27", "3000"}));
}

TEST_F(EditorRunwayTablesTest, DeletingWithAnEmptyNumBoxLeavesEveryNumberedRunway)
{
    form_.texts[IDC_NUM] = "";
    form_.answers = {true};
    editor_.Delete();
    EXPECT_EQ(StoredRunways(), stored_);
}

TEST_F(EditorRunwayTablesTest, RemovingARunwayTakesTheTypedAirportsOwn)
{
    editor_.Next();  // airport 300, its 09/27 listed
    SelectListed("09/27");
    form_.texts[IDC_NUM] = "3 ";  // typed, with a trailing blank
    form_.answers = {true};
    editor_.DeleteRunway();
    EXPECT_EQ(StoredRunways(), StoredRunwaysExcept({"3", "09/27", "3000"}));
}

TEST_F(EditorRunwayTablesTest, ARunwayOpenedUnderATypedNumberIsThatAirportsOwnAndStaysWithIt)
{
    editor_.Next();
    SelectListed("09/27");
    form_.texts[IDC_NUM] = "3";
    FakeForm runwayForm;
    RunwayEditor runwayEditor(runwayForm, editor_.SelectRunway(false));
    runwayEditor.Begin();
    EXPECT_EQ(runwayForm.Text(IDC_LENGTH), "3000  ");
    runwayForm.texts[IDC_LENGTH] = "3100";
    runwayForm.answers = {true};
    runwayEditor.Save();
    runwayEditor.End();

    std::vector<Runway> expected = stored_;
    expected.back().length = "3100";
    EXPECT_EQ(StoredRunways(), expected);
}

}  // namespace
