// The dialog driver of scenarios answering real dialogs while their modal loops run.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include <cstring>
#include <string>
#include <vector>

#include "DialogDriver.h"

using namespace host;

namespace {

constexpr int TestDialog = 300;  // driver_test.rc
constexpr int NameEdit = 101, NameList = 102, FirstRadio = 103, SecondRadio = 104;
constexpr int Choices = 105, AskButton = 106, DisabledButton = 107;

struct DialogResults {
    int nameChanges = 0;
    std::string name;
    int listNotified = -1;
    int comboNotified = -1;
    bool secondRadio = false;
    int answer = 0;
};
DialogResults results;

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        SetDlgItemTextA(dialog, NameEdit, "OLD");
        for (const char* line : {"KSEA", "KBFI", "KPAE"}) {
            SendDlgItemMessageA(dialog, NameList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
            SendDlgItemMessageA(dialog, Choices, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
        }
        CheckRadioButton(dialog, FirstRadio, SecondRadio, FirstRadio);
        results = DialogResults{};
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case NameEdit:
            if (HIWORD(wParam) == EN_CHANGE) ++results.nameChanges;
            return TRUE;
        case NameList:
            if (HIWORD(wParam) == LBN_SELCHANGE)
                results.listNotified =
                    static_cast<int>(SendDlgItemMessageA(dialog, NameList, LB_GETCURSEL, 0, 0));
            return TRUE;
        case Choices:
            if (HIWORD(wParam) == CBN_SELCHANGE)
                results.comboNotified =
                    static_cast<int>(SendDlgItemMessageA(dialog, Choices, CB_GETCURSEL, 0, 0));
            return TRUE;
        case AskButton:
            results.answer = MessageBoxA(dialog, "Go on?", "Question", MB_YESNO);
            return TRUE;
        case IDOK:
        case IDCANCEL: {
            char text[64];
            GetDlgItemTextA(dialog, NameEdit, text, sizeof text);
            results.name = text;
            results.secondRadio = IsDlgButtonChecked(dialog, SecondRadio) == BST_CHECKED;
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        }
        break;
    }
    return FALSE;
}

DialogStep Step(DialogStepKind kind, int control, int index = 0, std::string text = {})
{
    return {kind, 1, control, index, std::move(text)};
}

class DialogDriverTest : public ::testing::Test {
protected:
    DialogDriverTest()
        : driver([this](const std::string& line, bool failure) {
              (failure ? failures : notes).push_back(line);
          })
    {
        driver.Start();
    }

    INT_PTR RunDialog()
    {
        return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(TestDialog), nullptr,
                               TestDialogProc, 0);
    }

    std::vector<std::string> failures;
    std::vector<std::string> notes;
    DialogDriver driver;
};

TEST_F(DialogDriverTest, TypesSelectsAndPressesInOrderAndAnswersANestedMessageBox)
{
    driver.Expect(
        {"Driver Test",
         1,
         {Step(DialogStepKind::Text, NameEdit, 0, "KSEA"),
          Step(DialogStepKind::Select, NameList, 2), Step(DialogStepKind::Select, Choices, 1),
          Step(DialogStepKind::Press, SecondRadio), Step(DialogStepKind::Press, AskButton),
          Step(DialogStepKind::Press, IDOK)}});
    driver.Expect({"Question", 7, {Step(DialogStepKind::Press, IDYES)}});

    EXPECT_EQ(RunDialog(), IDOK);
    EXPECT_EQ(results.name, "KSEA");    // the old text was selected and typed over
    EXPECT_GE(results.nameChanges, 4);  // key by key
    EXPECT_EQ(results.listNotified, 2);
    EXPECT_EQ(results.comboNotified, 1);
    EXPECT_TRUE(results.secondRadio);
    EXPECT_EQ(results.answer, IDYES);
    EXPECT_TRUE(failures.empty()) << failures.front();
    EXPECT_TRUE(driver.Pending().empty());
    EXPECT_EQ(notes.size(), 2u);
}

TEST_F(DialogDriverTest, ADialogNobodyExpectsIsCancelledAndReported)
{
    driver.Expect({"Another Caption", 3, {Step(DialogStepKind::Press, IDOK)}});
    EXPECT_EQ(RunDialog(), IDCANCEL);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("unexpected dialog \"Driver Test\""), std::string::npos);
    EXPECT_EQ(driver.Pending().size(), 1u);
}

