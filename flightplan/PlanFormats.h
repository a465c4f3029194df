// The flight plan files that `navdb route` writes and reads: GPX 1.1 routes, the XML flight
// plan of panel and handheld GPS units (FPL), the XML flight plan of later desktop
// simulators (PLN), and CSV (written only). Writers take a route whose every slot was
// found; readers take the root of the parsed XML and refuse a file that holds no route.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PlanWaypoints.h"
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
// By the file name's extension.
std::optional<PlanFormat> FormatOfFile(const std::string& path);

std::string WritePlan(PlanFormat format, const RouteListing& listing);

// Reads the plan file at `path` (any format but CSV).
Plan ReadPlanFile(PlanFormat format, const std::string& path);

// The writers and readers of each format.
std::string WriteGpx(const RouteListing& listing);
std::string WriteFpl(const RouteListing& listing);
std::string WritePln(const RouteListing& listing);
std::string WriteCsv(const RouteListing& listing);
Plan ReadGpx(const XmlElement& root, const std::string& source);
Plan ReadFpl(const XmlElement& root, const std::string& source);
Plan ReadPln(const XmlElement& root, const std::string& source);

// Shared by the formats.
// Signed degrees with eight decimals (about a millimetre): a stored second comes back exactly.
std::string DecimalDegrees(double degrees);
// The type word of a waypoint kind, as FPL files and our GPX files spell it.
const char* KindWord(WaypointKind kind);
// The kind a plan file's type text names (FPL, GPX and PLN words, any case); Unknown for
// intersections and anything else.
WaypointKind KindFromWord(std::string_view word);
// A plain decimal number: an optional sign, then digits with at most one decimal point and
// nothing else (no exponent, no hexadecimal, no "inf" or "nan"); none for anything else.
std::optional<double> PlainDecimal(std::string_view text);
// A signed decimal number of a plan file in its range, or PlanError naming what and where.
double DegreesFromText(const std::string& text, double limit, const std::string& what,
                       const std::string& where);
// "FIRST to LAST" of a route's identifiers.
std::string RouteTitle(const std::vector<TableWaypoint>& waypoints);
// "SOURCE line N"
std::string Where(const std::string& source, int line);

}  // namespace flightplan
