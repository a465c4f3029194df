// The airport editor and its runway editor and Find, driven through their real dialogs on
// tables of the real engine.
#include "AirportEditorDialog.h"
#include "EditorTestSupport.h"
#include "QuillmapResources.h"

#include <algorithm>

using namespace uitest;
using namespace std::string_literals;

namespace {

class AirportEditorTest : public EditorTest {
protected:
    AirportEditorTest()
    {
        AppendRecords(data, "AIRPORTS",
                      {{{"NUM", "100"s},
                        {"ID", "KBOS"s},
                        {"NAME", "Boston Logan Intl"s},
                        {"COUNTRY", "US"s},
                        {"STATE", "MA"s},
                        {"LAT2", 42},
                        {"LAT3", 21},
                        {"LAT4", 47},
                        {"LON2", 71},
                        {"LON4", 23},
                        {"ALT", 20},
                        {"VAR", -15},
                        {"ATIS", 135.0},
                        {"TWR", 128.8}},
                       {{"NUM", "200"s},
                        {"ID", "KJFK"s},
                        {"NAME", "John F Kennedy Intl"s},
                        {"COUNTRY", "US"s},
                        {"STATE", "NY"s},
                        {"LAT2", 40},
                        {"LAT3", 38},
                        {"LAT4", 23},
                        {"LON2", 73},
                        {"LON3", 46},
                        {"LON4", 44},
                        {"ALT", 13},
                        {"VAR", -13},
                        {"ATIS", 128.72},
                        {"TWR", 119.1}},
                       {{"NUM", "300"s},
                        {"ID", "EGLL"s},
                        {"NAME", "London Heathrow"s},
                        {"COUNTRY", "GB"s},
                        {"LAT2", 51},
                        {"LAT3", 28},
                        {"LAT4", 39},
                        {"LON1", 0},
                        {"LON3", 27},
                        {"LON4", 41},
                        {"ALT", 83},
                        {"VAR", -3},
                        {"ATIS", 113.75},
                        {"TWR", 118.5}}});
        AppendRecords(
            data, "RUNWAYS",
            {{{"NUM", "200"s}, {"RUNWAYS", "13R/31L"s}, {"LEN", "14511"s}, {"SURFACE", "ASPH"s}},
             {{"NUM", "200"s}, {"RUNWAYS", "04L/22R"s}, {"LEN", "12079"s}},
             {{"NUM", "200"s}, {"RUNWAYS", "  HIDDEN"s}},
             {{"NUM", "300"s}, {"RUNWAYS", "09L/27R"s}, {"LEN", "12799"s}}});
    }

    void Run(Script& script) { RunEditor<quillmap::AirportEditorDialog>(script); }
};

std::vector<std::string> Runways(HWND dialog)
{
    std::vector<std::string> entries;
    for (const std::string& entry : ListEntries(dialog, IDC_RUNWAY_LIST))
        entries.push_back(Trimmed(entry));
    return entries;
}

int RunwayIndex(HWND dialog, const std::string& designator)
{
    const std::vector<std::string> entries = Runways(dialog);
    return static_cast<int>(std::find(entries.begin(), entries.end(), designator) -
                            entries.begin());
}

TEST_F(AirportEditorTest, BrowsesInNumberOrderAndStaysPutAtBothEnds)
{
    Script script;
    script
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(ControlText(dialog, IDC_NUM), "100     ");  // blank-padded as stored
                EXPECT_EQ(Shown(dialog, IDC_ID), "KBOS");
                EXPECT_EQ(Shown(dialog, IDC_NAME), "Boston Logan Intl");
                EXPECT_EQ(ComboSelection(dialog, IDC_LAT_HEMISPHERE), 0);
                EXPECT_EQ(ControlText(dialog, IDC_LAT_DEGREES), "42");
                EXPECT_EQ(ControlText(dialog, IDC_LON_SECONDS), "23");
                EXPECT_EQ(Shown(dialog, IDC_STATE), "MA");
                EXPECT_EQ(ControlText(dialog, IDC_VARIATION), "-15");
                EXPECT_EQ(ControlText(dialog, IDC_ATIS), " 135.00");  // the field's own text
                EXPECT_TRUE(Runways(dialog).empty());
                Click(dialog, IDC_NEXT);
            })
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NUM), "200");
                // Sorted, and the designator with two leading blanks is not listed.
                EXPECT_EQ(Runways(dialog), (std::vector<std::string>{"04L/22R", "13R/31L"}));
                Click(dialog, IDC_NEXT);
            })
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NUM), "300");
                Click(dialog, IDC_NEXT);  // past the last record
            })
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NUM), "300");
                EXPECT_EQ(Runways(dialog), (std::vector<std::string>{"09L/27R"}));
                SetControlText(dialog, IDC_NAME, "typed");
                Click(dialog, IDC_PREVIOUS);  // shows the last record again
            })
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NAME), "London Heathrow");
                Click(dialog, IDC_FIRST);
            })
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NUM), "100");
                SetControlText(dialog, IDC_NAME, "typed");
                Click(dialog, IDC_PREVIOUS);  // before the first: nothing shown
            })
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NAME), "typed");
                Click(dialog, IDC_LAST);
            })
        .On("Airports", [](HWND dialog) {
            EXPECT_EQ(Shown(dialog, IDC_NUM), "300");
            Click(dialog, IDCANCEL);
        });
    Run(script);
}

