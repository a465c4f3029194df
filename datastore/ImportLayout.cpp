#include "ImportLayout.h"

#include "AsciiText.h"
#include "NavigationTables.h"

namespace nav {

namespace {

using enum ColumnConversion;

constexpr ImportColumn AirportColumns[] = {
    {"NUM", 0, ImportKeyLength, Key},
    {"ID", 9, 0, Text},
    {"NAME", 15, 0, Text},
    {"COUNTRY", 61, 0, Text},
    {"STATE", 65, 0, Text},
    {"ALT", 70, 5, Integer},
    {"LAT1", 80, 1, Integer},
    {"LAT2", 82, 2, Integer},
    {"LAT3", 85, 2, Integer},
    {"LAT4", 88, 2, Integer},
    {"LON1", 91, 1, Integer},
    {"LON2", 93, 3, Integer},
    {"LON3", 97, 2, Integer},
    {"LON4", 100, 2, Integer},
    {"VAR", 76, 3, Variation},  // after the position, which the computed variation reads
    {"ATIS", 103, 6, Real},
    {"TWR", 110, 6, Real},
};

constexpr ImportColumn NavaidColumns[] = {
    {"NUM", 0, ImportKeyLength, Key},
    {"ID", 9, 0, Text},
    {"NAME", 15, 0, Text},
    {"LAT1", 61, 1, Integer},
    {"LAT2", 63, 2, Integer},
    {"LAT3", 66, 2, Integer},
    {"LAT4", 69, 2, Integer},
    {"LON1", 72, 1, Integer},
    {"LON2", 74, 3, Integer},
    {"LON3", 78, 2, Integer},
    {"LON4", 81, 2, Integer},
    {"ALT", 84, 5, Integer},
    {"FREQ", 90, 0, Text},
    {"TYPE", 97, 0, Text},
};

constexpr ImportColumn RunwayColumns[] = {
    {"NUM", 0, ImportKeyLength, Key},
    {"RUNWAYS", 9, 0, Text},
    {"LEN", 27, 0, Text},
    {"SURFACE", 37, 0, Text},
    {"REM", 46, 0, Text},
    {"NAV1", 67, 0, Text},
    {"RWY1", 71, 0, Text},
    {"FREQ1", 75, 0, Text},
    {"NAV2", 82, 0, Text},
    {"RWY2", 86, 0, Text},
    {"FREQ2", 90, 0, Text},
};

constexpr int64_t MaximumInteger = INT32_MAX;
constexpr int64_t MaximumExactDigits = 100000000000000;  // 10^14: far below 2^53

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Skips leading white space and reads an optional sign; returns the position after them.
std::size_t SkipBlanksAndSign(std::string_view text, bool& negative)
{
    std::size_t at = 0;
    while (at < text.size() && IsWhiteSpace(text[at])) ++at;
    negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    return at;
}

}  // namespace

ImportKind ImportKindOfSignature(std::string_view signatureLine)
{
    if (!signatureLine.starts_with(ImportSignature)) return ImportKind::NotImportFile;
    if (signatureLine.size() <= ImportKindOffset) return ImportKind::Unrecognised;
    switch (signatureLine[ImportKindOffset]) {
    case 'A':
        return ImportKind::Airports;
    case 'R':
        return ImportKind::Runways;
    case 'N':
        return ImportKind::Navaids;
    default:
        return ImportKind::Unrecognised;
    }
}

std::span<const ImportColumn> ImportColumns(ImportKind kind)
{
    switch (kind) {
    case ImportKind::Airports:
        return AirportColumns;
    case ImportKind::Runways:
        return RunwayColumns;
    case ImportKind::Navaids:
        return NavaidColumns;
    default:
        return {};
    }
}

const char* ImportTableAlias(ImportKind kind)
{
    switch (kind) {
    case ImportKind::Airports:
        return AirportsAlias;
    case ImportKind::Runways:
        return RunwaysAlias;
    case ImportKind::Navaids:
        return NavaidsAlias;
    default:
        return "";
    }
}

std::string_view ColumnText(std::string_view line, const ImportColumn& column)
{
    if (column.offset >= line.size()) return {};
    if (column.conversion == Text) return line.substr(column.offset);
    return line.substr(column.offset, column.width);
}

int32_t ParseImportInteger(std::string_view text)
{
    bool negative;
    int64_t value = 0;
    for (std::size_t at = SkipBlanksAndSign(text, negative); at < text.size() && IsDigit(text[at]);
         ++at) {
        if (value <= MaximumInteger) value = value * 10 + (text[at] - '0');
    }
    if (value > MaximumInteger) value = MaximumInteger;
    return static_cast<int32_t>(negative ? -value : value);
}

double ParseImportReal(std::string_view text)
{
    bool negative;
    std::size_t at = SkipBlanksAndSign(text, negative);
    int64_t digits = 0;
    int64_t scale = 1;
    int exponent = 0;  // powers of ten dropped beyond the digits a double holds
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        if (digits < MaximumExactDigits)
            digits = digits * 10 + (text[at] - '0');
        else
            ++exponent;
    }
    if (at < text.size() && text[at] == '.') {
        for (++at; at < text.size() && IsDigit(text[at]); ++at) {
            if (digits < MaximumExactDigits && scale < MaximumExactDigits) {
                digits = digits * 10 + (text[at] - '0');
                scale *= 10;
            }
        }
    }
    double value = static_cast<double>(digits) / static_cast<double>(scale);
    for (; exponent > 0; --exponent) value *= 10.0;
    return negative ? -value : value;
}

}  // namespace nav
