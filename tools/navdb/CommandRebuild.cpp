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

int RunRebuildCommand(const std::vector<std::string>& arguments)
{
    nav::StartTableEngine(nav::DeletedRecords::Shown);
    bool allOpened = true;
    for (const RebuildOutcome& outcome :
         RebuildNavigationTables(DirectoryWithSeparator(arguments[0]))) {
        if (!outcome.opened) {
            std::fprintf(stderr,
                         "navdb rebuild: cannot open %s (missing, or in use by another program)\n",
                         outcome.file.c_str());
            allOpened = false;
            continue;
        }
        std::printf("%s: packed, tags %s\n", outcome.file.c_str(),
                    outcome.table->withNameTags ? "NUM, ID, NAME" : "NUM");
    }
    return allOpened ? 0 : 1;
}

const CommandRegistration registration(
    {"rebuild", "DIR", "packs the navigation tables of DIR and creates their tags afresh", 1,
     RunRebuildCommand});

}  // namespace

}  // namespace navdb