TEST_F(DialogDriverTest, ABlockThatLeavesItsDialogOpenIsReported)
{
    driver.Expect({"Driver Test", 1, {Step(DialogStepKind::Text, NameEdit, 0, "X")}});
    EXPECT_EQ(RunDialog(), IDCANCEL);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("still open"), std::string::npos);
    EXPECT_EQ(results.name, "X");
}

TEST_F(DialogDriverTest, StepsOnMissingOrDisabledControlsFail)
{
    driver.Expect({"Driver Test", 1, {Step(DialogStepKind::Press, DisabledButton)}});
    EXPECT_EQ(RunDialog(), IDCANCEL);
    driver.Expect({"Driver Test", 1, {Step(DialogStepKind::Press, 999)}});
    EXPECT_EQ(RunDialog(), IDCANCEL);
    driver.Expect({"Driver Test", 1, {Step(DialogStepKind::Select, NameList, 3)}});
    EXPECT_EQ(RunDialog(), IDCANCEL);
    ASSERT_EQ(failures.size(), 3u);
    EXPECT_NE(failures[0].find("disabled"), std::string::npos);
    EXPECT_NE(failures[1].find("no control 999"), std::string::npos);
    EXPECT_NE(failures[2].find("has 3 lines"), std::string::npos);
}

TEST_F(DialogDriverTest, ChecksTextsAndLinesRunsTheClockTakesAPictureAndCloses)
{
    int seconds = 0;
    driver.SetClock([&](int more) { seconds += more; });
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string picture = std::string(temp) + "driver dialog.bmp";
    DeleteFileA(picture.c_str());
    driver.Expect(
        {"Driver Test",
         1,
         {Step(DialogStepKind::Expect, NameEdit, 0, "OLD"),
          Step(DialogStepKind::Expect, NameList, 0, ""), Step(DialogStepKind::Select, NameList, 1),
          Step(DialogStepKind::Expect, NameList, 0, "KBFI"),
          Step(DialogStepKind::Count, NameList, 3), Step(DialogStepKind::Count, NameList, 2),
          Step(DialogStepKind::Expect, NameEdit, 0, "NEW"), Step(DialogStepKind::Run, 0, 3),
          Step(DialogStepKind::Shot, 0, 0, picture), Step(DialogStepKind::Close, 0)}});
    EXPECT_EQ(RunDialog(), IDCANCEL);
    EXPECT_EQ(seconds, 3);
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_NE(failures[0].find("has 3 lines, expected 2"), std::string::npos);
    EXPECT_NE(failures[1].find("shows \"OLD\", expected \"NEW\""), std::string::npos);

    HANDLE file = CreateFileA(picture.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    char header[26] = {};
    DWORD read = 0;
    ReadFile(file, header, sizeof header, &read, nullptr);
    CloseHandle(file);
    EXPECT_EQ(std::string(header, 2), "BM");
    int32_t width = 0;
    std::memcpy(&width, header + 18, sizeof width);
    EXPECT_GT(width, 200);  // the dialog in pixels, frame included
}

TEST_F(DialogDriverTest, AHandlerAnswersWithCodeAndARunWithoutAClockFails)
{
    driver.Expect("Driver Test", [&](HWND dialog) {
        EXPECT_TRUE(driver.Perform(dialog, Step(DialogStepKind::Text, NameEdit, 0, "KPAE")));
        EXPECT_FALSE(driver.Perform(dialog, Step(DialogStepKind::Run, 0, 1)));
        EXPECT_TRUE(driver.Perform(dialog, Step(DialogStepKind::Press, IDOK)));
    });
    EXPECT_EQ(RunDialog(), IDOK);
    EXPECT_EQ(results.name, "KPAE");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("no clock"), std::string::npos);
}

TEST_F(DialogDriverTest, AnswersTheCommonFileDialogWithAPath)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + "driver route.rte";
    driver.Expect({"Load Route", 1, {Step(DialogStepKind::File, 0, 0, path)}});

    char file[MAX_PATH] = "";
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFilter = "Route files (*.rte)\0*.rte\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrTitle = "Load Route";
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    ASSERT_TRUE(GetSaveFileNameA(&dialog));
    EXPECT_STREQ(file, path.c_str());
    EXPECT_TRUE(failures.empty()) << failures.front();
}

}  // namespace
