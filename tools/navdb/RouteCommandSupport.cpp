#include "RouteCommandSupport.h"

#include <algorithm>
#include <cstdio>
#include <exception>

#include "PlanError.h"

namespace navdb {

RouteArguments SplitRouteArguments(const std::vector<std::string>& arguments,
                                   const std::vector<std::string>& valued,
                                   const std::vector<std::string>& flags)
{
    const auto knows = [](const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    RouteArguments split;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() < 2 || argument[0] != '-') {
            split.positional.push_back(argument);
        } else if (knows(flags, argument)) {
            split.options[argument] = "";
        } else if (!knows(valued, argument)) {
            throw flightplan::PlanError("unknown option " + argument);
        } else if (i + 1 == arguments.size()) {
            throw flightplan::PlanError(argument + " needs a value");
        } else {
            split.options[argument] = arguments[++i];
        }
    }
    return split;
}

int RunRouteCommand(const char* command, const std::function<std::string()>& work)
{
    try {
        const std::string output = work();
        std::fwrite(output.data(), 1, output.size(), stdout);
        return 0;
    } catch (const std::exception& error) {
        // A PlanError, or what the system refused on the way (memory, the file system).
        std::fprintf(stderr, "navdb route %s: %s\n", command, error.what());
        return 1;
    }
}

}  // namespace navdb
