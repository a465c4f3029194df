// The layout of import files: the kind named by the signature line, the record columns and
// the conversion of their characters.
#include "ImportLayout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

TEST(ImportSignature, KindAtTheEighthCharacter)
{
    EXPECT_EQ(nav::ImportKindOfSignature("IMPORT A"), nav::ImportKind::Airports);
    EXPECT_EQ(nav::ImportKindOfSignature("IMPORT R\r"), nav::ImportKind::Runways);
    EXPECT_EQ(nav::ImportKindOfSignature("IMPORT N anything"), nav::ImportKind::Navaids);
    EXPECT_EQ(nav::ImportKindOfSignature("IMPORTxA"), nav::ImportKind::Airports);
    EXPECT_EQ(nav::ImportKindOfSignature("IMPORT X"), nav::ImportKind::Unrecognised);
    EXPECT_EQ(nav::ImportKindOfSignature("IMPORT a"), nav::ImportKind::Unrecognised);
    EXPECT_EQ(nav::ImportKindOfSignature("IMPORT"), nav::ImportKind::Unrecognised);
    EXPECT_EQ(nav::ImportKindOfSignature("IMPORTED A"), nav::ImportKind::Unrecognised);
    EXPECT_EQ(nav::ImportKindOfSignature("import A"), nav::ImportKind::NotImportFile);
    EXPECT_EQ(nav::ImportKindOfSignature(" IMPORT A"), nav::ImportKind::NotImportFile);
    EXPECT_EQ(nav::ImportKindOfSignature(""), nav::ImportKind::NotImportFile);
}

TEST(ImportColumns, NumbersAsTheImportReadsThem)
{
    EXPECT_EQ(nav::ParseImportInteger(" 15"), 15);
    EXPECT_EQ(nav::ParseImportInteger("-15"), -15);
    EXPECT_EQ(nav::ParseImportInteger("+7"), 7);
    EXPECT_EQ(nav::ParseImportInteger("  705"), 705);
    EXPECT_EQ(nav::ParseImportInteger("12ab"), 12);
    EXPECT_EQ(nav::ParseImportInteger("A  "), 0);
    EXPECT_EQ(nav::ParseImportInteger(""), 0);
    EXPECT_EQ(nav::ParseImportInteger("- 3"), 0);
    EXPECT_EQ(nav::ParseImportInteger("99999999999999"), INT32_MAX);

    EXPECT_DOUBLE_EQ(nav::ParseImportReal("118.30"), 118.30);
    EXPECT_DOUBLE_EQ(nav::ParseImportReal("  0.00"), 0.0);
    EXPECT_DOUBLE_EQ(nav::ParseImportReal(" 121.9"), 121.9);
    EXPECT_DOUBLE_EQ(nav::ParseImportReal("-1.5x"), -1.5);
    EXPECT_DOUBLE_EQ(nav::ParseImportReal("  .25"), 0.25);
    EXPECT_DOUBLE_EQ(nav::ParseImportReal("   "), 0.0);
}

TEST(ImportColumns, ColumnsBeyondAShortLineReadEmpty)
{
    const nav::ImportColumn alt{"ALT", 70, 5, nav::ColumnConversion::Integer};
    const nav::ImportColumn name{"NAME", 15, 0, nav::ColumnConversion::Text};
    std::string line = "00000001 02OR  Rowena Dell";
    EXPECT_EQ(nav::ColumnText(line, alt), "");
    EXPECT_EQ(nav::ColumnText(line, name), "Rowena Dell");
    std::string partial = std::string(70, ' ') + "70";
    EXPECT_EQ(nav::ColumnText(partial, alt), "70");
    EXPECT_EQ(nav::ColumnText("0001", {"NUM", 0, 8, nav::ColumnConversion::Key}), "0001");
}

TEST(ImportColumns, LayoutsKeepEveryColumnApart)
{
    // The airport's VAR is written after the position it is computed from.
    auto airports = nav::ImportColumns(nav::ImportKind::Airports);
    ASSERT_EQ(airports.size(), 17u);
    EXPECT_STREQ(airports[13].field, "LON4");
    EXPECT_STREQ(airports[14].field, "VAR");
    EXPECT_EQ(airports[14].offset, 76u);
    EXPECT_EQ(nav::ImportColumns(nav::ImportKind::Navaids).size(), 14u);
    EXPECT_EQ(nav::ImportColumns(nav::ImportKind::Runways).size(), 11u);
    for (nav::ImportKind kind :
         {nav::ImportKind::Airports, nav::ImportKind::Navaids, nav::ImportKind::Runways}) {
        for (const nav::ImportColumn& column : nav::ImportColumns(kind)) {
            for (const nav::ImportColumn& other : nav::ImportColumns(kind)) {
                if (&column == &other || column.width == 0 || other.width == 0) continue;
                bool apart = column.offset + column.width <= other.offset ||
                             other.offset + other.width <= column.offset;
                EXPECT_TRUE(apart) << column.field << " and " << other.field;
            }
        }
    }
}

}  // namespace
