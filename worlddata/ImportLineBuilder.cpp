#include "ImportLineBuilder.h"

#include "AsciiText.h"
#include "NavigationTables.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace worlddata {

namespace {

const nav::TableDefinition& TableOf(nav::ImportKind kind)
{
    switch (kind) {
    case nav::ImportKind::Airports:
        return nav::AirportsTable;
    case nav::ImportKind::Runways:
        return nav::RunwaysTable;
    default:
        return nav::NavaidsTable;
    }
}

int FieldWidth(const nav::TableDefinition& table, const char* field)
{
    const nav::FieldDefinition* definition = nav::FindField(table, field);
    return definition ? definition->width : 0;
}

int PowerOfTen(std::size_t digits)
{
    int value = 1;
    for (std::size_t i = 0; i < digits; ++i) value *= 10;
    return value;
}

}  // namespace

ImportLineBuilder::ImportLineBuilder(nav::ImportKind kind) : kind_(kind) {}

const nav::ImportColumn* ImportLineBuilder::Column(const char* field) const
{
    for (const nav::ImportColumn& column : nav::ImportColumns(kind_)) {
        if (std::strcmp(column.field, field) == 0) return &column;
    }
    return nullptr;
}

std::size_t ImportLineBuilder::TextWidth(const char* field) const
{
    const nav::ImportColumn* column = Column(field);
    if (!column) return 0;
    std::size_t width = FieldWidth(TableOf(kind_), field);
    for (const nav::ImportColumn& other : nav::ImportColumns(kind_)) {
        if (other.offset > column->offset) width = std::min(width, other.offset - column->offset);
    }
    return width;
}

void ImportLineBuilder::Put(std::size_t offset, std::string_view text)
{
    if (line_.size() < offset + text.size()) line_.resize(offset + text.size(), ' ');
    line_.replace(offset, text.size(), text);
}

void ImportLineBuilder::Text(const char* field, std::string_view text)
{
    if (const nav::ImportColumn* column = Column(field))
        Put(column->offset, text.substr(0, TextWidth(field)));
}

void ImportLineBuilder::Integer(const char* field, int value, Padding padding)
{
    const nav::ImportColumn* column = Column(field);
    if (!column || column->width == 0) return;
    int largest = PowerOfTen(column->width) - 1;
    int smallest = -(PowerOfTen(column->width - 1) - 1);
    value = std::clamp(value, smallest, largest);
    char text[16];
    std::snprintf(text, sizeof text, padding == Padding::Zeros ? "%0*d" : "%*d",
                  static_cast<int>(column->width), value);
    Put(column->offset, text);
}

void ImportLineBuilder::Real(const char* field, double value)
{
    const nav::ImportColumn* column = Column(field);
    if (!column) return;
    char text[32];
    std::snprintf(text, sizeof text, "%*.2f", static_cast<int>(column->width), value);
    Put(column->offset, std::string_view(text).substr(0, column->width));
}

void ImportLineBuilder::ComputedVariation()
{
    if (const nav::ImportColumn* column = Column("VAR"))
        Put(column->offset, std::string_view(&nav::ComputedVariationMark, 1));
}

void ImportLineBuilder::Position(const GeoPosition& position)
{
    StoredAngle latitude = StoredLatitude(position.latitude);
    StoredAngle longitude = StoredLongitude(position.longitude);
    Integer("LAT1", latitude.hemisphere);
    Integer("LAT2", latitude.degrees, Padding::Zeros);
    Integer("LAT3", latitude.minutes, Padding::Zeros);
    Integer("LAT4", latitude.seconds, Padding::Zeros);
    Integer("LON1", longitude.hemisphere);
    Integer("LON2", longitude.degrees, Padding::Zeros);
    Integer("LON3", longitude.minutes, Padding::Zeros);
    Integer("LON4", longitude.seconds, Padding::Zeros);
}

std::string ImportLineBuilder::Line() const
{
    return std::string(nav::WithoutPadding(line_));
}

}  // namespace worlddata
