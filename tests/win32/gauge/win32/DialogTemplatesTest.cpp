// The dialog templates of the shipped gps.gau, read from its resources: caption, style,
// font and size of each dialog, and every control's id, kind, style, text, position and
// size in dialog units.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "GaugeResourceIds.h"

namespace {

enum ControlClass : WORD {
    ButtonClass = 0x80,
    EditClass = 0x81,
    StaticClass = 0x82,
    ListBoxClass = 0x83
};

struct ControlSpec {
    int id;
    ControlClass kind;
    DWORD required;   // style bits that must be set (the button kind is compared whole)
    DWORD forbidden;  // style bits that must not be
    const char* text;
    short x, y, cx, cy;
};

struct DialogSpec {
    int id;
    const char* caption;
    short cx, cy;
    std::vector<ControlSpec> controls;
};

constexpr DWORD Label = SS_LEFT;
constexpr DWORD UpperCaseBox = ES_UPPERCASE | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD Box = ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD List = LBS_NOTIFY | LBS_USETABSTOPS | WS_VSCROLL;
constexpr DWORD Push = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD DefaultPush = BS_DEFPUSHBUTTON | WS_TABSTOP;
constexpr DWORD Radio = BS_AUTORADIOBUTTON;

const DialogSpec Dialogs[] = {
    {DLG_DIRECT_TO,
     "Direct To",
     234,
     170,
     {{IDC_DIRECT_TO_AIRPORTS, ButtonClass, Radio | WS_GROUP, 0, "Airports", 7, 7, 58, 10},
      {IDC_DIRECT_TO_NAVAIDS, ButtonClass, Radio, 0, "Navaids", 73, 7, 47, 10},
      {IDC_DIRECT_TO_USERS, ButtonClass, Radio, 0, "Users", 134, 7, 39, 10},
      {-1, StaticClass, Label, 0, "ID :", 7, 24, 18, 9},
      {IDC_DIRECT_TO_ID, EditClass, UpperCaseBox, 0, "", 48, 22, 121, 12},
      {-1, StaticClass, Label, 0, "Name :", 7, 41, 27, 9},
      {IDC_DIRECT_TO_NAME, EditClass, UpperCaseBox, 0, "", 48, 39, 121, 12},
      {IDOK, ButtonClass, DefaultPush, 0, "OK", 177, 7, 50, 14},
      {IDCANCEL, ButtonClass, Push, 0, "Cancel", 177, 25, 50, 14},
      {IDC_DIRECT_TO_LIST_TOGGLE, ButtonClass, Push, 0, "&List >>", 177, 45, 50, 14},
      {-1, StaticClass, Label, 0, "Search results &list", 7, 68, 126, 9},
      {IDC_DIRECT_TO_LIST, ListBoxClass, List, LBS_SORT, "", 7, 80, 220, 83}}},
    {DLG_ROUTE,
     "Route",
     246,
     141,
     {{-1, StaticClass, Label, 0, "ID", 17, 10, 17, 8},
      {-1, StaticClass, Label, 0, "Name", 106, 10, 32, 8},
      {IDC_ROUTE_LIST, ListBoxClass, List, LBS_SORT, "", 7, 19, 178, 96},
      {IDC_ROUTE_ADD, ButtonClass, Push, 0, "&Add...", 193, 19, 46, 14},
      {IDC_ROUTE_REMOVE, ButtonClass, Push, 0, "&Remove", 193, 36, 46, 14},
      {IDC_ROUTE_NEW, ButtonClass, Push, 0, "&New", 193, 63, 46, 14},
      {IDC_ROUTE_LOAD, ButtonClass, Push, 0, "&Load...", 193, 82, 46, 14},
      {IDC_ROUTE_SAVE, ButtonClass, Push, 0, "&Save...", 193, 100, 46, 14},
      {IDCANCEL, ButtonClass, Push, 0, "Cancel", 7, 120, 46, 14},
      {IDOK, ButtonClass, DefaultPush, 0, "Finish", 61, 120, 46, 14}}},
    {DLG_SETUP,
     "Setup",
     186,
     63,
     {{-1, StaticClass, Label, 0, "Alarm Distance :", 7, 9, 53, 8},
      {IDC_SETUP_ALARM_DISTANCE, EditClass, Box, ES_UPPERCASE, "", 79, 7, 32, 12},
      {-1, StaticClass, Label, 0, "Next Wpt Distance :", 7, 28, 71, 10},
      {IDC_SETUP_NEXT_DISTANCE, EditClass, Box, ES_UPPERCASE, "", 79, 27, 32, 12},
      {IDOK, ButtonClass, DefaultPush, 0, "OK", 129, 7, 50, 14},
      {IDCANCEL, ButtonClass, Push, 0, "Cancel", 129, 24, 50, 14}}},
};

// Reads a template of the DLGTEMPLATE form, word by word.
class TemplateReader {
public:
    explicit TemplateReader(const void* data) : at_(static_cast<const BYTE*>(data)), start_(at_) {}

