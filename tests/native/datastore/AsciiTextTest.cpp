// The shared text rules: each name has one meaning, and bytes beyond ASCII (the tables'
// code page) pass through the case rules untouched.
#include "AsciiText.h"

#include <gtest/gtest.h>

using namespace nav;

namespace {

TEST(AsciiText, CaseChangesTheAsciiLettersOnly)
{
    EXPECT_EQ(Upper("kSea-1 z\xFCrich"), "KSEA-1 Z\xFCRICH");
    EXPECT_EQ(Lower("WAYPOINT.0 \xDC"), "waypoint.0 \xDC");
    EXPECT_TRUE(EqualIgnoringCase("Ontario", "ONTARIO"));
    EXPECT_FALSE(EqualIgnoringCase("\xFC", "\xDC"));
    EXPECT_FALSE(EqualIgnoringCase("ONTARIO", "ONTARI"));
}

TEST(AsciiText, BlanksAreSpaceAndTabWhiteSpaceAlsoTheLineControls)
{
    for (char c : {' ', '\t'}) EXPECT_TRUE(IsBlank(c) && IsWhiteSpace(c));
    for (char c : {'\n', '\r', '\v', '\f'}) EXPECT_TRUE(!IsBlank(c) && IsWhiteSpace(c));
    for (char c : {'\0', 'x', '\xA0'}) EXPECT_FALSE(IsWhiteSpace(c));
    EXPECT_TRUE(IsBlankText(""));
    EXPECT_TRUE(IsBlankText(" \t "));
    EXPECT_FALSE(IsBlankText(" \r"));
}

TEST(AsciiText, TrimmingCutsWhiteSpaceOrOnlyThePadding)
{
    EXPECT_EQ(Trimmed("\t KSEA \r\n"), "KSEA");
    EXPECT_EQ(Trimmed(" \n "), "");
    EXPECT_EQ(WithoutPadding("  12 A   "), "  12 A");
    EXPECT_EQ(WithoutPadding("A\t"), "A\t");
}

}  // namespace
