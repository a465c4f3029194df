// The navaid and user waypoint editors: the shared editor on their own tables and
// templates, with their own fields and questions.
#include "EditorTestSupport.h"
#include "QuillmapResources.h"
#include "WaypointEditorDialogs.h"

using namespace uitest;
using namespace std::string_literals;

namespace {

class NavaidEditorTest : public EditorTest {
protected:
    NavaidEditorTest()
    {
        AppendRecords(data, "NAVAIDS",
                      {{{"NUM", "N1"s},
                        {"ID", "BOS"s},
                        {"NAME", "Boston"s},
                        {"LAT2", 42},
                        {"LON2", 70},
                        {"ALT", 19},
                        {"TYPE", "VOR-DME"s},
                        {"FREQ", "112.70"s}},
                       {{"NUM", "N2"s},
                        {"ID", "JFK"s},
                        {"NAME", "Kennedy"s},
                        {"LAT1", 0},
                        {"LAT2", 40},
                        {"LON2", 73},
                        {"ALT", 12},
                        {"TYPE", "VOR"s},
                        {"FREQ", "115.90"s}}});
    }
    void Run(Script& script) { RunEditor<quillmap::NavaidEditorDialog>(script); }
};

TEST_F(NavaidEditorTest, BrowsesCreatesAndSavesTypeAndFrequencyAsText)
{
    Script script;
    script
        .On("Navaids",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NUM), "N1");
                EXPECT_EQ(Shown(dialog, IDC_TYPE), "VOR-DME");
                EXPECT_EQ(Shown(dialog, IDC_FREQUENCY), "112.70");
                EXPECT_EQ(ControlText(dialog, IDC_ALTITUDE), "19");
                Click(dialog, IDC_LAST);
            })
        .On("Navaids",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NUM), "N2");
                Click(dialog, IDC_NEW);
            })
        .Question("Insert a new blank navaid ?", true)
        .On("Navaids",
            [](HWND dialog) {
                TypeText(dialog, IDC_NUM, "n3");
                TypeText(dialog, IDC_ID, "lga");
                TypeText(dialog, IDC_NAME, "La Guardia");
                SelectComboEntry(dialog, IDC_LAT_HEMISPHERE, 1);
                TypeText(dialog, IDC_LAT_DEGREES, "40");
                SelectComboEntry(dialog, IDC_LON_HEMISPHERE, 0);
                TypeText(dialog, IDC_LON_DEGREES, "73");
                TypeText(dialog, IDC_ALTITUDE, "abc");  // upper-case box; letters save as 0
                TypeText(dialog, IDC_TYPE, "vor");
                TypeText(dialog, IDC_FREQUENCY, "113.1x");
                Click(dialog, IDC_SAVE);
            })
        .Question("Save changes ?", true)
        .On("Navaids", [](HWND dialog) {
            EXPECT_EQ(Shown(dialog, IDC_NUM), "N3");
            EXPECT_EQ(ControlText(dialog, IDC_ALTITUDE), "0");
            Click(dialog, IDCANCEL);
        });
    Run(script);

    TableReader navaids(data, "NAVAIDS");
    EXPECT_EQ(navaids.Nums(), (std::vector<std::string>{"N1", "N2", "N3"}));
    ASSERT_TRUE(navaids.Seek("N3"));
    EXPECT_EQ(navaids.Text("ID"), "LGA");
    EXPECT_EQ(navaids.Text("NAME"), "La Guardia");
    EXPECT_EQ(navaids.Integer("LAT1"), 1);
    EXPECT_EQ(navaids.Integer("LAT2"), 40);
    EXPECT_EQ(navaids.Integer("LON1"), 0);
    EXPECT_EQ(navaids.Integer("LON2"), 73);
    EXPECT_EQ(navaids.Integer("ALT"), 0);
    EXPECT_EQ(navaids.Text("TYPE"), "VOR");
    EXPECT_EQ(navaids.Text("FREQ"), "113.1x");
}

TEST_F(NavaidEditorTest, DeletingTheLastNavaidShowsTheOneBeforeAndFindUsesTheNameTag)
{
    Script script;
    script.On("Navaids", [](HWND dialog) { Click(dialog, IDC_LAST); })
        .On("Navaids", [](HWND dialog) { Click(dialog, IDC_DELETE); })
        .Question("Delete this navaid ?", true)
        .On("Navaids",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NUM), "N1");
                Click(dialog, IDC_NEW);
            })
        .Question("Insert a new blank navaid ?", false)
        .On("Navaids", [](HWND dialog) { Click(dialog, IDC_FIND); })
        .On("Find",
            [](HWND dialog) {
                TypeText(dialog, IDC_NAME, "kenn");  // deleted: soft seek goes past it
                Click(dialog, IDOK);
            })
        .On("Navaids", [](HWND dialog) {
            EXPECT_EQ(Shown(dialog, IDC_NUM), "");
            Click(dialog, IDCANCEL);
        });
    Run(script);
    TableReader navaids(data, "NAVAIDS");
    EXPECT_EQ(navaids.Nums(), (std::vector<std::string>{"N1"}));
}

class UserWaypointEditorTest : public EditorTest {
protected:
    UserWaypointEditorTest()
    {
        AppendRecords(data, "USERS",
                      {{{"NUM", "U1"s},
                        {"ID", "HOME"s},
                        {"NAME", "Home field"s},
                        {"LAT2", 45},
                        {"ALT", 300}}});
    }
    void Run(Script& script) { RunEditor<quillmap::UserWaypointEditorDialog>(script); }
};

TEST_F(UserWaypointEditorTest, NewWaypointWithEmptyNumAndLettersForAltitude)
{
    Script script;
    script
        .On("Users waypoints",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NAME), "Home field");
                EXPECT_EQ(ControlText(dialog, IDC_ALTITUDE), "300");
                Click(dialog, IDC_NEW);
            })
        .Question("Insert a new blank user waypoint ?", true)
        .On("Users waypoints",
            [](HWND dialog) {
                TypeText(dialog, IDC_NAME, "Lake");
                TypeText(dialog, IDC_ALTITUDE, "high");
                TypeText(dialog, IDC_LAT_DEGREES, "-7");
                Click(dialog, IDC_SAVE);
            })
        .Question("Save changes ?", true)
        .On("Users waypoints", [](HWND dialog) { Click(dialog, IDCANCEL); });
    Run(script);
    TableReader users(data, "USERS");
    EXPECT_EQ(users.Nums(), (std::vector<std::string>{"", "U1"}));
    ASSERT_TRUE(users.Seek(""));
    EXPECT_EQ(users.Text("NAME"), "Lake");
    EXPECT_EQ(users.Integer("ALT"), 0);
    EXPECT_EQ(users.Integer("LAT2"), -7);
}

TEST_F(UserWaypointEditorTest, DeletingTheOnlyWaypointLeavesAnEmptyTable)
{
    Script script;
    script.On("Users waypoints", [](HWND dialog) { Click(dialog, IDC_DELETE); })
        .Question("Delete this user waypoint ?", true)
        .On("Users waypoints", [](HWND dialog) {
            EXPECT_EQ(Shown(dialog, IDC_NUM), "");
            Click(dialog, IDCANCEL);
        });
    Run(script);
    TableReader users(data, "USERS");
    EXPECT_EQ(users.Count(), 0);
}

}  // namespace