TEST_F(AirportEditorTest, NewAndSaveStoreEveryFieldWithItsType)
{
    Script script;
    script.On("Airports", [](HWND dialog) { Click(dialog, IDC_NEW); })
        .Question("Insert a new blank airport ?", true)
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NUM), "");
                EXPECT_TRUE(Runways(dialog).empty());
                TypeText(dialog, IDC_NUM, "400");
                TypeText(dialog, IDC_ID, "kord");
                TypeText(dialog, IDC_NAME, "Chicago O'Hare");
                SelectComboEntry(dialog, IDC_LAT_HEMISPHERE, 0);
                TypeText(dialog, IDC_LAT_DEGREES, "41");
                TypeText(dialog, IDC_LAT_MINUTES, "58");
                TypeText(dialog, IDC_LAT_SECONDS, "-2");
                SelectComboEntry(dialog, IDC_LON_HEMISPHERE, 1);
                TypeText(dialog, IDC_LON_DEGREES, "87");
                TypeText(dialog, IDC_LON_MINUTES, "54");
                TypeText(dialog, IDC_LON_SECONDS, "17");
                TypeText(dialog, IDC_COUNTRY, "us");
                TypeText(dialog, IDC_STATE, "il");
                TypeText(dialog, IDC_ALTITUDE, "668");
                TypeText(dialog, IDC_VARIATION, "abc");
                TypeText(dialog, IDC_ATIS, "126.67 MHz");
                TypeText(dialog, IDC_TOWER, "none");
                EXPECT_EQ(ControlText(dialog, IDC_ID), "KORD");  // typed in upper case
                Click(dialog, IDC_SAVE);
            })
        .Question("Save changes ?", true)
        .On("Airports", [](HWND dialog) {
            // Shown again as the table holds it.
            EXPECT_EQ(ControlText(dialog, IDC_ID), "KORD  ");
            EXPECT_EQ(ControlText(dialog, IDC_VARIATION), "0");
            EXPECT_EQ(ControlText(dialog, IDC_ATIS), " 126.67");
            EXPECT_EQ(ControlText(dialog, IDC_TOWER), "   0.00");
            Click(dialog, IDCANCEL);
        });
    Run(script);

    TableReader airports(data, "AIRPORTS");
    EXPECT_EQ(airports.Nums(), (std::vector<std::string>{"100", "200", "300", "400"}));
    ASSERT_TRUE(airports.Seek("400"));
    EXPECT_EQ(airports.Text("ID"), "KORD");
    EXPECT_EQ(airports.Text("NAME"), "Chicago O'Hare");
    EXPECT_EQ(airports.Text("COUNTRY"), "US");
    EXPECT_EQ(airports.Text("STATE"), "IL");
    EXPECT_EQ(airports.Integer("LAT1"), 0);
    EXPECT_EQ(airports.Integer("LAT2"), 41);
    EXPECT_EQ(airports.Integer("LAT3"), 58);
    EXPECT_EQ(airports.Integer("LAT4"), -2);
    EXPECT_EQ(airports.Integer("LON1"), 1);
    EXPECT_EQ(airports.Integer("LON2"), 87);
    EXPECT_EQ(airports.Integer("LON3"), 54);
    EXPECT_EQ(airports.Integer("LON4"), 17);
    EXPECT_EQ(airports.Integer("ALT"), 668);
    EXPECT_EQ(airports.Integer("VAR"), 0);
    EXPECT_DOUBLE_EQ(airports.Double("ATIS"), 126.67);
    EXPECT_EQ(airports.RawText("ATIS"), " 126.67");
    EXPECT_DOUBLE_EQ(airports.Double("TWR"), 0.0);
}

