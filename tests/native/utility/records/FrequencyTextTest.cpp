// The frequency boxes' text-to-number conversion.
#include "FieldTransfer.h"

#include <gtest/gtest.h>

using quillmap::ParseFrequency;

namespace {

TEST(FrequencyTextTest, LeadingDecimalNumberCounts)
{
    EXPECT_DOUBLE_EQ(ParseFrequency("118.50"), 118.5);
    EXPECT_DOUBLE_EQ(ParseFrequency("  121.9 MHz"), 121.9);
    EXPECT_DOUBLE_EQ(ParseFrequency("-5"), -5.0);
    EXPECT_DOUBLE_EQ(ParseFrequency("+.5x"), 0.5);
    EXPECT_DOUBLE_EQ(ParseFrequency("7."), 7.0);
    EXPECT_DOUBLE_EQ(ParseFrequency("1.5e2"), 150.0);
    EXPECT_DOUBLE_EQ(ParseFrequency("3e"), 3.0);
    EXPECT_DOUBLE_EQ(ParseFrequency("3e+x"), 3.0);
}

TEST(FrequencyTextTest, TextWithoutALeadingNumberIsZero)
{
    EXPECT_EQ(ParseFrequency(""), 0.0);
    EXPECT_EQ(ParseFrequency("   "), 0.0);
    EXPECT_EQ(ParseFrequency("none"), 0.0);
    EXPECT_EQ(ParseFrequency("."), 0.0);
    EXPECT_EQ(ParseFrequency("-"), 0.0);
    EXPECT_EQ(ParseFrequency("-.e5"), 0.0);
}

TEST(FrequencyTextTest, WordsHexadecimalAndOverflowAreZero)
{
    EXPECT_EQ(ParseFrequency("inf"), 0.0);
    EXPECT_EQ(ParseFrequency("nan"), 0.0);
    EXPECT_EQ(ParseFrequency("0x1A"), 0.0);
    EXPECT_EQ(ParseFrequency("1e999"), 0.0);
}

}  // namespace
