#include "TableRebuild.h"

#include "TableEngine.h"

namespace {
constexpr char TablePassword[] = "KW%BN4#3";
}

std::string RebuildTableFile(const std::string& dataDirectory, const char* tableName)
{
    return dataDirectory + tableName + ".DBF";
}

bool RebuildTable(const std::string& dataDirectory, const char* tableName, bool withNameTags)
{
    std::string file = RebuildTableFile(dataDirectory, tableName);
    if (TableOpen(file.c_str(), tableName, SDE_EXCLUSIVE, SDE_KIND_DBF) == 0)
        return false;
    TableSetPassword(TablePassword);
    TablePack();
    IndexTagCreate(nullptr, "NUM", "NUM", 0, 0, nullptr);
    if (withNameTags) {
        IndexTagCreate(nullptr, "ID", "ID", 0, 0, nullptr);
        IndexTagCreate(nullptr, "NAME", "UPPER(NAME)", 0, 0, nullptr);
    }
    TableFinishIndexing();
    TableCloseAll();
    return true;
}

std::vector<RebuildOutcome> RebuildNavigationTables(const std::string& dataDirectory)
{
    std::vector<RebuildOutcome> outcomes;
    for (const RebuiltTable& table : NavigationTables) {
        bool opened = RebuildTable(dataDirectory, table.name, table.withNameTags);
        outcomes.push_back({&table, RebuildTableFile(dataDirectory, table.name), opened});
    }
    return outcomes;
}
