// navdb's commands: each lives in its own Command*.cpp and registers itself here, so a
// command is added by adding its file.
#pragma once

#include <string>
#include <vector>

namespace navdb {

struct Command {
    const char* name;   // one word, or two for a command of a group ("route show")
    const char* usage;  // the arguments after the name, e.g. "DIR TABLE"
    const char* summary;
    int argumentCount;                                      // arguments after the name
    int (*run)(const std::vector<std::string>& arguments);  // exit status
    bool moreArguments = false;  // argumentCount is the least number, more may follow
};

const std::vector<Command>& Commands();

struct CommandRegistration {
    explicit CommandRegistration(const Command& command);
};

// "DIR" with a separator at its end, ready for the "%s%s.DBF" path form.
std::string DirectoryWithSeparator(const std::string& directory);

}  // namespace navdb
