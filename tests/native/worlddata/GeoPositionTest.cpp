// Degrees to the tables' hemisphere, degrees, minutes and seconds; runway lengths and
// midpoints along the great circle; names into the tables' code page.
#include "GeoPosition.h"
#include "TextEncoding.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace worlddata;

void ExpectAngle(const StoredAngle& angle, int hemisphere, int degrees, int minutes, int seconds)
{
    EXPECT_EQ(angle.hemisphere, hemisphere);
    EXPECT_EQ(angle.degrees, degrees);
    EXPECT_EQ(angle.minutes, minutes);
    EXPECT_EQ(angle.seconds, seconds);
}

TEST(StoredAngle, HemispheresAndRoundedSecondsWithSixtyCarried)
{
    ExpectAngle(StoredLatitude(47.5), 0, 47, 30, 0);
    ExpectAngle(StoredLatitude(-33.9461), 1, 33, 56, 46);     // 45.96" rounds up
    ExpectAngle(StoredLongitude(-122.3118), 0, 122, 18, 42);  // west is code 0
    ExpectAngle(StoredLongitude(151.1772), 1, 151, 10, 38);   // east is code 1
    // 59.64 seconds round to 60: carried into the minutes and on into the degrees.
    ExpectAngle(StoredLatitude(45.9999), 0, 46, 0, 0);
    ExpectAngle(StoredLongitude(-8.999999), 0, 9, 0, 0);
    ExpectAngle(StoredLatitude(12.0 + 29.0 / 60 + 59.7 / 3600), 0, 12, 30, 0);
    ExpectAngle(StoredLongitude(-180), 0, 180, 0, 0);
}

TEST(GreatCircle, RunwayLengthsAndMidpoints)
{
    // 0.03 degrees of latitude on the Earth's mean radius (6371008.8 m): 3335.85 m.
    EXPECT_NEAR(GreatCircleFeet({47.4638, -122.308}, {47.4338, -122.308}), 10944.4, 0.1);
    // Along a parallel the distance shrinks with the cosine of the latitude.
    EXPECT_NEAR(GreatCircleFeet({60, 10}, {60, 10.06}), 10944.4, 1.0);

    GeoPosition middle = GreatCircleMidpoint({47.4, -122.3}, {47.5, -122.3});
    EXPECT_NEAR(middle.latitude, 47.45, 1e-9);
    EXPECT_NEAR(middle.longitude, -122.3, 1e-9);
    // A runway across the 180th meridian has its middle there, not at longitude 0.
    middle = GreatCircleMidpoint({-16.7, 179.99}, {-16.7, -179.99});
    EXPECT_NEAR(std::fabs(middle.longitude), 180, 1e-6);
    EXPECT_NEAR(middle.latitude, -16.7, 1e-4);
}

TEST(TextEncoding, Utf8NamesInWindows1252AndOtherBytesKept)
{
    EXPECT_EQ(ToWindows1252("S\xC3\xA3o Paulo\xE2\x80\x93Guarulhos"), "S\xE3o Paulo\x96Guarulhos");
    EXPECT_EQ(ToWindows1252("\xE4\xB8\x8A"
                            "Hai"),
              "?Hai");                                             // no such character
    EXPECT_EQ(ToWindows1252("Z\xFCrich \xC3"), "Z\xFCrich \xC3");  // already 8-bit, cut sequence
    EXPECT_EQ(ToWindows1252("Tab\there\x01"), "Tab here ");
}

}  // namespace
