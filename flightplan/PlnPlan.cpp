// The XML flight plan of later desktop simulators: a SimBase.Document whose
// FlightPlan.FlightPlan lists the route as <ATCWaypoint id> elements with their type,
// their WorldPosition ("N47° 26' 51.00\",W122° 18' 28.00\",+000433.00") and, for airports
// and navaids, their ICAO identifier; newer simulators name the departure and destination
// only in DepartureID and DestinationID (with DepartureLLA, DestinationLLA).
#include <algorithm>
#include <cstdio>
#include <vector>

#include "PlanFormats.h"
#include "PlanText.h"
#include "AsciiText.h"

namespace flightplan {

namespace {

constexpr const char* Degree = "\u00B0";

// What may stand between the numbers of a position's axis: blanks and the marks of degrees
// (the degree sign in UTF-8, or '*'), minutes and seconds.
constexpr const char* AngleMarks = " \t\xC2\xB0*'\"";

// "N47° 26' 51.00\"" from stored coordinates.
std::string AngleText(char hemisphere, int degrees, int minutes, int seconds)
{
    char text[48];
    std::snprintf(text, sizeof text, "%c%d%s %d' %d.00\"", hemisphere, degrees, Degree, minutes,
                  seconds);
    return text;
}

std::string WorldPosition(const TableWaypoint& w)
{
    const nav::WaypointRecord& r = w.record;
    char altitude[24];
    std::snprintf(altitude, sizeof altitude, "%+010.2f", static_cast<double>(w.altitude));
    return AngleText(r.lat1 ? 'S' : 'N', r.lat2, r.lat3, r.lat4) + "," +
           AngleText(r.lon1 ? 'E' : 'W', r.lon2, r.lon3, r.lon4) + "," + altitude;
}

nav::Expected<Position> PositionFromText(const std::string& text, const std::string& where)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        return nav::Fail(where + ": WorldPosition '" + std::string(nav::Trimmed(text)) +
                         "' has no longitude");
    const std::size_t end = text.find(',', comma + 1);
    return PositionFromAngles(
        text.substr(0, comma),
        text.substr(comma + 1, end == std::string::npos ? end : end - comma - 1), where);
}

// The departure or destination ("Departure", "Destination") named by its ID, LLA and Name.
nav::Expected<PlanWaypoint> PlanEnd(const XmlElement& flightPlan, const std::string& end,
                                    const std::string& source)
{
    PlanWaypoint waypoint;
    waypoint.identifier = flightPlan.ChildText(end + "ID");
    waypoint.kind = WaypointKind::Airport;
    const XmlElement* position = flightPlan.Child(end + "LLA");
    if (position) {
        const nav::Expected<Position> at =
            PositionFromText(position->text, Where(source, position->line));
        if (!at) return at.Failed();
        waypoint.position = *at;
        waypoint.line = position->line;
    }
    waypoint.name = flightPlan.ChildText(end + "Name");
    return waypoint;
}

// The route holds no cruising altitude and later simulators want one: a height well over
// its highest waypoint, which the pilot sets as he likes in the simulator.
int CruisingAltitude(const std::vector<TableWaypoint>& waypoints)
{
    constexpr int Clearance = 1500;  // feet
    constexpr int Step = 1000;       // feet
    int highest = 0;
    for (const TableWaypoint& w : waypoints) highest = std::max<int>(highest, w.altitude);
    return (highest + Clearance + Step - 1) / Step * Step;
}

}  // namespace

nav::Expected<double> AngleFromText(const std::string& text, bool latitude,
                                    const std::string& where)
{
    const std::string value(nav::Trimmed(text));
    const char* positive = latitude ? "N" : "E";
    const char* negative = latitude ? "S" : "W";
    const std::string what = latitude ? "latitude" : "longitude";
    if (value.empty() || (value.compare(0, 1, positive) != 0 && value.compare(0, 1, negative) != 0))
        return nav::Fail(where + ": " + what + " '" + value + "' does not start with " + positive +
                         " or " + negative);
    const nav::Failure notAngle =
        nav::Fail(where + ": " + what + " '" + value + "' is not degrees, minutes and seconds");
    double parts[3] = {0, 0, 0};
    int count = 0;
    for (std::size_t i = 1; i < value.size();) {
        const std::size_t start = std::min(value.find_first_not_of(AngleMarks, i), value.size());
        if (start == value.size()) break;
        const std::size_t end =
            std::min(value.find_first_not_of("0123456789.", start), value.size());
        const std::optional<double> number = PlainDecimal(value.substr(start, end - start));
        if (!number || count == 3) return notAngle;
        parts[count++] = *number;
        i = end;
    }
    if (count == 0 || parts[1] >= 60 || parts[2] >= 60) return notAngle;
    const double degrees = parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
    if (degrees > (latitude ? 90.0 : 180.0))
        return nav::Fail(where + ": " + what + " '" + value + "' is out of range");
    return value[0] == *negative ? -degrees : degrees;
}

