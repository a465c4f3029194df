// File names as the callers form them ("C:\DATA\\AIRPORTS.DBF", "data/AIRPORTS.DBF") turned
// into the platform's form: both separators are accepted everywhere and a run of them
// counts as one.
#pragma once

#include <string>

namespace sde {

std::string PlatformPath(const char* path);

// The index file that belongs to a table file: the table's extension replaced by ".QIX"
// (in the case of that extension).
std::string IndexPathFor(const std::string& tablePath);

}  // namespace sde
