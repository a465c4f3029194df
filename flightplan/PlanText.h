// Text between the tables and plan files: the tables hold Windows-1252 (the gauge's screen
// and dialogs show it as such), plan files UTF-8; XML and CSV quote what they must.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace flightplan {

// Windows-1252 to UTF-8; the five bytes that code page leaves undefined, and control
// characters that XML 1.0 does not allow, become '?'.
std::string Utf8FromTable(std::string_view text);

// Whether the text is well-formed UTF-8.
bool IsUtf8(std::string_view text);

// UTF-8 to Windows-1252; characters it cannot hold become '?'.
std::string TableFromUtf8(std::string_view text);

// UTF-8 to printable Windows-1252 without loss; none for a control character, a character
// that code page lacks, or text that is not UTF-8.
std::optional<std::string> PrintableTableText(std::string_view text);

// The Unicode character of a Windows-1252 byte; 0 for the five bytes the code page leaves
// undefined.
char32_t TableCodePoint(unsigned char byte);

// Windows-1252 text in upper case, letters with diacritics included ("z\xFCrich" gives
// "Z\xDCRICH").
std::string TableUpper(std::string_view text);

// Windows-1252 text in the narrow alphabet some plan formats take: upper case, letters
// with diacritics as their base letter, and of the rest only the characters of `kept` (a
// blank among them joins words: any run of other characters becomes one blank); at most
// `limit` characters, no blank at either end.
std::string PlainUpperText(std::string_view text, std::string_view kept, std::size_t limit);

// UTF-8 text for XML character data and attribute values (both quotes escaped).
std::string XmlEscaped(std::string_view text);

// A CSV field: quoted, with quotes doubled, when it holds a comma, quote or line break.
std::string CsvField(std::string_view text);

}  // namespace flightplan