TEST_F(AirportEditorTest, ABlankNewRecordSavedUnchangedIsStoredWithAnEmptyNum)
{
    Script script;
    script.On("Airports", [](HWND dialog) { Click(dialog, IDC_NEW); })
        .Question("Insert a new blank airport ?", true)
        .On("Airports", [](HWND dialog) { Click(dialog, IDC_SAVE); })
        .Question("Save changes ?", true)
        .On("Airports", [](HWND dialog) { Click(dialog, IDCANCEL); });
    Run(script);
    TableReader airports(data, "AIRPORTS");
    EXPECT_EQ(airports.Count(), 4);
    EXPECT_EQ(airports.CountWithNum(""), 1);
}

TEST_F(AirportEditorTest, NoKeepsTheTypedValuesAndSavingPastTheEndWritesNothing)
{
    Script script;
    script
        .On("Airports",
            [](HWND dialog) {
                SetControlText(dialog, IDC_NAME, "typed");
                Click(dialog, IDC_SAVE);
            })
        .Question("Save changes ?", false)
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NAME), "typed");
                Click(dialog, IDC_LAST);
            })
        .On("Airports", [](HWND dialog) { Click(dialog, IDC_NEXT); })
        .On("Airports",
            [](HWND dialog) {
                SetControlText(dialog, IDC_NUM, "999");
                SetControlText(dialog, IDC_NAME, "past the end");
                Click(dialog, IDC_SAVE);
            })
        .Question("Save changes ?", true)
        .On("Airports", [](HWND dialog) { Click(dialog, IDCANCEL); });
    Run(script);
    TableReader airports(data, "AIRPORTS");
    EXPECT_EQ(airports.Nums(), (std::vector<std::string>{"100", "200", "300"}));
    ASSERT_TRUE(airports.Seek("100"));
    EXPECT_EQ(airports.Text("NAME"), "Boston Logan Intl");
    ASSERT_TRUE(airports.Seek("300"));
    EXPECT_EQ(airports.Text("NAME"), "London Heathrow");
}

TEST_F(AirportEditorTest, DeletingAnAirportTakesItsRunwaysAndShowsTheNextOrThePrevious)
{
    Script script;
    script.On("Airports", [](HWND dialog) { Click(dialog, IDC_NEXT); })
        .On("Airports", [](HWND dialog) { Click(dialog, IDC_DELETE); })
        .Question("Delete this airport ?", true)
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NUM), "300");  // the next one
                Click(dialog, IDC_DELETE);
            })
        .Question("Delete this airport ?", true)
        .On("Airports", [](HWND dialog) {
            EXPECT_EQ(Shown(dialog, IDC_NUM), "100");  // the last is gone: the one before
            Click(dialog, IDCANCEL);
        });
    Run(script);
    {
        TableReader airports(data, "AIRPORTS");
        EXPECT_EQ(airports.Nums(), (std::vector<std::string>{"100"}));
    }
    TableReader runways(data, "RUNWAYS");
    EXPECT_EQ(runways.Count(), 0);  // the unlisted one of 200 included
}

TEST_F(AirportEditorTest, TheNumBoxTextChoosesTheRunwaysThatGoWithADeletion)
{
    Script script;
    script.On("Airports", [](HWND dialog) { Click(dialog, IDC_NEXT); })
        .On("Airports",
            [](HWND dialog) {
                SetControlText(dialog, IDC_NUM, "300");  // typed, not saved
                Click(dialog, IDC_DELETE);
            })
        .Question("Delete this airport ?", true)
        .On("Airports", [](HWND dialog) { Click(dialog, IDCANCEL); });
    Run(script);
    {
        TableReader airports(data, "AIRPORTS");
        EXPECT_EQ(airports.Nums(), (std::vector<std::string>{"100", "300"}));
    }
    TableReader runways(data, "RUNWAYS");
    EXPECT_EQ(runways.CountWithNum("200"), 3);
    EXPECT_EQ(runways.CountWithNum("300"), 0);
}

