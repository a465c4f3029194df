// GPX 1.1: the route is the first <rte>, its waypoints <rtept lat lon> with <name> (the
// identifier), <desc> (the name) and <type> (the kind, in the words of KindWord).
#include "PlanError.h"
#include "PlanFormats.h"
#include "PlanText.h"

namespace flightplan {

std::string WriteGpx(const RouteListing& listing)
{
    const std::vector<TableWaypoint> waypoints = RouteWaypoints(listing);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<gpx version=\"1.1\" creator=\"Quillmap navdb\" "
                      "xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
                      "  <rte>\n"
                      "    <name>" +
                      XmlEscaped(Utf8FromTable(RouteTitle(waypoints))) + "</name>\n";
    for (const TableWaypoint& w : waypoints) {
        const Position p = PositionOf(w.record);
        out += "    <rtept lat=\"" + DecimalDegrees(p.latitude) + "\" lon=\"" +
               DecimalDegrees(p.longitude) + "\">\n";
        out += "      <name>" + XmlEscaped(Utf8FromTable(w.record.id)) + "</name>\n";
        out += "      <desc>" + XmlEscaped(Utf8FromTable(w.name)) + "</desc>\n";
        out += "      <type>" + std::string(KindWord(w.kind)) + "</type>\n";
        out += "    </rtept>\n";
    }
    return out + "  </rte>\n</gpx>\n";
}

Plan ReadGpx(const XmlElement& root, const std::string& source)
{
    if (root.name != "gpx")
        throw PlanError(source + " is not a GPX file: its root element is <" + root.name + ">");
    const std::vector<const XmlElement*> routes = root.Children("rte");
    if (routes.empty()) throw PlanError(source + " holds no route (<rte>)");
    Plan plan;
    if (routes.size() > 1)
        plan.notes.push_back(source + " holds " + std::to_string(routes.size()) +
                             " routes; the first is read");
    for (const XmlElement* point : routes.front()->Children("rtept")) {
        const std::string where = Where(source, point->line);
        const std::string* lat = point->Attribute("lat");
        const std::string* lon = point->Attribute("lon");
        if (!lat || !lon) throw PlanError(where + ": <rtept> needs both lat and lon");
        PlanWaypoint waypoint;
        waypoint.identifier = point->ChildText("name");
        waypoint.position = Position{DegreesFromText(*lat, 90.0, "latitude", where),
                                     DegreesFromText(*lon, 180.0, "longitude", where)};
        waypoint.name = point->ChildText("desc");
        if (waypoint.name.empty()) waypoint.name = point->ChildText("cmt");
        waypoint.kind = KindFromWord(point->ChildText("type"));
        if (waypoint.kind == WaypointKind::Unknown)
            waypoint.kind = KindFromWord(point->ChildText("sym"));
        waypoint.line = point->line;
        plan.waypoints.push_back(std::move(waypoint));
    }
    if (plan.waypoints.empty())
        throw PlanError(Where(source, routes.front()->line) + ": the route has no <rtept>");
    return plan;
}

}  // namespace flightplan
