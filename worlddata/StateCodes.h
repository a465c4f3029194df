// The postal codes of the states of the United States and the provinces and territories of
// Canada, for the STATE field, which holds codes: the airport metadata names them in full.
#pragma once

#include <string_view>

namespace worlddata {

// "WA" for "Washington" (any case); empty for a name it does not know.
std::string_view StateCode(std::string_view name);

}  // namespace worlddata