TEST_F(AirportEditorTest, FindsByNumberIdentifierAndLowerCaseNamePrefix)
{
    HWND editor = nullptr;
    auto find = [](const std::string& num, const std::string& id, const std::string& name) {
        return [=](HWND dialog) {
            EXPECT_EQ(ControlText(dialog, IDC_NUM), "");
            EXPECT_EQ(ControlText(dialog, IDC_NAME), "");
            TypeText(dialog, IDC_NUM, num);
            TypeText(dialog, IDC_ID, id);
            TypeText(dialog, IDC_NAME, name);
            Click(dialog, IDOK);
        };
    };
    Script script;
    script
        .On("Airports",
            [&editor](HWND dialog) {
                editor = dialog;
                Click(dialog, IDC_FIND);
            })
        .On("Find",
            [&editor, find](HWND dialog) {
                EXPECT_EQ(GetWindow(dialog, GW_OWNER), editor);
                find("2", "", "")(dialog);
            })
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NUM), "200");  // the next key after "2"
                Click(dialog, IDC_FIND);
            })
        .On("Find", find("", "egll", ""))
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NUM), "300");
                Click(dialog, IDC_PREVIOUS);  // number order again, not identifier order
            })
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NUM), "200");
                Click(dialog, IDC_FIND);
            })
        .On("Find", find("", "", "bos"))
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NAME), "Boston Logan Intl");
                Click(dialog, IDC_FIND);
            })
        .On("Find", find("", "", "zzz"))
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NUM), "");  // past the last record
                Click(dialog, IDC_PREVIOUS);
            })
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NUM), "300");
                SetControlText(dialog, IDC_NAME, "typed");
                Click(dialog, IDC_FIND);
            })
        .On("Find",
            [](HWND dialog) {
                TypeText(dialog, IDC_NUM, "1");
                Click(dialog, IDCANCEL);
            })
        .On("Airports", [](HWND dialog) {
            EXPECT_EQ(Shown(dialog, IDC_NAME), "typed");  // Cancel shows nothing again
            Click(dialog, IDCANCEL);
        });
    Run(script);
}

TEST_F(AirportEditorTest, RunwayEditorAddsRenamesInPlaceAndRemoves)
{
    HWND editor = nullptr;
    Script script;
    script
        .On("Airports",
            [&editor](HWND dialog) {
                editor = dialog;
                Click(dialog, IDC_NEXT);
            })
        .On("Airports", [](HWND dialog) { Click(dialog, IDC_ADD_RUNWAY); })
        .On("Runways",
            [&editor](HWND dialog) {
                EXPECT_EQ(GetWindow(dialog, GW_OWNER), editor);
                EXPECT_EQ(ControlText(dialog, IDC_RUNWAY), "");
                TypeText(dialog, IDC_RUNWAY, "09/27");
                TypeText(dialog, IDC_LENGTH, "5000");
                TypeText(dialog, IDC_SURFACE, "Grass");
                TypeText(dialog, IDC_REMARK, "Closed at night");
                TypeText(dialog, IDC_NAV1, "ijfk");
                TypeText(dialog, IDC_RWY1, "09");
                TypeText(dialog, IDC_FREQ1, "109.5");
                TypeText(dialog, IDC_NAV2, "ixx");
                TypeText(dialog, IDC_RWY2, "27");
                TypeText(dialog, IDC_FREQ2, "111.1");
                Click(dialog, IDOK);
            })
        .Question("Save changes ?", true)
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Runways(dialog),
                          (std::vector<std::string>{"04L/22R", "09/27", "13R/31L"}));
                DoubleClickListEntry(dialog, IDC_RUNWAY_LIST, RunwayIndex(dialog, "13R/31L"));
            })
        .On("Runways",
            [](HWND dialog) {
                EXPECT_EQ(ControlText(dialog, IDC_RUNWAY), "13R/31L          ");
                EXPECT_EQ(Shown(dialog, IDC_LENGTH), "14511");
                EXPECT_EQ(Shown(dialog, IDC_SURFACE), "ASPH");
                TypeText(dialog, IDC_RUNWAY, "13r/31x");
                Click(dialog, IDOK);
            })
        .Question("Save changes ?", true)
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Runways(dialog),
                          (std::vector<std::string>{"04L/22R", "09/27", "13R/31X"}));
                SetControlText(dialog, IDC_NAME, "typed");
                Click(dialog, IDC_ADD_RUNWAY);
            })
        .On("Runways",
            [](HWND dialog) {
                TypeText(dialog, IDC_RUNWAY, "NOT/SAVED");
                Click(dialog, IDOK);
            })
        .Question("Save changes ?", false)
        .On("Airports",
            [](HWND dialog) {
                // "No" still ends with OK: the record is shown again.
                EXPECT_EQ(Shown(dialog, IDC_NAME), "John F Kennedy Intl");
                SetControlText(dialog, IDC_NAME, "typed");
                Click(dialog, IDC_ADD_RUNWAY);
            })
        .On("Runways", [](HWND dialog) { Click(dialog, IDCANCEL); })
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(Shown(dialog, IDC_NAME), "typed");  // Cancel: no refresh
                SelectListEntry(dialog, IDC_RUNWAY_LIST, -1);
                Click(dialog, IDC_DELETE_RUNWAY);  // no selection: no question
            })
        .On("Airports",
            [](HWND dialog) {
                SelectListEntry(dialog, IDC_RUNWAY_LIST, RunwayIndex(dialog, "04L/22R"));
                Click(dialog, IDC_DELETE_RUNWAY);
            })
        .Question("Delete this runway ?", true)
        .On("Airports", [](HWND dialog) {
            EXPECT_EQ(Runways(dialog), (std::vector<std::string>{"09/27", "13R/31X"}));
            Click(dialog, IDCANCEL);
        });
    Run(script);

    TableReader runways(data, "RUNWAYS");
    std::vector<std::string> designators;
    runways.Visit([&] {
        if (runways.Text("NUM") != "200") return;
        designators.push_back(runways.RawText("RUNWAYS"));
        if (runways.Text("RUNWAYS") == "09/27") {
            EXPECT_EQ(runways.Text("LEN"), "5000");
            EXPECT_EQ(runways.Text("SURFACE"), "Grass");
            EXPECT_EQ(runways.Text("REM"), "Closed at night");
            EXPECT_EQ(runways.Text("NAV1"), "IJFK");
            EXPECT_EQ(runways.Text("RWY1"), "09");
            EXPECT_EQ(runways.Text("FREQ1"), "109.5");
            EXPECT_EQ(runways.Text("NAV2"), "IXX");
            EXPECT_EQ(runways.Text("RWY2"), "27");
            EXPECT_EQ(runways.Text("FREQ2"), "111.1");
        }
        if (runways.Text("RUNWAYS") == "13R/31X") {
            EXPECT_EQ(runways.Text("LEN"), "14511");  // renamed in place, the rest kept
        }
    });
    std::sort(designators.begin(), designators.end());
    EXPECT_EQ(designators, (std::vector<std::string>{"  HIDDEN         ", "09/27            ",
                                                     "13R/31X          "}));
}

