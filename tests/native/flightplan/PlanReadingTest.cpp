// Plan files as planning tools write them (with and without the XML declaration and
// namespaces, CR LF line ends, comments) and the ones that must be refused.
#include "RoutePlanFixture.h"

#include <unistd.h>

#include "FileBytes.h"
#include "PlanFormats.h"
#include "PlanImport.h"

using namespace flightplan;

namespace {

class PlanReading : public RoutePlanTest {
protected:
    Plan Read(const std::string& name, const std::string& text)
    {
        WriteFile(PathOf(name), text);
        return Succeeded(ReadPlanFile(PathOf(name)));
    }

    // The message of the failure that reading returns; empty when it reads.
    std::string Refusal(const std::string& name, const std::string& text)
    {
        WriteFile(PathOf(name), text);
        return ReadPlanFile(PathOf(name)).Message();
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
        "web.gpx",
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
        Read("prefixed.gpx",
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
        const Plan plan = Read("unit.fpl", text);
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
        "sim.pln",
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
        const char* name;
        std::string text;
        const char* expected;
    } cases[] = {
        {"broken.gpx", "<gpx>\n<rte>\n<rtept lat=\"1\" lon=\"2\">\n</rte></gpx>",
         "line 4: not well-formed"},
        {"empty.gpx", "", "not well-formed"},
        {"nothing.gpx", "<gpx><metadata/></gpx>", "holds no route"},
        {"norte.gpx", gpxHead + "<name>x</name></rte></gpx>", "has no <rtept>"},
        {"north.gpx", gpxHead + "<rtept lat=\"90.5\" lon=\"2\"/></rte></gpx>",
         "latitude 90.5 is out of range (-90 to 90)"},
        {"east.gpx", gpxHead + "<rtept lat=\"1\" lon=\"-181\"/></rte></gpx>", "out of range"},
        {"word.gpx", gpxHead + "<rtept lat=\"north\" lon=\"2\"/></rte></gpx>", "is not a number"},
        {"hex.gpx", gpxHead + "<rtept lat=\"0x2F\" lon=\"2\"/></rte></gpx>",
         "latitude '0x2F' is not a number"},
        {"exponent.gpx", gpxHead + "<rtept lat=\"1\" lon=\"1e1\"/></rte></gpx>",
         "longitude '1e1' is not a number"},
        {"nolon.gpx", gpxHead + "<rtept lat=\"1\"/></rte></gpx>", "needs both lat and lon"},
        {"other.gpx", "<kml/>", "is not a flight plan: its root element is <kml>"},
        {"noroute.fpl", "<flight-plan><waypoint-table/></flight-plan>", "holds no route"},
        {"dangling.fpl",
         "<flight-plan><waypoint-table/><route><route-point><waypoint-identifier>X</"
         "waypoint-identifier>"
         "<waypoint-type>VOR</waypoint-type></route-point></route></flight-plan>",
         "route point X (VOR) is not in the <waypoint-table>"},
        {"south.fpl",
         "<flight-plan><waypoint-table><waypoint><identifier>X</identifier><lat>-91</lat><lon>0</"
         "lon></waypoint>"
         "</waypoint-table><route/></flight-plan>",
         "out of range"},
        {"nowaypoint.pln", "<SimBase.Document><FlightPlan.FlightPlan/></SimBase.Document>",
         "has no <ATCWaypoint>"},
        {"badpos.pln",
         "<SimBase.Document><FlightPlan.FlightPlan><ATCWaypoint id=\"X\"><WorldPosition>Q47 1 2,W1 "
         "2 3"
         "</WorldPosition></ATCWaypoint></FlightPlan.FlightPlan></SimBase.Document>",
         "does not start with N or S"},
        {"minutes.pln",
         "<SimBase.Document><FlightPlan.FlightPlan><ATCWaypoint id=\"X\"><WorldPosition>N47 61 "
         "2,W1 2 3"
         "</WorldPosition></ATCWaypoint></FlightPlan.FlightPlan></SimBase.Document>",
         "is not degrees, minutes and seconds"},
        {"signed.pln",
         "<SimBase.Document><FlightPlan.FlightPlan><ATCWaypoint id=\"X\"><WorldPosition>N-45\u00B0 "
         "1' 2\",W1 2 3</WorldPosition></ATCWaypoint></FlightPlan.FlightPlan></SimBase.Document>",
         "latitude 'N-45\u00B0 1' 2\"' is not degrees, minutes and seconds"},
        {"hex.pln",
         "<SimBase.Document><FlightPlan.FlightPlan><ATCWaypoint id=\"X\"><WorldPosition>N45 1 "
         "2,E0x10 2 3</WorldPosition></ATCWaypoint></FlightPlan.FlightPlan></SimBase.Document>",
         "longitude 'E0x10 2 3' is not degrees, minutes and seconds"},
        {"title.pln", "[flightplan]\ntitle=KSEA to KPDX\n", "holds no route"},
        {"type.pln", "[flightplan]\nwaypoint.0=KSEA, X, N47* 26.85', W122* 18.47', +0,\n",
         "line 2: 'KSEA, X, N47* 26.85', W122* 18.47', +0,' is not IDENT, TYPE"},
    };
    for (const auto& c : cases) {
        const std::string message = Refusal(c.name, c.text);
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
    const std::string message = Refusal("deep.gpx", text + "</rte></gpx>");
    EXPECT_NE(message.find("deep.gpx line 1: elements nested deeper than"), std::string::npos)
        << message;
}

TEST_F(PlanReading, RefusesAFileLargerThanAnyPlanWithoutReadingItAll)
{
    const std::string endless = "/dev/zero";
    EXPECT_NE(ReadPlanFile(endless).Message().find("/dev/zero is larger than 32 MB"),
              std::string::npos);
    const std::string sparse = PathOf("huge.gpx");
    WriteFile(sparse, "");
    ASSERT_EQ(truncate(sparse.c_str(), LargestPlanFileBytes + 1), 0);
    EXPECT_NE(ReadPlanFile(sparse).Message().find("huge.gpx is larger than"), std::string::npos);
}

TEST_F(PlanReading, FormatComesFromTheContentNotTheName)
{
    const std::string gpx = "<gpx><rte><rtept lat=\"47.53361111\" lon=\"-122.30361111\">"
                            "<name>KBFI</name></rtept><rtept lat=\"46.96888889\" "
                            "lon=\"-122.90472222\"><name>KOLM</name></rtept></rte></gpx>";
    const std::string fpl =
        "<flight-plan><waypoint-table><waypoint><identifier>KBFI</identifier><type>AIRPORT</type>"
        "</waypoint><waypoint><identifier>KOLM</identifier><type>AIRPORT</type></waypoint>"
        "</waypoint-table><route><route-point><waypoint-identifier>KBFI</waypoint-identifier>"
        "<waypoint-type>AIRPORT</waypoint-type></route-point><route-point><waypoint-identifier>"
        "KOLM</waypoint-identifier><waypoint-type>AIRPORT</waypoint-type></route-point></route>"
        "</flight-plan>";
    for (const auto& [name, text] : {std::pair<std::string, std::string>{"plan.xml", gpx},
                                     {"misnamed.gpx", fpl},
                                     {"exported.txt", gpx}}) {
        WriteFile(PathOf(name), text);
        Succeeded(ImportPlan(Directory(), PathOf(name), {PathOf("route.rte")}));
        EXPECT_EQ(FileBytes(PathOf("route.rte")), RouteText({"100000108", "100000126"})) << name;
    }
}

TEST_F(PlanReading, GpxWaypointsStandForAMissingRouteButATrackIsNoRoute)
{
    const Plan plan =
        Read("points.gpx", "<gpx><wpt lat=\"47.5\" lon=\"-122.3\"><name>FIRST</name></wpt>"
                           "<trk><trkseg><trkpt lat=\"1\" lon=\"2\"/></trkseg></trk>"
                           "<wpt lat=\"46.9\" lon=\"-122.9\"><name>SECOND</name></wpt></gpx>");
    ASSERT_EQ(plan.waypoints.size(), 2u);
    ExpectWaypoint(plan.waypoints[0], "FIRST", WaypointKind::Unknown, 47.5, -122.3);
    ExpectWaypoint(plan.waypoints[1], "SECOND", WaypointKind::Unknown, 46.9, -122.9);
    ASSERT_EQ(plan.notes.size(), 1u);
    EXPECT_NE(plan.notes[0].find("<wpt>"), std::string::npos) << plan.notes[0];

    const std::string message =
        Refusal("track.gpx", "<gpx><trk><trkseg><trkpt lat=\"1\" lon=\"2\"/></trkseg></trk></gpx>");
    EXPECT_NE(message.find("tracks are not routes"), std::string::npos) << message;
}

TEST_F(PlanReading, PlnDepartureAndDestinationOutsideTheWaypointsAreAdded)
{
    const std::string head =
        "<SimBase.Document><FlightPlan.FlightPlan>"
        "<DepartureID>KSEA</DepartureID>"
        "<DepartureLLA>N47\u00B0 26' 51.00\",W122\u00B0 18' 28.00\",+000433.00</DepartureLLA>"
        "<DestinationID>KPDX</DestinationID>"
        "<DestinationLLA>N45\u00B0 35' 19.00\",W122\u00B0 35' 51.00\",+000030.00</DestinationLLA>"
        "<DepartureName>Seattle-Tacoma Intl</DepartureName>"
        "<DestinationName>Portland Intl</DestinationName>";
    const std::string tail = "</FlightPlan.FlightPlan></SimBase.Document>";
    const Plan plan =
        Read("ends.pln", head +
                             "<ATCWaypoint id=\"SEA\"><ATCWaypointType>VOR</ATCWaypointType>"
                             "</ATCWaypoint>" +
                             tail);
    ASSERT_EQ(plan.waypoints.size(), 3u);
    ExpectWaypoint(plan.waypoints[0], "KSEA", WaypointKind::Airport, 47.0 + 26 / 60.0 + 51 / 3600.0,
                   -(122.0 + 18 / 60.0 + 28 / 3600.0));
    EXPECT_EQ(plan.waypoints[0].name, "Seattle-Tacoma Intl");
    EXPECT_EQ(plan.waypoints[1].identifier, "SEA");
    ExpectWaypoint(plan.waypoints[2], "KPDX", WaypointKind::Airport, 45.0 + 35 / 60.0 + 19 / 3600.0,
                   -(122.0 + 35 / 60.0 + 51 / 3600.0));
    EXPECT_EQ(plan.waypoints[2].name, "Portland Intl");

    EXPECT_EQ(Read("direct.pln", head + tail).waypoints.size(), 2u);
}

TEST_F(PlanReading, IniPlanOfTheOlderSimulatorsInBothWaypointLayouts)
{
    // As planning tools write it, and as the simulator saves it (region, identifier, airway,
    // identifier again, type...), in the Windows code page with CR LF line ends.
    const std::string text =
        "[flightplan]\r\n"
        "title=KSEA to KPDX\r\ntype=VFR\r\ncruising_altitude=5500\r\n"
        "departure_id=KSEA, N47* 26.85', W122* 18.47', +000433.00\r\n"
        "destination_id=KPDX, N45* 35.32', W122* 35.85', +000030.00\r\n"
        "departure_name=Seattle-Tacoma Intl\r\ndestination_name=Portland Caf\xE9\r\n"
        "waypoint.0=KSEA, A, N47* 26.85', W122* 18.47', +000433.00,\r\n"
        "waypoint.2=K1, BTG, , BTG, V, N45* 44.85', W122* 35.48', +000000.00,\r\n"
        "waypoint.1=, LAKE, , LAKE, U, N47* 14.25', W122* 11.00', +002000.00,\r\n"
        "waypoint.3=KPDX, A, N45* 35.32', W122* 35.85', +000030.00,\r\n";
    const Plan plan = Read("fs9.pln", text);
    ASSERT_EQ(plan.waypoints.size(), 4u);
    ExpectWaypoint(plan.waypoints[0], "KSEA", WaypointKind::Airport, 47.0 + 26.85 / 60.0,
                   -(122.0 + 18.47 / 60.0));
    EXPECT_EQ(plan.waypoints[0].name, "Seattle-Tacoma Intl");
    ExpectWaypoint(plan.waypoints[1], "LAKE", WaypointKind::User, 47.0 + 14.25 / 60.0,
                   -(122.0 + 11.0 / 60.0));
    ExpectWaypoint(plan.waypoints[2], "BTG", WaypointKind::Vor, 45.0 + 44.85 / 60.0,
                   -(122.0 + 35.48 / 60.0));
    ExpectWaypoint(plan.waypoints[3], "KPDX", WaypointKind::Airport, 45.0 + 35.32 / 60.0,
                   -(122.0 + 35.85 / 60.0));
    EXPECT_EQ(plan.waypoints[3].name, "Portland Caf\u00E9");
    EXPECT_EQ(plan.waypoints[2].line, 10);
}

TEST_F(PlanReading, XmlDeclaredInTheWindowsCodePage)
{
    const Plan plan = Read("ansi.gpx", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n"
                                       "<gpx><rte><rtept lat=\"1\" lon=\"2\"><name>CAF\xC9</name>"
                                       "<desc>Caf\xE9 \x80 5</desc></rtept></rte></gpx>");
    ASSERT_EQ(plan.waypoints.size(), 1u);
    EXPECT_EQ(plan.waypoints[0].identifier, "CAF\u00C9");
    EXPECT_EQ(plan.waypoints[0].name, "Caf\u00E9 \u20AC 5");
}

}  // namespace
