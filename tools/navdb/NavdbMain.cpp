// navdb: command-line tool over the engine and the navigation tables.
#include "NavdbCommand.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace navdb {

namespace {

std::vector<Command>& Registry()
{
    static std::vector<Command> commands;
    return commands;
}

int Usage()
{
    // By name: the order in which the commands registered themselves is the linker's, which
    // differs between the trees.
    std::vector<Command> commands = Commands();
    std::sort(commands.begin(), commands.end(), [](const Command& left, const Command& right) {
        const int byName = std::strcmp(left.name, right.name);
        return byName != 0 ? byName < 0 : std::strcmp(left.usage, right.usage) < 0;
    });
    std::fprintf(stderr, "usage: navdb COMMAND ARGUMENTS\n");
    for (const Command& command : commands)
        std::fprintf(stderr, "  navdb %s %s\n      %s\n", command.name, command.usage,
                     command.summary);
    return 2;
}

}  // namespace

const std::vector<Command>& Commands()
{
    return Registry();
}

CommandRegistration::CommandRegistration(const Command& command)
{
    Registry().push_back(command);
}

std::string DirectoryWithSeparator(const std::string& directory)
{
    if (directory.empty() || directory.back() == '/' || directory.back() == '\\') return directory;
    return directory + "/";
}

}  // namespace navdb

namespace {

// What a command printed must have reached standard output: a full disk or a broken
// redirection fails the command, whichever it was.
int CheckedStandardOutput(int status)
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    std::fprintf(stderr, "navdb: cannot write standard output: %s\n", std::strerror(errno));
    return status == 0 ? 1 : status;
}

// Runs the command; what the system refuses on the way (memory, the file system) fails it
// like any other failure.
navdb::CommandResult Run(const navdb::Command& command, const std::vector<std::string>& arguments)
{
    try {
        return command.run(arguments);
    } catch (const std::exception& error) {
        return nav::Fail(error.what());
    }
}

// The one place where navdb reports a failure: each message after "navdb NAME: ", where
// NAME leaves out the options of a name ("convert --csv" reports as "convert").
int Reported(const navdb::Command& command, const navdb::CommandResult& result)
{
    const std::string name = command.name;
    const std::string reportedName = name.substr(0, name.find(" -"));
    for (const std::string& message : result.Messages())
        std::fprintf(stderr, "navdb %s: %s\n", reportedName.c_str(), message.c_str());
    return result.ExitStatus();
}

// How many words of the command line name `command` (1 or 2); 0 when they do not.
int NameWordsMatched(const navdb::Command& command, int argc, char** argv)
{
    const std::string name = command.name;
    const std::size_t space = name.find(' ');
    if (space == std::string::npos) return name == argv[1] ? 1 : 0;
    return argc > 2 && name.compare(0, space, argv[1]) == 0 && name.substr(space + 1) == argv[2]
               ? 2
               : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) return navdb::Usage();
    for (const navdb::Command& command : navdb::Commands()) {
        const int words = NameWordsMatched(command, argc, argv);
        if (words == 0) continue;
        int given = argc - 1 - words;
        if (given < command.argumentCount ||
            (given > command.argumentCount && !command.moreArguments))
            return navdb::Usage();
        const navdb::CommandResult result =
            Run(command, std::vector<std::string>(argv + 1 + words, argv + argc));
        return CheckedStandardOutput(Reported(command, result));
    }
    return navdb::Usage();
}
