// Text between the tables and plan files: the tables hold Windows-1252 (the gauge's screen
// and dialogs show it as such), plan files UTF-8; XML and CSV quote what they must.
#pragma once

#include <string>
#include <string_view>

namespace flightplan {

// Windows-1252 to UTF-8; the five bytes that code page leaves undefined, and control
// characters that XML 1.0 does not allow, become '?'.
std::string Utf8FromTable(std::string_view text);

// UTF-8 to Windows-1252; characters it cannot hold become '?'.
std::string TableFromUtf8(std::string_view text);

// UTF-8 text for XML character data and attribute values (both quotes escaped).
std::string XmlEscaped(std::string_view text);

// A CSV field: quoted, with quotes doubled, when it holds a comma, quote or line break.
std::string CsvField(std::string_view text);

}  // namespace flightplan
