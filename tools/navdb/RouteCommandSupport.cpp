#include "RouteCommandSupport.h"

#include <algorithm>
#include <cstdio>

namespace navdb {

nav::Expected<RouteArguments> SplitRouteArguments(const std::vector<std::string>& arguments,
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
            return nav::Fail("unknown option " + argument);
        } else if (i + 1 == arguments.size()) {
            return nav::Fail(argument + " needs a value");
        } else {
            split.options[argument] = arguments[++i];
        }
    }
    return split;
}

CommandResult PrintedOutput(const nav::Expected<std::string>& output)
{
    if (!output) return output.Failed();
    std::fwrite(output->data(), 1, output->size(), stdout);
    return {};
}

}  // namespace navdb
