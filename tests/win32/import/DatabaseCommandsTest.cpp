// The Import and Rebuild buttons' handlers under Wine, against SDE3032.dll: their file
// dialog and message boxes answered from this thread, the tables checked afterwards.
#include "DialogDriver.h"
#include "EngineTestSupport.h"
#include "RebuildAllTables.h"
#include "RunImport.h"

#include <fstream>
#include <iterator>

namespace {

constexpr char SettingsKey[] = "Software\\Borealwing\\GPS\\Settings";

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

const std::string AirportLines = "IMPORT A\r\nfree\r\nfree\r\n"
    + RecordLine({{0, "00000001"}, {9, "CYUL"}, {15, "Montreal Trudeau"}, {61, "CA"}, {65, "QC"}, {70, "  118"},
                  {76, "A"}, {80, "0 45 30 00 0 073 45 00"}, {103, "133.70"}, {110, "119.90"}})
    + "\r\n"
    + RecordLine({{0, "00000002"}, {9, "KSEA"}, {15, "Seattle Tacoma"}, {61, "US"}, {65, "WA"}, {70, "  433"},
                  {76, "-15"}, {80, "0 47 26 51 0 122 18 28"}, {103, "118.00"}, {110, "119.90"}})
    + "\r\n";

class DatabaseCommandsTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        SetDeletedHidden(0);
        for (const nav::TableDefinition* table :
             {&nav::airportsTable, &nav::navaidsTable, &nav::runwaysTable, &nav::usersTable})
            createNavigationTable(*table);
        RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &settings_, nullptr);
        char saved[MAX_PATH] = "";
        DWORD size = sizeof saved;
        hadPath_ = RegQueryValueExA(settings_, "PATH", nullptr, nullptr, reinterpret_cast<BYTE*>(saved), &size)
            == ERROR_SUCCESS;
        savedPath_ = saved;
        SetPath(DataDirectory());
    }

    void TearDown() override
    {
        if (hadPath_)
            SetPath(savedPath_);
        else
            RegDeleteValueA(settings_, "PATH");
        RegCloseKey(settings_);
        EngineTest::TearDown();
    }

    void SetPath(const std::string& path)
    {
        RegSetValueExA(settings_, "PATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                       static_cast<DWORD>(path.size() + 1));
    }

    std::string DataDirectory() const { return directory_.string() + "\\"; }

    std::string WriteImportFile(const char* name, const std::string& content)
    {
        std::string path = (directory_ / name).string();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    int RecordCount(const char* table)
    {
        openTable(tablePath(table), table);
        int count = 0;
        for (RecordGoTop(); !RecordAtEof(); RecordSkip(1))
            ++count;
        TableCloseAll();
        return count;
    }

    std::string TableBytes(const char* table) const
    {
        std::ifstream file(tablePath(table), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    static HICON SystemIcon(LPCSTR id) { return LoadIcon(nullptr, id); }

    // Runs the Import button: chooses the file in the dialog and confirms what follows.
    static std::vector<SeenDialog> ImportChoosing(const std::string& path)
    {
        DialogDriver driver;
        driver.Then(ChooseFile(path));
        driver.Then(PressButton(IDOK));
        RunImport(nullptr);
        return driver.Seen();
    }

    // Runs the Rebuild button: answers the question and confirms what follows.
    static std::vector<SeenDialog> RebuildAnswering(int answer)
    {
        DialogDriver driver;
        driver.Then(PressButton(answer));
        driver.Then(PressButton(IDOK));
        RebuildAllTables(nullptr);
        return driver.Seen();
    }

    HKEY settings_ = nullptr;
    bool hadPath_ = false;
    std::string savedPath_;
};

TEST_F(DatabaseCommandsTest, ImportThroughTheFileDialog)
{
    WriteImportFile("AIRPORTS.GPS", AirportLines);
    std::vector<SeenDialog> seen = ImportChoosing((directory_ / "AIRPORTS").string());

    ASSERT_EQ(seen.size(), 2u);
    const SeenDialog& files = seen[0];
    EXPECT_EQ(files.folder, directory_.string()); // starts in the data directory
    EXPECT_EQ(files.fileTypes, (std::vector<std::string>{"Gps Import Files (*.GPS)", "All Files (*.*)"}));
    const SeenDialog& done = seen[1];
    EXPECT_EQ(done.caption, "Quillmap");
    EXPECT_EQ(done.text, "Import completed.");
    EXPECT_EQ(done.icon, nullptr);
    EXPECT_EQ(done.buttons, std::vector<int>{IDOK});

    openTable(tablePath("AIRPORTS"), "AIRPORTS");
    OrderSet(TagOrder("NUM"));
    ASSERT_TRUE(RecordSeek("00000001"));
    EXPECT_EQ(FieldGetInteger("VAR"), -15); // computed: -15.7 truncated toward zero
    EXPECT_DOUBLE_EQ(FieldGetDouble("ATIS"), 133.7);
    ASSERT_TRUE(RecordSeek("00000002"));
    EXPECT_EQ(FieldGetInteger("VAR"), -15); // as given
    TableCloseAll();
}

TEST_F(DatabaseCommandsTest, NotAnImportFileStops)
{
    std::string path = WriteImportFile("NOTES.GPS", "EXPORT A\r\n\r\n\r\n" + AirportLines.substr(28));
    std::vector<SeenDialog> seen = ImportChoosing(path);

    ASSERT_EQ(seen.size(), 2u);
    const SeenDialog& refusal = seen[1];
    EXPECT_EQ(refusal.caption, "Quillmap");
    EXPECT_EQ(refusal.text, "Not a GPS Import file !");
    EXPECT_EQ(refusal.icon, SystemIcon(IDI_HAND));
    EXPECT_EQ(refusal.buttons, std::vector<int>{IDOK});
    EXPECT_EQ(RecordCount("AIRPORTS"), 0);
}

TEST_F(DatabaseCommandsTest, UnknownKindStillCompletes)
{
    std::string path = WriteImportFile("OTHER.GPS", "IMPORT Z" + AirportLines.substr(8));
    std::vector<SeenDialog> seen = ImportChoosing(path);

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].text, "Import completed.");
    EXPECT_EQ(RecordCount("AIRPORTS"), 0);
}

TEST_F(DatabaseCommandsTest, CancelDoesNothing)
{
    DialogDriver driver;
    driver.Then(PressButton(IDCANCEL));
    RunImport(nullptr);
    EXPECT_EQ(driver.Seen().size(), 1u); // no message box follows
}

TEST_F(DatabaseCommandsTest, TableInUseIsNamed)
{
    std::string path = WriteImportFile("AIRPORTS.GPS", AirportLines);
    // The gauge holds the table open (shared), so the import cannot have it exclusively.
    HANDLE held = CreateFileA(tablePath("AIRPORTS").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::vector<SeenDialog> seen = ImportChoosing(path);
    CloseHandle(held);

    ASSERT_EQ(seen.size(), 2u);
    const SeenDialog& report = seen[1];
    EXPECT_NE(report.text.find(DataDirectory() + "AIRPORTS.DBF"), std::string::npos) << report.text;
    EXPECT_EQ(report.text.find("Import completed."), std::string::npos);
    EXPECT_EQ(report.icon, SystemIcon(IDI_HAND));
    EXPECT_EQ(RecordCount("AIRPORTS"), 0);
}

TEST_F(DatabaseCommandsTest, RebuildAnsweredNoTouchesNothing)
{
    openTable(tablePath("AIRPORTS"), "AIRPORTS");
    appendWaypoint("00000001", "KSEA", "Seattle");
    RecordDelete();
    TableCloseAll();
    std::string before = TableBytes("AIRPORTS");

    std::vector<SeenDialog> seen = RebuildAnswering(IDNO);

    ASSERT_EQ(seen.size(), 1u);
    const SeenDialog& question = seen[0];
    EXPECT_EQ(question.caption, "Quillmap");
    EXPECT_EQ(question.text, "Rebuild all files ?");
    EXPECT_EQ(question.icon, SystemIcon(IDI_QUESTION));
    EXPECT_EQ(question.buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(TableBytes("AIRPORTS"), before);
}

TEST_F(DatabaseCommandsTest, RebuildAnsweredYes)
{
    openTable(tablePath("AIRPORTS"), "AIRPORTS");
    appendWaypoint("00000001", "KSEA", "Seattle");
    appendWaypoint("00000002", "KBFI", "Boeing Field");
    RecordDelete();
    TableCloseAll();

    std::vector<SeenDialog> seen = RebuildAnswering(IDYES);

    ASSERT_EQ(seen.size(), 2u);
    const SeenDialog& done = seen[1];
    EXPECT_EQ(done.caption, "Quillmap");
    EXPECT_EQ(done.text, "Rebuild completed !");
    EXPECT_EQ(done.icon, nullptr);
    EXPECT_EQ(RecordCount("AIRPORTS"), 1);
}

TEST_F(DatabaseCommandsTest, RebuildNamesTablesItCouldNotOpen)
{
    std::filesystem::remove(tablePath("USERS"));
    std::vector<SeenDialog> seen = RebuildAnswering(IDYES);

    ASSERT_EQ(seen.size(), 2u);
    const SeenDialog& done = seen[1];
    EXPECT_NE(done.text.find(DataDirectory() + "USERS.DBF"), std::string::npos) << done.text;
    EXPECT_EQ(done.text.find("AIRPORTS.DBF"), std::string::npos) << done.text;
    EXPECT_NE(done.text, "Rebuild completed !");
    EXPECT_EQ(done.icon, SystemIcon(IDI_EXCLAMATION));
}

} // namespace
