// The rebuild of the navigation tables: records marked deleted removed for good and the
// index tags created afresh from the records.
#pragma once

#include "NavigationTables.h"

#include <string>
#include <vector>

namespace quillmap {

struct RebuiltTable {
    const char* name;   // alias and the file's base name
    bool withNameTags;  // ID and NAME besides NUM
};

// The tables in the order they are rebuilt.
inline constexpr RebuiltTable NavigationTables[] = {
    {nav::AirportsAlias, true},
    {nav::NavaidsAlias, true},
    {nav::RunwaysAlias, false},
    {nav::UsersAlias, true},
};

// The file of a table: the data directory, the table's name and ".DBF" with nothing between.
std::string RebuildTableFile(const std::string& dataDirectory, const char* tableName);

// Packs the table and creates its tags (NUM; with name tags also ID and UPPER(NAME)),
// replacing tags of the same name. Returns false, touching nothing, when the table cannot
// be opened for exclusive use.
bool RebuildTable(const std::string& dataDirectory, const char* tableName, bool withNameTags);

struct RebuildOutcome {
    const RebuiltTable* table;
    std::string file;
    bool opened;
};

// Rebuilds every navigation table, in order.
std::vector<RebuildOutcome> RebuildNavigationTables(const std::string& dataDirectory);

}  // namespace quillmap
