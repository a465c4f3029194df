// Flight plans in the Route dialog against real tables: a plan resolved without adding a
// waypoint, refused whole when a waypoint is not found or the route would pass 30, the
// file name's extension, and the route saved as a plan.
#include <cstring>
#include <string>

#include "GaugeTablesFixture.h"
#include "RouteEditing.h"
#include "RouteFile.h"
#include "RoutePlanFile.h"
#include "WaypointAccess.h"

using namespace gauge;

namespace {

class RoutePlanFileTest : public GaugeTablesTest {
protected:
    void SetUp() override
    {
        GaugeTablesTest::SetUp();
        OpenTable(TablePath("NAVAIDS"), "NAVAIDS");
        AddPlace("00000031", "SEA", "SEATTLE VORTAC", 47, 26, 7, 122, 18, 35);
        PutText("TYPE", "VORTAC");
        TableCloseAll();
        OpenTable(TablePath("USERS"), "USERS");
        AddPlace("00000001", "HOME", "HOME STRIP", 47, 10, 0, 122, 10, 0);
        TableCloseAll();
    }

    std::string PlanPath() const { return (directory_ / "plan.gpx").string(); }

    // A GPX route of these <rtept> elements at PlanPath().
    void WriteGpx(const std::string& points) const
    {
        WriteBytes(PlanPath(), "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\"><rte>\n" + points +
                                   "</rte></gpx>\n");
    }

    // The slots that a route file of these entries loads.
    static void RouteFileSlots(const std::string& text, RouteSlots& slots)
    {
        ParseRouteFile(text.data(), text.size(), slots);
        LookUpRouteSlots(slots);
    }

