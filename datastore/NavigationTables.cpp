#include "NavigationTables.h"

#include "AsciiText.h"

#include <cstring>

namespace nav {

namespace {

// The waypoint position: hemisphere index, degrees, minutes, seconds per axis.
// clang-format off: a list of initialisers, not a statement
#define NAV_POSITION_FIELDS                                                                        \
    {"LAT1", 'N', 2, 0}, {"LAT2", 'N', 4, 0}, {"LAT3", 'N', 4, 0}, {"LAT4", 'N', 4, 0},            \
        {"LON1", 'N', 2, 0}, {"LON2", 'N', 4, 0}, {"LON3", 'N', 4, 0},                             \
    {                                                                                              \
        "LON4", 'N', 4, 0                                                                          \
    }
// clang-format on

constexpr FieldDefinition AirportsFields[] = {
    {"NUM", 'C', 8, 0},   {"ID", 'C', 6, 0},  {"NAME", 'C', 45, 0}, {"COUNTRY", 'C', 4, 0},
    {"STATE", 'C', 5, 0}, {"ALT", 'N', 6, 0}, {"VAR", 'N', 4, 0},   NAV_POSITION_FIELDS,
    {"ATIS", 'N', 7, 2},  {"TWR", 'N', 7, 2},
};

constexpr FieldDefinition NavaidsFields[] = {
    {"NUM", 'C', 8, 0}, {"ID", 'C', 6, 0},   {"NAME", 'C', 45, 0}, NAV_POSITION_FIELDS,
    {"ALT", 'N', 6, 0}, {"TYPE", 'C', 7, 0}, {"FREQ", 'C', 7, 0},
};

constexpr FieldDefinition UsersFields[] = {
    {"NUM", 'C', 8, 0},  {"ID", 'C', 6, 0},  {"NAME", 'C', 45, 0},
    NAV_POSITION_FIELDS, {"ALT", 'N', 6, 0},
};

#undef NAV_POSITION_FIELDS

constexpr FieldDefinition RunwaysFields[] = {
    {"NUM", 'C', 8, 0},  {"RUNWAYS", 'C', 17, 0}, {"LEN", 'C', 6, 0},   {"SURFACE", 'C', 6, 0},
    {"REM", 'C', 20, 0}, {"NAV1", 'C', 4, 0},     {"RWY1", 'C', 4, 0},  {"FREQ1", 'C', 6, 0},
    {"NAV2", 'C', 4, 0}, {"RWY2", 'C', 4, 0},     {"FREQ2", 'C', 6, 0},
};

constexpr FieldDefinition ConfigFields[] = {
    {"POWER", 'N', 2, 0},     {"AUTODIS", 'N', 10, 4},  {"AUTOPILOT", 'N', 2, 0},
    {"ALARMDIS", 'N', 10, 4}, {"ALARM", 'N', 2, 0},     {"LASTREC", 'C', 8, 0},
    {"LASTFILE", 'N', 4, 0},  {"RTEMODE", 'N', 2, 0},   {"NRTEWPT", 'N', 4, 0},
    {"ACTRTE", 'N', 4, 0},    {"RTEWPTS", 'C', 270, 0},
};

constexpr TagDefinition WaypointTags[] = {{NumTag, "NUM"}, {IdTag, "ID"}, {NameTag, "UPPER(NAME)"}};
constexpr TagDefinition RunwayTags[] = {{NumTag, "NUM"}};

}  // namespace

const TableDefinition AirportsTable{AirportsAlias, AirportsFields, WaypointTags};
const TableDefinition RunwaysTable{RunwaysAlias, RunwaysFields, RunwayTags};
const TableDefinition NavaidsTable{NavaidsAlias, NavaidsFields, WaypointTags};
const TableDefinition UsersTable{UsersAlias, UsersFields, WaypointTags};
const TableDefinition ConfigTable{ConfigAlias, ConfigFields, {}};

std::span<const TableDefinition* const> DataDirectoryTables()
{
    static const TableDefinition* const tables[] = {&AirportsTable, &RunwaysTable, &NavaidsTable,
                                                    &UsersTable, &ConfigTable};
    return tables;
}

const TableDefinition* FindTableDefinition(const char* name)
{
    if (!name) return nullptr;
    for (const TableDefinition* table : DataDirectoryTables())
        if (EqualIgnoringCase(table->name, name)) return table;
    return nullptr;
}

const FieldDefinition* FindField(const TableDefinition& table, const char* name)
{
    if (!name) return nullptr;
    for (const FieldDefinition& field : table.fields)
        if (EqualIgnoringCase(field.name, name)) return &field;
    return nullptr;
}

const char* DefaultDirectory(PathForm form)
{
    switch (form) {
    case PathForm::Editors:
        return "C:\\FS6\\GPS\\DATA\\";
    case PathForm::Gauge:
        return "C:\\FS98\\GPSDATA\\";
    case PathForm::Import:
    case PathForm::Rebuild:
        break;
    }
    return "";
}

std::string TablePath(PathForm form, const char* directory, const char* table)
{
    std::string path = directory ? directory : "";
    if (form == PathForm::Editors || form == PathForm::Gauge) path += '\\';
    path += table ? table : "";
    path += ".DBF";
    return path;
}

std::string DataDirectoryAsStored(const std::string& typed)
{
    if (typed.empty() || typed.back() == '\\' || typed.back() == '/') return typed;
    return typed + '\\';
}

}  // namespace nav
