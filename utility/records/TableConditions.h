// Query conditions of the record editors.
#pragma once

#include <string>

namespace quillmap {

// NUM = "<num>": the runways of one airport.
std::string NumCondition(const std::string& num);
// NUM = "<num>" .and. RUNWAYS = "<designator>": one runway of an airport.
std::string RunwayCondition(const std::string& num, const std::string& designator);

}  // namespace quillmap
