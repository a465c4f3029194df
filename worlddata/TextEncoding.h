// Names from the data files (UTF-8 in the newer editions) in the tables' code page,
// Windows-1252.
#pragma once

#include <string>
#include <string_view>

namespace worlddata {

// UTF-8 sequences become their Windows-1252 byte, or "?" where that code page has no such
// character; bytes that are no valid UTF-8 (older files in an 8-bit code page) stay as
// they are. Control characters become blanks, so no name can end a line early.
std::string ToWindows1252(std::string_view text);

}  // namespace worlddata