    DWORD Dword()
    {
        DWORD value;
        std::memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    WORD Word()
    {
        WORD value;
        std::memcpy(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    short Short() { return static_cast<short>(Word()); }

    // A text or, after 0xFFFF, a number (given as "#n").
    std::string TextOrNumber()
    {
        WORD first = Word();
        if (first == 0xFFFF) return "#" + std::to_string(Word());
        std::string text;
        for (WORD c = first; c != 0; c = Word()) text += static_cast<char>(c);
        return text;
    }
    void AlignDword()
    {
        while ((at_ - start_) % 4) ++at_;
    }

private:
    const BYTE* at_;
    const BYTE* start_;
};

std::string ClassName(ControlClass kind)
{
    switch (kind) {
    case ButtonClass:
        return "button";
    case EditClass:
        return "edit";
    case StaticClass:
        return "static";
    case ListBoxClass:
        return "listbox";
    }
    return {};
}

// A class given by name or by its predefined number, as a lower-case name.
std::string NormalClass(const std::string& given)
{
    if (given.size() > 1 && given[0] == '#')
        return ClassName(static_cast<ControlClass>(std::stoi(given.substr(1))));
    std::string name = given;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return name;
}

HMODULE ShippedGauge()
{
    std::string path = std::string("Z:") + GAUGE_MODULE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

TEST(DialogTemplatesTest, EveryDialogOfTheShippedGaugeMatchesItsLayout)
{
    HMODULE gauge = ShippedGauge();
    ASSERT_NE(gauge, nullptr);
    for (const DialogSpec& spec : Dialogs) {
        SCOPED_TRACE(spec.caption);
        HRSRC resource =
            FindResourceA(gauge, MAKEINTRESOURCEA(spec.id), MAKEINTRESOURCEA(5));  // RT_DIALOG
        ASSERT_NE(resource, nullptr);
        TemplateReader t(LockResource(LoadResource(gauge, resource)));
        const DWORD style = t.Dword();
        ASSERT_NE(HIWORD(style), 0xFFFF) << "a DIALOGEX template";
        const DWORD required = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
        EXPECT_EQ(style & required, required);
        t.Dword();  // extended style
        const WORD count = t.Word();
        EXPECT_EQ(t.Short(), 0);
        EXPECT_EQ(t.Short(), 0);
        EXPECT_EQ(t.Short(), spec.cx);
        EXPECT_EQ(t.Short(), spec.cy);
        EXPECT_EQ(t.TextOrNumber(), "");  // no menu
        EXPECT_EQ(t.TextOrNumber(), "");  // the standard dialog class
        EXPECT_EQ(t.TextOrNumber(), spec.caption);
        EXPECT_EQ(t.Word(), 8);
        EXPECT_EQ(t.TextOrNumber(), "MS Sans Serif");
        ASSERT_EQ(count, spec.controls.size());

        for (const ControlSpec& control : spec.controls) {
            SCOPED_TRACE(control.text);
            t.AlignDword();
            const DWORD controlStyle = t.Dword();
            t.Dword();
            EXPECT_EQ(t.Short(), control.x);
            EXPECT_EQ(t.Short(), control.y);
            EXPECT_EQ(t.Short(), control.cx);
            EXPECT_EQ(t.Short(), control.cy);
            EXPECT_EQ(static_cast<short>(t.Word()), control.id);
            EXPECT_EQ(NormalClass(t.TextOrNumber()), ClassName(control.kind));
            EXPECT_EQ(t.TextOrNumber(), control.text);
            const WORD extra = t.Word();
            for (WORD i = 0; i < extra; i += 2) t.Word();
            EXPECT_EQ(controlStyle & (WS_CHILD | WS_VISIBLE),
                      static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
            if (control.kind == ButtonClass) {
                EXPECT_EQ(controlStyle & BS_TYPEMASK, control.required & BS_TYPEMASK);
                EXPECT_EQ(controlStyle & control.required & ~BS_TYPEMASK,
                          control.required & ~BS_TYPEMASK);
            } else {
                EXPECT_EQ(controlStyle & control.required, control.required);
            }
            EXPECT_EQ(controlStyle & control.forbidden, 0u);
        }
    }
    FreeLibrary(gauge);
}

}  // namespace
