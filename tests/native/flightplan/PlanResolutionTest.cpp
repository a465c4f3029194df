// Plans resolved against the sample database: identifiers that repeat, waypoints that no
// table holds, and the 30-waypoint limit.
#include "RoutePlanFixture.h"

#include "PlanFormats.h"
#include "PlanImport.h"

using namespace flightplan;

namespace {

// The sample's SEATTLE VORTAC, and a VOR of the same identifier far away.
constexpr double SeattleLatitude = 47.0 + 26 / 60.0 + 7 / 3600.0;
constexpr double SeattleLongitude = -(122.0 + 18 / 60.0 + 35 / 3600.0);

class PlanResolution : public RoutePlanTest {
protected:
    void SetUp() override
    {
        RoutePlanTest::SetUp();
        AddWaypoint("NAVAIDS", "00000090", "SEA", "SEAFORTH VOR", 40.0, -80.0, "VORDME");
    }

    std::string GpxPoint(const char* name, double latitude, double longitude, const char* type = "")
    {
        char text[256];
        std::snprintf(text, sizeof text,
                      "<rtept lat=\"%.6f\" lon=\"%.6f\"><name>%s</name>%s%s%s</rtept>\n", latitude,
                      longitude, name, *type ? "<type>" : "", type, *type ? "</type>" : "");
        return text;
    }

    // Imports a GPX route of these points into route.rte: the report, or the failure.
    nav::Expected<std::string> TryImportGpx(const std::string& points)
    {
        WriteFile(PathOf("plan.gpx"), "<gpx><rte>\n" + points + "</rte></gpx>\n");
        return ImportPlan(Directory(), PathOf("plan.gpx"), {PathOf("route.rte")});
    }

    std::string ImportGpx(const std::string& points) { return Succeeded(TryImportGpx(points)); }

