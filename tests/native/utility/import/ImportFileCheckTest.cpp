// navdb check's validation: planted faults are found by line number, good files pass.
#include "ImportFileCheck.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace quillmap;

namespace {

const std::string GoodAirport = "00000001 02OR  Rowena Dell                                        "
                                "      705 A   0 45 40 53 0 121 18 59   0.00   0.00";
const std::string GoodNavaid = "00000002 AST   ASTORIA VOR-DME                               0 46 "
                               "09 42 0 123 52 49    10 114.00 VORDME";

std::string WithColumn(std::string line, std::size_t offset, const std::string& text)
{
    return line.replace(offset, text.size(), text);
}

class CheckTest : public testing::Test {
protected:
    ImportFileCheckReport Check(const std::string& content)
    {
        std::ofstream(path_, std::ios::binary) << content;
        ImportFile file(path_.string().c_str());
        return CheckImportFile(file);
    }
    ~CheckTest() override { std::filesystem::remove(path_); }

    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() /
        (std::string("import-check-") +
         ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".GPS");
};

std::string Messages(const ImportFileCheckReport& report)
{
    std::string all;
    for (const ImportFileProblem& problem : report.problems)
        all += std::to_string(problem.line) + ": " + problem.message + "\n";
    return all;
}

TEST_F(CheckTest, SampleFilesHaveNoProblems)
{
    const char* source = std::getenv("QUILLMAP_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    for (const char* name : {"AIRPORTS.GPS", "RUNWAYS.GPS", "NAVAIDS.GPS"}) {
        ImportFile file((std::string(source) + "/data/sample/" + name).c_str());
        ASSERT_TRUE(file.IsOpen()) << name;
        ImportFileCheckReport report = CheckImportFile(file);
        EXPECT_TRUE(report.problems.empty()) << name << "\n" << Messages(report);
        EXPECT_GT(report.recordLines, 30) << name;
    }
}

TEST_F(CheckTest, PlantedAirportFaultsAreFoundByLineNumber)
{
    std::string file = "IMPORT A\nfree\nfree\n" + GoodAirport +
                       "\r\n"                                         // 4: carriage return is fine
                       + WithColumn(GoodAirport, 80, "2") + "\n"      // 5: hemisphere
                       + WithColumn(GoodAirport, 93, "181") + "\n"    // 6: longitude degrees
                       + WithColumn(GoodAirport, 85, "60") + "\n"     // 7: minutes
                       + WithColumn(GoodAirport, 100, "75") + "\n"    // 8: seconds
                       + WithColumn(GoodAirport, 70, "  7x5") + "\n"  // 9: ALT not a number
                       + GoodAirport.substr(0, 100) + "\n"            // 10: short line
                       + WithColumn(GoodAirport, 76, "-15") + "\n"    // 11: fine
                       + WithColumn(GoodAirport, 103, "1x8.30") + "\n"  // 12: ATIS not a number
                       + GoodAirport + std::string(200, ' ') + "\n"     // 13: overlong
                       + WithColumn(GoodAirport, 82, "91") + "\n"       // 14: latitude degrees
                       + "\n" + GoodAirport + "\n";                     // 15 ends; 16 ignored
    ImportFileCheckReport report = Check(file);
    EXPECT_EQ(report.kind, nav::ImportKind::Airports);
    EXPECT_EQ(report.recordLines, 11);
    std::string messages = Messages(report);
    EXPECT_EQ(messages, "5: LAT1 hemisphere code 2 is not 0 or 1\n"
                        "6: LON2 degrees 181 is not 0 to 180\n"
                        "7: LAT3 minutes 60 is not 0 to 59\n"
                        "8: LON4 seconds 75 is not 0 to 59\n"
                        "9: ALT \"  7x5\" is not a number\n"
                        "10: short line: 100 characters, the columns need 116\n"
                        "12: ATIS \"1x8.30\" is not a number\n"
                        "13: line longer than 255 characters: the rest is not imported\n"
                        "14: LAT2 degrees 91 is not 0 to 90\n"
                        "15: empty line ends the records: 1 further lines are not imported\n");
}

TEST_F(CheckTest, NavaidAndRunwayColumns)
{
    ImportFileCheckReport navaids =
        Check("IMPORT N\n\n\n" + GoodNavaid + "\n" + WithColumn(GoodNavaid, 72, "5") + "\n" +
              WithColumn(GoodNavaid, 84, "     ") + "\n");
    EXPECT_EQ(Messages(navaids), "5: LON1 hemisphere code 5 is not 0 or 1\n"
                                 "6: ALT \"     \" is not a number\n");

    ImportFileCheckReport runways =
        Check("IMPORT R\n\n\n00000001 09/27             2001      GRASS\n"
              "00000001\n");
    EXPECT_EQ(Messages(runways), "5: short line: 8 characters, the columns need 10\n");
}

TEST_F(CheckTest, LineEndsAreCountedAndAReturnAloneEndsTheRecords)
{
    ImportFileCheckReport windows =
        Check("IMPORT A\r\nfree\r\nfree\r\n" + GoodAirport + "\r\n\r\nnotes\r\n");
    EXPECT_EQ(windows.recordLines, 1);
    EXPECT_EQ(Messages(windows),
              "5: empty line ends the records: 1 further lines are not imported\n");
    EXPECT_EQ(windows.carriageReturnLineFeeds, 6);
    EXPECT_STREQ(LineEndsName(windows), "CR LF");

    ImportFileCheckReport lineFeedsOnly = Check("IMPORT A\n\n\n" + GoodAirport + "\n");
    EXPECT_EQ(lineFeedsOnly.lineFeeds, 4);
    EXPECT_STREQ(LineEndsName(lineFeedsOnly), "LF");
    EXPECT_STREQ(LineEndsName(Check("IMPORT A\r\n\n\n" + GoodAirport)), "mixed CR LF and LF");
    EXPECT_STREQ(LineEndsName(Check("IMPORT A")), "none");
}

TEST_F(CheckTest, SignatureProblems)
{
    EXPECT_EQ(Messages(Check("")), "1: not an import file: line 1 does not begin with IMPORT\n");
    EXPECT_EQ(Messages(Check("EXPORT A\n")),
              "1: not an import file: line 1 does not begin with IMPORT\n");
    ImportFileCheckReport unknown = Check("IMPORT Q\n\n\n" + GoodAirport + "\n");
    EXPECT_EQ(unknown.kind, nav::ImportKind::Unrecognised);
    EXPECT_EQ(Messages(unknown),
              "1: the kind at column 8 is none of A, R, N: nothing is imported\n");
}

}  // namespace
