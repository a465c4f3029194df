// The flight-plan XML of panel and handheld GPS units: a <waypoint-table> of waypoints
// (identifier, type, lat, lon, comment) and a <route> of <route-point>s that name them by
// identifier and type (and country code where given).
#include <map>
#include <utility>

#include "PlanError.h"
#include "PlanFormats.h"
#include "PlanText.h"

namespace flightplan {

namespace {

struct TableKey {
    std::string identifier;
    WaypointKind kind;
    std::string countryCode;
    auto operator<=>(const TableKey&) const = default;
};

}  // namespace

std::string WriteFpl(const RouteListing& listing)
{
    const std::vector<TableWaypoint> waypoints = RouteWaypoints(listing);
    std::map<std::pair<std::string, WaypointKind>, const TableWaypoint*> table;
    std::string entries;
    for (const TableWaypoint& w : waypoints) {
        auto [entry, added] = table.try_emplace({w.record.id, w.kind}, &w);
        const nav::WaypointRecord& first = entry->second->record;
        if (!added && (first.table != w.record.table || std::string(first.num) != w.record.num))
            throw PlanError(
                std::string("FPL names waypoints by identifier and type, and this route has two ") +
                KindWord(w.kind) + " waypoints " + w.record.id + " (NUM " + first.num + " and " +
                w.record.num + "); export it as GPX or PLN");
        if (!added) continue;
        const Position p = PositionOf(w.record);
        entries += "    <waypoint>\n"
                   "      <identifier>" +
                   XmlEscaped(Utf8FromTable(w.record.id)) +
                   "</identifier>\n"
                   "      <type>" +
                   KindWord(w.kind) +
                   "</type>\n"
                   "      <lat>" +
                   DecimalDegrees(p.latitude) +
                   "</lat>\n"
                   "      <lon>" +
                   DecimalDegrees(p.longitude) +
                   "</lon>\n"
                   "      <comment>" +
                   XmlEscaped(Utf8FromTable(w.name)) +
                   "</comment>\n"
                   "    </waypoint>\n";
    }
    std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                      "<flight-plan xmlns=\"http://www8.garmin.com/xmlschemas/FlightPlan/v1\">\n"
                      "  <waypoint-table>\n" +
                      entries +
                      "  </waypoint-table>\n"
                      "  <route>\n"
                      "    <route-name>" +
                      XmlEscaped(Utf8FromTable(RouteTitle(waypoints))) +
                      "</route-name>\n"
                      "    <flight-plan-index>1</flight-plan-index>\n";
    for (const TableWaypoint& w : waypoints) {
        out += "    <route-point>\n"
               "      <waypoint-identifier>" +
               XmlEscaped(Utf8FromTable(w.record.id)) +
               "</waypoint-identifier>\n"
               "      <waypoint-type>" +
               KindWord(w.kind) +
               "</waypoint-type>\n"
               "    </route-point>\n";
    }
    return out + "  </route>\n</flight-plan>\n";
}

Plan ReadFpl(const XmlElement& root, const std::string& source)
{
    if (root.name != "flight-plan")
        throw PlanError(source + " is not an FPL flight plan: its root element is <" + root.name +
                        ">");
    const XmlElement* table = root.Child("waypoint-table");
    const XmlElement* route = root.Child("route");
    if (!route) throw PlanError(source + " holds no route (<route>)");
    if (!table)
        throw PlanError(Where(source, root.line) + ": <flight-plan> has no <waypoint-table>");

    std::map<TableKey, PlanWaypoint> known;
    for (const XmlElement* entry : table->Children("waypoint")) {
        const std::string where = Where(source, entry->line);
        PlanWaypoint waypoint;
        waypoint.identifier = entry->ChildText("identifier");
        waypoint.kind = KindFromWord(entry->ChildText("type"));
        // An airport or navaid may be named without its position; then the tables give it.
        if (entry->Child("lat") || entry->Child("lon")) {
            if (!entry->Child("lat") || !entry->Child("lon"))
                throw PlanError(where + ": <waypoint> needs <lat> and <lon>");
            waypoint.position =
                Position{DegreesFromText(entry->ChildText("lat"), 90.0, "latitude", where),
                         DegreesFromText(entry->ChildText("lon"), 180.0, "longitude", where)};
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
            throw PlanError(Where(source, point->line) + ": route point " + key.identifier + " (" +
                            point->ChildText("waypoint-type") + ") is not in the <waypoint-table>");
        plan.waypoints.push_back(entry->second);
        plan.waypoints.back().line = point->line;
    }
    if (plan.waypoints.empty())
        throw PlanError(Where(source, route->line) + ": the route has no <route-point>");
    return plan;
}

}  // namespace flightplan
