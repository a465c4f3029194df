// navdb dump DIR TABLE: prints every record of DIR/TABLE.DBF in record order, deleted ones
// included: the record number, "*" for a record marked deleted, then the fields as stored,
// separated by "|". It reads through the engine's operations, in record order with deleted
// records shown, and what TableInspection.h adds for tools (fields, count, deletion flag).
#include "NavdbCommand.h"
#include "NavigationTables.h"
#include "TableEngine.h"
#include "TableEngineStart.h"
#include "TableInspection.h"

#include <cstdio>
#include <string>
#include <vector>

namespace navdb {

namespace {

CommandResult RunDumpCommand(const std::vector<std::string>& arguments)
{
    std::string path = nav::TablePath(
        nav::PathForm::Rebuild, DirectoryWithSeparator(arguments[0]).c_str(), arguments[1].c_str());
    nav::StartTableEngine(nav::DeletedRecords::Shown);
    if (!TableOpen(path.c_str(), arguments[1].c_str(), SDE_READONLY, SDE_KIND_DBF))
        return nav::Fail("cannot open " + path);
    TableSetPassword(nav::TablePassword);
    std::vector<std::string> fields;
    for (int i = 0; i < sde::CurrentFieldCount(); ++i) fields.push_back(sde::CurrentFieldName(i));
    std::printf("%s: %u records\n", arguments[1].c_str(), sde::CurrentRecordCount());
    std::printf("    # D");
    for (const std::string& field : fields) std::printf("|%s", field.c_str());
    std::printf("\n");
    uint32_t recno = 1;
    for (RecordGoTop(); !RecordAtEof(); RecordSkip(1), ++recno) {
        std::printf("%5u %c", recno, sde::CurrentRecordDeleted() ? sde::dbf::DeletedFlag : ' ');
        for (const std::string& field : fields) std::printf("|%s", FieldGetString(field.c_str()));
        std::printf("\n");
    }
    TableCloseAll();
    return {};
}

const CommandRegistration registration(
    {"dump", "DIR TABLE", "prints the records of DIR/TABLE.DBF with their deletion marks", 2,
     RunDumpCommand});

}  // namespace

}  // namespace navdb
