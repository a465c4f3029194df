// GPX 1.1: the route is the first <rte>, its waypoints <rtept lat lon> with <name> (the
// identifier), <desc> (the name) and <type> (the kind, in the words of KindWord); a file
// without <rte> gives its <wpt>s instead.
#include "PlanFormats.h"
#include "PlanText.h"

namespace flightplan {

nav::Expected<std::string> WriteGpx(const RouteListing& listing)
{
    const nav::Expected<std::vector<TableWaypoint>> found = RouteWaypoints(listing);
    if (!found) return found.Failed();
    const std::vector<TableWaypoint>& waypoints = *found;
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

namespace {

// A <rtept> or a <wpt>.
nav::Expected<PlanWaypoint> PointOf(const XmlElement& point, const std::string& source)
{
    const std::string where = Where(source, point.line);
    const std::string* lat = point.Attribute("lat");
    const std::string* lon = point.Attribute("lon");
    if (!lat || !lon) return nav::Fail(where + ": <" + point.name + "> needs both lat and lon");
    const nav::Expected<double> latitude = DegreesFromText(*lat, 90.0, "latitude", where);
    if (!latitude) return latitude.Failed();
    const nav::Expected<double> longitude = DegreesFromText(*lon, 180.0, "longitude", where);
    if (!longitude) return longitude.Failed();
    PlanWaypoint waypoint;
    waypoint.identifier = point.ChildText("name");
    waypoint.position = Position{*latitude, *longitude};
    waypoint.name = point.ChildText("desc");
    if (waypoint.name.empty()) waypoint.name = point.ChildText("cmt");
    waypoint.kind = KindFromWord(point.ChildText("type"));
    if (waypoint.kind == WaypointKind::Unknown)
        waypoint.kind = KindFromWord(point.ChildText("sym"));
    waypoint.line = point.line;
    return waypoint;
}

}  // namespace

nav::Expected<Plan> ReadGpx(const XmlElement& root, const std::string& source)
{
    Plan plan;
    std::vector<const XmlElement*> points;
    const std::vector<const XmlElement*> routes = root.Children("rte");
    if (!routes.empty()) {
        if (routes.size() > 1)
            plan.notes.push_back(source + " holds " + std::to_string(routes.size()) +
                                 " routes; the first is read");
        points = routes.front()->Children("rtept");
        if (points.empty())
            return nav::Fail(Where(source, routes.front()->line) + ": the route has no <rtept>");
    } else {
        // Some planning tools save a route as the file's waypoints.
        points = root.Children("wpt");
        if (points.empty() && root.Child("trk"))
            return nav::Fail(source + " holds a track (<trk>) and no route: tracks are not " +
                             "routes; save the route (<rte>) or its waypoints (<wpt>)");
        if (points.empty()) return nav::Fail(source + " holds no route (<rte>)");
        plan.notes.push_back(source + " holds no route (<rte>): its " +
                             std::to_string(points.size()) +
                             " waypoints (<wpt>) are the route, in file order");
    }
    for (const XmlElement* point : points) {
        nav::Expected<PlanWaypoint> waypoint = PointOf(*point, source);
        if (!waypoint) return waypoint.Failed();
        plan.waypoints.push_back(std::move(*waypoint));
    }
    return plan;
}

}  // namespace flightplan
