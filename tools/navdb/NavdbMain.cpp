// navdb: command-line tool over the engine and the navigation tables.
#include "NavdbCommand.h"

#include <cstdio>
#include <cstring>

namespace {

std::vector<NavdbCommand>& registry() {
    static std::vector<NavdbCommand> commands;
    return commands;
}

int usage() {
    std::fprintf(stderr, "usage: navdb COMMAND ARGUMENTS\n");
    for (const NavdbCommand& command : navdbCommands())
        std::fprintf(stderr, "  navdb %s %s\n      %s\n", command.name, command.usage, command.summary);
    return 2;
}

}  // namespace

const std::vector<NavdbCommand>& navdbCommands() { return registry(); }

NavdbCommandRegistration::NavdbCommandRegistration(const NavdbCommand& command) {
    registry().push_back(command);
}

std::string directoryWithSeparator(const std::string& directory) {
    if (directory.empty() || directory.back() == '/' || directory.back() == '\\') return directory;
    return directory + "/";
}

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    for (const NavdbCommand& command : navdbCommands()) {
        if (std::strcmp(command.name, argv[1]) != 0) continue;
        int given = argc - 2;
        if (given < command.argumentCount || (given > command.argumentCount && !command.moreArguments))
            return usage();
        return command.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    return usage();
}
