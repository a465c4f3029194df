// A row of apt.dat or nav.dat: fields separated by blanks or tabs, the last ones (names)
// taken as the rest of the row.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace worlddata {

class RowFields {
public:
    explicit RowFields(std::string_view row);

    std::size_t Count() const { return fields_.size(); }
    std::string_view operator[](std::size_t index) const { return fields_[index]; }
    // The row from field `index` to its end, blanks at both ends removed; empty past the end.
    std::string_view Rest(std::size_t index) const;
    // The whole field as a number; nothing when it is missing or not entirely a number.
    std::optional<int> Integer(std::size_t index) const;
    std::optional<double> Real(std::size_t index) const;

private:
    std::string_view row_;
    std::vector<std::string_view> fields_;
};

// The whole text as a number (an optional plus sign allowed); nothing when it is empty or not
// entirely a number.
std::optional<int> IntegerOf(std::string_view text);
std::optional<double> RealOf(std::string_view text);

// The last blank-separated word of a text ("SEATTLE VORTAC" gives "VORTAC").
std::string_view LastWord(std::string_view text);

}  // namespace worlddata
