// The text rules every area shares, one meaning each, for ASCII: the letters a to z in either
// case (every other byte as it is, whatever the locale), blanks, white space, and text with
// them cut off. The letters of the tables' code page beyond ASCII are flightplan's
// (PlanText.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nav {

// Space or tab, as C's isblank in the "C" locale: what separates the words of a line.
constexpr bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Space, tab, line feed, carriage return, vertical tab and form feed, as C's isspace in the
// "C" locale.
constexpr bool IsWhiteSpace(char c)
{
    return IsBlank(c) || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Nothing but blanks, or nothing at all.
constexpr bool IsBlankText(std::string_view text)
{
    for (char c : text)
        if (!IsBlank(c)) return false;
    return true;
}

constexpr char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) c = UpperAscii(c);
    return upper;
}

inline std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

constexpr bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    return true;
}

// White space cut from both ends.
constexpr std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsWhiteSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsWhiteSpace(text.back())) text.remove_suffix(1);
    return text;
}

// Trailing spaces cut: what a fixed-width field holds without the padding the tables give it.
constexpr std::string_view WithoutPadding(std::string_view text)
{
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace nav
