// navdb rebuild DIR: rebuilds the navigation tables of DIR as the Rebuild button does:
// records marked deleted removed, tags created afresh.
#include "NavdbCommand.h"
#include "TableEngine.h"
#include "TableEngineStart.h"
#include "TableRebuild.h"

#include <cstdio>

namespace navdb {

namespace {

using quillmap::RebuildNavigationTables;
using quillmap::RebuildOutcome;

CommandResult RunRebuildCommand(const std::vector<std::string>& arguments)
{
    nav::StartTableEngine(nav::DeletedRecords::Shown);
    CommandResult result;
    for (const RebuildOutcome& outcome :
         RebuildNavigationTables(DirectoryWithSeparator(arguments[0]))) {
        if (!outcome.opened) {
            result.Add(nav::Fail("cannot open " + outcome.file +
                                 " (missing, or in use by another program)"));
            continue;
        }
        std::printf("%s: packed, tags %s\n", outcome.file.c_str(),
                    outcome.table->withNameTags ? "NUM, ID, NAME" : "NUM");
    }
    return result;
}

const CommandRegistration registration(
    {"rebuild", "DIR", "packs the navigation tables of DIR and creates their tags afresh", 1,
     RunRebuildCommand});

}  // namespace

}  // namespace navdb
