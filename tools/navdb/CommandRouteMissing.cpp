// Stands in for the `navdb route` commands in builds without expat (the Windows trees: no
// mingw build of it in Debian), so that asking for them says why they are not there.
#include <cstdio>

#include "NavdbCommand.h"

namespace navdb {

namespace {

int RunRouteMissing(const std::vector<std::string>&)
{
    std::fprintf(stderr, "navdb route: not in this build, which has no XML reader (expat); "
                         "use the native navdb\n");
    return 1;
}

const CommandRegistration registration({"route", "show|export|import ...",
                                        "flight plans: only in the native navdb (needs expat)", 0,
                                        RunRouteMissing, true});

}  // namespace

}  // namespace navdb
