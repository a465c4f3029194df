// The Win32 edge kit under Wine: registry profile and shared settings, modal dialogs from
// the database program's templates, message boxes and the file dialogs.
#include "FileDialog.h"
#include "MessageBoxes.h"
#include "ModalDialog.h"
#include "QuillmapResources.h"
#include "SharedSettings.h"
#include "TestApplication.h"
#include "TestRegistry.h"
#include "UiScript.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace uitest;

namespace {

class WinKitTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteProgramKey(); }
    void TearDown() override { DeleteProgramKey(); }

    TestApplication application;
};

TEST_F(WinKitTest, ProfileLivesUnderKeyWordApplicationAndSection)
{
    const winkit::RegistryProfile& profile = application.Profile();
    EXPECT_EQ(profile.SectionPath("Settings"), SettingsKey);

    // A read of an absent value gives the default and creates the keys.
    EXPECT_EQ(profile.GetString("Settings", "PATH", "C:\\DEFAULT\\"), "C:\\DEFAULT\\");
    EXPECT_EQ(profile.GetInt("Settings", "X", 17), 17);
    EXPECT_TRUE(KeyExists(SettingsKey));
    EXPECT_EQ(ValueCount(SettingsKey), 0u);

    EXPECT_TRUE(profile.WriteString("Settings", "PATH", "D:\\DATA\\"));
    EXPECT_TRUE(profile.WriteInt("Settings", "X", -12));
    EXPECT_EQ(StringValue(SettingsKey, "PATH"), std::optional<std::string>("D:\\DATA\\"));
    EXPECT_EQ(NumberValue(SettingsKey, "X"), std::optional<DWORD>(0xFFFFFFF4u));
    EXPECT_EQ(profile.GetString("Settings", "PATH", ""), "D:\\DATA\\");
    EXPECT_EQ(profile.GetInt("Settings", "X", 0), -12);

    // A value of the other type reads as absent.
    EXPECT_EQ(profile.GetInt("Settings", "PATH", 5), 5);
    EXPECT_EQ(profile.GetString("Settings", "X", "none"), "none");
}

TEST_F(WinKitTest, SharedSettingsLiveUnderCompanyProgramAndSection)
{
    EXPECT_EQ(winkit::SharedProfile().SectionPath(nav::SettingsSection), SettingsKey);
    EXPECT_TRUE(winkit::WriteDataPath("E:\\NAV\\"));
    EXPECT_EQ(StringValue(SettingsKey, "PATH"), std::optional<std::string>("E:\\NAV\\"));
}

TEST_F(WinKitTest, MessageBoxCaptionDefaultsToTheApplicationName)
{
    Script script;
    script.Answer("GPS", "Plain notice", {IDOK}, nullptr, IDOK)
        .Answer("Quillmap", "Question ?", {IDYES, IDNO}, LoadIconA(nullptr, IDI_QUESTION), IDNO)
        .Answer("Quillmap", "Question ?", {IDYES, IDNO}, LoadIconA(nullptr, IDI_QUESTION), IDYES);
    script.Start();
    EXPECT_EQ(winkit::ShowMessageBox(nullptr, "Plain notice", MB_OK), IDOK);
    EXPECT_FALSE(winkit::AskYesNo(nullptr, "Question ?", "Quillmap"));
    EXPECT_TRUE(winkit::AskYesNo(nullptr, "Question ?", "Quillmap"));
    EXPECT_TRUE(script.Finished());
}

// A dialog on the Find template that records what the framework calls.
class ProbeDialog final : public winkit::ModalDialog {
public:
    ProbeDialog() : ModalDialog(IDD_FIND) {}

    std::vector<std::string> events;
    std::function<void()> onNumChange;

protected:
    bool OnInit() override
    {
        events.push_back("init");
        SetItemText(IDC_NAME, "started");
        return true;
    }
    bool OnCommand(int notifyCode, int id, HWND control) override
    {
        if (id == IDC_NUM && notifyCode == EN_CHANGE && onNumChange) {
            onNumChange();
            return true;
        }
        return ModalDialog::OnCommand(notifyCode, id, control);
    }
    bool OnButtonClicked(int id) override
    {
        events.push_back("click " + std::to_string(id));
        return ModalDialog::OnButtonClicked(id);
    }
    void OnOK() override
    {
        events.push_back("ok");
        End(42);
    }
    void OnDestroy() override { events.push_back("destroy " + ItemText(IDC_NAME)); }
};

