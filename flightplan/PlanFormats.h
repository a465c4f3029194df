// The flight plan files that `navdb route` writes and reads: GPX 1.1 routes, the XML flight
// plan of panel and handheld GPS units (FPL), the XML flight plan of later desktop
// simulators (PLN) and the INI one of the 2004 generation (read only), and CSV (written
// only). Writers refuse a route that names a missing record or no waypoint (FPL also two
// waypoints of one identifier); readers refuse a file that holds no route. A refusal's
// message names the file, the line or the waypoint at fault.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PlanWaypoints.h"
#include "Result.h"
#include "RouteListing.h"
#include "XmlTree.h"

namespace flightplan {

enum class PlanFormat {
    Gpx,
    Fpl,
    Pln,
    Csv
};

// "gpx", "fpl", "pln", "csv", any case.
std::optional<PlanFormat> FormatNamed(std::string_view name);

nav::Expected<std::string> WritePlan(PlanFormat format, const RouteListing& listing);

// Reads the plan file at `path`, whatever its name: its content tells the format (the root
// element of XML, or a [flightplan] section).
nav::Expected<Plan> ReadPlanFile(const std::string& path);
// The same for a file's bytes; `source` names the file in messages.
nav::Expected<Plan> ReadPlanText(const std::string& bytes, const std::string& source);

// The writers and readers of each format.
nav::Expected<std::string> WriteGpx(const RouteListing& listing);
nav::Expected<std::string> WriteFpl(const RouteListing& listing);
nav::Expected<std::string> WritePln(const RouteListing& listing);
nav::Expected<std::string> WriteCsv(const RouteListing& listing);
// The XML readers take the document's root, which ReadPlanText has chosen them by.
nav::Expected<Plan> ReadGpx(const XmlElement& root, const std::string& source);
nav::Expected<Plan> ReadFpl(const XmlElement& root, const std::string& source);
nav::Expected<Plan> ReadPln(const XmlElement& root, const std::string& source);
nav::Expected<Plan> ReadIniPln(std::string_view text, const std::string& source);

// Shared by the formats.
// Signed degrees with eight decimals (about a millimetre): a stored second comes back exactly.
std::string DecimalDegrees(double degrees);
// The type word of a waypoint kind, as FPL files and our GPX files spell it.
const char* KindWord(WaypointKind kind);
// The ATCWaypointType of PLN files.
const char* AtcKindWord(WaypointKind kind);
// The kind a plan file's type text names (FPL, GPX and PLN words, any case); Unknown for
// intersections and anything else.
WaypointKind KindFromWord(std::string_view word);
// The kind of the INI plan's type letter (A, V, N, U, I); none for another letter.
std::optional<WaypointKind> KindOfLetter(char letter);
// A plain decimal number: an optional sign, then digits with at most one decimal point and
// nothing else (no exponent, no hexadecimal, no "inf" or "nan"); none for anything else.
std::optional<double> PlainDecimal(std::string_view text);
// A signed decimal number of a plan file in its range, or a failure naming what and where.
nav::Expected<double> DegreesFromText(const std::string& text, double limit,
                                      const std::string& what, const std::string& where);
// One axis of a position as the desktop simulators write it: a hemisphere letter, then
// degrees, minutes and seconds (those after the degrees may be missing) as plain unsigned
// decimals with marks between them ("N47\u00B0 26' 51.00\"", "W122* 18.57'"); a failure
// naming `where` otherwise.
nav::Expected<double> AngleFromText(const std::string& text, bool latitude,
                                    const std::string& where);
// The position of a latitude and a longitude in that form.
nav::Expected<Position> PositionFromAngles(const std::string& latitude,
                                           const std::string& longitude, const std::string& where);
// The departure and the destination that a PLN file names beside its waypoints: each is
// the first (last) waypoint when their identifiers agree, which then takes its name, and
// is added there, with a note, when they do not. One without identifier is passed over.
void AddPlanEnds(Plan& plan, const PlanWaypoint& departure, const PlanWaypoint& destination,
                 const std::string& source);
// The identifier in the letters and digits that FPL files and later simulators take, at
// most 12; "WPT" and the NUM where none is left.
std::string PlainIdentifier(const TableWaypoint& waypoint);
// "FIRST to LAST" of a route's identifiers.
std::string RouteTitle(const std::vector<TableWaypoint>& waypoints);
// "SOURCE line N"
std::string Where(const std::string& source, int line);

}  // namespace flightplan