    std::string Route() { return FileBytes(PathOf("route.rte")); }
};

TEST_F(PlanResolution, RepeatedNavaidIdentifierTakesTheRecordAtThePlansPosition)
{
    ImportGpx(GpxPoint("SEA", 40.001, -80.001, "VOR") +
              GpxPoint("sea", SeattleLatitude, SeattleLongitude, "VOR"));
    EXPECT_EQ(Route(), RouteText({"200000090", "200000031"}));
}

TEST_F(PlanResolution, FplCannotTellApartTwoNavaidsOfOneNameAndSaysSo)
{
    WriteFile(PathOf("two.rte"), RouteText({"200000031", "200000090"}));
    WaypointTables tables(Directory());
    const RouteListing listing =
        Succeeded(ListRoute(Succeeded(ReadRouteFile(PathOf("two.rte"))), tables));
    const nav::Expected<std::string> fpl = WritePlan(PlanFormat::Fpl, listing);
    ASSERT_FALSE(fpl) << "FPL would name both by SEA (VOR)";
    EXPECT_NE(fpl.Message().find("export it as GPX or PLN"), std::string::npos) << fpl.Message();
    WriteFile(PathOf("two.gpx"), Succeeded(WritePlan(PlanFormat::Gpx, listing)));
    Succeeded(ImportPlan(Directory(), PathOf("two.gpx"), {PathOf("route.rte")}));
    EXPECT_EQ(Route(), FileBytes(PathOf("two.rte")));
}

TEST_F(PlanResolution, WithoutPositionsTheRecordNearestThePreviousWaypointIsTaken)
{
    const std::string pln =
        "<SimBase.Document><FlightPlan.FlightPlan>"
        "<ATCWaypoint id=\"KSEA\"><ATCWaypointType>Airport</ATCWaypointType></ATCWaypoint>"
        "<ATCWaypoint id=\"SEA\"><ATCWaypointType>VOR</ATCWaypointType></ATCWaypoint>"
        "<ATCWaypoint id=\"SEA\"><ATCWaypointType>VOR</ATCWaypointType></ATCWaypoint>"
        "</FlightPlan.FlightPlan></SimBase.Document>";
    WriteFile(PathOf("plan.pln"), pln);
    const std::string report =
        Succeeded(ImportPlan(Directory(), PathOf("plan.pln"), {PathOf("route.rte")}));
    EXPECT_EQ(Route(), RouteText({"100000132", "200000031", "200000031"}));
    EXPECT_NE(report.find("took the nearest to the previous waypoint"), std::string::npos)
        << report;
}

TEST_F(PlanResolution, TheKindNamedWinsOverANearerNavaidOfAnotherKind)
{
    AddWaypoint("NAVAIDS", "00000091", "SEA", "SEATTLE NDB", SeattleLatitude + 0.03,
                SeattleLongitude, "NDB");
    ImportGpx(GpxPoint("SEA", SeattleLatitude, SeattleLongitude, "NDB"));
    EXPECT_EQ(Route(), RouteText({"200000091"}));
}

TEST_F(PlanResolution, AWaypointNoTableHoldsBecomesOneNewUserWaypoint)
{
    AddWaypoint("USERS", "00000041", "HOME", "HOME STRIP", 47.0, -122.0);
    const std::string lake = GpxPoint("lake", 47.2375, -122.18333333);
    // Far from the sample's KSEA: the same identifier, but not that airport.
    const std::string report = ImportGpx(GpxPoint("KSEA", 47.5, -121.5, "AIRPORT") + lake + lake);
    EXPECT_EQ(Route(), RouteText({"300000042", "300000043", "300000043"}));
    EXPECT_NE(report.find("added to USERS as NUM 00000043, ID LAKE"), std::string::npos) << report;
    EXPECT_EQ(UserNums(), (std::vector<std::string>{"00000041", "00000042", "00000043"}));

    // The same plan again finds what the first import added.
    ImportGpx(lake);
    EXPECT_EQ(Route(), RouteText({"300000043"}));
    EXPECT_EQ(UserNums().size(), 3u);
}

TEST_F(PlanResolution, ThirtyOneWaypointsAreRefusedWithTheirCountAndNothingWritten)
{
    std::string points;
    for (int i = 0; i < 31; ++i) points += GpxPoint("NEW", 47.0 + i * 0.01, -122.0);
    const std::string refusal = TryImportGpx(points).Message();
    EXPECT_NE(refusal.find("31 waypoints"), std::string::npos)
        << (refusal.empty() ? "31 waypoints were taken" : refusal);
    EXPECT_FALSE(std::filesystem::exists(PathOf("route.rte")));
    EXPECT_TRUE(UserNums().empty());

    points.erase(points.rfind("<rtept"));
    ImportGpx(points);
    EXPECT_EQ(Route().size(), 270u);
    EXPECT_EQ(Route().substr(261), "300000030") << "thirty fill every slot";
}

TEST_F(PlanResolution, AWaypointWithoutPositionThatNoTableHoldsIsRefused)
{
    WriteFile(PathOf("plan.pln"),
              "<SimBase.Document><FlightPlan.FlightPlan><ATCWaypoint id=\"NOWHERE\">"
              "<ATCWaypointType>VOR</ATCWaypointType></ATCWaypoint></FlightPlan.FlightPlan>"
              "</SimBase.Document>");
    EXPECT_FALSE(ImportPlan(Directory(), PathOf("plan.pln"), {}));
    EXPECT_EQ(ConfigField("RTEMODE"), "0");
}

TEST_F(PlanResolution, IdentifiersAreTextOfTheTablesCodePage)
{
    ImportGpx(GpxPoint("Z\u00DCRICH", 47.46, 8.55));
    WaypointTables tables(Directory());
    const std::vector<TableWaypoint> found =
        Succeeded(tables.FindById(nav::WaypointUser, "Z\xDCRICH"));
    ASSERT_EQ(found.size(), 1u) << "stored in Windows-1252, as the unit shows it";
    EXPECT_EQ(Route(), RouteText({"3" + std::string(found[0].record.num)}));

    for (const char* identifier : {"\u0416\u0423\u041A", "TAB\tID"}) {
        const std::string refusal = TryImportGpx(GpxPoint(identifier, 55.6, 37.3)).Message();
        ASSERT_FALSE(refusal.empty()) << identifier << ": not text of the tables, yet taken";
        EXPECT_NE(refusal.find(identifier), std::string::npos) << refusal;
        EXPECT_NE(refusal.find("Windows-1252"), std::string::npos) << refusal;
    }
    EXPECT_EQ(UserNums().size(), 1u);
}

}  // namespace
