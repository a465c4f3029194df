// The two lines that open apt.dat and nav.dat: "I" (or "A", the byte order of old
// editions) and a line beginning with the version number.
#pragma once

#include "DataFileReader.h"

#include <optional>
#include <string>

namespace worlddata {

// The version, or 0 with `error` set when the file does not begin that way or its version
// lies outside first..last.
int ReadDataFileVersion(DataFileReader& file, const char* kind, int first, int last, std::string& error);

// The row code at the start of a row; nothing for a row that starts otherwise.
std::optional<int> ReadRowCode(const std::string& row);
bool IsBlankRow(const std::string& row);

}  // namespace worlddata
