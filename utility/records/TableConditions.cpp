#include "TableConditions.h"

namespace quillmap {

std::string NumCondition(const std::string& num)
{
    return "NUM = \"" + num + "\"";
}

std::string RunwayCondition(const std::string& num, const std::string& designator)
{
    return NumCondition(num) + " .and. RUNWAYS = \"" + designator + "\"";
}

}  // namespace quillmap
