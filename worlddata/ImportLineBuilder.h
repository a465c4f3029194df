// One record line of an import file, built field by field at the columns the import reads
// (ImportLayout) and no wider than the table field that receives it, so that no value
// spills into the next column. A field that the kind's layout lacks has no column: it takes
// no text and is written nowhere, which the conversion's tests, reading every field back
// from the lines, would show.
#pragma once

#include "GeoPosition.h"
#include "ImportLayout.h"

#include <string>
#include <string_view>

namespace worlddata {

enum class Padding {
    Blanks,
    Zeros
};

class ImportLineBuilder {
public:
    explicit ImportLineBuilder(nav::ImportKind kind);

    // Cut at the width the field holds.
    void Text(const char* field, std::string_view text);
    // Right-aligned in the column's width, limited to the values that width holds.
    void Integer(const char* field, int value, Padding padding = Padding::Blanks);
    // Two decimals, right-aligned.
    void Real(const char* field, double value);
    // "A" in the VAR column: the import computes the variation from the position.
    void ComputedVariation();
    // LAT1..LON4.
    void Position(const GeoPosition& position);

    // The line without trailing blanks.
    std::string Line() const;
    // The widest text the field takes at its column.
    std::size_t TextWidth(const char* field) const;

private:
    // Null for a field the kind's layout lacks.
    const nav::ImportColumn* Column(const char* field) const;
    void Put(std::size_t offset, std::string_view text);

    nav::ImportKind kind_;
    std::string line_;
};

}  // namespace worlddata
