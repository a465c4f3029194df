// Plan files as planning tools write them (with and without the XML declaration and
// namespaces, CR LF line ends, comments) and the ones that must be refused.
#include "RoutePlanFixture.h"

#include "PlanError.h"
#include "PlanFormats.h"

using namespace flightplan;

namespace {

class PlanReading : public RoutePlanTest {
protected:
    Plan Read(PlanFormat format, const std::string& name, const std::string& text)
    {
        WriteFile(PathOf(name), text);
        return ReadPlanFile(format, PathOf(name));
    }

    // The message of the PlanError that reading throws; empty when it reads.
    std::string Refusal(PlanFormat format, const std::string& name, const std::string& text)
    {
        try {
            Read(format, name, text);
        } catch (const PlanError& error) {
            return error.what();
        }
        return "";
    }
};

void ExpectWaypoint(const PlanWaypoint& w, const char* identifier, WaypointKind kind,
                    double latitude, double longitude)
{
    EXPECT_EQ(w.identifier, identifier);
    EXPECT_EQ(w.kind, kind) << identifier;
    ASSERT_TRUE(w.position) << identifier;
    EXPECT_NEAR(w.position->latitude, latitude, 1e-9) << identifier;
    EXPECT_NEAR(w.position->longitude, longitude, 1e-9) << identifier;
}

TEST_F(PlanReading, GpxWithDeclarationNamespaceCrLfAndComments)
{
    const Plan plan = Read(
        PlanFormat::Gpx, "web.gpx",
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<!-- planned on the web -->\r\n"
        "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\" creator=\"planner\">\r\n"
        "  <wpt lat=\"1\" lon=\"1\"><name>NOTROUTE</name></wpt>\r\n"
        "  <rte><name>Trip</name>\r\n"
        "    <rtept lat=\"47.449\" lon=\"-122.309\"><name>KSEA</name><!-- start -->"
        "<desc>Seattle</desc><sym>Airport</sym></rtept>\r\n"
        "    <rtept lat=\"-33.94\" lon=\"151.17\">\r\n      <name> YSSY </name>\r\n    </rtept>\r\n"
        "  </rte>\r\n  <rte><rtept lat=\"0\" lon=\"0\"/></rte>\r\n</gpx>\r\n");
    ASSERT_EQ(plan.waypoints.size(), 2u);
    ExpectWaypoint(plan.waypoints[0], "KSEA", WaypointKind::Airport, 47.449, -122.309);
    EXPECT_EQ(plan.waypoints[0].name, "Seattle");
    ExpectWaypoint(plan.waypoints[1], "YSSY", WaypointKind::Unknown, -33.94, 151.17);
    ASSERT_EQ(plan.notes.size(), 1u) << "the second route is passed over, and said so";
}

TEST_F(PlanReading, GpxWithoutDeclarationWithPrefixedNamespace)
{
    const Plan plan =
        Read(PlanFormat::Gpx, "prefixed.gpx",
             "<g:gpx xmlns:g=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\">"
             "<g:rte><g:rtept lat=\"45.5\" lon=\"-122.6\"><g:name>PDX</g:name><g:type>vor</g:type>"
             "</g:rtept></g:rte></g:gpx>");
    ASSERT_EQ(plan.waypoints.size(), 1u);
    ExpectWaypoint(plan.waypoints[0], "PDX", WaypointKind::Vor, 45.5, -122.6);
}

TEST_F(PlanReading, FplWithAndWithoutNamespace)
{
    const std::string body =
        "  <waypoint-table>\r\n"
        "    "
        "<waypoint><identifier>KBFI</identifier><type>AIRPORT</type><country-code>K1</country-code>"
        "<lat>47.53</lat><lon>-122.30</lon><comment>BOEING FLD</comment></waypoint>\r\n"
        "    <!-- a navaid named without its position -->\r\n"
        "    <waypoint><identifier>AP</identifier><type>NDB</type></waypoint>\r\n"
        "  </waypoint-table>\r\n"
        "  <route><route-name>R</route-name><flight-plan-index>1</flight-plan-index>\r\n"
        "    "
        "<route-point><waypoint-identifier>AP</waypoint-identifier><waypoint-type>NDB</"
        "waypoint-type>"
        "</route-point>\r\n"
        "    "
        "<route-point><waypoint-identifier>KBFI</waypoint-identifier><waypoint-type>AIRPORT</"
        "waypoint-type>"
        "<waypoint-country-code>K1</waypoint-country-code></route-point>\r\n"
        "  </route>\r\n";
    for (const std::string& text :
         {"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<flight-plan "
          "xmlns=\"http://www8.garmin.com/xmlschemas/FlightPlan/v1\">\r\n" +
              body + "</flight-plan>\r\n",
          "<flight-plan>\n" + body + "</flight-plan>"}) {
        const Plan plan = Read(PlanFormat::Fpl, "unit.fpl", text);
        ASSERT_EQ(plan.waypoints.size(), 2u);
        EXPECT_EQ(plan.waypoints[0].identifier, "AP");
        EXPECT_EQ(plan.waypoints[0].kind, WaypointKind::Ndb);
        EXPECT_FALSE(plan.waypoints[0].position);
        ExpectWaypoint(plan.waypoints[1], "KBFI", WaypointKind::Airport, 47.53, -122.30);
        EXPECT_EQ(plan.waypoints[1].name, "BOEING FLD");
    }
}

TEST_F(PlanReading, PlnPositionsInTheirWritingsAndIdentifiersByIcaoOrId)
{
    const Plan plan = Read(
        PlanFormat::Pln, "sim.pln",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<SimBase.Document Type=\"AceXML\" "
        "version=\"1,0\">\r\n"
        "<Descr>AceXML Document</Descr><!-- saved by the simulator "
        "-->\r\n<FlightPlan.FlightPlan>\r\n"
        "<DepartureID>KSEA</DepartureID><DepartureName>Seattle-Tacoma Intl</DepartureName>\r\n"
        "<ATCWaypoint id=\"KSEA\"><ATCWaypointType>Airport</ATCWaypointType>"
        "<WorldPosition>N47\u00B0 26' 51.00\",W122\u00B0 18' 28.00\",+000433.00</WorldPosition>"
        "<ICAO><ICAORegion>K1</ICAORegion><ICAOIdent>KSEA</ICAOIdent></ICAO></ATCWaypoint>\r\n"
        "<ATCWaypoint id=\"TIMPO\"><ATCWaypointType>Intersection</ATCWaypointType>"
        "<WorldPosition>S33* 56' 30.5\",E151* 10' 1\",+000000.00</WorldPosition></ATCWaypoint>\r\n"
        "<ATCWaypoint id=\"SEA\"><ATCWaypointType>VOR</ATCWaypointType></ATCWaypoint>\r\n"
        "</FlightPlan.FlightPlan>\r\n</SimBase.Document>\r\n");
    ASSERT_EQ(plan.waypoints.size(), 3u);
    ExpectWaypoint(plan.waypoints[0], "KSEA", WaypointKind::Airport, 47.0 + 26 / 60.0 + 51 / 3600.0,
                   -(122.0 + 18 / 60.0 + 28 / 3600.0));
    EXPECT_EQ(plan.waypoints[0].name, "Seattle-Tacoma Intl");
    ExpectWaypoint(plan.waypoints[1], "TIMPO", WaypointKind::Unknown,
                   -(33.0 + 56 / 60.0 + 30.5 / 3600.0), 151.0 + 10 / 60.0 + 1 / 3600.0);
    EXPECT_EQ(plan.waypoints[2].identifier, "SEA");
    EXPECT_FALSE(plan.waypoints[2].position);
}

TEST_F(PlanReading, RefusesWhatIsNoRouteOrNotWellFormed)
{
    const std::string gpxHead = "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\"><rte>";
    const struct {
        PlanFormat format;
        const char* name;
        std::string text;
        const char* expected;
    } cases[] = {
        {PlanFormat::Gpx, "broken.gpx", "<gpx>\n<rte>\n<rtept lat=\"1\" lon=\"2\">\n</rte></gpx>",
         "line 4: not well-formed"},
        {PlanFormat::Gpx, "empty.gpx", "", "not well-formed"},
        {PlanFormat::Gpx, "points.gpx", "<gpx><wpt lat=\"1\" lon=\"2\"/></gpx>", "holds no route"},
        {PlanFormat::Gpx, "norte.gpx", gpxHead + "<name>x</name></rte></gpx>", "has no <rtept>"},
        {PlanFormat::Gpx, "north.gpx", gpxHead + "<rtept lat=\"90.5\" lon=\"2\"/></rte></gpx>",
         "latitude 90.5 is out of range (-90 to 90)"},
        {PlanFormat::Gpx, "east.gpx", gpxHead + "<rtept lat=\"1\" lon=\"-181\"/></rte></gpx>",
         "out of range"},
        {PlanFormat::Gpx, "word.gpx", gpxHead + "<rtept lat=\"north\" lon=\"2\"/></rte></gpx>",
         "is not a number"},
        {PlanFormat::Gpx, "hex.gpx", gpxHead + "<rtept lat=\"0x2F\" lon=\"2\"/></rte></gpx>",
         "latitude '0x2F' is not a number"},
        {PlanFormat::Gpx, "exponent.gpx", gpxHead + "<rtept lat=\"1\" lon=\"1e1\"/></rte></gpx>",
         "longitude '1e1' is not a number"},
        {PlanFormat::Gpx, "nolon.gpx", gpxHead + "<rtept lat=\"1\"/></rte></gpx>",
         "needs both lat and lon"},
        {PlanFormat::Gpx, "other.gpx", "<flight-plan/>", "is not a GPX file"},
        {PlanFormat::Fpl, "noroute.fpl", "<flight-plan><waypoint-table/></flight-plan>",
         "holds no route"},
        {PlanFormat::Fpl, "dangling.fpl",
         "<flight-plan><waypoint-table/><route><route-point><waypoint-identifier>X</"
         "waypoint-identifier>"
         "<waypoint-type>VOR</waypoint-type></route-point></route></flight-plan>",
         "route point X (VOR) is not in the <waypoint-table>"},
        {PlanFormat::Fpl, "south.fpl",
         "<flight-plan><waypoint-table><waypoint><identifier>X</identifier><lat>-91</lat><lon>0</"
         "lon></waypoint>"
         "</waypoint-table><route/></flight-plan>",
         "out of range"},
        {PlanFormat::Pln, "nowaypoint.pln",
         "<SimBase.Document><FlightPlan.FlightPlan/></SimBase.Document>", "has no <ATCWaypoint>"},
        {PlanFormat::Pln, "badpos.pln",
         "<SimBase.Document><FlightPlan.FlightPlan><ATCWaypoint id=\"X\"><WorldPosition>Q47 1 2,W1 "
         "2 3"
         "</WorldPosition></ATCWaypoint></FlightPlan.FlightPlan></SimBase.Document>",
         "does not start with N or S"},
        {PlanFormat::Pln, "minutes.pln",
         "<SimBase.Document><FlightPlan.FlightPlan><ATCWaypoint id=\"X\"><WorldPosition>N47 61 "
         "2,W1 2 3"
         "</WorldPosition></ATCWaypoint></FlightPlan.FlightPlan></SimBase.Document>",
         "is not degrees, minutes and seconds"},
        {PlanFormat::Pln, "signed.pln",
         "<SimBase.Document><FlightPlan.FlightPlan><ATCWaypoint id=\"X\"><WorldPosition>N-45\u00B0 "
         "1' 2\",W1 2 3</WorldPosition></ATCWaypoint></FlightPlan.FlightPlan></SimBase.Document>",
         "latitude 'N-45\u00B0 1' 2\"' is not degrees, minutes and seconds"},
        {PlanFormat::Pln, "hex.pln",
         "<SimBase.Document><FlightPlan.FlightPlan><ATCWaypoint id=\"X\"><WorldPosition>N45 1 "
         "2,E0x10 2 3</WorldPosition></ATCWaypoint></FlightPlan.FlightPlan></SimBase.Document>",
         "longitude 'E0x10 2 3' is not degrees, minutes and seconds"},
    };
    for (const auto& c : cases) {
        const std::string message = Refusal(c.format, c.name, c.text);
        EXPECT_NE(message.find(c.expected), std::string::npos) << c.name << ": " << message;
        EXPECT_NE(message.find(c.name), std::string::npos) << "names the file: " << message;
    }
}

TEST_F(PlanReading, RefusesElementsNestedDeeperThanAnyPlan)
{
    constexpr int Depth = 500000;
    std::string text = "<gpx><rte><rtept lat=\"1\" lon=\"2\"><name>A</name></rtept>";
    for (int i = 0; i < Depth; ++i) text += "<e>";
    for (int i = 0; i < Depth; ++i) text += "</e>";
    const std::string message = Refusal(PlanFormat::Gpx, "deep.gpx", text + "</rte></gpx>");
    EXPECT_NE(message.find("deep.gpx line 1: elements nested deeper than"), std::string::npos)
        << message;
}

}  // namespace
