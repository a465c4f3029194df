#include "GeomagneticModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace magnetic;

namespace {

constexpr double AirportDate = 1997.0;

double Minutes(int degrees, int minutes)
{
    return degrees + minutes / 60.0;
}

// The declination of the last computation in degrees, at full single precision.
double RawDeclination()
{
    return geomagneticWorkspace.fieldAtDate.d * 57.29578;
}

// Outputs 8 and 9 joined into one signed angle.
double JoinedDeclination(const GeomagneticElements& e)
{
    if (e.declinationDegrees == 0) return e.declinationMinutes / 60.0;
    double sign = e.declinationDegrees < 0 ? -1.0 : 1.0;
    return e.declinationDegrees + sign * e.declinationMinutes / 60.0;
}

struct WorkedExample {
    double latitude, longitude, declination;
    int wholeDegrees;
};

TEST(GeomagneticElements, WorkedExamplesAt1997)
{
    const WorkedExample examples[] = {
        {Minutes(45, 30), -Minutes(73, 45), -15.7, -15},  // truncated toward zero, not -16
        {40.0, -105.0, 10.8, 10},
        {-Minutes(33, 54), Minutes(151, 12), 12.7, 12},
        {Minutes(51, 30), -Minutes(0, 30), -3.9, -3},
        {90.0, 0.0, -29.2, -29},
    };
    for (const WorkedExample& example : examples) {
        SCOPED_TRACE(testing::Message() << example.latitude << ", " << example.longitude);
        GeomagneticElements e{};
        ASSERT_EQ(ComputeGeomagneticElements(example.latitude, example.longitude, AirportDate, e),
                  ModelResult::Success);
        EXPECT_NEAR(RawDeclination(), example.declination, 0.05);
        EXPECT_EQ(e.declinationDegrees, example.wholeDegrees);
        EXPECT_GE(e.declinationMinutes, 0.0);
        EXPECT_LT(e.declinationMinutes, 60.0);
        EXPECT_NEAR(JoinedDeclination(e), RawDeclination(), 1e-4);
    }
}

TEST(GeomagneticElements, IntensitiesAndInclinationAgree)
{
    GeomagneticElements e{};
    ASSERT_EQ(ComputeGeomagneticElements(Minutes(45, 30), -Minutes(73, 45), AirportDate, e),
              ModelResult::Success);
    EXPECT_NEAR(e.horizontal, std::hypot(e.north, e.east), 0.05);
    EXPECT_NEAR(e.total, std::sqrt(e.horizontal * e.horizontal + e.vertical * e.vertical), 0.05);
    // Northern mid-latitudes: field points down, total intensity of the order of 55000 nT.
    EXPECT_GT(e.vertical, 0.0);
    EXPECT_GT(e.total, 45000.0);
    EXPECT_LT(e.total, 65000.0);
    double inclination = std::atan2(e.vertical, e.horizontal) * 57.29578;
    EXPECT_EQ(e.inclinationDegrees, static_cast<int>(inclination));
    EXPECT_NEAR(e.inclinationMinutes, (inclination - e.inclinationDegrees) * 60.0, 0.01);

    ASSERT_EQ(ComputeGeomagneticElements(-Minutes(33, 54), Minutes(151, 12), AirportDate, e),
              ModelResult::Success);
    EXPECT_LT(e.inclinationDegrees, 0);  // southern hemisphere: field points up
    EXPECT_GE(e.inclinationMinutes, 0.0);
}

TEST(GeomagneticElements, PolesStayFinite)
{
    for (double latitude : {90.0, -90.0}) {
        GeomagneticElements e{};
        ASSERT_EQ(ComputeGeomagneticElements(latitude, 0.0, AirportDate, e), ModelResult::Success);
        EXPECT_TRUE(std::isfinite(RawDeclination()));
        EXPECT_TRUE(std::isfinite(e.total));
        EXPECT_TRUE(std::isfinite(e.declinationChange));
        EXPECT_NE(e.declinationDegrees, UndeterminedAngleDegrees);
    }
}

TEST(GeomagneticElements, MinutesKeepTheSignBelowOneDegree)
{
    // Walk west along 30 deg N across the agonic line to find a small westerly declination.
    bool found = false;
    for (double longitude = -100.0; longitude <= -60.0 && !found; longitude += 0.25) {
        GeomagneticElements e{};
        ComputeGeomagneticElements(30.0, longitude, AirportDate, e);
        if (e.declinationDegrees == 0 && RawDeclination() < 0.0) {
            found = true;
            EXPECT_LT(e.declinationMinutes, 0.0);
            EXPECT_NEAR(e.declinationMinutes / 60.0, RawDeclination(), 1e-4);
        }
    }
    EXPECT_TRUE(found);
}

TEST(GeomagneticElements, AnnualChangesMatchAFiniteDifference)
{
    const double latitude = 47.45, longitude = -122.3;
    const double step = 0.5;
    GeomagneticElements before{}, at{}, after{};
    ComputeGeomagneticElements(latitude, longitude, AirportDate - step, before);
    double declinationBefore = RawDeclination();
    ComputeGeomagneticElements(latitude, longitude, AirportDate + step, after);
    double declinationAfter = RawDeclination();
    ComputeGeomagneticElements(latitude, longitude, AirportDate, at);

    double perYear = 1.0 / (2.0 * step);
    EXPECT_NEAR(at.declinationChange, (declinationAfter - declinationBefore) * 60.0 * perYear,
                0.05);
    EXPECT_NE(at.declinationChange, 0.0);
    EXPECT_NEAR(at.horizontalChange, (after.horizontal - before.horizontal) * perYear, 0.1);
    EXPECT_NEAR(at.northChange, (after.north - before.north) * perYear, 0.1);
    EXPECT_NEAR(at.eastChange, (after.east - before.east) * perYear, 0.1);
    EXPECT_NEAR(at.verticalChange, (after.vertical - before.vertical) * perYear, 0.1);
    EXPECT_NEAR(at.totalChange, (after.total - before.total) * perYear, 0.1);

    auto inclination = [](const GeomagneticElements& e) {
        return std::atan2(e.vertical, e.horizontal) * 57.29578 * 60.0;
    };
    EXPECT_NEAR(at.inclinationChange, (inclination(after) - inclination(before)) * perYear, 0.05);
}

TEST(FieldElements, DueSouthGivesHalfACircle)
{
    FieldResults& field = geomagneticWorkspace.fieldAtDate;
    field.x = -20000.0f;
    field.y = 0.0f;
    field.z = 40000.0f;
    ComputeFieldElements(FieldDate::Requested);
    ASSERT_TRUE(field.declinationDetermined);
    EXPECT_FLOAT_EQ(field.d * 57.29578f, 180.0f);
    EXPECT_FLOAT_EQ(field.h, 20000.0f);
}

TEST(FieldElements, VanishingIntensitiesLeaveAnglesUndetermined)
{
    FieldResults& field = geomagneticWorkspace.fieldAtDate;
    field.x = 0.0f;
    field.y = 0.00005f;
    field.z = 30000.0f;
    ComputeFieldElements(FieldDate::Requested);
    EXPECT_FALSE(field.declinationDetermined);
    EXPECT_TRUE(field.inclinationDetermined);
    EXPECT_NEAR(field.i * 57.29578f, 90.0f, 1e-4);

    field.y = 0.0f;
    field.z = 0.0f;
    ComputeFieldElements(FieldDate::Requested);
    EXPECT_FALSE(field.declinationDetermined);
    EXPECT_FALSE(field.inclinationDetermined);
}

TEST(LoadModelCoefficients, FillsTheArraysInGHOrder)
{
    ASSERT_EQ(LoadModelCoefficients(CoefficientKind::MainField, 10, CoefficientKind::MainField),
              ModelResult::Success);
    const float* main = geomagneticWorkspace.mainField;
    EXPECT_EQ(main[1], -29682.0f);  // g(1,0)
    EXPECT_EQ(main[2], -1789.0f);   // g(1,1)
    EXPECT_EQ(main[3], 5318.0f);    // h(1,1)
    EXPECT_EQ(main[4], -2197.0f);   // g(2,0)
    EXPECT_EQ(main[7], 1685.0f);    // g(2,2)
    EXPECT_EQ(main[8], -425.0f);    // h(2,2)
    EXPECT_EQ(main[120], -6.0f);    // h(10,10)

    ASSERT_EQ(LoadModelCoefficients(CoefficientKind::SecularVariation, 8,
                                    CoefficientKind::SecularVariation),
              ModelResult::Success);
    const float* rates = geomagneticWorkspace.secularVariation;
    EXPECT_EQ(rates[1], 17.6f);
    EXPECT_EQ(rates[3], -18.3f);
    EXPECT_EQ(rates[80], -0.6f);  // h-dot(8,8)

    // Columns and target arrays are chosen independently.
    ASSERT_EQ(
        LoadModelCoefficients(CoefficientKind::SecularVariation, 1, CoefficientKind::MainField),
        ModelResult::Success);
    EXPECT_EQ(main[1], 17.6f);
    EXPECT_EQ(main[4], -2197.0f);  // beyond degree 1: untouched
}

TEST(LoadModelCoefficients, RejectsATableOfTheWrongLayout)
{
    std::vector<ModelCoefficientRow> swapped(ModelCoefficientTable,
                                             ModelCoefficientTable + ModelCoefficientRowCount);
    std::swap(swapped[3], swapped[4]);
    EXPECT_EQ(
        LoadModelCoefficients(CoefficientKind::MainField, 10, CoefficientKind::MainField, swapped),
        ModelResult::TableLayoutMismatch);
    // Rows before the fault still load; degree 1 alone is unaffected.
    EXPECT_EQ(
        LoadModelCoefficients(CoefficientKind::MainField, 1, CoefficientKind::MainField, swapped),
        ModelResult::Success);

    std::vector<ModelCoefficientRow> mOnly = swapped;
    mOnly[3] = ModelCoefficientTable[3];
    mOnly[4] = ModelCoefficientTable[4];
    mOnly[10].n = 5;  // (m 1, n 4) stored as n 5
    EXPECT_EQ(
        LoadModelCoefficients(CoefficientKind::MainField, 10, CoefficientKind::MainField, mOnly),
        ModelResult::TableLayoutMismatch);

    std::span<const ModelCoefficientRow> shortTable(ModelCoefficientTable, 54);
    EXPECT_EQ(LoadModelCoefficients(CoefficientKind::MainField, 9, CoefficientKind::MainField,
                                    shortTable),
              ModelResult::Success);
    EXPECT_EQ(LoadModelCoefficients(CoefficientKind::MainField, 10, CoefficientKind::MainField,
                                    shortTable),
              ModelResult::TableLayoutMismatch);
}

TEST(ExtrapolateCoefficients, AddsRatesWhereBothModelsReach)
{
    ASSERT_EQ(LoadModelCoefficients(CoefficientKind::MainField, 10, CoefficientKind::MainField),
              ModelResult::Success);
    ASSERT_EQ(LoadModelCoefficients(CoefficientKind::SecularVariation, 8,
                                    CoefficientKind::SecularVariation),
              ModelResult::Success);
    EXPECT_EQ(ExtrapolatedDegree(10, 8), 10);
    EXPECT_EQ(ExtrapolateCoefficients(1997.0f, 1995.0f, 10, 8, FieldDate::Requested),
              ModelResult::Success);
    const float* at = geomagneticWorkspace.atDate;
    EXPECT_FLOAT_EQ(at[1], -29682.0f + 2.0f * 17.6f);
    EXPECT_FLOAT_EQ(at[80], -10.0f + 2.0f * -0.6f);
    EXPECT_EQ(at[81], 4.0f);  // g(9,0): no secular variation
    EXPECT_EQ(at[120], -6.0f);

    // A secular-variation model of higher degree contributes its rates alone.
    EXPECT_EQ(ExtrapolatedDegree(2, 3), 3);
    EXPECT_EQ(ExtrapolateCoefficients(1996.0f, 1995.0f, 2, 3, FieldDate::NextYear),
              ModelResult::Success);
    const float* next = geomagneticWorkspace.atNextYear;
    EXPECT_FLOAT_EQ(next[8], -425.0f - 8.8f);
    EXPECT_FLOAT_EQ(next[9], 1.5f);     // g-dot(3,0)
    EXPECT_FLOAT_EQ(next[15], -12.1f);  // h-dot(3,3)

    EXPECT_EQ(ExtrapolateCoefficients(1997.0f, 1995.0f, 11, 8, FieldDate::Requested),
              ModelResult::DegreeOutOfRange);
    EXPECT_EQ(ExtrapolateCoefficients(1997.0f, 1995.0f, 10, -1, FieldDate::Requested),
              ModelResult::DegreeOutOfRange);
}

TEST(GeomagneticElements, ATableOfTheWrongLayoutFailsAndLeavesTheElements)
{
    std::vector<ModelCoefficientRow> swapped(ModelCoefficientTable,
                                             ModelCoefficientTable + ModelCoefficientRowCount);
    std::swap(swapped[20], swapped[21]);
    GeomagneticElements e{};
    e.declinationDegrees = 42;
    e.total = 1.0;
    EXPECT_EQ(ComputeGeomagneticElements(40.0, -105.0, AirportDate, e, swapped),
              ModelResult::TableLayoutMismatch);
    EXPECT_EQ(e.declinationDegrees, 42);
    EXPECT_EQ(e.total, 1.0);

    // The last row, which only the main field reads, is checked too.
    std::vector<ModelCoefficientRow> lateFault(ModelCoefficientTable,
                                               ModelCoefficientTable + ModelCoefficientRowCount);
    lateFault[ModelCoefficientRowCount - 1].m = 9;
    EXPECT_EQ(ComputeGeomagneticElements(40.0, -105.0, AirportDate, e, lateFault),
              ModelResult::TableLayoutMismatch);
    EXPECT_EQ(ComputeGeomagneticElements(40.0, -105.0, AirportDate, e), ModelResult::Success);
    EXPECT_EQ(e.declinationDegrees, 10);
}

TEST(GeomagneticElements, DatesOutsideTheValidRangeAreExtrapolatedNotRefused)
{
    GeomagneticElements inside{}, outside{};
    ASSERT_EQ(ComputeGeomagneticElements(40.0, -105.0, ModelValidUntil, inside),
              ModelResult::Success);
    ASSERT_EQ(ComputeGeomagneticElements(40.0, -105.0, ModelValidUntil + 10.0, outside),
              ModelResult::Success);
    // Ten more years at the same rates: the north component, linear in the coefficients,
    // moves by ten annual changes.
    EXPECT_NE(inside.northChange, 0.0);
    EXPECT_NEAR(outside.north - inside.north, 10.0 * inside.northChange, 0.5);
}

}  // namespace
