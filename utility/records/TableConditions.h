// Query conditions of the record editors. The engine's conditions match every stored value
// that begins with their text, so each text is padded to its field's width: a condition
// then names one value exactly, never the longer numbers that begin with a typed one ("3"
// would otherwise reach the runways of airports 300, 301, ...; an empty box every runway).
#pragma once

#include <string>

namespace quillmap {

// NUM = "<num>": the runways of one airport.
std::string NumCondition(const std::string& num);
// NUM = "<num>" .and. RUNWAYS = "<designator>": one runway of an airport.
std::string RunwayCondition(const std::string& num, const std::string& designator);

}  // namespace quillmap
