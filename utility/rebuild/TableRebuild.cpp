#include "TableRebuild.h"

#include "NavigationTables.h"
#include "TableEngine.h"

namespace quillmap {

std::string RebuildTableFile(const std::string& dataDirectory, const char* tableName)
{
    return nav::TablePath(nav::PathForm::Rebuild, dataDirectory.c_str(), tableName);
}

bool RebuildTable(const std::string& dataDirectory, const char* tableName, bool withNameTags)
{
    std::string file = RebuildTableFile(dataDirectory, tableName);
    if (TableOpen(file.c_str(), tableName, SDE_EXCLUSIVE, SDE_KIND_DBF) == 0) return false;
    TableSetPassword(nav::TablePassword);
    TablePack();
    IndexTagCreate(nullptr, nav::NumTag, "NUM", 0, 0, nullptr);
    if (withNameTags) {
        IndexTagCreate(nullptr, nav::IdTag, "ID", 0, 0, nullptr);
        IndexTagCreate(nullptr, nav::NameTag, "UPPER(NAME)", 0, 0, nullptr);
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

}  // namespace quillmap
