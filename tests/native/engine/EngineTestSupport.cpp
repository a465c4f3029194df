#include "EngineTestSupport.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#define popen _popen
#define pclose _pclose
#else
#include <unistd.h>
#endif

void EngineTest::SetUp()
{
    static std::atomic<int> serial{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    directory_ = std::filesystem::temp_directory_path() /
                 ("engine-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    std::filesystem::create_directories(directory_);
    EngineSetStartFlag(1);
}

void EngineTest::TearDown()
{
    TableCloseAll();
    EngineSetStartFlag(1);
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
}

std::string EngineTest::TablePath(const char* table) const
{
    return (directory_ / (std::string(table) + ".DBF")).string();
}

std::string EngineTest::CreateTableWith(const char* table,
                                        std::span<const nav::FieldDefinition> fields)
{
    std::string path = TablePath(table);
    const nav::Status created = sde::CreateTable(path.c_str(), fields);
    EXPECT_TRUE(created.Ok()) << created.Message();
    return path;
}

std::string EngineTest::CreateNavigationTable(const nav::TableDefinition& table)
{
    std::string path = CreateTableWith(table.name, table.fields);
    EXPECT_GT(TableOpen(path.c_str(), table.name, SDE_EXCLUSIVE, SDE_KIND_DBF), 0);
    for (const nav::TagDefinition& tag : table.tags)
        IndexTagCreate(nullptr, tag.name, tag.expression, 0, 0, nullptr);
    TableFinishIndexing();
    TableCloseAll();
    return path;
}

void EngineTest::CreateNavigationTables()
{
    for (const nav::TableDefinition* table :
         {&nav::AirportsTable, &nav::NavaidsTable, &nav::RunwaysTable, &nav::UsersTable})
        CreateNavigationTable(*table);
}

void EngineTest::OpenNewAirports(int mode)
{
    airports_ = CreateNavigationTable(nav::AirportsTable);
    airportsIndex_ = IndexFileOf(airports_);
    EXPECT_GT(OpenTable(airports_, nav::AirportsAlias, mode), 0);
}

int EngineTest::OpenTable(const std::string& path, const char* alias, int mode)
{
    int area = TableOpen(path.c_str(), alias, mode, SDE_KIND_DBF);
    TableSetPassword(nav::TablePassword);
    return area;
}

std::vector<std::string> EngineTest::AirportNumsInOrder(const char* tag, int mode)
{
    EXPECT_GT(OpenTable(airports_, nav::AirportsAlias, mode), 0);
    OrderSet(TagOrder(tag));
    std::vector<std::string> nums = WalkNums();
    TableCloseAll();
    return nums;
}

int EngineTest::RecordCount(const char* table)
{
    OpenTable(TablePath(table), table);
    int count = 0;
    for (RecordGoTop(); !RecordAtEof(); RecordSkip(1)) ++count;
    TableCloseAll();
    return count;
}

void EngineTest::AppendWaypoint(const char* num, const char* id, const char* name)
{
    RecordAppendBlank();
    PutText("NUM", num);
    PutText("ID", id);
    PutText("NAME", name);
}

std::vector<std::string> EngineTest::WalkNums()
{
    std::vector<std::string> nums;
    for (RecordGoTop(); !RecordAtEof(); RecordSkip(1))
        nums.push_back(TrimRight(FieldGetString("NUM")));
    return nums;
}

std::string TrimRight(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string SiblingProgram(const char* name)
{
#ifdef _WIN32
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    return (std::filesystem::path(self).parent_path() / (std::string(name) + ".exe")).string();
#else
    return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / name).string();
#endif
}

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments)
{
    std::string command = program;
    for (const std::string& argument : arguments) command += " " + argument;
    output = popen(command.c_str(), "r");
}

ChildProcess::~ChildProcess()
{
    Wait();
}

std::string ChildProcess::ReadLine()
{
    char line[256];
    if (!output || !std::fgets(line, sizeof line, output)) return "";
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

int ChildProcess::Wait()
{
    int status = output ? pclose(output) : -1;
    output = nullptr;
    return status;
}

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string IndexFileOf(const std::string& tablePath)
{
    return tablePath.substr(0, tablePath.size() - 4) + ".QIX";
}
