// navdb dump DIR TABLE: prints every record of DIR/TABLE.DBF in record order, deleted ones
// included: the record number, "*" for a record marked deleted, then the fields as stored,
// separated by "|".
#include "DbfTable.h"
#include "NavdbCommand.h"
#include "NavigationTables.h"
#include "PathName.h"

#include <cstdio>
#include <string>
#include <vector>

namespace navdb {

namespace {

int runDump(const std::vector<std::string>& arguments) {
    std::string path = nav::tablePath(nav::PathForm::Rebuild, DirectoryWithSeparator(arguments[0]).c_str(),
                                      arguments[1].c_str());
    sde::DbfTable table;
    if (!table.open(sde::platformPath(path.c_str()), sde::OpenMode::ReadOnlyShared)) {
        std::fprintf(stderr, "navdb dump: cannot open %s\n", path.c_str());
        return 1;
    }
    std::printf("%s: %u records\n", arguments[1].c_str(), table.recordCount());
    std::printf("    # D");
    for (const sde::TableField& field : table.fields()) std::printf("|%s", field.name.c_str());
    std::printf("\n");
    std::vector<char> record(table.recordLength());
    for (uint32_t recno = 1; recno <= table.recordCount(); ++recno) {
        if (!table.readRecord(recno, record.data())) break;
        std::printf("%5u %c", recno, record[0] == '*' ? '*' : ' ');
        for (const sde::TableField& field : table.fields())
            std::printf("|%.*s", field.width, record.data() + field.offset);
        std::printf("\n");
    }
    return 0;
}

const CommandRegistration registration({"dump", "DIR TABLE",
                                             "prints the records of DIR/TABLE.DBF with their deletion marks", 2,
                                             runDump});

}  // namespace

}  // namespace navdb
