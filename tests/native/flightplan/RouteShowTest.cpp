// What `navdb route show` lists: legs with their distance and magnetic course, the
// variation they used, and routes with gaps, lost records or no waypoint at all.
#include "RoutePlanFixture.h"

#include <cmath>

#include "AirportVariation.h"
#include "RouteListing.h"

using namespace flightplan;

namespace {

class RouteShow : public RoutePlanTest {
protected:
    RouteListing List(const std::vector<std::string>& entries)
    {
        WriteFile(PathOf("route.rte"), RouteText(entries));
        WaypointTables tables(Directory());
        return Succeeded(ListRoute(Succeeded(ReadRouteFile(PathOf("route.rte"))), tables));
    }
};

// Initial true course in degrees by the textbook formula, east longitudes positive.
double TextbookCourse(double lat1, double lon1, double lat2, double lon2)
{
    const double r = M_PI / 180.0;
    const double y = std::sin((lon2 - lon1) * r) * std::cos(lat2 * r);
    const double x = std::cos(lat1 * r) * std::sin(lat2 * r) -
                     std::sin(lat1 * r) * std::cos(lat2 * r) * std::cos((lon2 - lon1) * r);
    return std::fmod(std::atan2(y, x) / r + 360.0, 360.0);
}

TEST_F(RouteShow, LegsTakeTheAirportsVariationElseTheComputedOne)
{
    // Two user waypoints 30 NM apart on a meridian, then the sample's Boeing Field (VAR 19 E).
    AddWaypoint("USERS", "00000001", "SOUTH", "SOUTH", 47.0, -122.5);
    AddWaypoint("USERS", "00000002", "NORTH", "NORTH", 47.5, -122.5);
    const RouteListing listing = List({"300000001", "300000002", "100000108", "300000001"});
    ASSERT_EQ(listing.legs.size(), 3u);

    const int32_t computed = magnetic::AirportVariationAt(47.0, -122.5).degrees;
    ASSERT_GT(computed, 10) << "the model gives an east declination here";
    EXPECT_NEAR(listing.legs[0].distance, 30.0, 0.01);
    EXPECT_EQ(listing.legs[0].course, 360 - computed) << "due north, less an east variation";
    EXPECT_FALSE(listing.legs[0].variationStored);

    const Position bfi = PositionOf(listing.slots[2].waypoint->record);
    const double trueCourse = TextbookCourse(bfi.latitude, bfi.longitude, 47.0, -122.5);
    EXPECT_EQ(listing.legs[2].variation, 19);
    EXPECT_TRUE(listing.legs[2].variationStored);
    EXPECT_NEAR(listing.legs[2].course, trueCourse - 19, 1.0);
    EXPECT_NEAR(listing.totalDistance,
                listing.legs[0].distance + listing.legs[1].distance + listing.legs[2].distance,
                1e-9);

    const std::string text = ShowText(listing);
    EXPECT_NE(text.find("  30.0 NM  " + std::to_string(360 - computed) + "\u00B0M  (variation E" +
                        std::to_string(computed) + ", computed)"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("(variation E19, stored)"), std::string::npos) << text;
    EXPECT_NE(
        text.find("  2  USERS     00000002  NORTH   N47\u00B030'00\" W122\u00B030'00\"  NORTH"),
        std::string::npos)
        << text;
}

TEST_F(RouteShow, GapsAndLostRecordsAreShownAndLegsJoinTheWaypointsAround)
{
    const RouteListing listing = List({"100000108", "         ", "200000999", "100000126"});
    const std::string text = ShowText(listing);
    EXPECT_NE(text.find("  2  (empty slot)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("  3  NAVAIDS   00000999  no record with this NUM\n"), std::string::npos)
        << text;
    ASSERT_EQ(listing.legs.size(), 1u);
    EXPECT_EQ(listing.legs[0].fromSlot, 0);
    EXPECT_EQ(listing.legs[0].toSlot, 3);
    EXPECT_NE(text.find("route file " + PathOf("route.rte") + ": 3 waypoints"), std::string::npos)
        << text;
}

TEST_F(RouteShow, ConfigWithoutRouteModeFliesNoRoute)
{
    WaypointTables tables(Directory());
    const std::string text =
        ShowText(Succeeded(ListRoute(Succeeded(ReadConfigRoute(Directory())), tables)));
    EXPECT_NE(text.find("RTEMODE 0, no route is flown"), std::string::npos) << text;
    EXPECT_NE(text.find("total 0.0 NM"), std::string::npos) << text;
}

}  // namespace
