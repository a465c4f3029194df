// The Preferences dialog against the real registry: shown values, OK rewriting all three,
// Cancel and the close box writing none.
#include "PreferencesDialog.h"
#include "QuillmapResources.h"
#include "TestApplication.h"
#include "TestRegistry.h"
#include "UiScript.h"

#include <gtest/gtest.h>

using namespace uitest;

namespace {

class PreferencesDialogTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteProgramKey(); }
    void TearDown() override { DeleteProgramKey(); }

    // Runs the dialog with the script's steps and returns its result.
    INT_PTR Run(Script& script)
    {
        script.Start();
        quillmap::PreferencesDialog dialog;
        const INT_PTR result = dialog.DoModal();
        EXPECT_TRUE(script.Finished()) << script.StepsDone() << " steps done";
        return result;
    }

    TestApplication application;
};

TEST_F(PreferencesDialogTest, OkOnAnUnchangedDialogCreatesAllThreeValues)
{
    Script script;
    script.On("Preferences", [](HWND dialog) {
        EXPECT_EQ(ControlText(dialog, IDC_PATH), "");
        EXPECT_EQ(ControlText(dialog, IDC_POS_X), "0");
        EXPECT_EQ(ControlText(dialog, IDC_POS_Y), "0");
        Click(dialog, IDOK);
    });
    EXPECT_EQ(Run(script), IDOK);
    EXPECT_EQ(StringValue(SettingsKey, "PATH"), std::optional<std::string>(""));
    EXPECT_EQ(NumberValue(SettingsKey, "X"), std::optional<DWORD>(0));
    EXPECT_EQ(NumberValue(SettingsKey, "Y"), std::optional<DWORD>(0));
    EXPECT_EQ(ValueCount(SettingsKey), 3u);
}

TEST_F(PreferencesDialogTest, ShowsStoredValuesAndStoresTypedOnesClosingThePath)
{
    PutString(SettingsKey, "PATH", "D:\\NAV\\");
    PutNumber(SettingsKey, "X", static_cast<DWORD>(-5));
    PutNumber(SettingsKey, "Y", 640);
    Script script;
    script.On("Preferences", [](HWND dialog) {
        EXPECT_EQ(ControlText(dialog, IDC_PATH), "D:\\NAV\\");
        EXPECT_EQ(ControlText(dialog, IDC_POS_X), "-5");
        EXPECT_EQ(ControlText(dialog, IDC_POS_Y), "640");
        TypeText(dialog, IDC_PATH, " C:\\FS6\\GPS\\DATA");
        TypeText(dialog, IDC_POS_X, "-12");
        TypeText(dialog, IDC_POS_Y, "abc");
        Click(dialog, IDOK);
    });
    EXPECT_EQ(Run(script), IDOK);
    // No trimming, the closing backslash added; letters store 0.
    EXPECT_EQ(StringValue(SettingsKey, "PATH"),
              std::optional<std::string>(" C:\\FS6\\GPS\\DATA\\"));
    EXPECT_EQ(NumberValue(SettingsKey, "X"), std::optional<DWORD>(static_cast<DWORD>(-12)));
    EXPECT_EQ(NumberValue(SettingsKey, "Y"), std::optional<DWORD>(0));
}

TEST_F(PreferencesDialogTest, CancelAndTheCloseBoxWriteNothing)
{
    PutString(SettingsKey, "PATH", "D:\\NAV\\");
    Script cancel;
    cancel.On("Preferences", [](HWND dialog) {
        TypeText(dialog, IDC_PATH, "E:\\");
        TypeText(dialog, IDC_POS_X, "7");
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(Run(cancel), IDCANCEL);
    Script close;
    close.On("Preferences", [](HWND dialog) {
        TypeText(dialog, IDC_POS_Y, "8");
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(Run(close), IDCANCEL);
    EXPECT_EQ(StringValue(SettingsKey, "PATH"), std::optional<std::string>("D:\\NAV\\"));
    EXPECT_EQ(ValueCount(SettingsKey), 1u);
}

}  // namespace
