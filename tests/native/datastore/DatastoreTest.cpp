// The navigation table definitions, path forms and coordinate conversions.
#include "Coordinates.h"
#include "NavigationTables.h"

#include <gtest/gtest.h>

#include <cstring>

using nav::PathForm;

TEST(PathForms, MissingSettingGivesEachReaderItsDefaultDirectory) {
    EXPECT_EQ(nav::tablePath(PathForm::Editors, nav::defaultDirectory(PathForm::Editors), "AIRPORTS"),
              "C:\\FS6\\GPS\\DATA\\\\AIRPORTS.DBF");
    EXPECT_EQ(nav::tablePath(PathForm::Import, nav::defaultDirectory(PathForm::Import), "AIRPORTS"), "AIRPORTS.DBF");
    EXPECT_EQ(nav::tablePath(PathForm::Rebuild, nav::defaultDirectory(PathForm::Rebuild), "RUNWAYS"), "RUNWAYS.DBF");
    EXPECT_EQ(nav::tablePath(PathForm::Gauge, nav::defaultDirectory(PathForm::Gauge), "CONFIG"),
              "C:\\FS98\\GPSDATA\\\\CONFIG.DBF");
}

TEST(PathForms, ImportAndRebuildJoinTheDirectoryDirectly) {
    EXPECT_EQ(nav::tablePath(PathForm::Import, "D:\\NAV\\", "NAVAIDS"), "D:\\NAV\\NAVAIDS.DBF");
    EXPECT_EQ(nav::tablePath(PathForm::Editors, "D:\\NAV\\", "USERS"), "D:\\NAV\\\\USERS.DBF");
}

TEST(TableDefinitions, WaypointTablesShareKeysAndPositionFields) {
    for (const nav::TableDefinition* table : {&nav::airportsTable, &nav::navaidsTable, &nav::usersTable}) {
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
    ASSERT_EQ(nav::runwaysTable.tags.size(), 1u);
    EXPECT_STREQ(nav::runwaysTable.tags[0].name, "NUM");
    EXPECT_TRUE(nav::configTable.tags.empty());
}

TEST(TableDefinitions, ConfigHoldsTheWholeRoute) {
    const nav::FieldDefinition& last = nav::configTable.fields.back();
    EXPECT_STREQ(last.name, "RTEWPTS");
    EXPECT_EQ(last.width, 270);
    EXPECT_EQ(nav::findTableDefinition("config"), &nav::configTable);
    EXPECT_EQ(nav::findTableDefinition("CONFIGX"), nullptr);
    EXPECT_EQ(nav::findTableDefinition("CONF"), nullptr);
}

TEST(Coordinates, SouthLatitudeIsNegativeInBothConventions) {
    nav::StoredCoordinate c {1, 45, 30, 0};
    EXPECT_DOUBLE_EQ(nav::gaugeDegrees(c), -45.5);
    EXPECT_DOUBLE_EQ(nav::utilityLatitude(c), -45.5);
}

TEST(Coordinates, WestLongitudeIsPositiveForTheGaugeNegativeForTheModel) {
    nav::StoredCoordinate c {0, 73, 30, 0};
    EXPECT_DOUBLE_EQ(nav::gaugeDegrees(c), 73.5);
    EXPECT_DOUBLE_EQ(nav::utilityLongitude(c), -73.5);
    nav::StoredCoordinate east {1, 73, 30, 0};
    EXPECT_DOUBLE_EQ(nav::gaugeDegrees(east), -73.5);
    EXPECT_DOUBLE_EQ(nav::utilityLongitude(east), 73.5);
}

TEST(Coordinates, GaugeUsesItsConstantsTheModelRealDivision) {
    nav::StoredCoordinate c {0, 12, 34, 56};
    EXPECT_EQ(nav::gaugeDegrees(c), 56 * 0.0002777777777777778 + 34 * 0.016666666666666666 + 12);
    EXPECT_EQ(nav::utilityLatitude(c), 56 / 3600.0 + 34 / 60.0 + 12);
    // Any non-zero hemisphere index is south or east.
    EXPECT_LT(nav::utilityLatitude({2, 1, 0, 0}), 0);
    EXPECT_EQ(nav::latitudeHemisphereLetter(2), 'S');
    EXPECT_EQ(nav::longitudeHemisphereLetter(0), 'W');
}

TEST(Coordinates, SignedDegreesAreStoredToTheNearestSecondInTheirHemisphere) {
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
    nav::StoredCoordinate c = nav::StoredFromDegrees(nav::utilityLongitude({1, 174, 47, 10}), nav::Axis::Longitude);
    EXPECT_EQ(nav::utilityLongitude(c), nav::utilityLongitude({1, 174, 47, 10}));
}
