#include "TextEncoding.h"

#include <cstdint>
#include <cstdio>

namespace worlddata {

namespace {

// The characters of Windows-1252 at 0x80..0x9F, by code point.
struct SpecialCharacter {
    char32_t codePoint;
    unsigned char byte;
};

constexpr SpecialCharacter SpecialCharacters[] = {
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86},
    {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C},
    {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95},
    {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B},
    {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F},
};

char Windows1252(char32_t codePoint)
{
    if (codePoint >= 0xA0 && codePoint <= 0xFF) return static_cast<char>(codePoint);
    for (const SpecialCharacter& special : SpecialCharacters) {
        if (special.codePoint == codePoint) return static_cast<char>(special.byte);
    }
    return '?';
}

// The length of the UTF-8 sequence at `at` and its code point; 0 when none starts there.
std::size_t Utf8Sequence(std::string_view text, std::size_t at, char32_t& codePoint)
{
    auto byte = static_cast<unsigned char>(text[at]);
    std::size_t length = byte >= 0xF0 && byte < 0xF8   ? 4
                         : byte >= 0xE0                ? 3
                         : byte >= 0xC2 && byte < 0xE0 ? 2
                                                       : 0;
    if (length == 0 || at + length > text.size()) return 0;
    codePoint = byte & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return 0;
        codePoint = codePoint << 6 | (next & 0x3F);
    }
    return length;
}

bool IsControl(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7F;
}

bool IsPrintableByte(unsigned char byte)
{
    if (IsControl(byte)) return false;
    if (byte < 0x80 || byte >= 0xA0) return true;
    for (const SpecialCharacter& special : SpecialCharacters) {
        if (special.byte == byte) return true;
    }
    return false;
}

}  // namespace

std::string ToWindows1252(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        auto byte = static_cast<unsigned char>(text[at]);
        char32_t codePoint = 0;
        std::size_t length = byte >= 0x80 ? Utf8Sequence(text, at, codePoint) : 0;
        if (length > 0) {
            result += Windows1252(codePoint);
            at += length;
        } else {
            result += IsControl(byte) ? ' ' : static_cast<char>(byte);
            ++at;
        }
    }
    return result;
}

bool IsPrintableWindows1252(std::string_view text)
{
    for (char c : text) {
        if (!IsPrintableByte(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

std::string WithVisibleBytes(std::string_view text)
{
    std::string visible;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (IsPrintableByte(byte)) {
            visible += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            visible += escaped;
        }
    }
    return visible;
}

}  // namespace worlddata
