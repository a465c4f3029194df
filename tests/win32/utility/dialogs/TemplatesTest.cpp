// The dialog templates as the resource compiler built them: caption, size, font and style
// of every dialog; id, kind, text, position, size and the telling styles of every control,
// in tab order. Positions and sizes are in dialog units.
#include "QuillmapResources.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Control {
    int id;            // IDC_STATIC for labels, matched by their text
    const char* kind;  // window class
    const char* text;
    int x, y, width, height;  // height -1: set by the control itself (drop-down, list box)
    DWORD styles;             // style bits that must be set
};

struct Template {
    int id;
    const char* caption;
    int width, height;
    std::vector<Control> controls;
};

constexpr DWORD UpperCase = ES_UPPERCASE;
constexpr DWORD DropDownList = CBS_DROPDOWNLIST;
constexpr DWORD DefaultButton = BS_DEFPUSHBUTTON;

// Number, identifier, name, latitude and longitude rows of the three record editors.
std::vector<Control> WaypointRows()
{
    return {
        {IDC_STATIC, "Static", "Num :", 7, 9, 0, 0, 0},
        {IDC_NUM, "Edit", "", 50, 7, 58, 12, UpperCase},
        {IDC_STATIC, "Static", "ID :", 117, 9, 0, 0, 0},
        {IDC_ID, "Edit", "", 139, 7, 50, 12, UpperCase},
        {IDC_STATIC, "Static", "Name :", 7, 26, 0, 0, 0},
        {IDC_NAME, "Edit", "", 50, 24, 139, 12, 0},
        {IDC_STATIC, "Static", "Latitude :", 7, 44, 0, 0, 0},
        {IDC_LAT_HEMISPHERE, "ComboBox", "", 50, 41, 25, -1, DropDownList},
        {IDC_LAT_DEGREES, "Edit", "", 77, 41, 20, 13, 0},
        {IDC_LAT_MINUTES, "Edit", "", 99, 41, 20, 13, 0},
        {IDC_LAT_SECONDS, "Edit", "", 122, 41, 20, 13, 0},
        {IDC_STATIC, "Static", "Longitude :", 7, 62, 0, 0, 0},
        {IDC_LON_HEMISPHERE, "ComboBox", "", 50, 58, 25, -1, DropDownList},
        {IDC_LON_DEGREES, "Edit", "", 77, 58, 20, 13, 0},
        {IDC_LON_MINUTES, "Edit", "", 99, 58, 20, 13, 0},
        {IDC_LON_SECONDS, "Edit", "", 122, 58, 20, 13, 0},
    };
}

std::vector<Control> ButtonRow(int y)
{
    return {
        {IDC_FIRST, "Button", "<<", 7, y, 25, 13, 0},
        {IDC_PREVIOUS, "Button", "<", 34, y, 25, 13, 0},
        {IDC_NEXT, "Button", ">", 61, y, 25, 13, 0},
        {IDC_LAST, "Button", ">>", 88, y, 25, 13, 0},
        {IDC_NEW, "Button", "&New", 120, y, 25, 13, 0},
        {IDC_SAVE, "Button", "&Save", 147, y, 25, 13, DefaultButton},
        {IDC_DELETE, "Button", "&Del", 174, y, 25, 13, 0},
        {IDC_FIND, "Button", "&Find", 201, y, 25, 13, 0},
        {IDCANCEL, "Button", "&Exit", 228, y, 25, 13, 0},
    };
}

