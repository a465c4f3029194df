#include "EngineTestSupport.h"

#include <atomic>
#include <chrono>

void EngineTest::SetUp() {
    static std::atomic<int> serial {0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    directory_ = std::filesystem::temp_directory_path() /
                 ("engine-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    std::filesystem::create_directories(directory_);
    EngineSetStartFlag(1);
}

void EngineTest::TearDown() {
    TableCloseAll();
    EngineSetStartFlag(1);
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
}

std::string EngineTest::tablePath(const char* table) const {
    return (directory_ / (std::string(table) + ".DBF")).string();
}

std::string EngineTest::createTableWith(const char* table, const std::vector<sde::FieldSpec>& fields) {
    std::string path = tablePath(table);
    std::string error;
    EXPECT_TRUE(sde::createTable(path.c_str(), fields, &error)) << error;
    return path;
}

std::string EngineTest::createNavigationTable(const nav::TableDefinition& table) {
    std::vector<sde::FieldSpec> fields;
    for (const nav::FieldDefinition& f : table.fields) fields.push_back({f.name, f.type, f.width, f.decimals});
    std::string path = createTableWith(table.name, fields);
    EXPECT_GT(TableOpen(path.c_str(), table.name, SDE_EXCLUSIVE, SDE_KIND_DBF), 0);
    for (const nav::TagDefinition& tag : table.tags) IndexTagCreate(nullptr, tag.name, tag.expression, 0, 0, nullptr);
    TableFinishIndexing();
    TableCloseAll();
    return path;
}

int EngineTest::openTable(const std::string& path, const char* alias, int mode) {
    int area = TableOpen(path.c_str(), alias, mode, SDE_KIND_DBF);
    TableSetPassword(nav::tablePassword);
    return area;
}

void EngineTest::appendWaypoint(const char* num, const char* id, const char* name) {
    RecordAppendBlank();
    replaceText("NUM", num);
    replaceText("ID", id);
    replaceText("NAME", name);
}

std::vector<std::string> EngineTest::walkNums() {
    std::vector<std::string> nums;
    for (RecordGoTop(); !RecordAtEof(); RecordSkip(1)) nums.push_back(trimRight(FieldGetString("NUM")));
    return nums;
}

std::string trimRight(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}