TEST_F(WinKitTest, ModalDialogRoutesInitialisationButtonsAndDestruction)
{
    ProbeDialog dialog;
    Script script;
    script.On("Find", [](HWND window) {
        EXPECT_EQ(ControlText(window, IDC_NAME), "started");
        Click(window, IDOK);
    });
    script.Start();
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(dialog.events,
              (std::vector<std::string>{"init", "click 1", "ok", "destroy started"}));
    EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST_F(WinKitTest, EscapeEndsTheDialogWithCancel)
{
    ProbeDialog dialog;
    Script script;
    script.On("Find", [](HWND window) {
        PostMessageA(GetDlgItem(window, IDC_NUM), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    script.Start();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(dialog.events.back(), "destroy started");
}

TEST_F(WinKitTest, DialogWithoutOwnerIsOwnedByTheWindowTheUserWorksIn)
{
    ProbeDialog main;
    ProbeDialog inner;
    ProbeDialog innermost;
    application.SetMainWindow(&main);
    HWND innerOwner = nullptr;
    HWND innermostOwner = nullptr;
    main.onNumChange = [&] { inner.DoModal(); };
    inner.onNumChange = [&] { innermost.DoModal(); };

    Script script;
    script.On("Find", [](HWND window) { SetControlText(window, IDC_NUM, "1"); })
        .On("Find", [](HWND window) { SetControlText(window, IDC_NUM, "2"); })
        .On("Find",
            [&](HWND window) {
                innermostOwner = GetWindow(window, GW_OWNER);
                innerOwner = GetWindow(innermostOwner, GW_OWNER);
                Click(window, IDCANCEL);
            })
        .On("Find", [](HWND window) { Click(window, IDCANCEL); })
        .On("Find", [](HWND window) { Click(window, IDCANCEL); });
    script.Start();
    main.DoModal();
    application.SetMainWindow(nullptr);
    EXPECT_TRUE(script.Finished());
    EXPECT_NE(innerOwner, nullptr);
    EXPECT_NE(innermostOwner, innerOwner);
    EXPECT_EQ(innermost.events.front(), "init");
    EXPECT_EQ(inner.events.front(), "init");
}

TEST_F(WinKitTest, FileDialogFilterEndsWithTwoTerminators)
{
    using namespace std::string_literals;
    EXPECT_EQ(winkit::FileDialogFilter("A (*.A)|*.A||"), "A (*.A)\0*.A\0\0\0\0"s);
    EXPECT_EQ(winkit::FileDialogFilter("A|*.A"), "A\0*.A\0\0"s);
}

TEST_F(WinKitTest, FileOpenDialogShowsTheFilterAndAddsTheDefaultExtension)
{
    char directory[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, directory);
    const std::string start = std::string(directory) + "\\";
    // A typed name without extension takes the default one when that file exists.
    CloseHandle(CreateFileA((start + "SAMPLE.GPS").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));

    std::vector<std::string> filters;
    Script script;
    script.On("Open", [&](HWND dialog) {
        constexpr int FilterList = 0x470;  // cmb1
        constexpr int NameBox = 0x47c;     // cmb13
        const auto count = SendDlgItemMessageA(dialog, FilterList, CB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) {
            char entry[128] = {};
            SendDlgItemMessageA(dialog, FilterList, CB_GETLBTEXT, i,
                                reinterpret_cast<LPARAM>(entry));
            filters.push_back(entry);
        }
        SetDlgItemTextA(dialog, NameBox, "SAMPLE");
        Click(dialog, IDOK);
    });
    script.Start();
    winkit::FileDialogRequest request;
    request.filter = "Gps Import Files (*.GPS)|*.GPS|All Files (*.*)|*.*||";
    request.defaultExtension = ".GPS";
    request.initialDirectory = start.c_str();
    const std::optional<std::string> chosen = winkit::AskFileToOpen(nullptr, request);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(filters, (std::vector<std::string>{"Gps Import Files (*.GPS)", "All Files (*.*)"}));
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(lstrcmpiA(chosen->c_str(), (start + "SAMPLE.GPS").c_str()), 0) << *chosen;
    DeleteFileA((start + "SAMPLE.GPS").c_str());
}

TEST_F(WinKitTest, SaveDialogTellsWhichFilterTheFileWasChosenIn)
{
    char directory[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, directory);
    winkit::FileDialogRequest request;
    request.filter = "Routes (*.rte)|*.rte|Flight plans (*.gpx;*.fpl)|*.gpx;*.fpl|All Files|*.*||";
    request.defaultExtension = "rte";
    request.initialDirectory = directory;
    request.title = "Save a Plan";
    request.options = OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    Script script;
    script.On("Save a Plan", [](HWND dialog) {
        constexpr int FilterList = 0x470;  // cmb1
        constexpr int NameBox = 0x47c;     // cmb13
        // The second filter, picked as the list box reports a choice to the dialog.
        SelectComboEntry(dialog, FilterList, 1);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(FilterList, CBN_SELENDOK),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, FilterList)));
        SetDlgItemTextA(dialog, NameBox, "TRIP.gpx");
        Click(dialog, IDOK);
    });
    script.Start();
    winkit::FileDialog dialog(request);
    ASSERT_TRUE(dialog.Save(nullptr));
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(dialog.ChosenFilter(), 2);
    EXPECT_EQ(lstrcmpiA(dialog.Path().c_str(), (std::string(directory) + "\\TRIP.gpx").c_str()), 0)
        << dialog.Path();
}

TEST_F(WinKitTest, FileOpenDialogCancelGivesNothing)
{
    Script script;
    script.On("Open", [](HWND dialog) { Click(dialog, IDCANCEL); });
    script.Start();
    EXPECT_FALSE(winkit::AskFileToOpen(nullptr, {}).has_value());
    EXPECT_TRUE(script.Finished());
}

}  // namespace
