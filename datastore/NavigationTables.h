// The tables of the data directory as both deliverables and the tools know them: their
// fields (the one schema from which the delivered tables are made), their tags, aliases,
// the table password and the path forms with their default directories.
#pragma once

#include <span>
#include <string>

namespace nav {

// Passed to TableSetPassword after every TableOpen, in both deliverables.
inline constexpr const char* tablePassword = "KW%BN4#3";

// Aliases (and file base names) of the tables; the gauge opens its waypoint tables under
// the one alias "ACTWPT".
inline constexpr const char* airportsAlias = "AIRPORTS";
inline constexpr const char* runwaysAlias = "RUNWAYS";
inline constexpr const char* navaidsAlias = "NAVAIDS";
inline constexpr const char* usersAlias = "USERS";
inline constexpr const char* configAlias = "CONFIG";
inline constexpr const char* gaugeWaypointAlias = "ACTWPT";

// Tag names, with their key expressions in the table definitions below.
inline constexpr const char* numTag = "NUM";
inline constexpr const char* idTag = "ID";
inline constexpr const char* nameTag = "NAME";

struct FieldDefinition {
    const char* name;
    char type;        // 'C' character, 'N' numeric
    int width;
    int decimals;
};

struct TagDefinition {
    const char* name;
    const char* expression;
};

struct TableDefinition {
    const char* name;   // alias and file base name
    std::span<const FieldDefinition> fields;
    std::span<const TagDefinition> tags;
};

extern const TableDefinition airportsTable;
extern const TableDefinition runwaysTable;
extern const TableDefinition navaidsTable;
extern const TableDefinition usersTable;
extern const TableDefinition configTable;

// Every table of the data directory, in the order they are made.
std::span<const TableDefinition* const> dataDirectoryTables();
// The definition named `name` (any case); null when there is none.
const TableDefinition* findTableDefinition(const char* name);
// The field `name` (any case) of `table`; null when it has none.
const FieldDefinition* findField(const TableDefinition& table, const char* name);

// The one record of the delivered CONFIG table: the receiver switched on, Direct-To to the
// first airport (LASTFILE 1 with a blank LASTREC lands on the lowest key), alarm and
// autopilot coupling off, no route (RTEWPTS holds 270 blanks).
namespace deliveredConfig {
inline constexpr int power = 1;
inline constexpr double nextWaypointDistance = 0.5;   // AUTODIS, nautical miles
inline constexpr int autopilot = 0;
inline constexpr double alarmDistance = 2.0;          // ALARMDIS, nautical miles
inline constexpr int alarm = 0;
inline constexpr int lastFile = 1;                    // WaypointAirport
inline constexpr int routeMode = 0;
inline constexpr int routeCount = 0;
inline constexpr int routeIndex = 0;
}  // namespace deliveredConfig

// Who forms a table's path, which fixes the pattern and the default directory.
enum class PathForm {
    Editors,   // "%s\\NAME.DBF", default "C:\\FS6\\GPS\\DATA\\"
    Import,    // "%sNAME.DBF",   default empty (the current directory)
    Rebuild,   // "%s%s.DBF" with the alias, default empty
    Gauge      // "%s\\NAME.DBF", default "C:\\FS98\\GPSDATA\\"
};

// The directory to use when the registry value "PATH" is missing.
const char* defaultDirectory(PathForm form);

// The path of table `table` ("AIRPORTS", "CONFIG", ...) in `directory` as `form` writes it.
// The directory value ends with a backslash, so the forms that add one give a doubled
// separator ("C:\\FS6\\GPS\\DATA\\\\AIRPORTS.DBF"), which the engine accepts.
std::string tablePath(PathForm form, const char* directory, const char* table);

}  // namespace nav