std::vector<Control> Join(std::vector<Control> first, const std::vector<Control>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::vector<Template> Templates()
{
    return {
        {IDD_MAIN,
         "Quillmap",
         206,
         146,
         {{IDC_AIRPORTS, "Button", "&Airports...", 7, 7, 90, 16, 0},
          {IDC_NAVAIDS, "Button", "&Navaids...", 7, 28, 90, 16, 0},
          {IDC_USERS, "Button", "&Users wpts...", 109, 7, 90, 16, 0},
          {IDC_IMPORT, "Button", "&Import...", 109, 28, 90, 16, 0},
          {IDC_PREFERENCES, "Button", "&Preferences...", 7, 76, 90, 16, 0},
          {IDC_REBUILD, "Button", "&Rebuild...", 7, 98, 90, 16, 0},
          {IDCANCEL, "Button", "&Exit", 7, 120, 90, 16, 0},
          {IDC_STATIC, "Static", "Quillmap 1.5", 139, 103, 59, 8, 0}}},
        {IDD_PREFERENCES,
         "Preferences",
         186,
         82,
         {{IDC_STATIC, "Static", "Gps path :", 7, 14, 38, 8, 0},
          {IDC_PATH, "Edit", "", 49, 13, 122, 12, ES_AUTOHSCROLL},
          {IDC_STATIC, "Static", "Pos X :", 7, 30, 39, 8, 0},
          {IDC_POS_X, "Edit", "", 49, 29, 35, 12, ES_AUTOHSCROLL},
          {IDC_STATIC, "Static", "Pos Y :", 7, 46, 37, 9, 0},
          {IDC_POS_Y, "Edit", "", 49, 45, 35, 12, ES_AUTOHSCROLL},
          {IDC_STATIC, "Static", "X and Y are valid only for GPS 2.0", 91, 34, 82, 17, 0},
          {IDOK, "Button", "OK", 75, 61, 50, 14, DefaultButton},
          {IDCANCEL, "Button", "Cancel", 129, 61, 50, 14, 0}}},
        {IDD_AIRPORTS, "Airports", 273, 143,
         Join(Join(WaypointRows(),
                   {{IDC_STATIC, "Static", "Country :", 7, 77, 0, 0, 0},
                    {IDC_COUNTRY, "Edit", "", 50, 74, 47, 12, UpperCase},
                    {IDC_STATIC, "Static", "State :", 7, 94, 0, 0, 0},
                    {IDC_STATE, "Edit", "", 50, 91, 47, 12, UpperCase},
                    {IDC_STATIC, "Static", "Altitude :", 7, 109, 0, 0, 0},
                    {IDC_ALTITUDE, "Edit", "", 50, 107, 48, 12, 0},
                    {IDC_STATIC, "Static", "Variation :", 105, 77, 0, 0, 0},
                    {IDC_VARIATION, "Edit", "", 143, 75, 40, 12, 0},
                    {IDC_STATIC, "Static", "ATIS :", 106, 94, 0, 0, 0},
                    {IDC_ATIS, "Edit", "", 143, 91, 40, 12, 0},
                    {IDC_STATIC, "Static", "TWR :", 105, 109, 0, 0, 0},
                    {IDC_TOWER, "Edit", "", 143, 107, 40, 12, 0},
                    {IDC_STATIC, "Static", "Runways :", 187, 74, 0, 0, 0},
                    {IDC_RUNWAY_LIST, "ListBox", "", 187, 83, 67, -1, LBS_SORT | LBS_NOTIFY},
                    {IDC_ADD_RUNWAY, "Button", "+", 256, 83, 11, 17, 0},
                    {IDC_DELETE_RUNWAY, "Button", "--", 256, 102, 11, 17, 0}}),
              ButtonRow(123))},
        {IDD_FIND,
         "Find",
         186,
         87,
         {{IDC_STATIC, "Static", "Num :", 7, 15, 0, 0, 0},
          {IDC_NUM, "Edit", "", 51, 12, 128, 13, UpperCase},
          {IDC_STATIC, "Static", "ID :", 7, 33, 0, 0, 0},
          {IDC_ID, "Edit", "", 51, 30, 128, 12, UpperCase},
          {IDC_STATIC, "Static", "Name :", 7, 51, 0, 0, 0},
          {IDC_NAME, "Edit", "", 51, 48, 128, 12, 0},
          {IDOK, "Button", "OK", 67, 66, 50, 14, DefaultButton},
          {IDCANCEL, "Button", "Cancel", 129, 66, 50, 14, 0}}},
        {IDD_NAVAIDS, "Navaids", 261, 130,
         Join(Join(WaypointRows(), {{IDC_STATIC, "Static", "Altitude :", 7, 77, 0, 0, 0},
                                    {IDC_ALTITUDE, "Edit", "", 50, 74, 47, 12, UpperCase},
                                    {IDC_STATIC, "Static", "Type :", 7, 94, 0, 0, 0},
                                    {IDC_TYPE, "Edit", "", 50, 91, 133, 12, UpperCase},
                                    {IDC_STATIC, "Static", "Freq :", 105, 77, 0, 0, 0},
                                    {IDC_FREQUENCY, "Edit", "", 143, 74, 40, 12, 0}}),
              ButtonRow(110))},
        {IDD_USERS, "Users waypoints", 260, 111,
         Join(Join(WaypointRows(), {{IDC_STATIC, "Static", "Altitude :", 7, 77, 0, 0, 0},
                                    {IDC_ALTITUDE, "Edit", "", 50, 74, 47, 12, UpperCase}}),
              ButtonRow(91))},
        {IDD_RUNWAYS,
         "Runways",
         252,
         127,
         {{IDC_STATIC, "Static", "Runways :", 7, 9, 0, 0, 0},
          {IDC_RUNWAY, "Edit", "", 47, 7, 92, 12, UpperCase},
          {IDC_STATIC, "Static", "Len :", 7, 25, 0, 0, 0},
          {IDC_LENGTH, "Edit", "", 47, 23, 92, 12, 0},
          {IDC_STATIC, "Static", "Surface :", 7, 40, 0, 0, 0},
          {IDC_SURFACE, "Edit", "", 47, 38, 92, 12, 0},
          {IDC_STATIC, "Static", "Remark :", 7, 57, 0, 0, 0},
          {IDC_REMARK, "Edit", "", 47, 55, 198, 12, 0},
          {IDC_STATIC, "Static", "Nav1 :", 7, 74, 0, 0, 0},
          {IDC_NAV1, "Edit", "", 47, 72, 36, 12, UpperCase},
          {IDC_STATIC, "Static", "Rwy1 :", 91, 74, 0, 0, 0},
          {IDC_RWY1, "Edit", "", 122, 72, 41, 12, UpperCase},
          {IDC_STATIC, "Static", "Freq1 :", 175, 74, 0, 0, 0},
          {IDC_FREQ1, "Edit", "", 203, 72, 42, 12, 0},
          {IDC_STATIC, "Static", "Nav2 :", 7, 90, 0, 0, 0},
          {IDC_NAV2, "Edit", "", 47, 88, 36, 12, UpperCase},
          {IDC_STATIC, "Static", "Rwy2 :", 91, 90, 0, 0, 0},
          {IDC_RWY2, "Edit", "", 122, 88, 41, 12, UpperCase},
          {IDC_STATIC, "Static", "Freq2 :", 175, 90, 0, 0, 0},
          {IDC_FREQ2, "Edit", "", 203, 88, 42, 12, 0},
          {IDOK, "Button", "OK", 140, 106, 50, 14, DefaultButton},
          {IDCANCEL, "Button", "Cancel", 195, 106, 50, 14, 0}}},
    };
}

INT_PTR CALLBACK InertProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

std::string Text(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

RECT DialogUnits(HWND dialog, int x, int y, int width, int height)
{
    RECT rect{x, y, x + width, y + height};
    MapDialogRect(dialog, &rect);
    return rect;
}

void CheckTemplate(const Template& expected)
{
    SCOPED_TRACE(expected.caption);
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(expected.id),
                                     nullptr, InertProc, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(dialog), expected.caption);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
    const DWORD dialogStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    EXPECT_EQ(style & dialogStyle, dialogStyle);
    RECT client;
    GetClientRect(dialog, &client);
    const RECT size = DialogUnits(dialog, 0, 0, expected.width, expected.height);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");

    size_t index = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT), ++index) {
        ASSERT_LT(index, expected.controls.size()) << "more controls than expected";
        const Control& control = expected.controls[index];
        SCOPED_TRACE(std::string("control ") + std::to_string(index) + " \"" + control.text + "\"");
        char kind[32] = {};
        GetClassNameA(child, kind, sizeof kind);
        EXPECT_STRCASEEQ(kind, control.kind);
        EXPECT_EQ(GetDlgCtrlID(child), control.id);
        EXPECT_EQ(Text(child), control.text);
        const DWORD childStyle = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
        EXPECT_EQ(childStyle & control.styles, control.styles);
        if (std::string(control.kind) == "ComboBox") {
            EXPECT_EQ(childStyle & CBS_SORT, 0u);  // entries keep their order: it is the index
        }
        // The dialog manager converts position and size separately.
        RECT actual;
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        const RECT position = DialogUnits(dialog, control.x, control.y, 0, 0);
        const RECT size = DialogUnits(dialog, 0, 0, control.width, control.height);
        EXPECT_EQ(actual.left, position.left);
        EXPECT_EQ(actual.top, position.top);
        if (control.width > 0) {
            EXPECT_EQ(actual.right - actual.left, size.right);
        }
        if (control.height > 0) {
            EXPECT_EQ(actual.bottom - actual.top, size.bottom);
        }
    }
    EXPECT_EQ(index, expected.controls.size());
    DestroyWindow(dialog);
}

TEST(TemplatesTest, EveryDialogMatchesItsLayout)
{
    for (const Template& expected : Templates()) CheckTemplate(expected);
}

TEST(TemplatesTest, ProgramIconHasASmallAndABigImage)
{
    for (int size : {16, 32}) {
        HICON icon = static_cast<HICON>(LoadImageA(
            GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        EXPECT_EQ(bitmap.bmBitsPixel, 32);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

}  // namespace
