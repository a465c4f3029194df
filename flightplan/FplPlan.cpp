// The flight-plan XML of panel and handheld GPS units (the FlightPlan v1 schema): a
// <waypoint-table> of waypoints (identifier, type, country code, lat, lon, comment) and a
// <route> of <route-point>s that name them by identifier and type (and country code where
// given).
#include <cstddef>
#include <map>

#include "PlanFormats.h"
#include "PlanText.h"

namespace flightplan {

namespace {

// The schema's length of a route name and a comment.
constexpr std::size_t MostCommentCharacters = 25;

struct TableKey {
    std::string identifier;
    WaypointKind kind;
    std::string countryCode;
    auto operator<=>(const TableKey&) const = default;
};

}  // namespace

nav::Expected<std::string> WriteFpl(const RouteListing& listing)
{
    const nav::Expected<std::vector<TableWaypoint>> found = RouteWaypoints(listing);
    if (!found) return found.Failed();
    const std::vector<TableWaypoint>& waypoints = *found;
    // The schema's alphabet: identifiers of letters and digits, unique in the table; route
    // name and comments of upper-case letters, digits, blanks and slashes, 25 at most. The
    // tables do not say whether COUNTRY is an ICAO region, so the country code stays empty.
    const auto element = [](const char* name, const std::string& text) {
        return std::string("      <") + name + ">" + XmlEscaped(text) + "</" + name + ">\n";
    };
    std::map<std::string, const TableWaypoint*> table;
    std::vector<std::string> identifiers;
    std::string entries;
    for (const TableWaypoint& w : waypoints) {
        const std::string identifier = PlainIdentifier(w);
        identifiers.push_back(identifier);
        auto [entry, added] = table.try_emplace(identifier, &w);
        const nav::WaypointRecord& first = entry->second->record;
        if (!added && (first.table != w.record.table || std::string(first.num) != w.record.num))
            return nav::Fail(
                "FPL names waypoints by identifier, and this route has two waypoints " +
                identifier + " (" + TableName(first.table) + " NUM " + first.num + " and " +
                TableName(w.record.table) + " NUM " + w.record.num + "); export it as GPX or PLN");
        if (!added) continue;
        const Position p = PositionOf(w.record);
        const std::string comment = PlainUpperText(w.name, " /", MostCommentCharacters);
        entries += "    <waypoint>\n" + element("identifier", identifier) +
                   element("type", KindWord(w.kind)) + element("country-code", "") +
                   element("lat", DecimalDegrees(p.latitude)) +
                   element("lon", DecimalDegrees(p.longitude)) +
                   (comment.empty() ? "" : element("comment", comment)) + "    </waypoint>\n";
    }
    std::string out =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<flight-plan xmlns=\"http://www8.garmin.com/xmlschemas/FlightPlan/v1\">\n"
        "  <waypoint-table>\n" +
        entries + "  </waypoint-table>\n  <route>\n    <route-name>" +
        XmlEscaped(PlainUpperText(RouteTitle(waypoints), " /", MostCommentCharacters)) +
        "</route-name>\n    <flight-plan-index>1</flight-plan-index>\n";
    for (std::size_t i = 0; i < waypoints.size(); ++i)
        out += "    <route-point>\n" + element("waypoint-identifier", identifiers[i]) +
               element("waypoint-type", KindWord(waypoints[i].kind)) +
               element("waypoint-country-code", "") + "    </route-point>\n";
    return out + "  </route>\n</flight-plan>\n";
}

nav::Expected<Plan> ReadFpl(const XmlElement& root, const std::string& source)
{
    const XmlElement* table = root.Child("waypoint-table");
    const XmlElement* route = root.Child("route");
    if (!route) return nav::Fail(source + " holds no route (<route>)");
    if (!table)
        return nav::Fail(Where(source, root.line) + ": <flight-plan> has no <waypoint-table>");

    std::map<TableKey, PlanWaypoint> known;
    for (const XmlElement* entry : table->Children("waypoint")) {
        const std::string where = Where(source, entry->line);
        PlanWaypoint waypoint;
        waypoint.identifier = entry->ChildText("identifier");
        waypoint.kind = KindFromWord(entry->ChildText("type"));
        // An airport or navaid may be named without its position; then the tables give it.
        if (entry->Child("lat") || entry->Child("lon")) {
            if (!entry->Child("lat") || !entry->Child("lon"))
                return nav::Fail(where + ": <waypoint> needs <lat> and <lon>");
            const nav::Expected<double> latitude =
                DegreesFromText(entry->ChildText("lat"), 90.0, "latitude", where);
            if (!latitude) return latitude.Failed();
            const nav::Expected<double> longitude =
                DegreesFromText(entry->ChildText("lon"), 180.0, "longitude", where);
            if (!longitude) return longitude.Failed();
            waypoint.position = Position{*latitude, *longitude};
        }
        waypoint.name = entry->ChildText("comment");
        waypoint.line = entry->line;
        known[{waypoint.identifier, waypoint.kind, entry->ChildText("country-code")}] = waypoint;
    }

    Plan plan;
    for (const XmlElement* point : route->Children("route-point")) {
        const TableKey key{point->ChildText("waypoint-identifier"),
                           KindFromWord(point->ChildText("waypoint-type")),
                           point->ChildText("waypoint-country-code")};
        auto entry = known.find(key);
        // Failing that, the table's entry of that identifier and type in any country.
        if (entry == known.end()) {
            entry = known.lower_bound({key.identifier, key.kind, ""});
            if (entry != known.end() &&
                (entry->first.identifier != key.identifier || entry->first.kind != key.kind))
                entry = known.end();
        }
        if (entry == known.end())
            return nav::Fail(Where(source, point->line) + ": route point " + key.identifier + " (" +
                             point->ChildText("waypoint-type") +
                             ") is not in the <waypoint-table>");
        plan.waypoints.push_back(entry->second);
        plan.waypoints.back().line = point->line;
    }
    if (plan.waypoints.empty())
        return nav::Fail(Where(source, route->line) + ": the route has no <route-point>");
    return plan;
}

}  // namespace flightplan