TEST_F(AirportEditorTest, MissingTablesAreNamedOnceAndNothingIsWritten)
{
    PutString(SettingsKey, "PATH", data.Path() + "missing\\");
    Script script;
    script
        .OnMessage("Quillmap",
                   [this](HWND box) {
                       const MessageBoxView view = ReadMessageBox(box);
                       EXPECT_NE(view.text.find(data.Path() + "missing\\\\AIRPORTS.DBF"),
                                 std::string::npos)
                           << view.text;
                       EXPECT_NE(view.text.find(data.Path() + "missing\\\\RUNWAYS.DBF"),
                                 std::string::npos);
                       EXPECT_EQ(view.buttons, std::vector<int>{IDOK});
                       EXPECT_EQ(view.icon, LoadIconA(nullptr, IDI_EXCLAMATION));
                       PostMessageA(box, WM_COMMAND, IDOK, 0);
                   })
        .On("Airports",
            [](HWND dialog) {
                EXPECT_EQ(ControlText(dialog, IDC_NUM), "");
                EXPECT_EQ(ControlText(dialog, IDC_ALTITUDE), "");
                EXPECT_EQ(ComboSelection(dialog, IDC_LAT_HEMISPHERE), -1);
                TypeText(dialog, IDC_NUM, "500");
                Click(dialog, IDC_SAVE);  // no question: there is nothing to save into
            })
        .On("Airports", [](HWND dialog) { Click(dialog, IDC_NEW); })
        .On("Airports", [](HWND dialog) { Click(dialog, IDC_ADD_RUNWAY); })
        .On("Airports", [](HWND dialog) { Click(dialog, IDC_FIND); })
        .On("Airports", [](HWND dialog) { Click(dialog, IDCANCEL); });
    Run(script);
    EXPECT_EQ(GetFileAttributesA((data.Path() + "missing").c_str()), INVALID_FILE_ATTRIBUTES);
    TableReader airports(data, "AIRPORTS");
    EXPECT_EQ(airports.Count(), 3);
}

TEST_F(AirportEditorTest, WithoutAPathSettingTheEditorLooksInItsDefaultDirectory)
{
    DeleteProgramKey();
    Script script;
    script
        .OnMessage(
            "Quillmap",
            [](HWND box) {
                const MessageBoxView view = ReadMessageBox(box);
                EXPECT_NE(view.text.find("C:\\FS6\\GPS\\DATA\\\\AIRPORTS.DBF"), std::string::npos)
                    << view.text;
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            })
        .On("Airports", [](HWND dialog) { Click(dialog, IDCANCEL); });
    Run(script);
}

}  // namespace
