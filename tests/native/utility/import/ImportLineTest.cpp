// The line reader and the column conversions of import files.
#include "ImportFile.h"
#include "ImportLayout.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

using namespace quillmap;

namespace {

class ImportFileTest : public testing::Test {
protected:
    std::string Write(const std::string& content)
    {
        std::ofstream(path_, std::ios::binary) << content;
        return path_.string();
    }
    ~ImportFileTest() override { std::filesystem::remove(path_); }

    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() /
        ("import-line-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".GPS");
};

TEST_F(ImportFileTest, LinesEndAtLineFeedsWithoutTheirCarriageReturns)
{
    const char content[] = "IMPORT A\r\nsecond\n\r\nmid\rdle\r\r\nnul\0led\nlast\r";
    ImportFile file(Write(std::string(content, sizeof content - 1)).c_str());
    ASSERT_TRUE(file.IsOpen());
    char buffer[RecordLineSize];
    const struct {
        const char* text;
        LineEnd end;
    } lines[] = {
        {"IMPORT A", LineEnd::CarriageReturnLineFeed},
        {"second", LineEnd::LineFeed},
        {"", LineEnd::CarriageReturnLineFeed},          // a return alone: an empty line
        {"mid\rdle", LineEnd::CarriageReturnLineFeed},  // every return at the end goes
        {"nulled", LineEnd::LineFeed},                  // a zero byte adds nothing
        {"last", LineEnd::EndOfFile},                   // the end of the file ends the last line
        {"", LineEnd::EndOfFile},                       // at the end: empty lines
        {"", LineEnd::EndOfFile},
    };
    for (const auto& expected : lines) {
        ImportLine line = ReadImportLine(file, buffer);
        EXPECT_STREQ(buffer, expected.text);
        EXPECT_EQ(line.length, std::strlen(expected.text)) << expected.text;
        EXPECT_EQ(line.end, expected.end) << expected.text;
        EXPECT_FALSE(line.cut);
    }
    EXPECT_EQ(file.BytesRead(), file.Size());
}

TEST_F(ImportFileTest, OverlongLinesAreCutAndTheirRestSkipped)
{
    std::string longLine(300, 'x');
    longLine[254] = 'y';
    longLine[255] = 'z';
    ImportFile file(Write(longLine + "\nnext\n").c_str());
    char buffer[RecordLineSize + 8];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    ImportLine line = ReadImportLine(file, std::span<char>(buffer, RecordLineSize));
    EXPECT_TRUE(line.cut);
    EXPECT_EQ(line.length, RecordLineSize - 1);
    EXPECT_EQ(buffer[254], 'y');
    EXPECT_EQ(buffer[255], '\0');
    EXPECT_EQ(buffer[256], '#');  // nothing written past the buffer
    EXPECT_FALSE(ReadImportLine(file, std::span<char>(buffer, RecordLineSize)).cut);
    EXPECT_STREQ(buffer, "next");

    // A line of exactly the buffer's room is not cut, with or without a carriage return;
    // one character more is, and its carriage return is not stored.
    ImportFile exact(Write(std::string(79, 's') + "\n" + std::string(79, 't') + "\r\n" +
                           std::string(80, 'u') + "\r\n")
                         .c_str());
    char signature[SignatureLineSize];
    for (char letter : {'s', 't', 'u'}) {
        ImportLine line = ReadImportLine(exact, signature);
        EXPECT_EQ(line.cut, letter == 'u');
        EXPECT_EQ(std::string(signature), std::string(79, letter));
    }
}

TEST_F(ImportFileTest, BuffersSpanChunkBoundaries)
{
    std::string content;
    for (int i = 0; i < 5000; ++i) content += std::to_string(i) + std::string(40, '.') + "\n";
    ImportFile file(Write(content).c_str());
    char buffer[RecordLineSize];
    for (int i = 0; i < 5000; ++i) {
        ReadImportLine(file, buffer);
        ASSERT_EQ(std::string(buffer), std::to_string(i) + std::string(40, '.'));
    }
    EXPECT_EQ(file.LinesRead(), 5000);
}

TEST(ImportFile, MissingFileIsNotOpenAndReadsEmpty)
{
    ImportFile file("/nonexistent/folder/AIRPORTS.GPS");
    EXPECT_FALSE(file.IsOpen());
    char buffer[SignatureLineSize];
    EXPECT_EQ(ReadImportLine(file, buffer).length, 0u);
}

TEST(ImportSignature, KindAtTheEighthCharacter)
{
    EXPECT_EQ(ImportKindOfSignature("IMPORT A"), ImportKind::Airports);
    EXPECT_EQ(ImportKindOfSignature("IMPORT R\r"), ImportKind::Runways);
    EXPECT_EQ(ImportKindOfSignature("IMPORT N anything"), ImportKind::Navaids);
    EXPECT_EQ(ImportKindOfSignature("IMPORTxA"), ImportKind::Airports);
    EXPECT_EQ(ImportKindOfSignature("IMPORT X"), ImportKind::Unrecognised);
    EXPECT_EQ(ImportKindOfSignature("IMPORT a"), ImportKind::Unrecognised);
    EXPECT_EQ(ImportKindOfSignature("IMPORT"), ImportKind::Unrecognised);
    EXPECT_EQ(ImportKindOfSignature("IMPORTED A"), ImportKind::Unrecognised);
    EXPECT_EQ(ImportKindOfSignature("import A"), ImportKind::NotImportFile);
    EXPECT_EQ(ImportKindOfSignature(" IMPORT A"), ImportKind::NotImportFile);
    EXPECT_EQ(ImportKindOfSignature(""), ImportKind::NotImportFile);
}

TEST(ImportColumns, NumbersAsTheImportReadsThem)
{
    EXPECT_EQ(ParseImportInteger(" 15"), 15);
    EXPECT_EQ(ParseImportInteger("-15"), -15);
    EXPECT_EQ(ParseImportInteger("+7"), 7);
    EXPECT_EQ(ParseImportInteger("  705"), 705);
    EXPECT_EQ(ParseImportInteger("12ab"), 12);
    EXPECT_EQ(ParseImportInteger("A  "), 0);
    EXPECT_EQ(ParseImportInteger(""), 0);
    EXPECT_EQ(ParseImportInteger("- 3"), 0);
    EXPECT_EQ(ParseImportInteger("99999999999999"), INT32_MAX);

    EXPECT_DOUBLE_EQ(ParseImportReal("118.30"), 118.30);
    EXPECT_DOUBLE_EQ(ParseImportReal("  0.00"), 0.0);
    EXPECT_DOUBLE_EQ(ParseImportReal(" 121.9"), 121.9);
    EXPECT_DOUBLE_EQ(ParseImportReal("-1.5x"), -1.5);
    EXPECT_DOUBLE_EQ(ParseImportReal("  .25"), 0.25);
    EXPECT_DOUBLE_EQ(ParseImportReal("   "), 0.0);
}

TEST(ImportColumns, ColumnsBeyondAShortLineReadEmpty)
{
    const ImportColumn alt{"ALT", 70, 5, ColumnConversion::Integer};
    const ImportColumn name{"NAME", 15, 0, ColumnConversion::Text};
    std::string line = "00000001 02OR  Rowena Dell";
    EXPECT_EQ(ColumnText(line, alt), "");
    EXPECT_EQ(ColumnText(line, name), "Rowena Dell");
    std::string partial = std::string(70, ' ') + "70";
    EXPECT_EQ(ColumnText(partial, alt), "70");
    EXPECT_EQ(ColumnText("0001", {"NUM", 0, 8, ColumnConversion::Key}), "0001");
}

TEST(ImportColumns, LayoutsKeepEveryColumnApart)
{
    // The airport's VAR is written after the position it is computed from.
    auto airports = ImportColumns(ImportKind::Airports);
    ASSERT_EQ(airports.size(), 17u);
    EXPECT_STREQ(airports[13].field, "LON4");
    EXPECT_STREQ(airports[14].field, "VAR");
    EXPECT_EQ(airports[14].offset, 76u);
    EXPECT_EQ(ImportColumns(ImportKind::Navaids).size(), 14u);
    EXPECT_EQ(ImportColumns(ImportKind::Runways).size(), 11u);
    for (ImportKind kind : {ImportKind::Airports, ImportKind::Navaids, ImportKind::Runways}) {
        for (const ImportColumn& column : ImportColumns(kind)) {
            for (const ImportColumn& other : ImportColumns(kind)) {
                if (&column == &other || column.width == 0 || other.width == 0) continue;
                bool apart = column.offset + column.width <= other.offset ||
                             other.offset + other.width <= column.offset;
                EXPECT_TRUE(apart) << column.field << " and " << other.field;
            }
        }
    }
}

}  // namespace