    // A route of KPDX and KOLM, as the dialog would hold it before a load.
    static void EarlierRoute(RouteSlots& slots) { RouteFileSlots("100000030100000020", slots); }
};

// KSEA by its kind, the VORTAC by its type, the user waypoint and KOLM by any table.
constexpr char FourPoints[] =
    "<rtept lat=\"47.4489\" lon=\"-122.3094\"><name>KSEA</name><sym>Airport</sym></rtept>\n"
    "<rtept lat=\"47.4353\" lon=\"-122.3097\"><name>sea</name><type>VOR</type></rtept>\n"
    "<rtept lat=\"47.1667\" lon=\"-122.1667\"><name>home</name></rtept>\n"
    "<rtept lat=\"46.9697\" lon=\"-122.9022\"><name>KOLM</name></rtept>\n";

TEST_F(RoutePlanFileTest, APlanOfWaypointsTheTablesHoldGivesTheSlotsOfItsRouteFile)
{
    WriteGpx(FourPoints);
    RouteSlots slots;
    EarlierRoute(slots);
    EXPECT_EQ(LoadPlanFile(PlanPath(), slots), "");

    RouteSlots expected;
    RouteFileSlots("100000010200000031300000001100000020", expected);
    EXPECT_EQ(std::memcmp(slots, expected, sizeof slots), 0);
    EXPECT_EQ(TrimRight(slots[1].name), "SEATTLE VORTAC");
    EXPECT_EQ(slots[4].table, 0);
    EXPECT_EQ(AreaOfAlias(nav::GaugeWaypointAlias), 0);
}

TEST_F(RoutePlanFileTest, WaypointsNoTableHoldsAreNamedAndNothingChanges)
{
    // A lake, an intersection, and KSEA 20 NM from its record.
    WriteGpx(std::string(FourPoints) +
             "<rtept lat=\"47.2375\" lon=\"-122.1833\"><name>lake</name></rtept>\n"
             "<rtept lat=\"47.3\" lon=\"-122.4\"><name>ALDER</name><type>INT</type></rtept>\n"
             "<rtept lat=\"47.7800\" lon=\"-122.3094\"><name>KSEA</name></rtept>\n");
    RouteSlots slots;
    EarlierRoute(slots);
    RouteSlots before;
    std::memcpy(before, slots, sizeof slots);

    EXPECT_EQ(LoadPlanFile(PlanPath(), slots),
              "Waypoints not found in the tables: LAKE, ALDER, KSEA. The route is unchanged.");
    EXPECT_EQ(std::memcmp(slots, before, sizeof slots), 0);
    EXPECT_EQ(RecordCount("USERS"), 1);
}

TEST_F(RoutePlanFileTest, MoreThanThirtyWaypointsGiveTheRouteLimitWarning)
{
    std::string points;
    for (int i = 0; i < RouteCapacity + 1; ++i)
        points += "<rtept lat=\"46.9697\" lon=\"-122.9022\"><name>KOLM</name></rtept>\n";
    WriteGpx(points);
    RouteSlots slots;
    EarlierRoute(slots);
    EXPECT_EQ(LoadPlanFile(PlanPath(), slots), RouteLimitWarning);
    EXPECT_EQ(TrimRight(slots[0].id), "KPDX");
}

TEST_F(RoutePlanFileTest, AFileThePlanReadersRefuseIsNamedInTheWarning)
{
    WriteBytes(PlanPath(), "<gpx><rte><rtept lat=\"0x2F\"");
    RouteSlots slots;
    EarlierRoute(slots);
    const std::string warning = LoadPlanFile(PlanPath(), slots);
    EXPECT_NE(warning.find(PlanPath()), std::string::npos) << warning;
    EXPECT_EQ(TrimRight(slots[1].id), "KOLM");
}

TEST_F(RoutePlanFileTest, TheGaugesLookupsSeekSoftlyAgainAfterAPlan)
{
    WriteGpx(FourPoints);
    RouteSlots slots;
    LoadPlanFile(PlanPath(), slots);
    SavedRouteFor("route.fpl", slots);
    // A key no longer in its table loads the record with the next higher key.
    OpenWaypointTable(WaypointAirport);
    SeekWaypointByNum("00000015");
    WaypointRecord next;
    EXPECT_TRUE(ReadWaypoint(next));
    EXPECT_EQ(TrimRight(next.id), "KOLM");
    TableCloseAll();
}

TEST_F(RoutePlanFileTest, TheExtensionTellsARouteFileFromAPlanAndNamesThePlansFormat)
{
    for (const char* name : {"trip.rte", "C:\\PLANS\\TRIP.RTE", "trip", "C:\\v1.2\\trip"}) {
        EXPECT_TRUE(IsRouteFileName(name)) << name;
        EXPECT_FALSE(PlanFormatOfName(name)) << name;
    }
    for (const char* name : {"trip.gpx", "trip.xml", "trip.txt"})
        EXPECT_FALSE(IsRouteFileName(name)) << name;
    EXPECT_EQ(PlanFormatOfName("trip.gpx"), flightplan::PlanFormat::Gpx);
    EXPECT_EQ(PlanFormatOfName("C:\\TRIP.FPL"), flightplan::PlanFormat::Fpl);
    EXPECT_EQ(PlanFormatOfName("trip.Pln"), flightplan::PlanFormat::Pln);
    EXPECT_EQ(PlanFormatOfName("trip.csv"), flightplan::PlanFormat::Csv);
    EXPECT_FALSE(PlanFormatOfName("trip.txt"));
}

TEST_F(RoutePlanFileTest, ARouteSavedAsAPlanLoadsAgainAsTheSameSlots)
{
    RouteSlots route;
    RouteFileSlots("100000010200000031300000001100000020", route);
    for (const char* name : {"trip.fpl", "trip.gpx", "trip.pln"}) {
        const SavedRoute saved = SavedRouteFor(name, route);
        ASSERT_EQ(saved.warning, "") << name;
        EXPECT_EQ(saved.bytes.rfind("<?xml", 0), 0u) << name;
        WriteBytes(PlanPath(), saved.bytes);
        RouteSlots loaded{};
        EXPECT_EQ(LoadPlanFile(PlanPath(), loaded), "") << name;
        EXPECT_EQ(std::memcmp(loaded, route, sizeof route), 0) << name;
    }
}

TEST_F(RoutePlanFileTest, ARouteFileNameGetsTheRouteTextAndAPlanNeedsEveryWaypoint)
{
    RouteSlots route;
    RouteFileSlots("100000010200000031", route);
    char text[nav::RouteTextLength + 1];
    nav::FormatRouteText(route, text);
    EXPECT_EQ(SavedRouteFor("trip.rte", route).bytes, std::string(text, nav::RouteTextLength));
    EXPECT_EQ(SavedRouteFor("trip", route).bytes, std::string(text, nav::RouteTextLength));

    RouteSlots empty{};
    const SavedRoute none = SavedRouteFor("trip.fpl", empty);
    EXPECT_NE(none.warning, "");
    EXPECT_EQ(none.bytes, "");
    RouteFileSlots("100000010100000099", route);  // past the last key: not found
    EXPECT_NE(SavedRouteFor("trip.gpx", route).warning.find("00000099"), std::string::npos);
}

}  // namespace
