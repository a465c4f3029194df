#include "PlanFormats.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "FileBytes.h"
#include "PlanText.h"
#include "AsciiText.h"

namespace flightplan {

namespace {

// Each kind's words: in FPL and our GPX files, in PLN files, and the INI plan's letter.
struct KindNames {
    WaypointKind kind;
    const char* word;
    const char* atcType;
    char letter;
};
constexpr KindNames Kinds[] = {
    {WaypointKind::Airport, "AIRPORT", "Airport", 'A'},
    {WaypointKind::Vor, "VOR", "VOR", 'V'},
    {WaypointKind::Ndb, "NDB", "NDB", 'N'},
    {WaypointKind::User, "USER WAYPOINT", "User", 'U'},
    {WaypointKind::Unknown, "INT", "Intersection", 'I'},
};

const KindNames& NamesOf(WaypointKind kind)
{
    for (const KindNames& names : Kinds)
        if (names.kind == kind) return names;
    return Kinds[std::size(Kinds) - 1];
}

// Text that is not XML (which starts with '<' after any byte-order mark and blanks) and
// has a [flightplan] line.
bool IsIniPlan(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    if (first == std::string_view::npos || text[first] == '<' || text[first] == '\xFE' ||
        text[first] == '\xFF')
        return false;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        if (nav::Upper(nav::Trimmed(text.substr(start, end - start))) == "[FLIGHTPLAN]")
            return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

std::optional<PlanFormat> FormatNamed(std::string_view name)
{
    const std::string upper = nav::Upper(name);
    if (upper == "GPX") return PlanFormat::Gpx;
    if (upper == "FPL") return PlanFormat::Fpl;
    if (upper == "PLN") return PlanFormat::Pln;
    if (upper == "CSV") return PlanFormat::Csv;
    return std::nullopt;
}

nav::Expected<std::string> WritePlan(PlanFormat format, const RouteListing& listing)
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

nav::Expected<Plan> ReadPlanFile(const std::string& path)
{
    const nav::Expected<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return bytes.Failed();
    return ReadPlanText(*bytes, path);
}

nav::Expected<Plan> ReadPlanText(const std::string& bytes, const std::string& source)
{
    if (IsIniPlan(bytes)) return ReadIniPln(bytes, source);
    const nav::Expected<XmlElement> root = ParseXml(bytes, source);
    if (!root) return root.Failed();
    if (root->name == "gpx") return ReadGpx(*root, source);
    if (root->name == "flight-plan") return ReadFpl(*root, source);
    if (root->name == "SimBase.Document") return ReadPln(*root, source);
    return nav::Fail(source + " is not a flight plan: its root element is <" + root->name +
                     ">, not <gpx>, <flight-plan> or <SimBase.Document>");
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
    return NamesOf(kind).word;
}

const char* AtcKindWord(WaypointKind kind)
{
    return NamesOf(kind).atcType;
}

WaypointKind KindFromWord(std::string_view word)
{
    const std::string upper = nav::Upper(word);
    if (upper == "USER") return WaypointKind::User;
    for (const KindNames& names : Kinds)
        if (upper == names.word || upper == nav::Upper(names.atcType)) return names.kind;
    return WaypointKind::Unknown;
}

std::optional<WaypointKind> KindOfLetter(char letter)
{
    for (const KindNames& names : Kinds)
        if (letter == names.letter) return names.kind;
    return std::nullopt;
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

nav::Expected<double> DegreesFromText(const std::string& text, double limit,
                                      const std::string& what, const std::string& where)
{
    const std::string value(nav::Trimmed(text));
    const std::optional<double> number = PlainDecimal(value);
    if (!number) return nav::Fail(where + ": " + what + " '" + value + "' is not a number");
    const double degrees = *number;
    if (std::fabs(degrees) > limit)
        return nav::Fail(where + ": " + what + " " + value + " is out of range (-" +
                         std::to_string(static_cast<int>(limit)) + " to " +
                         std::to_string(static_cast<int>(limit)) + ")");
    return degrees;
}

std::string PlainIdentifier(const TableWaypoint& waypoint)
{
    constexpr std::size_t Longest = 12;
    const std::string identifier = PlainUpperText(waypoint.record.id, "", Longest);
    return identifier.empty()
               ? PlainUpperText(std::string("WPT") + waypoint.record.num, "", Longest)
               : identifier;
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
