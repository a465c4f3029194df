#include "PlanText.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace flightplan {

namespace {

// Unicode of Windows-1252 bytes 0x80 to 0x9F; 0 where the code page defines none.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char Unrepresentable = '?';

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr char32_t InvalidSequence = 0xFFFD;

// The next code point of UTF-8 text from `i`, which moves past it; an invalid sequence
// gives InvalidSequence and moves one byte.
char32_t NextCodePoint(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<uint8_t>(text[k]); };
    const uint8_t lead = byte(i);
    const int length = lead < 0x80           ? 1
                       : (lead >> 5) == 0x6  ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return InvalidSequence;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return InvalidSequence;
        }
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return c;
}

bool AllowedInXml(char32_t c)
{
    return c == '\t' || c == '\n' || c == '\r' || c >= 0x20;
}

// The Windows-1252 byte of a character; none where the code page has none.
std::optional<char> TableByte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c < 0x100)) return static_cast<char>(c);
    for (std::size_t k = 0; k < HighControls.size(); ++k)
        if (HighControls[k] == c) return static_cast<char>(0x80 + k);
    return std::nullopt;
}

// The upper-case letter of a Windows-1252 byte; any other byte as it is.
uint8_t UpperByte(uint8_t byte)
{
    if (byte >= 'a' && byte <= 'z') return static_cast<uint8_t>(byte - 0x20);
    if (byte >= 0xE0 && byte != 0xF7 && byte != 0xFF) return static_cast<uint8_t>(byte - 0x20);
    switch (byte) {
    case 0x9A:  // š
    case 0x9C:  // œ
    case 0x9E:  // ž
        return static_cast<uint8_t>(byte - 0x10);
    case 0xFF:  // ÿ
        return 0x9F;
    }
    return byte;
}

// The base letter of an upper-case Windows-1252 letter with a diacritic ("\xC9" gives 'E');
// any other byte as it is.
uint8_t BaseLetter(uint8_t byte)
{
    // 0xC0 to 0xDE; a blank where the byte is no letter with a base letter.
    constexpr std::string_view Bases = "AAAAAAACEEEEIIIIDNOOOOO OUUUUY ";
    if (byte >= 0xC0 && byte < 0xC0 + Bases.size() && Bases[byte - 0xC0] != ' ')
        return static_cast<uint8_t>(Bases[byte - 0xC0]);
    switch (byte) {
    case 0x8A:  // Š
        return 'S';
    case 0x8C:  // Œ
        return 'O';
    case 0x8E:  // Ž
        return 'Z';
    case 0x9F:  // Ÿ
        return 'Y';
    case 0xDF:  // ß
        return 'S';
    }
    return byte;
}

}  // namespace

std::string Utf8FromTable(std::string_view text)
{
    std::string out;
    for (char byte : text) {
        const auto b = static_cast<uint8_t>(byte);
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0) c = HighControls[b - 0x80];
        if (c == 0 || !AllowedInXml(c)) c = Unrepresentable;
        AppendUtf8(out, c);
    }
    return out;
}

bool IsUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t at = i;
        // A replacement character of the text itself takes three bytes.
        if (NextCodePoint(text, i) == InvalidSequence && i == at + 1) return false;
    }
    return true;
}

std::string TableFromUtf8(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();)
        out += TableByte(NextCodePoint(text, i)).value_or(Unrepresentable);
    return out;
}

std::optional<std::string> PrintableTableText(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = NextCodePoint(text, i);
        const std::optional<char> byte = TableByte(c);
        if (!byte || c < 0x20 || c == 0x7F) return std::nullopt;
        out += *byte;
    }
    return out;
}

char32_t TableCodePoint(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : byte;
}

std::string TableUpper(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = static_cast<char>(UpperByte(static_cast<uint8_t>(c)));
    return out;
}

std::string PlainUpperText(std::string_view text, std::string_view kept, std::size_t limit)
{
    const bool joinsWords = kept.find(' ') != std::string_view::npos;
    std::string out;
    bool gap = false;
    for (char byte : text) {
        const char c = static_cast<char>(BaseLetter(UpperByte(static_cast<uint8_t>(byte))));
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!plain && (c == ' ' || kept.find(c) == std::string_view::npos)) {
            gap = joinsWords;
            continue;
        }
        if (gap && !out.empty()) out += ' ';
        gap = false;
        out += c;
    }
    out.resize(std::min(out.size(), limit));
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::string XmlEscaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace flightplan