nav::Expected<Position> PositionFromAngles(const std::string& latitude,
                                           const std::string& longitude, const std::string& where)
{
    const nav::Expected<double> north = AngleFromText(latitude, true, where);
    if (!north) return north.Failed();
    const nav::Expected<double> east = AngleFromText(longitude, false, where);
    if (!east) return east.Failed();
    return Position{*north, *east};
}

nav::Expected<std::string> WritePln(const RouteListing& listing)
{
    const nav::Expected<std::vector<TableWaypoint>> found = RouteWaypoints(listing);
    if (!found) return found.Failed();
    const std::vector<TableWaypoint>& waypoints = *found;
    const TableWaypoint& first = waypoints.front();
    const TableWaypoint& last = waypoints.back();
    const auto text = [](const std::string& table) { return XmlEscaped(Utf8FromTable(table)); };
    const auto element = [](const char* name, const std::string& content) {
        return std::string("        <") + name + ">" + content + "</" + name + ">\n";
    };
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<SimBase.Document Type=\"AceXML\" version=\"1,0\">\n"
                      "    <Descr>AceXML Document</Descr>\n"
                      "    <FlightPlan.FlightPlan>\n" +
                      element("Title", text(RouteTitle(waypoints))) + element("FPType", "VFR") +
                      element("CruisingAlt", std::to_string(CruisingAltitude(waypoints))) +
                      element("DepartureID", PlainIdentifier(first)) +
                      element("DepartureLLA", WorldPosition(first)) +
                      element("DestinationID", PlainIdentifier(last)) +
                      element("DestinationLLA", WorldPosition(last)) +
                      element("Descr", text(RouteTitle(waypoints))) +
                      element("DepartureName", text(first.name)) +
                      element("DestinationName", text(last.name));
    for (const TableWaypoint& w : waypoints) {
        const std::string id = PlainIdentifier(w);
        out += "        <ATCWaypoint id=\"" + id + "\">\n    " +
               element("ATCWaypointType", AtcKindWord(w.kind)) + "    " +
               element("WorldPosition", WorldPosition(w));
        if (w.kind != WaypointKind::User)
            out +=
                "            <ICAO>\n        " + element("ICAOIdent", id) + "            </ICAO>\n";
        out += "        </ATCWaypoint>\n";
    }
    return out + "    </FlightPlan.FlightPlan>\n</SimBase.Document>\n";
}

nav::Expected<Plan> ReadPln(const XmlElement& root, const std::string& source)
{
    const XmlElement* flightPlan = root.Child("FlightPlan.FlightPlan");
    if (!flightPlan) return nav::Fail(source + " holds no route (<FlightPlan.FlightPlan>)");
    Plan plan;
    for (const XmlElement* point : flightPlan->Children("ATCWaypoint")) {
        const std::string where = Where(source, point->line);
        PlanWaypoint waypoint;
        const XmlElement* icao = point->Child("ICAO");
        if (icao) waypoint.identifier = icao->ChildText("ICAOIdent");
        if (waypoint.identifier.empty() && point->Attribute("id"))
            waypoint.identifier = nav::Trimmed(*point->Attribute("id"));
        waypoint.kind = KindFromWord(point->ChildText("ATCWaypointType"));
        // An airport or navaid may be named by its ICAO identifier alone.
        if (point->Child("WorldPosition")) {
            const nav::Expected<Position> at =
                PositionFromText(point->ChildText("WorldPosition"), where);
            if (!at) return at.Failed();
            waypoint.position = *at;
        }
        waypoint.line = point->line;
        plan.waypoints.push_back(std::move(waypoint));
    }
    const nav::Expected<PlanWaypoint> departure = PlanEnd(*flightPlan, "Departure", source);
    if (!departure) return departure.Failed();
    const nav::Expected<PlanWaypoint> destination = PlanEnd(*flightPlan, "Destination", source);
    if (!destination) return destination.Failed();
    AddPlanEnds(plan, *departure, *destination, source);
    if (plan.waypoints.empty())
        return nav::Fail(Where(source, flightPlan->line) +
                         ": the flight plan has no <ATCWaypoint>");
    return plan;
}

void AddPlanEnds(Plan& plan, const PlanWaypoint& departure, const PlanWaypoint& destination,
                 const std::string& source)
{
    const auto same = [](const PlanWaypoint& a, const PlanWaypoint& b) {
        return TableUpper(a.identifier) == TableUpper(b.identifier);
    };
    if (!departure.identifier.empty()) {
        if (!plan.waypoints.empty() && same(plan.waypoints.front(), departure)) {
            if (plan.waypoints.front().name.empty()) plan.waypoints.front().name = departure.name;
        } else {
            plan.waypoints.insert(plan.waypoints.begin(), departure);
            plan.notes.push_back(source + ": the departure " + departure.identifier +
                                 " is not among the waypoints; it is added first");
        }
    }
    if (!destination.identifier.empty()) {
        if (!plan.waypoints.empty() && same(plan.waypoints.back(), destination)) {
            if (plan.waypoints.back().name.empty()) plan.waypoints.back().name = destination.name;
        } else {
            plan.waypoints.push_back(destination);
            plan.notes.push_back(source + ": the destination " + destination.identifier +
                                 " is not among the waypoints; it is added last");
        }
    }
}

}  // namespace flightplan
