// What the three `navdb route` commands share: their options and how they end (their
// output printed, or their failure handed to navdb with nothing written).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "NavdbCommand.h"
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

// Prints the command's output on standard output; a failure is the command's, exit status 1.
CommandResult PrintedOutput(const nav::Expected<std::string>& output);

}  // namespace navdb
