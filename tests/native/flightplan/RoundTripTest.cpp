// Route file -> plan file -> route file on the sample database: every format gives back the
// same 270 bytes, and CONFIG's route survives the same way.
#include "RoutePlanFixture.h"

#include "PlanFormats.h"
#include "PlanImport.h"
#include "RouteListing.h"
#include "AsciiText.h"

using namespace flightplan;

namespace {

// Airports on both sides of the Greenwich and the equator, a VOR, an NDB, a user waypoint.
const std::vector<std::string> SampleEntries = {"100000108", "200000031", "200000001", "300000007",
                                                "100000103", "100000142", "100000126"};

struct FormatCase {
    PlanFormat format;
    const char* extension;
};

class RoundTrip : public RoutePlanTest, public ::testing::WithParamInterface<FormatCase> {
protected:
    void SetUp() override
    {
        RoutePlanTest::SetUp();
        AddWaypoint("USERS", "00000007", "LAKE", "Bob's \"Strip\" & <Co> \xE9t\xE9", 47.2375,
                    -122.18333333);
    }

    // Exports the route file at `route` and returns the plan file's path.
    std::string Export(const std::string& route)
    {
        WaypointTables tables(Directory());
        const std::string plan = PathOf(std::string("plan.") + GetParam().extension);
        const RouteListing listing = Succeeded(ListRoute(Succeeded(ReadRouteFile(route)), tables));
        WriteFile(plan, Succeeded(WritePlan(GetParam().format, listing)));
        return plan;
    }
};

TEST_P(RoundTrip, RouteFileComesBackByteForByte)
{
    const std::string original = PathOf("original.rte");
    WriteFile(original, RouteText(SampleEntries));
    const std::string plan = Export(original);

    Succeeded(ImportPlan(Directory(), plan, {PathOf("back.rte")}));
    EXPECT_EQ(FileBytes(PathOf("back.rte")), FileBytes(original));
    EXPECT_EQ(UserNums(), std::vector<std::string>{"00000007"}) << "no waypoint may be added";
}

TEST_P(RoundTrip, NamesSurviveEscapingAndTheCodePage)
{
    const std::string route = PathOf("user-first.rte");
    WriteFile(route, RouteText({"300000007", "100000126"}));
    const Plan plan = Succeeded(ReadPlanFile(Export(route)));
    ASSERT_EQ(plan.waypoints.size(), 2u);
    // FPL comments take only upper-case letters, digits, blanks and slashes.
    EXPECT_EQ(plan.waypoints[0].name, GetParam().format == PlanFormat::Fpl
                                          ? "BOB S STRIP CO ETE"
                                          : "Bob's \"Strip\" & <Co> \u00E9t\u00E9");
    EXPECT_EQ(plan.waypoints[0].kind, WaypointKind::User);
}

TEST_P(RoundTrip, ConfigRouteComesBackAsTheRouteTheUnitFlies)
{
    const std::string route = RouteText(SampleEntries);
    const std::string original = PathOf("original.rte");
    WriteFile(original, route);
    Succeeded(ImportPlan(Directory(), Export(original), {}));
    EXPECT_EQ(ConfigField("RTEMODE"), "1");
    EXPECT_EQ(ConfigField("NRTEWPT"), "7");
    EXPECT_EQ(ConfigField("ACTRTE"), "0");
    EXPECT_EQ(ConfigField("RTEWPTS"), nav::WithoutPadding(route));
    // The unit restores the active waypoint from these two: the route's first.
    EXPECT_EQ(ConfigField("LASTFILE"), "1");
    EXPECT_EQ(ConfigField("LASTREC"), "00000108");
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip,
                         ::testing::Values(FormatCase{PlanFormat::Gpx, "gpx"},
                                           FormatCase{PlanFormat::Fpl, "fpl"},
                                           FormatCase{PlanFormat::Pln, "pln"}),
                         [](const auto& info) { return std::string(info.param.extension); });

}  // namespace
