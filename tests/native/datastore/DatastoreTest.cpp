// The navigation table definitions, path forms and coordinate conversions.
#include "Coordinates.h"
#include "NavigationTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using nav::PathForm;

TEST(PathForms, MissingSettingGivesEachReaderItsDefaultDirectory)
{
    EXPECT_EQ(
        nav::TablePath(PathForm::Editors, nav::DefaultDirectory(PathForm::Editors), "AIRPORTS"),
        "C:\\FS6\\GPS\\DATA\\\\AIRPORTS.DBF");
    EXPECT_EQ(nav::TablePath(PathForm::Import, nav::DefaultDirectory(PathForm::Import), "AIRPORTS"),
              "AIRPORTS.DBF");
    EXPECT_EQ(
        nav::TablePath(PathForm::Rebuild, nav::DefaultDirectory(PathForm::Rebuild), "RUNWAYS"),
        "RUNWAYS.DBF");
    EXPECT_EQ(nav::TablePath(PathForm::Gauge, nav::DefaultDirectory(PathForm::Gauge), "CONFIG"),
              "C:\\FS98\\GPSDATA\\\\CONFIG.DBF");
}

TEST(PathForms, ImportAndRebuildJoinTheDirectoryDirectly)
{
    EXPECT_EQ(nav::TablePath(PathForm::Import, "D:\\NAV\\", "NAVAIDS"), "D:\\NAV\\NAVAIDS.DBF");
    EXPECT_EQ(nav::TablePath(PathForm::Editors, "D:\\NAV\\", "USERS"), "D:\\NAV\\\\USERS.DBF");
}

TEST(PathForms, PreferencesStoresTheDirectoryWithItsClosingBackslash)
{
    const std::string stored = nav::DataDirectoryAsStored("C:\\FS98\\GPSDATA");
    EXPECT_EQ(stored, "C:\\FS98\\GPSDATA\\");
    EXPECT_EQ(nav::TablePath(PathForm::Rebuild, stored.c_str(), "AIRPORTS"),
              "C:\\FS98\\GPSDATA\\AIRPORTS.DBF");
    EXPECT_EQ(nav::TablePath(PathForm::Editors, stored.c_str(), "USERS"),
              "C:\\FS98\\GPSDATA\\\\USERS.DBF");
    // Nothing else changes: blanks stay, a closing separator of either kind is kept, and
    // an empty value still means the current directory to import and rebuild.
    EXPECT_EQ(nav::DataDirectoryAsStored(" D:\\NAV "), " D:\\NAV \\");
    for (const char* kept : {"C:\\FS98\\GPSDATA\\", " D:\\NAV\\", "Z:/tmp/navdata/", ""})
        EXPECT_EQ(nav::DataDirectoryAsStored(kept), kept);
}

TEST(TableDefinitions, WaypointTablesShareKeysAndPositionFields)
{
    for (const nav::TableDefinition* table :
         {&nav::AirportsTable, &nav::NavaidsTable, &nav::UsersTable}) {
        ASSERT_GE(table->fields.size(), 11u) << table->name;
        EXPECT_STREQ(table->fields[0].name, "NUM");
        EXPECT_EQ(table->fields[0].width, 8);
        EXPECT_STREQ(table->fields[1].name, "ID");
        EXPECT_EQ(table->fields[1].width, 6);
        ASSERT_EQ(table->tags.size(), 3u);
        EXPECT_STREQ(table->tags[2].expression, "UPPER(NAME)");
        int position = 0;
        for (const nav::FieldDefinition& f : table->fields)
            if (!std::strncmp(f.name, "LAT", 3) || !std::strncmp(f.name, "LON", 3)) ++position;
        EXPECT_EQ(position, 8) << table->name;
    }
    ASSERT_EQ(nav::RunwaysTable.tags.size(), 1u);
    EXPECT_STREQ(nav::RunwaysTable.tags[0].name, "NUM");
    EXPECT_TRUE(nav::ConfigTable.tags.empty());
}

