// What the three `navdb route` commands share: their options and their reply to refused
// input (the message, exit status 1, nothing written).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Result.h"

namespace navdb {

// Positional arguments and options ("--format gpx", "-o OUT", "--config") of one command.
struct RouteArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // flags map to ""
};

// Splits `arguments` by the options the command knows: `valued` take the next argument,
// `flags` none. Fails for any other option or a missing value.
nav::Expected<RouteArguments> SplitRouteArguments(const std::vector<std::string>& arguments,
                                                  const std::vector<std::string>& valued,
                                                  const std::vector<std::string>& flags);

// Runs `work` and prints what it returns; a failure (or an exception) is printed after
// "navdb route COMMAND: " on standard error and gives exit status 1.
int RunRouteCommand(const char* command, const std::function<nav::Expected<std::string>()>& work);

}  // namespace navdb
