// The tables the engine writes read the same in python3-dbfread: every navigation table,
// its tags recorded in the header, after appends, replaces, deletes and a pack.
#include "DbfreadReader.h"
#include "EngineTestSupport.h"

#include <cstdio>

namespace {

// The same lines from the engine's own reading.
std::vector<std::string> ReadWithEngine(const nav::TableDefinition& table)
{
    std::vector<std::string> lines;
    SetDeletedHidden(1);
    for (RecordGoTop(); !RecordAtEof(); RecordSkip(1)) {
        std::string line;
        for (const nav::FieldDefinition& field : table.fields) {
            if (&field != &table.fields[0]) line += "|";
            std::string value = FieldGetString(field.name);
            if (field.type == 'N') {
                char number[64] = "";
                if (value.find_first_not_of(' ') != std::string::npos)
                    std::snprintf(number, sizeof number, "%.4f", FieldGetDouble(field.name));
                line += number;
            } else {
                line += TrimRight(value);
            }
        }
        lines.push_back(line);
    }
    SetDeletedHidden(0);
    return lines;
}

void Fill(const nav::TableDefinition& table, int records)
{
    for (int i = 0; i < records; ++i) {
        RecordAppendBlank();
        for (const nav::FieldDefinition& field : table.fields) {
            if (field.type == 'N') {
                if (field.decimals)
                    EngineTest::PutDouble(field.name, 100 + i * 1.25);
                else
                    EngineTest::PutInteger(field.name, (i * 37) % 90 - (field.width > 2 ? 20 : 0));
            } else {
                std::string value =
                    std::string(field.name) + std::to_string(i) + (i % 3 ? " \xE9t\xE9" : "");
                FieldReplace(field.name, SDE_TEXT, value.c_str());
            }
        }
    }
}

}  // namespace

class DbfReaderCrossCheckTest : public EngineTest,
                                public ::testing::WithParamInterface<const nav::TableDefinition*> {
};

TEST_P(DbfReaderCrossCheckTest, DbfreadReadsWhatTheEngineWrote)
{
    const nav::TableDefinition& table = *GetParam();
    std::string path = CreateNavigationTable(table);
    // The tags are recorded in the header's reserved bytes, which dbfread must not mind.
    bool tagsRecorded = FileBytes(path).substr(16, 12) != std::string(12, '\0');
    EXPECT_EQ(tagsRecorded, !table.tags.empty());
    ASSERT_GT(OpenTable(path, table.name, SDE_EXCLUSIVE), 0);
    Fill(table, 12);
    RecordGoTop();
    RecordSkip(3);
    RecordDelete();
    RecordSkip(2);
    FieldReplace(table.fields[0].name, SDE_TEXT, "replaced");
    RecordSkip(4);
    RecordDelete();
    std::vector<std::string> beforePack = ReadWithEngine(table);
    std::vector<std::string> read = ReadWithDbfread(path);
    ASSERT_GE(read.size(), 2u);
    EXPECT_EQ(read[read.size() - 2], "deleted 2");
    EXPECT_EQ(std::vector<std::string>(read.begin(), read.end() - 2), beforePack);

    TablePack();
    read = ReadWithDbfread(path);
    EXPECT_EQ(read[read.size() - 2], "deleted 0");
    EXPECT_EQ(std::vector<std::string>(read.begin(), read.end() - 2), beforePack);
    EXPECT_EQ(beforePack.size(), 10u);
    std::string widths = "widths";
    for (const nav::FieldDefinition& field : table.fields)
        widths += " " + std::string(field.name) + ":" + std::to_string(field.width);
    EXPECT_EQ(read.back(), widths);
}

INSTANTIATE_TEST_SUITE_P(EveryTable, DbfReaderCrossCheckTest,
                         ::testing::Values(&nav::AirportsTable, &nav::RunwaysTable,
                                           &nav::NavaidsTable, &nav::UsersTable, &nav::ConfigTable),
                         [](const auto& info) { return std::string(info.param->name); });
