// The tables of the data directory as both deliverables and the tools know them: their
// fields (the one schema from which the delivered tables are made), their tags, aliases,
// the table password and the path forms with their default directories.
#pragma once

#include "FieldDefinition.h"

#include <span>
#include <string>

namespace nav {

// Passed to TableSetPassword after every TableOpen, in both deliverables.
inline constexpr const char* TablePassword = "KW%BN4#3";

// Aliases (and file base names) of the tables; the gauge opens its waypoint tables under
// the one alias "ACTWPT".
inline constexpr const char* AirportsAlias = "AIRPORTS";
inline constexpr const char* RunwaysAlias = "RUNWAYS";
inline constexpr const char* NavaidsAlias = "NAVAIDS";
inline constexpr const char* UsersAlias = "USERS";
inline constexpr const char* ConfigAlias = "CONFIG";
inline constexpr const char* GaugeWaypointAlias = "ACTWPT";

// Tag names, with their key expressions in the table definitions below.
inline constexpr const char* NumTag = "NUM";
inline constexpr const char* IdTag = "ID";
inline constexpr const char* NameTag = "NAME";

struct TagDefinition {
    const char* name;
    const char* expression;
};

struct TableDefinition {
    const char* name;  // alias and file base name
    std::span<const FieldDefinition> fields;
    std::span<const TagDefinition> tags;
};

extern const TableDefinition AirportsTable;
extern const TableDefinition RunwaysTable;
extern const TableDefinition NavaidsTable;
extern const TableDefinition UsersTable;
extern const TableDefinition ConfigTable;

// Every table of the data directory, in the order they are made.
std::span<const TableDefinition* const> DataDirectoryTables();
// The definition named `name` (any case); null when there is none.
const TableDefinition* FindTableDefinition(const char* name);
// The field `name` (any case) of `table`; null when it has none.
const FieldDefinition* FindField(const TableDefinition& table, const char* name);

// The one record of the delivered CONFIG table: the receiver switched on, Direct-To to the
// first airport (LASTFILE 1 with a blank LASTREC lands on the lowest key), alarm and
// autopilot coupling off, no route (RTEWPTS holds 270 blanks).
namespace deliveredConfig {
inline constexpr int Power = 1;
inline constexpr double NextWaypointDistance = 0.5;  // AUTODIS, nautical miles
inline constexpr int Autopilot = 0;
inline constexpr double AlarmDistance = 2.0;  // ALARMDIS, nautical miles
inline constexpr int Alarm = 0;
inline constexpr int LastFile = 1;  // WaypointAirport
inline constexpr int RouteMode = 0;
inline constexpr int RouteCount = 0;
inline constexpr int RouteIndex = 0;
}  // namespace deliveredConfig

// Who forms a table's path, which fixes the pattern and the default directory.
enum class PathForm {
    Editors,  // "%s\\NAME.DBF", default "C:\\FS6\\GPS\\DATA\\"
    Import,   // "%sNAME.DBF",   default empty (the current directory)
    Rebuild,  // "%s%s.DBF" with the alias, default empty
    Gauge     // "%s\\NAME.DBF", default "C:\\FS98\\GPSDATA\\"
};

// The directory to use when the registry value "PATH" is missing.
const char* DefaultDirectory(PathForm form);

// The path of table `table` ("AIRPORTS", "CONFIG", ...) in `directory` as `form` writes it.
// The directory value ends with a backslash, so the forms that add one give a doubled
// separator ("C:\\FS6\\GPS\\DATA\\\\AIRPORTS.DBF"), which the engine accepts.
std::string TablePath(PathForm form, const char* directory, const char* table);

// The data directory as Preferences stores it: the text as typed, with the closing backslash
// added when it is left out, because import and rebuild put the file name right behind it.
// Empty text stays empty (the current directory).
std::string DataDirectoryAsStored(const std::string& typed);

}  // namespace nav
