// navdb's commands: each lives in its own Command*.cpp and registers itself here, so a
// command is added by adding its file.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "Result.h"

namespace navdb {

// How a command ends. navdb reports it in one place: each failure's message on standard
// error after "navdb NAME: ", then exit status 0, 1 for a failure or 2 for a command line
// the command refuses.
class CommandResult {
public:
    CommandResult() = default;  // success
    CommandResult(nav::Failure failure) { Add(std::move(failure)); }
    CommandResult(const nav::Status& status)
    {
        if (!status) Add(status.Failed());
    }

    static CommandResult WrongUsage(nav::Failure failure)
    {
        CommandResult result(std::move(failure));
        result.exitStatus_ = 2;
        return result;
    }
    // A failure with nothing to add: what the command printed says what failed.
    static CommandResult AlreadyReported()
    {
        CommandResult result;
        result.exitStatus_ = 1;
        return result;
    }

    // One more failure, for a command that goes on past one (a file of several).
    void Add(nav::Failure failure)
    {
        messages_.push_back(std::move(failure.message));
        if (exitStatus_ == 0) exitStatus_ = 1;
    }

    int ExitStatus() const { return exitStatus_; }
    const std::vector<std::string>& Messages() const { return messages_; }

private:
    int exitStatus_ = 0;
    std::vector<std::string> messages_;
};

struct Command {
    const char* name;   // one word, or two for a command of a group ("route show")
    const char* usage;  // the arguments after the name, e.g. "DIR TABLE"
    const char* summary;
    int argumentCount;  // arguments after the name
    CommandResult (*run)(const std::vector<std::string>& arguments);
    bool moreArguments = false;  // argumentCount is the least number, more may follow
};

const std::vector<Command>& Commands();

struct CommandRegistration {
    explicit CommandRegistration(const Command& command);
};

// "DIR" with a separator at its end, ready for the "%s%s.DBF" path form.
std::string DirectoryWithSeparator(const std::string& directory);

}  // namespace navdb
