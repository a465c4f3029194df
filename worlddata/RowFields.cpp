#include "RowFields.h"

#include <charconv>

namespace worlddata {

namespace {

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

template <typename Number>
std::optional<Number> WholeNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    Number value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

RowFields::RowFields(std::string_view row) : row_(row)
{
    std::size_t at = 0;
    while (at < row.size()) {
        while (at < row.size() && IsSeparator(row[at])) ++at;
        std::size_t start = at;
        while (at < row.size() && !IsSeparator(row[at])) ++at;
        if (at > start) fields_.push_back(row.substr(start, at - start));
    }
}

std::string_view RowFields::Rest(std::size_t index) const
{
    if (index >= fields_.size()) return {};
    std::size_t start = fields_[index].data() - row_.data();
    std::string_view rest = row_.substr(start);
    while (!rest.empty() && IsSeparator(rest.back())) rest.remove_suffix(1);
    return rest;
}

std::optional<int> RowFields::Integer(std::size_t index) const
{
    return index < fields_.size() ? IntegerOf(fields_[index]) : std::nullopt;
}

std::optional<double> RowFields::Real(std::size_t index) const
{
    return index < fields_.size() ? RealOf(fields_[index]) : std::nullopt;
}

std::optional<int> IntegerOf(std::string_view text)
{
    return WholeNumber<int>(text);
}

std::optional<double> RealOf(std::string_view text)
{
    return WholeNumber<double>(text);
}

std::string_view LastWord(std::string_view text)
{
    while (!text.empty() && IsSeparator(text.back())) text.remove_suffix(1);
    std::size_t blank = text.find_last_of(" \t");
    return blank == std::string_view::npos ? text : text.substr(blank + 1);
}

}  // namespace worlddata
