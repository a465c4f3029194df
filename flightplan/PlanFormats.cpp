#include "PlanFormats.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "FileBytes.h"
#include "PlanError.h"

namespace flightplan {

namespace {

std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

}  // namespace

std::optional<PlanFormat> FormatNamed(std::string_view name)
{
    const std::string upper = Upper(name);
    if (upper == "GPX") return PlanFormat::Gpx;
    if (upper == "FPL") return PlanFormat::Fpl;
    if (upper == "PLN") return PlanFormat::Pln;
    if (upper == "CSV") return PlanFormat::Csv;
    return std::nullopt;
}

std::optional<PlanFormat> FormatOfFile(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::nullopt;
    return FormatNamed(std::string_view(path).substr(dot + 1));
}

std::string WritePlan(PlanFormat format, const RouteListing& listing)
{
    switch (format) {
    case PlanFormat::Gpx:
        return WriteGpx(listing);
    case PlanFormat::Fpl:
        return WriteFpl(listing);
    case PlanFormat::Pln:
        return WritePln(listing);
    case PlanFormat::Csv:
        break;
    }
    return WriteCsv(listing);
}

Plan ReadPlanFile(PlanFormat format, const std::string& path)
{
    const XmlElement root = ParseXml(ReadFileBytes(path), path);
    switch (format) {
    case PlanFormat::Gpx:
        return ReadGpx(root, path);
    case PlanFormat::Fpl:
        return ReadFpl(root, path);
    case PlanFormat::Pln:
        return ReadPln(root, path);
    case PlanFormat::Csv:
        break;
    }
    throw PlanError("CSV is written, not read: import a GPX, FPL or PLN file");
}

std::string DecimalDegrees(double degrees)
{
    char text[32];
    // Adding zero turns a negative zero (0 degrees west) into a plain one.
    std::snprintf(text, sizeof text, "%.8f", degrees + 0.0);
    return text;
}

const char* KindWord(WaypointKind kind)
{
    switch (kind) {
    case WaypointKind::Airport:
        return "AIRPORT";
    case WaypointKind::Vor:
        return "VOR";
    case WaypointKind::Ndb:
        return "NDB";
    case WaypointKind::User:
        return "USER WAYPOINT";
    case WaypointKind::Unknown:
        break;
    }
    return "INT";
}

WaypointKind KindFromWord(std::string_view word)
{
    const std::string upper = Upper(word);
    if (upper == "AIRPORT") return WaypointKind::Airport;
    if (upper == "VOR") return WaypointKind::Vor;
    if (upper == "NDB") return WaypointKind::Ndb;
    if (upper == "USER WAYPOINT" || upper == "USER") return WaypointKind::User;
    return WaypointKind::Unknown;
}

std::optional<double> PlainDecimal(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    constexpr std::string_view Digits = "0123456789";
    const std::size_t point = text.find('.');
    if (text.find_first_of(Digits) == std::string_view::npos ||
        text.find_first_not_of("0123456789.") != std::string_view::npos ||
        (point != std::string_view::npos && text.find('.', point + 1) != std::string_view::npos))
        return std::nullopt;
    double value = 0.0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value, std::chars_format::fixed);
    if (error != std::errc() || end != last) return std::nullopt;
    return negative ? -value : value;
}

double DegreesFromText(const std::string& text, double limit, const std::string& what,
                       const std::string& where)
{
    const std::string value = Trimmed(text);
    const std::optional<double> number = PlainDecimal(value);
    if (!number) throw PlanError(where + ": " + what + " '" + value + "' is not a number");
    const double degrees = *number;
    if (std::fabs(degrees) > limit)
        throw PlanError(where + ": " + what + " " + value + " is out of range (-" +
                        std::to_string(static_cast<int>(limit)) + " to " +
                        std::to_string(static_cast<int>(limit)) + ")");
    return degrees;
}

std::string RouteTitle(const std::vector<TableWaypoint>& waypoints)
{
    return std::string(waypoints.front().record.id) + " to " + waypoints.back().record.id;
}

std::string Where(const std::string& source, int line)
{
    return source + " line " + std::to_string(line);
}

}  // namespace flightplan
