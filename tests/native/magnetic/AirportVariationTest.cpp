// The bridge from the current AIRPORTS record to its VAR field, over the recording engine.
#include "AirportVariation.h"
#include "RecordingEngine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace magnetic;

namespace {

// 45 deg 30 min N, 73 deg 45 min W: a declination of -15.7 degrees in 1997.
void StoreMontreal()
{
    engine = RecordingEngine{};
    engine.integers = {{"LAT1", 0}, {"LAT2", 45}, {"LAT3", 30}, {"LAT4", 0},
                       {"LON1", 0}, {"LON2", 73}, {"LON3", 45}, {"LON4", 0}};
}

TEST(ComputeAirportVariation, WritesTheWholeDegreesTruncatedTowardZero)
{
    StoreMontreal();
    EXPECT_EQ(ComputeAirportVariation(), ModelResult::Success);
    EXPECT_EQ(engine.calls, std::vector<std::string>{"FieldReplace(VAR,1,-15)"});
}

TEST(ComputeAirportVariation, AFailingModelStoresNoPlausibleVariationAndSaysSo)
{
    StoreMontreal();
    std::vector<ModelCoefficientRow> swapped(ModelCoefficientTable,
                                             ModelCoefficientTable + ModelCoefficientRowCount);
    std::swap(swapped[0], swapped[1]);
    EXPECT_EQ(ComputeAirportVariation(swapped), ModelResult::TableLayoutMismatch);
    // Only VAR is written, and with the value that means "no variation known".
    EXPECT_EQ(engine.calls, std::vector<std::string>{"FieldReplace(VAR,1,999)"});
}

TEST(AirportVariationAt, GivesTheResultWithTheDegrees)
{
    AirportVariation variation = AirportVariationAt(40.0, -105.0);
    EXPECT_EQ(variation.result, ModelResult::Success);
    EXPECT_EQ(variation.degrees, 10);

    std::span<const ModelCoefficientRow> shortTable(ModelCoefficientTable, 10);
    variation = AirportVariationAt(40.0, -105.0, shortTable);
    EXPECT_EQ(variation.result, ModelResult::TableLayoutMismatch);
    EXPECT_EQ(variation.degrees, UndeterminedAngleDegrees);
}

}  // namespace
