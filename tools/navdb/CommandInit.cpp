// navdb init DIR: creates the delivered tables in DIR (made if missing), replacing any
// tables of the same names: the four navigation tables, empty, with their tags, and CONFIG
// with its one record of defaults.
#include "NavdbCommand.h"
#include "NavigationTables.h"
#include "TableCreation.h"
#include "FieldValues.h"
#include "TableEngine.h"

#include <filesystem>
#include <string>

namespace navdb {

namespace {

void WriteConfigRecord()
{
    using namespace nav::deliveredConfig;
    RecordAppendBlank();
    nav::ReplaceInteger("POWER", Power);
    nav::ReplaceDouble("AUTODIS", NextWaypointDistance);
    nav::ReplaceInteger("AUTOPILOT", Autopilot);
    nav::ReplaceDouble("ALARMDIS", AlarmDistance);
    nav::ReplaceInteger("ALARM", Alarm);
    nav::ReplaceInteger("LASTFILE", LastFile);
    nav::ReplaceInteger("RTEMODE", RouteMode);
    nav::ReplaceInteger("NRTEWPT", RouteCount);
    nav::ReplaceInteger("ACTRTE", RouteIndex);
}

nav::Status CreateDeliveredTable(const std::string& directory, const nav::TableDefinition& table)
{
    std::string path = nav::TablePath(nav::PathForm::Rebuild, directory.c_str(), table.name);
    if (nav::Status created = sde::CreateTable(path.c_str(), table.fields); !created)
        return created;
    if (!TableOpen(path.c_str(), table.name, SDE_EXCLUSIVE, SDE_KIND_DBF))
        return nav::Fail("cannot open " + path);
    TableSetPassword(nav::TablePassword);
    for (const nav::TagDefinition& tag : table.tags)
        IndexTagCreate(nullptr, tag.name, tag.expression, 0, 0, nullptr);
    if (&table == &nav::ConfigTable) WriteConfigRecord();
    TableFinishIndexing();
    TableCloseAll();
    return {};
}

CommandResult RunInit(const std::vector<std::string>& arguments)
{
    std::error_code ignored;
    std::filesystem::create_directories(arguments[0], ignored);
    std::string directory = DirectoryWithSeparator(arguments[0]);
    for (const nav::TableDefinition* table : nav::DataDirectoryTables())
        if (nav::Status created = CreateDeliveredTable(directory, *table); !created) return created;
    return {};
}

const CommandRegistration
    registration({"init", "DIR",
                  "creates the delivered tables (empty navigation tables with "
                  "their tags, CONFIG with its defaults) in DIR",
                  1, RunInit});

}  // namespace

}  // namespace navdb
