// The Import and Rebuild buttons' handlers under Wine, against SDE3032.dll: their file
// dialog and message boxes answered from this thread, the tables checked afterwards.
#include "EngineTestSupport.h"
#include "RebuildAllTables.h"
#include "RunImport.h"
#include "TestApplication.h"
#include "TestRegistry.h"
#include "UiScript.h"

#include <commdlg.h>
#include <dlgs.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace quillmap;

namespace {

using uitest::Click;
using uitest::MessageBoxView;
using uitest::Script;

// A record line with each text at its column offset.
std::string RecordLine(std::initializer_list<std::pair<std::size_t, const char*>> columns)
{
    std::string line;
    for (const auto& [offset, text] : columns) {
        line.resize(offset, ' ');
        line += text;
    }
    return line;
}

const std::string AirportLines = "IMPORT A\r\nfree\r\nfree\r\n" +
                                 RecordLine({{0, "00000001"},
                                             {9, "CYUL"},
                                             {15, "Montreal Trudeau"},
                                             {61, "CA"},
                                             {65, "QC"},
                                             {70, "  118"},
                                             {76, "A"},
                                             {80, "0 45 30 00 0 073 45 00"},
                                             {103, "133.70"},
                                             {110, "119.90"}}) +
                                 "\r\n" +
                                 RecordLine({{0, "00000002"},
                                             {9, "KSEA"},
                                             {15, "Seattle Tacoma"},
                                             {61, "US"},
                                             {65, "WA"},
                                             {70, "  433"},
                                             {76, "-15"},
                                             {80, "0 47 26 51 0 122 18 28"},
                                             {103, "118.00"},
                                             {110, "119.90"}}) +
                                 "\r\n";

class DatabaseCommandsTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        SetDeletedHidden(0);
        CreateNavigationTables();
        uitest::PutString(uitest::SettingsKey, "PATH", DataDirectory());
    }

    void TearDown() override
    {
        uitest::DeleteProgramKey();
        EngineTest::TearDown();
    }

    std::string DataDirectory() const { return directory_.string() + "\\"; }

    std::string WriteImportFile(const char* name, const std::string& content)
    {
        std::string path = (directory_ / name).string();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    std::string TableBytes(const char* table) const
    {
        std::ifstream file(TablePath(table), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    // Chooses a file in the import's file dialog.
    static std::function<void(HWND)> ChooseFile(const std::string& path)
    {
        return [path](HWND dialog) {
            SetDlgItemTextA(dialog, cmb13, path.c_str());
            Click(dialog, IDOK);
        };
    }

    // Runs the Import button on a file and reads the message box that ends it.
    static MessageBoxView ImportChoosing(const std::string& path)
    {
        MessageBoxView end;
        Script script;
        script.On("Open", ChooseFile(path)).OnMessage("Quillmap", [&end](HWND box) {
            end = uitest::ReadMessageBox(box);
            Click(box, IDOK);
        });
        script.Start();
        RunImport(nullptr);
        EXPECT_TRUE(script.Finished());
        return end;
    }

    // Runs the Rebuild button, answers Yes and reads the message box that ends it.
    static MessageBoxView RebuildAnsweringYes()
    {
        MessageBoxView end;
        Script script;
        script.Question("Rebuild all files ?", true).OnMessage("Quillmap", [&end](HWND box) {
            end = uitest::ReadMessageBox(box);
            Click(box, IDOK);
        });
        script.Start();
        RebuildAllTables(nullptr);
        EXPECT_TRUE(script.Finished());
        return end;
    }

    static HICON SystemIcon(LPCSTR id) { return LoadIcon(nullptr, id); }

    uitest::TestApplication application_;
};

TEST_F(DatabaseCommandsTest, ImportThroughTheFileDialog)
{
    WriteImportFile("AIRPORTS.GPS", AirportLines);
    char folder[MAX_PATH] = "";
    std::vector<std::string> fileTypes;
    Script script;
    script
        .On("Open",
            [&](HWND dialog) {
                SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof folder,
                             reinterpret_cast<LPARAM>(folder));
                int count = static_cast<int>(SendDlgItemMessageA(dialog, cmb1, CB_GETCOUNT, 0, 0));
                for (int i = 0; i < count; ++i) {
                    char entry[128] = "";
                    SendDlgItemMessageA(dialog, cmb1, CB_GETLBTEXT, i,
                                        reinterpret_cast<LPARAM>(entry));
                    fileTypes.push_back(entry);
                }
                ChooseFile("AIRPORTS")(dialog);  // the default extension is added
            })
        .Answer("Quillmap", "Import completed.", {IDOK}, nullptr, IDOK);
    script.Start();
    RunImport(nullptr);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(std::string(folder), directory_.string());  // starts in the data directory
    EXPECT_EQ(fileTypes, (std::vector<std::string>{"Gps Import Files (*.GPS)",
                                                   "World data (apt.dat, nav.dat, *.dat.gz, *.csv)",
                                                   "All Files (*.*)"}));

    OpenTable(TablePath("AIRPORTS"), "AIRPORTS");
    OrderSet(TagOrder("NUM"));
    ASSERT_TRUE(RecordSeek("00000001"));
    EXPECT_EQ(FieldGetInteger("VAR"), -15);  // computed: -15.7 truncated toward zero
    EXPECT_DOUBLE_EQ(FieldGetDouble("ATIS"), 133.7);
    ASSERT_TRUE(RecordSeek("00000002"));
    EXPECT_EQ(FieldGetInteger("VAR"), -15);  // as given
    TableCloseAll();
}

TEST_F(DatabaseCommandsTest, ImportOfAnAptDatAndNavDatPairFillsTheTables)
{
    // The fixtures as Wine sees the source tree: on drive Z:.
    std::string fixtures = std::string("Z:") + WORLDDATA_FIXTURES + "/";
    std::filesystem::path world = directory_ / "world";
    std::filesystem::create_directories(world);
    std::filesystem::copy_file(fixtures + "apt1100.dat", world / "apt.dat");
    std::filesystem::copy_file(fixtures + "nav1100.dat", world / "nav.dat");

    MessageBoxView end = ImportChoosing((world / "apt.dat").string());
    EXPECT_EQ(end.text.rfind("Import completed.\n", 0), 0u) << end.text;
    EXPECT_EQ(end.icon, nullptr);

    OpenTable(TablePath("AIRPORTS"), "AIRPORTS");
    OrderSet(TagOrder("NUM"));
    ASSERT_TRUE(RecordSeek("KSEA____"));
    EXPECT_EQ(TrimRight(Text("NAME")), "Seattle Tacoma Intl");
    TableCloseAll();
    // Runway 16L got its localizer from nav.dat.
    std::vector<std::string> localizers;
    OpenTable(TablePath("RUNWAYS"), "RUNWAYS");
    for (RecordGoTop(); !RecordAtEof(); RecordSkip(1)) {
        if (TrimRight(Text("NUM")) == "KSEA____") localizers.push_back(TrimRight(Text("NAV1")));
    }
    TableCloseAll();
    EXPECT_EQ(localizers, (std::vector<std::string>{"ISNQ", ""}));
    OpenTable(TablePath("NAVAIDS"), "NAVAIDS");
    OrderSet(TagOrder("ID"));
    EXPECT_TRUE(RecordSeek("SEA   "));
    TableCloseAll();
}

TEST_F(DatabaseCommandsTest, NotAnImportFileStops)
{
    std::string path = WriteImportFile("NOTES.GPS", "EXPORT A" + AirportLines.substr(8));
    MessageBoxView refusal = ImportChoosing(path);
    EXPECT_EQ(refusal.caption, "Quillmap");
    EXPECT_EQ(refusal.text, "Not a GPS Import file !");
    EXPECT_EQ(refusal.icon, SystemIcon(IDI_HAND));
    EXPECT_EQ(refusal.buttons, std::vector<int>{IDOK});
    EXPECT_EQ(RecordCount("AIRPORTS"), 0);
}

TEST_F(DatabaseCommandsTest, UnknownKindStillCompletes)
{
    std::string path = WriteImportFile("OTHER.GPS", "IMPORT Z" + AirportLines.substr(8));
    EXPECT_EQ(ImportChoosing(path).text, "Import completed.");
    EXPECT_EQ(RecordCount("AIRPORTS"), 0);
}

TEST_F(DatabaseCommandsTest, CancelDoesNothing)
{
    std::string before = TableBytes("AIRPORTS");
    Script script;
    script.On("Open", [](HWND dialog) { Click(dialog, IDCANCEL); });
    script.Start();
    RunImport(nullptr);  // a message box would stall the script's end here
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(TableBytes("AIRPORTS"), before);
}

TEST_F(DatabaseCommandsTest, TableInUseIsNamed)
{
    std::string path = WriteImportFile("AIRPORTS.GPS", AirportLines);
    // The gauge holds the table open (shared), so the import cannot have it exclusively.
    HANDLE held =
        CreateFileA(TablePath("AIRPORTS").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    MessageBoxView report = ImportChoosing(path);
    CloseHandle(held);

    EXPECT_NE(report.text.find(DataDirectory() + "AIRPORTS.DBF"), std::string::npos) << report.text;
    EXPECT_EQ(report.text.find("Import completed."), std::string::npos);
    EXPECT_EQ(report.icon, SystemIcon(IDI_HAND));
    EXPECT_EQ(RecordCount("AIRPORTS"), 0);
}

TEST_F(DatabaseCommandsTest, RebuildAnsweredNoTouchesNothing)
{
    OpenTable(TablePath("AIRPORTS"), "AIRPORTS");
    AppendWaypoint("00000001", "KSEA", "Seattle");
    RecordDelete();
    TableCloseAll();
    std::string before = TableBytes("AIRPORTS");

    Script script;
    script.Question("Rebuild all files ?", false);
    script.Start();
    RebuildAllTables(nullptr);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(TableBytes("AIRPORTS"), before);
}

TEST_F(DatabaseCommandsTest, RebuildAnsweredYes)
{
    OpenTable(TablePath("AIRPORTS"), "AIRPORTS");
    AppendWaypoint("00000001", "KSEA", "Seattle");
    AppendWaypoint("00000002", "KBFI", "Boeing Field");
    RecordDelete();
    TableCloseAll();

    MessageBoxView done = RebuildAnsweringYes();
    EXPECT_EQ(done.caption, "Quillmap");
    EXPECT_EQ(done.text, "Rebuild completed !");
    EXPECT_EQ(done.icon, nullptr);
    EXPECT_EQ(done.buttons, std::vector<int>{IDOK});
    EXPECT_EQ(RecordCount("AIRPORTS"), 1);
}

TEST_F(DatabaseCommandsTest, RebuildNamesTablesItCouldNotOpen)
{
    std::filesystem::remove(TablePath("USERS"));
    MessageBoxView done = RebuildAnsweringYes();
    EXPECT_NE(done.text.find(DataDirectory() + "USERS.DBF"), std::string::npos) << done.text;
    EXPECT_EQ(done.text.find("AIRPORTS.DBF"), std::string::npos) << done.text;
    EXPECT_EQ(done.icon, SystemIcon(IDI_EXCLAMATION));
}

}  // namespace
