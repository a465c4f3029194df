#include "RoutePlanFixture.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sys/wait.h>

#include "Coordinates.h"
#include "NavigationTables.h"
#include "TableEngine.h"
#include "AsciiText.h"

void RoutePlanTest::SetUp()
{
    const char* binary = std::getenv("QUILLMAP_BINARY_DIR");
    ASSERT_NE(binary, nullptr);
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    directory_ =
        std::filesystem::temp_directory_path() / ("route-plan-test-" + std::to_string(stamp));
    std::filesystem::copy(std::filesystem::path(binary) / "data" / "sample", directory_);
    EngineSetStartFlag(1);
}

void RoutePlanTest::TearDown()
{
    TableCloseAll();
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
}

void RoutePlanTest::AddWaypoint(const char* table, const char* num, const char* id,
                                const char* name, double latitude, double longitude,
                                const char* type)
{
    const std::string path = nav::TablePath(nav::PathForm::Rebuild, Directory().c_str(), table);
    ASSERT_GT(TableOpen(path.c_str(), table, SDE_SHARED, SDE_KIND_DBF), 0);
    RecordAppendBlank();
    FieldReplace("NUM", SDE_TEXT, num);
    FieldReplace("ID", SDE_TEXT, id);
    FieldReplace("NAME", SDE_TEXT, name);
    if (*type) FieldReplace("TYPE", SDE_TEXT, type);
    const nav::StoredCoordinate lat = nav::StoredFromDegrees(latitude, nav::Axis::Latitude);
    const nav::StoredCoordinate lon = nav::StoredFromDegrees(longitude, nav::Axis::Longitude);
    const int values[] = {lat.hemisphere, lat.degrees, lat.minutes, lat.seconds,
                          lon.hemisphere, lon.degrees, lon.minutes, lon.seconds};
    const char* fields[] = {"LAT1", "LAT2", "LAT3", "LAT4", "LON1", "LON2", "LON3", "LON4"};
    for (int i = 0; i < 8; ++i) FieldReplace(fields[i], SDE_INTEGER, &values[i]);
    TableCloseAll();
}

std::vector<std::string> RoutePlanTest::UserNums()
{
    std::vector<std::string> nums;
    const std::string path =
        nav::TablePath(nav::PathForm::Rebuild, Directory().c_str(), nav::UsersAlias);
    EXPECT_GT(TableOpen(path.c_str(), nav::UsersAlias, SDE_READONLY, SDE_KIND_DBF), 0);
    for (RecordGoTop(); !RecordAtEof(); RecordSkip(1))
        nums.emplace_back(nav::WithoutPadding(FieldGetString("NUM")));
    TableCloseAll();
    return nums;
}

std::string RoutePlanTest::ConfigField(const char* field)
{
    const std::string path =
        nav::TablePath(nav::PathForm::Rebuild, Directory().c_str(), nav::ConfigAlias);
    EXPECT_GT(TableOpen(path.c_str(), nav::ConfigAlias, SDE_READONLY, SDE_KIND_DBF), 0);
    RecordGoTop();
    std::string value(nav::WithoutPadding(FieldGetString(field)));
    TableCloseAll();
    value.erase(0, value.find_first_not_of(' '));
    return value;
}

std::string FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string RouteText(const std::vector<std::string>& entries)
{
    std::string text;
    for (const std::string& entry : entries) text += entry;
    text.resize(270, ' ');
    return text;
}

int RunNavdb(const std::vector<std::string>& arguments, std::string& output)
{
    std::string command = NAVDB_PROGRAM;
    for (const std::string& argument : arguments) command += " '" + argument + "'";
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    output.clear();
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