TEST(TableDefinitions, ConfigHoldsTheWholeRoute)
{
    const nav::FieldDefinition& last = nav::ConfigTable.fields.back();
    EXPECT_STREQ(last.name, "RTEWPTS");
    EXPECT_EQ(last.width, 270);
    EXPECT_EQ(nav::FindTableDefinition("config"), &nav::ConfigTable);
    EXPECT_EQ(nav::FindTableDefinition("CONFIGX"), nullptr);
    EXPECT_EQ(nav::FindTableDefinition("CONF"), nullptr);
}

TEST(Coordinates, SouthLatitudeIsNegativeForTheModel)
{
    nav::StoredCoordinate c{1, 45, 30, 0};
    EXPECT_DOUBLE_EQ(nav::UtilityLatitude(c), -45.5);
}

TEST(Coordinates, WestLongitudeIsNegativeForTheModel)
{
    nav::StoredCoordinate c{0, 73, 30, 0};
    EXPECT_DOUBLE_EQ(nav::UtilityLongitude(c), -73.5);
    nav::StoredCoordinate east{1, 73, 30, 0};
    EXPECT_DOUBLE_EQ(nav::UtilityLongitude(east), 73.5);
}

TEST(Coordinates, TheModelDividesSecondsAndMinutes)
{
    nav::StoredCoordinate c{0, 12, 34, 56};
    EXPECT_EQ(nav::UtilityLatitude(c), 56 / 3600.0 + 34 / 60.0 + 12);
}

TEST(Coordinates, IndexesOutsideZeroAndOneAsEachFunctionReadsThem)
{
    // A latitude is south only for an index above 0.
    EXPECT_LT(nav::UtilityLatitude({2, 1, 0, 0}), 0);
    EXPECT_GT(nav::UtilityLatitude({-1, 1, 0, 0}), 0);
    // A longitude is west only for index 0.
    EXPECT_GT(nav::UtilityLongitude({2, 1, 0, 0}), 0);
    EXPECT_GT(nav::UtilityLongitude({-1, 1, 0, 0}), 0);
    // The letters: the first for 0, the second for any other index.
    EXPECT_EQ(nav::LatitudeHemisphereLetter(0), 'N');
    EXPECT_EQ(nav::LatitudeHemisphereLetter(2), 'S');
    EXPECT_EQ(nav::LatitudeHemisphereLetter(-1), 'S');
    EXPECT_EQ(nav::LongitudeHemisphereLetter(0), 'W');
    EXPECT_EQ(nav::LongitudeHemisphereLetter(1), 'E');
    EXPECT_EQ(nav::LongitudeHemisphereLetter(-1), 'E');
}

TEST(Coordinates, SignedDegreesAreStoredToTheNearestSecondInTheirHemisphere)
{
    const auto expectStored = [](double degrees, nav::Axis axis, nav::StoredCoordinate expected) {
        nav::StoredCoordinate c = nav::StoredFromDegrees(degrees, axis);
        EXPECT_EQ(c.hemisphere, expected.hemisphere) << degrees;
        EXPECT_EQ(c.degrees, expected.degrees) << degrees;
        EXPECT_EQ(c.minutes, expected.minutes) << degrees;
        EXPECT_EQ(c.seconds, expected.seconds) << degrees;
    };
    expectStored(-45.5, nav::Axis::Latitude, {1, 45, 30, 0});
    expectStored(-73.5, nav::Axis::Longitude, {0, 73, 30, 0});
    expectStored(151.16722, nav::Axis::Longitude, {1, 151, 10, 2});
    // 59.9 seconds round up into the next minute and degree.
    expectStored(47.0 + 59 / 60.0 + 59.9 / 3600.0, nav::Axis::Latitude, {0, 48, 0, 0});
    // Less than half a second south or east is stored as north or west.
    expectStored(-0.0001, nav::Axis::Latitude, {0, 0, 0, 0});
    expectStored(0.0001, nav::Axis::Longitude, {0, 0, 0, 0});
    // Back through the model's conversion, a stored second comes out as it went in.
    nav::StoredCoordinate c =
        nav::StoredFromDegrees(nav::UtilityLongitude({1, 174, 47, 10}), nav::Axis::Longitude);
    EXPECT_EQ(nav::UtilityLongitude(c), nav::UtilityLongitude({1, 174, 47, 10}));
}
