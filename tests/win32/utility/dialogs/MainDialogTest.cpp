// Start-up of Quillmap.exe's application object and its main dialog: what the registry
// holds afterwards, the flight simulator warning, the icon and the buttons.
#include "QuillmapApp.h"
#include "QuillmapResources.h"
#include "TestRegistry.h"
#include "TestTables.h"
#include "UiScript.h"

#include <gtest/gtest.h>

using namespace uitest;

namespace {

constexpr char SimulatorWarning[] = "WARNING, Close Flight Simulator when you run the Quillmap.";

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteProgramKey(); }
    void TearDown() override { DeleteProgramKey(); }

    // Runs the whole program: the application object's initialisation.
    void RunProgram(Script& script)
    {
        script.Start();
        quillmap::QuillmapApp application;
        EXPECT_EQ(application.Run(), 0);
        EXPECT_TRUE(script.Finished()) << script.StepsDone() << " steps done";
    }
};

// A stand-in for the flight simulator's main window.
class SimulatorWindow {
public:
    SimulatorWindow()
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "FS98MAIN";
        RegisterClassA(&windowClass);
        window_ = CreateWindowA("FS98MAIN", "Flight Simulator", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~SimulatorWindow()
    {
        DestroyWindow(window_);
        UnregisterClassA("FS98MAIN", GetModuleHandleA(nullptr));
    }

private:
    HWND window_;
};

TEST_F(MainDialogTest, StartUpWritesNothingAndWarnsOnlyWithoutSimulator)
{
    PutString(SettingsKey, "PATH", "D:\\NAV\\");
    Script script;
    script.On("Quillmap", [](HWND dialog) {
        EXPECT_EQ(ControlText(dialog, IDC_AIRPORTS), "&Airports...");
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_AIRPORTS));
        Click(dialog, IDCANCEL);
    });
    RunProgram(script);
    EXPECT_EQ(ValueCount(SettingsKey), 1u);
    EXPECT_EQ(StringValue(SettingsKey, "PATH"), std::optional<std::string>("D:\\NAV\\"));
}

TEST_F(MainDialogTest, StartUpOnAnEmptyRegistryCreatesNoValue)
{
    Script script;
    script.On("Quillmap", [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); });
    RunProgram(script);
    EXPECT_EQ(ValueCount(SettingsKey), 0u);
}

TEST_F(MainDialogTest, RunningSimulatorGivesOneWarningBeforeTheDialogShows)
{
    SimulatorWindow simulator;
    Script script;
    script.Answer("GPS", SimulatorWarning, {IDOK}, nullptr, IDOK).On("Quillmap", [](HWND dialog) {
        EXPECT_TRUE(IsWindowVisible(dialog));
        Click(dialog, IDCANCEL);
    });
    RunProgram(script);
}

TEST_F(MainDialogTest, DialogCarriesBothIconsAndShowsInTheTaskBar)
{
    Script script;
    script.On("Quillmap", [](HWND dialog) {
        const auto small = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
        const auto big = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
        EXPECT_NE(small, nullptr);
        EXPECT_NE(big, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(big, &info));
        BITMAP bitmap{};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, GetSystemMetrics(SM_CXICON));
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);
        EXPECT_EQ(ControlText(dialog, -1), "Quillmap 1.5");
        Click(dialog, IDCANCEL);
    });
    RunProgram(script);
}

TEST_F(MainDialogTest, ButtonsOpenTheirDialogsOwnedByTheMainDialog)
{
    TestDataDirectory data("main_dialog_data");
    PutString(SettingsKey, "PATH", data.Path());
    HWND main = nullptr;
    auto leave = [&main](HWND dialog) {
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), main);
        Click(dialog, IDCANCEL);
    };
    auto click = [](int id) { return [id](HWND dialog) { Click(dialog, id); }; };
    Script script;
    script
        .On("Quillmap",
            [&main](HWND dialog) {
                main = dialog;
                Click(dialog, IDC_AIRPORTS);
            })
        .On("Airports", leave)
        .On("Quillmap", click(IDC_NAVAIDS))
        .On("Navaids", leave)
        .On("Quillmap", click(IDC_USERS))
        .On("Users waypoints", leave)
        .On("Quillmap", click(IDC_PREFERENCES))
        .On("Preferences", leave)
        .On("Quillmap", click(IDC_IMPORT))
        .On("Open", leave)
        .On("Quillmap", click(IDC_REBUILD))
        .Question("Rebuild all files ?", false)
        .On("Quillmap", click(IDC_REBUILD))
        .Question("Rebuild all files ?", true)
        .Answer("Quillmap", "Rebuild completed !", {IDOK}, nullptr, IDOK)
        .On("Quillmap", click(IDCANCEL));
    RunProgram(script);
}

struct ProgramWindowSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindProgramWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<ProgramWindowSearch*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char caption[32] = {};
    GetWindowTextA(window, caption, sizeof caption);
    if (process == search->process && IsWindowVisible(window) &&
        lstrcmpA(caption, "Quillmap") == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

TEST_F(MainDialogTest, QuillmapExeShowsItsMainDialogAndEndsWithExit)
{
    std::string command = "\"" + BuildTreeFile("utility/program/Quillmap.exe") + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process))
        << command;
    ProgramWindowSearch search{process.dwProcessId, nullptr};
    for (int wait = 0; wait < 400 && !search.found; ++wait) {
        Sleep(50);
        EnumWindows(FindProgramWindow, reinterpret_cast<LPARAM>(&search));
    }
    ASSERT_NE(search.found, nullptr) << "no main dialog";
    EXPECT_EQ(GetDlgItem(search.found, IDC_REBUILD) != nullptr, true);
    PostMessageA(search.found, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(ValueCount(SettingsKey), 0u);
}

}  // namespace
