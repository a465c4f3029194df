// What the plan writers give other tools: FPL files that the published FlightPlan v1 schema
// accepts, and PLN files that later simulators load.
#include "RoutePlanFixture.h"

#include <regex>
#include <set>
#include <tuple>

#include "PlanFormats.h"
#include "RouteListing.h"

using namespace flightplan;

namespace {

class PlanWriting : public RoutePlanTest {
protected:
    // Boeing Field, a user waypoint whose identifier and name no planning tool takes as
    // they stand, the sample's SEATTLE VORTAC, and Boeing Field again.
    XmlElement Written(PlanFormat format)
    {
        AddWaypoint("USERS", "00000007", "wp-1", "Bob's \"Strip\" & <Co> \xE9t\xE9", 47.2375,
                    -122.18333333);
        WriteFile(PathOf("route.rte"),
                  RouteText({"100000108", "300000007", "200000031", "100000108"}));
        WaypointTables tables(Directory());
        const RouteListing listing =
            Succeeded(ListRoute(Succeeded(ReadRouteFile(PathOf("route.rte"))), tables));
        return Succeeded(ParseXml(Succeeded(WritePlan(format, listing)), "written"));
    }
};

std::vector<std::string> ChildNames(const XmlElement& element)
{
    std::vector<std::string> names;
    for (const XmlElement& child : element.children) names.push_back(child.name);
    return names;
}

bool Matches(const std::string& text, const char* pattern)
{
    return std::regex_match(text, std::regex(pattern));
}

TEST_F(PlanWriting, FplMeetsTheFlightPlanSchema)
{
    const XmlElement root = Written(PlanFormat::Fpl);
    const XmlElement* table = root.Child("waypoint-table");
    ASSERT_NE(table, nullptr);
    std::set<std::tuple<std::string, std::string, std::string>> keys;
    std::set<std::string> identifiers;
    for (const XmlElement* waypoint : table->Children("waypoint")) {
        const std::vector<std::string> names = ChildNames(*waypoint);
        ASSERT_GE(names.size(), 5u);
        EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 5),
                  (std::vector<std::string>{"identifier", "type", "country-code", "lat", "lon"}));
        const std::string identifier = waypoint->ChildText("identifier");
        EXPECT_TRUE(Matches(identifier, "[A-Z0-9]{1,12}")) << identifier;
        EXPECT_TRUE(identifiers.insert(identifier).second) << identifier << " twice";
        const std::string country = waypoint->ChildText("country-code");
        EXPECT_TRUE(Matches(country, "([A-Z0-9]{2})?")) << country;
        const std::string comment = waypoint->ChildText("comment");
        EXPECT_TRUE(Matches(comment, "([A-Z0-9 /]{1,25})?")) << comment;
        keys.insert({identifier, waypoint->ChildText("type"), country});
    }
    EXPECT_EQ(identifiers.size(), 3u);

    const XmlElement* route = root.Child("route");
    ASSERT_NE(route, nullptr);
    const std::string name = route->ChildText("route-name");
    EXPECT_TRUE(Matches(name, "([A-Z0-9 /]{1,25})?")) << name;
    const std::vector<const XmlElement*> points = route->Children("route-point");
    ASSERT_EQ(points.size(), 4u);
    for (const XmlElement* point : points) {
        EXPECT_EQ(ChildNames(*point),
                  (std::vector<std::string>{"waypoint-identifier", "waypoint-type",
                                            "waypoint-country-code"}));
        EXPECT_EQ(
            keys.count({point->ChildText("waypoint-identifier"), point->ChildText("waypoint-type"),
                        point->ChildText("waypoint-country-code")}),
            1u)
            << point->ChildText("waypoint-identifier") << " is no waypoint of the table";
    }
}

TEST_F(PlanWriting, PlnNamesACruisingAltitudeAndPlainIdentifiers)
{
    const XmlElement root = Written(PlanFormat::Pln);
    const XmlElement* plan = root.Child("FlightPlan.FlightPlan");
    ASSERT_NE(plan, nullptr);
    EXPECT_TRUE(Matches(plan->ChildText("CruisingAlt"), "[1-9][0-9]*"))
        << plan->ChildText("CruisingAlt");
    const std::vector<const XmlElement*> waypoints = plan->Children("ATCWaypoint");
    ASSERT_EQ(waypoints.size(), 4u);
    for (const XmlElement* waypoint : waypoints) {
        const std::string id = *waypoint->Attribute("id");
        EXPECT_TRUE(Matches(id, "[A-Z0-9]{1,12}")) << id;
        if (const XmlElement* icao = waypoint->Child("ICAO")) {
            EXPECT_EQ(icao->ChildText("ICAOIdent"), id);
        }
    }
    EXPECT_EQ(*waypoints[1]->Attribute("id"), "WP1");
}

}  // namespace
