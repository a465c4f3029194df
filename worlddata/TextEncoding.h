// Names from the data files (UTF-8 in the newer editions) in the tables' code page,
// Windows-1252, and the identifiers that code page can hold.
#pragma once

#include <string>
#include <string_view>

namespace worlddata {

// UTF-8 sequences become their Windows-1252 byte, or "?" where that code page has no such
// character; bytes that are no valid UTF-8 (older files in an 8-bit code page) stay as
// they are. Control characters become blanks, so no name can end a line early.
std::string ToWindows1252(std::string_view text);

// Whether every byte is a character that Windows-1252 prints: no control bytes (NUL, line
// ends, DEL) and none of the five bytes it leaves undefined.
bool IsPrintableWindows1252(std::string_view text);
// The text with every byte that IsPrintableWindows1252 refuses written as \xNN, for messages.
std::string WithVisibleBytes(std::string_view text);

}  // namespace worlddata
