// The line reader of import files.
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
    char buffer[nav::RecordLineSize];
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
    char buffer[nav::RecordLineSize + 8];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    ImportLine line = ReadImportLine(file, std::span<char>(buffer, nav::RecordLineSize));
    EXPECT_TRUE(line.cut);
    EXPECT_EQ(line.length, nav::RecordLineSize - 1);
    EXPECT_EQ(buffer[254], 'y');
    EXPECT_EQ(buffer[255], '\0');
    EXPECT_EQ(buffer[256], '#');  // nothing written past the buffer
    EXPECT_FALSE(ReadImportLine(file, std::span<char>(buffer, nav::RecordLineSize)).cut);
    EXPECT_STREQ(buffer, "next");

    // A line of exactly the buffer's room is not cut, with or without a carriage return;
    // one character more is, and its carriage return is not stored.
    ImportFile exact(Write(std::string(79, 's') + "\n" + std::string(79, 't') + "\r\n" +
                           std::string(80, 'u') + "\r\n")
                         .c_str());
    char signature[nav::SignatureLineSize];
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
    char buffer[nav::RecordLineSize];
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
    char buffer[nav::SignatureLineSize];
    EXPECT_EQ(ReadImportLine(file, buffer).length, 0u);
}

}  // namespace
