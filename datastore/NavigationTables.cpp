#include "NavigationTables.h"

#include <cctype>
#include <cstring>

namespace nav {

namespace {

// The waypoint position: hemisphere index, degrees, minutes, seconds per axis.
#define NAV_POSITION_FIELDS                                                                  \
    {"LAT1", 'N', 2, 0}, {"LAT2", 'N', 4, 0}, {"LAT3", 'N', 4, 0}, {"LAT4", 'N', 4, 0},     \
    {"LON1", 'N', 2, 0}, {"LON2", 'N', 4, 0}, {"LON3", 'N', 4, 0}, {"LON4", 'N', 4, 0}

constexpr FieldDefinition airportsFields[] = {
    {"NUM", 'C', 8, 0}, {"ID", 'C', 6, 0}, {"NAME", 'C', 45, 0}, {"COUNTRY", 'C', 4, 0},
    {"STATE", 'C', 5, 0}, {"ALT", 'N', 6, 0}, {"VAR", 'N', 4, 0}, NAV_POSITION_FIELDS,
    {"ATIS", 'N', 7, 2}, {"TWR", 'N', 7, 2},
};

constexpr FieldDefinition navaidsFields[] = {
    {"NUM", 'C', 8, 0}, {"ID", 'C', 6, 0}, {"NAME", 'C', 45, 0}, NAV_POSITION_FIELDS,
    {"ALT", 'N', 6, 0}, {"TYPE", 'C', 7, 0}, {"FREQ", 'C', 7, 0},
};

constexpr FieldDefinition usersFields[] = {
    {"NUM", 'C', 8, 0}, {"ID", 'C', 6, 0}, {"NAME", 'C', 45, 0}, NAV_POSITION_FIELDS,
    {"ALT", 'N', 6, 0},
};

#undef NAV_POSITION_FIELDS

constexpr FieldDefinition runwaysFields[] = {
    {"NUM", 'C', 8, 0},  {"RUNWAYS", 'C', 17, 0}, {"LEN", 'C', 6, 0},  {"SURFACE", 'C', 6, 0},
    {"REM", 'C', 20, 0}, {"NAV1", 'C', 4, 0},     {"RWY1", 'C', 4, 0}, {"FREQ1", 'C', 6, 0},
    {"NAV2", 'C', 4, 0}, {"RWY2", 'C', 4, 0},     {"FREQ2", 'C', 6, 0},
};

constexpr FieldDefinition configFields[] = {
    {"POWER", 'N', 2, 0},    {"AUTODIS", 'N', 10, 4}, {"AUTOPILOT", 'N', 2, 0}, {"ALARMDIS", 'N', 10, 4},
    {"ALARM", 'N', 2, 0},    {"LASTREC", 'C', 8, 0},  {"LASTFILE", 'N', 4, 0},  {"RTEMODE", 'N', 2, 0},
    {"NRTEWPT", 'N', 4, 0},  {"ACTRTE", 'N', 4, 0},   {"RTEWPTS", 'C', 270, 0},
};

constexpr TagDefinition waypointTags[] = {{numTag, "NUM"}, {idTag, "ID"}, {nameTag, "UPPER(NAME)"}};
constexpr TagDefinition runwayTags[] = {{numTag, "NUM"}};

}  // namespace

const TableDefinition airportsTable {airportsAlias, airportsFields, waypointTags};
const TableDefinition runwaysTable {runwaysAlias, runwaysFields, runwayTags};
const TableDefinition navaidsTable {navaidsAlias, navaidsFields, waypointTags};
const TableDefinition usersTable {usersAlias, usersFields, waypointTags};
const TableDefinition configTable {configAlias, configFields, {}};

std::span<const TableDefinition* const> dataDirectoryTables() {
    static const TableDefinition* const tables[] = {&airportsTable, &runwaysTable, &navaidsTable, &usersTable,
                                                    &configTable};
    return tables;
}

namespace {

// Whether `name`, in any case, is the upper-case name `stored`.
bool namedAnyCase(const char* stored, const char* name) {
    size_t i = 0;
    while (stored[i] && name[i] && std::toupper(static_cast<unsigned char>(name[i])) == stored[i]) ++i;
    return !stored[i] && !name[i];
}

}  // namespace

const TableDefinition* findTableDefinition(const char* name) {
    if (!name) return nullptr;
    for (const TableDefinition* table : dataDirectoryTables())
        if (namedAnyCase(table->name, name)) return table;
    return nullptr;
}

const FieldDefinition* findField(const TableDefinition& table, const char* name) {
    if (!name) return nullptr;
    for (const FieldDefinition& field : table.fields)
        if (namedAnyCase(field.name, name)) return &field;
    return nullptr;
}

const char* defaultDirectory(PathForm form) {
    switch (form) {
    case PathForm::Editors: return "C:\\FS6\\GPS\\DATA\\";
    case PathForm::Gauge: return "C:\\FS98\\GPSDATA\\";
    case PathForm::Import:
    case PathForm::Rebuild: break;
    }
    return "";
}

std::string tablePath(PathForm form, const char* directory, const char* table) {
    std::string path = directory ? directory : "";
    if (form == PathForm::Editors || form == PathForm::Gauge) path += '\\';
    path += table ? table : "";
    path += ".DBF";
    return path;
}

}  // namespace nav
