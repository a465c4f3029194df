// Rows the conversion refuses, from apt.dat, nav.dat and the CSV data set alike: each is
// reported by file and line and leaves nothing in the import files, while the rows around it
// convert.
#include "WorldDataTestSupport.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <span>

using namespace worlddata;

namespace {

using enum nav::ImportKind;

constexpr const char* DatHeader = "I\n1100 Version - rows made by the test\n\n";

// A header row of the columns that the conversion reads.
std::string HeaderRow(std::span<const std::string_view> columns)
{
    std::string row;
    for (std::string_view column : columns) {
        if (!row.empty()) row += ',';
        row += column;
    }
    return row + "\n";
}

// Input files written by a test, in a folder of their own.
struct Inputs {
    std::string Write(const char* name, const std::string& bytes)
    {
        std::string path = (folder.path / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    // The four CSV files, each its header row and the given rows.
    CsvWorldFiles Csv(const std::string& airports, const std::string& runways,
                      const std::string& navaids, const std::string& frequencies)
    {
        return {Write("airports.csv", HeaderRow(AirportsCsvColumns) + airports),
                Write("runways.csv", HeaderRow(RunwaysCsvColumns) + runways),
                Write("navaids.csv", HeaderRow(NavaidsCsvColumns) + navaids),
                Write("airport-frequencies.csv", HeaderRow(FrequenciesCsvColumns) + frequencies)};
    }
    ScratchDirectory folder;
};

// apt.dat and nav.dat of version 1100 made of the given rows, converted.
void ConvertRows(Converted& converted, Inputs& inputs, const std::string& aptRows,
                 const std::string& navRows)
{
    Convert(converted, inputs.Write("apt.dat", DatHeader + aptRows + "99\n"),
            inputs.Write("nav.dat", DatHeader + navRows + "99\n"));
    ASSERT_TRUE(converted.result.Ok()) << converted.result.Message();
}

// The lines of the input file `name` that the conversion reported, in the order reported.
std::vector<int> ReportedLines(const Converted& converted, const std::string& name)
{
    std::vector<int> lines;
    for (const std::string& problem : converted.problems) {
        std::size_t at = problem.find("/" + name + ":");
        if (at == std::string::npos) continue;
        at += name.size() + 2;
        if (at < problem.size() && std::isdigit(static_cast<unsigned char>(problem[at])))
            lines.push_back(std::stoi(problem.substr(at)));
    }
    return lines;
}

// The values of `field` in every line, in order.
std::vector<std::string> Column(nav::ImportKind kind, const std::vector<std::string>& lines,
                                const char* field)
{
    std::vector<std::string> values;
    for (const std::string& line : lines) values.push_back(Field(kind, line, field));
    return values;
}

std::string Airport(const char* ident, const char* frequencyRows = "")
{
    return std::string("1 100 0 0 ") + ident + " Test Field\n1302 datum_lat 47.5\n" +
           "1302 datum_lon -122.3\n" + frequencyRows;
}

// Overflow: a frequency that the unit's arithmetic cannot multiply is a malformed row.
TEST(ConversionRefusals, FrequenciesTooLargeToConvertAreMalformedRows)
{
    Inputs inputs;
    Converted converted;
    ConvertRows(converted, inputs,
                Airport("KAAA", "50 214748365 ATIS\n54 2147483647 TOWER\n1054 118300 TOWER\n"),
                "3 47.4 -122.3 0 214748365 130 19.0 HUG ENRT K1 HUGE VOR\n"
                "12 47.4 -122.3 0 2147483647 130 0.0 HUG ENRT K1 HUGE DME\n"
                "3 47.4 -122.3 0 11680 130 19.0 SEA ENRT K1 SEATTLE VOR\n");
    EXPECT_EQ(ReportedLines(converted, "apt.dat"), (std::vector<int>{7, 8}));
    EXPECT_EQ(ReportedLines(converted, "nav.dat"), (std::vector<int>{4, 5}));
    ASSERT_EQ(converted.airports.size(), 1u);
    EXPECT_EQ(Field(Airports, converted.airports[0], "ATIS"), "0.00");
    EXPECT_EQ(Field(Airports, converted.airports[0], "TWR"), "118.30");
    EXPECT_EQ(Column(Navaids, converted.navaids, "ID"), std::vector<std::string>{"SEA"});
}

// A frequency outside the band of its station or service (a sign, a unit, a digit wrong) is
// a malformed row; the edges of each band are taken.
TEST(ConversionRefusals, FrequenciesOutsideTheirBandAreMalformedRows)
{
    Inputs inputs;
    Converted converted;
    ConvertRows(converted, inputs,
                Airport("KAAA", "50 -21474 ATIS\n54 -11830 TOWER\n54 11795 TOWER\n"
                                "1050 136976 ATIS\n1050 108000 ATIS VIA THE VOR\n"
                                "1054 136975 TOWER\n") +
                    Airport("KBBB", "1050 107999 ATIS\n1054 118000 TOWER\n"),
                "2 47.0 -122.0 0 -350 25 0.0 N1 ENRT K1 NEGATIVE NDB\n"  // line 4
                "2 47.0 -122.0 0 99 25 0.0 N2 ENRT K1 LOW NDB\n"
                "2 47.0 -122.0 0 1800 25 0.0 N3 ENRT K1 HIGH NDB\n"
                "2 47.0 -122.0 0 100 25 0.0 N4 ENRT K1 LOWEST NDB\n"
                "2 47.0 -122.0 0 1799 25 0.0 N5 ENRT K1 HIGHEST NDB\n"
                "3 47.0 -122.0 0 10795 130 19.0 V1 ENRT K1 LOW VOR\n"  // line 9
                "3 47.0 -122.0 0 11800 130 19.0 V2 ENRT K1 HIGH VOR\n"
                "3 47.0 -122.0 0 10800 130 19.0 V3 ENRT K1 LOWEST VOR\n"
                "3 47.0 -122.0 0 11795 130 19.0 V4 ENRT K1 HIGHEST VORTAC\n"
                "13 47.0 -122.0 0 13600 40 0.0 D1 ENRT K1 HIGH DME\n"  // line 13
                "13 47.0 -122.0 0 13595 40 0.0 D2 ENRT K1 TACAN CHANNEL 16X TACAN\n"
                "4 47.5 -122.3 0 10800 18 163.0 IL1 KAAA K1 16 ILS-cat-I\n"  // line 15
                "4 47.5 -122.3 0 11200 18 343.0 IL2 KAAA K1 34 ILS-cat-I\n"
                "4 47.5 -122.3 0 10810 18 163.0 IL3 KBBB K1 16 ILS-cat-I\n"
                "5 47.5 -122.3 0 11195 18 343.0 IL4 KBBB K1 34 LOC\n");
    EXPECT_EQ(ReportedLines(converted, "apt.dat"), (std::vector<int>{7, 8, 9, 10, 16}));
    EXPECT_EQ(ReportedLines(converted, "nav.dat"), (std::vector<int>{4, 5, 6, 9, 10, 13, 15, 16}));
    EXPECT_EQ(Column(Airports, converted.airports, "ATIS"),
              (std::vector<std::string>{"108.00", "0.00"}));
    EXPECT_EQ(Column(Airports, converted.airports, "TWR"),
              (std::vector<std::string>{"136.97", "118.00"}));
    EXPECT_EQ(Column(Navaids, converted.navaids, "FREQ"),
              (std::vector<std::string>{"100", "1799", "108.00", "117.95", "135.95"}));
    EXPECT_EQ(converted.result->localizers, 0);  // the runways are not in the file

    Converted csv;
    ConvertCsv(csv, inputs.Csv("KAAA,small_airport,Test Field,47.5,-122.3,100,US,US-WA\n", "",
                               "N1,NEGATIVE,NDB,-350,47.0,-122.0,0,US\n"
                               "V1,NEGATIVE,VOR,-214748,47.0,-122.0,0,US\n"
                               "V2,HUGE,VOR,1e300,47.0,-122.0,0,US\n"
                               "D1,HIGH,DME,136000,47.0,-122.0,0,US\n"
                               "V3,FINE,VORTAC,117950,47.0,-122.0,0,US\n"
                               "T1,NONE GIVEN,TACAN,,47.0,-122.0,0,US\n",
                               "KAAA,ATIS,-21474\nKAAA,TWR,-118.3\nKAAA,ATIS,nan\n"
                               "KAAA,TWR,1e300\nKAAA,ATIS,0.-1\nKAAA,TWR,118.3\n"));
    ASSERT_TRUE(csv.result.Ok()) << csv.result.Message();
    EXPECT_EQ(ReportedLines(csv, "navaids.csv"), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(ReportedLines(csv, "airport-frequencies.csv"), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(Column(Navaids, csv.navaids, "ID"), (std::vector<std::string>{"V3", "T1"}));
    ASSERT_EQ(csv.airports.size(), 1u);
    EXPECT_EQ(Field(Airports, csv.airports[0], "ATIS"), "0.00");
    EXPECT_EQ(Field(Airports, csv.airports[0], "TWR"), "118.30");
}

// Runway and helipad lengths that no runway has (not a number, none at all, longer than any
// field) are malformed rows, given or measured between the ends.
TEST(ConversionRefusals, RunwayLengthsOutOfRangeAreMalformedRows)
{
    Inputs inputs;
    Converted converted;
    ConvertRows(converted, inputs,
                Airport("KAAA") +
                    "102 H1 47.5 -122.3 0.0 1e10 15.24 2 0 0 0.25 1\n"  // line 7
                    "102 H2 47.5 -122.3 0.0 -100 15.24 2 0 0 0.25 1\n"
                    "102 H3 47.5 -122.3 0.0 nan 15.24 2 0 0 0.25 1\n"
                    "102 H4 47.5 -122.3 0.0 15.24 15.24 2 0 0 0.25 1\n"
                    "100 30 1 0 0.25 0 0 0 16 47.5 -122.3 0 0 0 0 0 0 34 46.5 -122.3 0 0 0 0 0 0\n"
                    "100 30 1 0 0.25 0 0 0 18 47.5 -122.3 0 0 0 0 0 0 36 47.5 -122.3 0 0 0 0 0 0\n"
                    "100 30 1 0 0.25 0 0 0 09 47.5 -122.31 0 0 0 0 0 0 27 47.5 -122.29 0 0 0 0 0 "
                    "0\n",
                "");
    EXPECT_EQ(ReportedLines(converted, "apt.dat"), (std::vector<int>{7, 8, 9, 11, 12}));
    EXPECT_EQ(Column(Runways, converted.runways, "RUNWAYS"),
              (std::vector<std::string>{"H4", "09/27"}));
    EXPECT_EQ(Column(Runways, converted.runways, "LEN"), (std::vector<std::string>{"50", "4929"}));

    Converted csv;
    ConvertCsv(csv, inputs.Csv("KAAA,small_airport,Test Field,47.5,-122.3,100,US,US-WA\n",
                               "KAAA,1e10,ASP,0,0,01,,,19,,\n"
                               "KAAA,-100,ASP,0,0,02,,,20,,\n"
                               "KAAA,nan,ASP,0,0,03,,,21,,\n"
                               "KAAA,,ASP,0,0,16,47.5,-122.3,34,46.5,-122.3\n"
                               "KAAA,5000,ASP,0,0,09,,,27,,\n",
                               "", ""));
    ASSERT_TRUE(csv.result.Ok()) << csv.result.Message();
    EXPECT_EQ(ReportedLines(csv, "runways.csv"), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(Column(Runways, csv.runways, "RUNWAYS"), std::vector<std::string>{"09/27"});
}

// A byte that Windows-1252 does not print (NUL, control bytes, its five undefined bytes)
// in an identifier refuses the row: it would shift the import line's columns or reach the
// tables. In free texts such bytes become blanks.
TEST(ConversionRefusals, IdentifiersWithBytesNotPrintableInWindows1252AreRefusedByRow)
{
    using namespace std::string_literals;
    Inputs inputs;
    Converted converted;
    const std::string runway09 =
        "100 30 1 0 0.25 0 0 0 09 47.5 -122.31 0 0 0 0 0 0 27 47.5 -122.29 0 0 0 0 0 0\n";
    ConvertRows(converted, inputs,
                "1 100 0 0 K\0AB Nul Field\n1302 datum_lat 47.5\n1302 datum_lon -122.3\n"s +
                    runway09 +  // lines 4 to 7
                    Airport("K\x01"
                            "C") +  // line 8
                    Airport("KDDD") +
                    "1302 country U\x01S\n" +  // line 11
                    "100 30 1 0 0.25 0 0 0 1\x02 47.5 -122.31 0 0 0 0 0 0 19 47.5 -122.29 0 0 0 "
                    "0 0 0\n" +  // line 15
                    runway09,
                "3 47.0 -122.0 0 11680 130 19.0 S\x01"
                "A ENRT K1 CONTROL VOR\n"  // line 4
                "2 47.0 -122.0 0 362 25 0.0 N\x7F ENRT K1 DELETE NDB\n"
                "3 47.0 -122.0 0 11680 130 19.0 V\x81R ENRT K1 UNDEFINED VOR\n"
                "4 47.5 -122.3 0 11030 18 90.0 I\x1BX KDDD K1 09 ILS-cat-I\n"
                "4 47.5 -122.3 0 11030 18 270.0 IGOD KDDD K1 27 ILS-cat-I\n"
                "3 47.0 -122.0 0 11680 130 19.0 SEA ENRT K1 SEATTLE VOR\n");
    EXPECT_EQ(ReportedLines(converted, "apt.dat"), (std::vector<int>{4, 8, 15}));
    EXPECT_EQ(ReportedLines(converted, "nav.dat"), (std::vector<int>{4, 5, 6, 7}));
    EXPECT_EQ(Column(Airports, converted.airports, "ID"), std::vector<std::string>{"KDDD"});
    EXPECT_EQ(Column(Airports, converted.airports, "COUNTRY"), std::vector<std::string>{"U S"});
    EXPECT_EQ(Column(Runways, converted.runways, "RUNWAYS"), std::vector<std::string>{"09/27"});
    EXPECT_EQ(Column(Runways, converted.runways, "NAV1"), std::vector<std::string>{""});
    EXPECT_EQ(Column(Runways, converted.runways, "NAV2"), std::vector<std::string>{"IGOD"});
    EXPECT_EQ(Column(Navaids, converted.navaids, "ID"), std::vector<std::string>{"SEA"});

    Converted csv;
    ConvertCsv(csv, inputs.Csv("K\x01"
                               "B,small_airport,Control,47.5,-122.3,100,US,US-WA\n"
                               "KFIN,small_airport,Fine,47.5,-122.3,100,US,US-WA\n",
                               "KFIN,5000,ASP,0,0,0\x01"
                               "9,,,27,,\n"
                               "KFIN,5000,ASP,0,0,09,,,27,,\n",
                               "V\x81R,UNDEFINED,VOR,113000,47.0,-122.0,0,US\n"
                               "OK1,FINE,VOR,113000,47.0,-122.0,0,US\n",
                               ""));
    ASSERT_TRUE(csv.result.Ok()) << csv.result.Message();
    EXPECT_EQ(ReportedLines(csv, "airports.csv"), std::vector<int>{2});
    EXPECT_EQ(ReportedLines(csv, "runways.csv"), std::vector<int>{2});
    EXPECT_EQ(ReportedLines(csv, "navaids.csv"), std::vector<int>{2});
    EXPECT_EQ(Column(Airports, csv.airports, "ID"), std::vector<std::string>{"KFIN"});
    EXPECT_EQ(Column(Runways, csv.runways, "RUNWAYS"), std::vector<std::string>{"09/27"});
    EXPECT_EQ(Column(Navaids, csv.navaids, "ID"), std::vector<std::string>{"OK1"});
}

// "Nothing written" is true when one of the three files cannot be put in place: the others
// are not replaced either.
TEST(ConversionRefusals, ATargetThatCannotBeReplacedLeavesEveryOutputFileAsItWas)
{
    Converted converted;
    const std::filesystem::path& output = converted.output.path;
    std::ofstream(output / "AIRPORTS.GPS") << "IMPORT A\n\n\nearlier\n";
    std::ofstream(output / "RUNWAYS.GPS") << "IMPORT R\n\n\nearlier\n";
    std::filesystem::create_directory(output / "NAVAIDS.GPS");
    Convert(converted, "apt1100.dat", "nav810.dat");
    EXPECT_FALSE(converted.result.Ok());
    EXPECT_NE(converted.result.Message().find("NAVAIDS.GPS"), std::string::npos)
        << converted.result.Message();
    EXPECT_EQ(converted.airports, std::vector<std::string>{"earlier"});
    EXPECT_EQ(converted.runways, std::vector<std::string>{"earlier"});
    EXPECT_TRUE(std::filesystem::is_directory(output / "NAVAIDS.GPS"));
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(output))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"AIRPORTS.GPS", "NAVAIDS.GPS", "RUNWAYS.GPS"}));

    // A failure after the first old file was set aside: a folder where the last one would go.
    Converted late;
    const std::filesystem::path& folder = late.output.path;
    for (const char* name : {"AIRPORTS.GPS", "RUNWAYS.GPS", "NAVAIDS.GPS"})
        std::ofstream(folder / name) << "IMPORT " << name[0] << "\n\n\nearlier\n";
    std::filesystem::create_directories(folder / "NAVAIDS.GPS.old" / "taken");
    Convert(late, "apt1100.dat", "nav810.dat");
    EXPECT_FALSE(late.result.Ok());
    EXPECT_EQ(late.airports, std::vector<std::string>{"earlier"});
    EXPECT_EQ(late.runways, std::vector<std::string>{"earlier"});
    EXPECT_EQ(late.navaids, std::vector<std::string>{"earlier"});
    EXPECT_FALSE(std::filesystem::exists(folder / "AIRPORTS.GPS.old"));
}

// A plain file has nothing but its closing "99" row to show that it was read whole: without
// it a download cut short would convert silently.
TEST(ConversionRefusals, AFileWithoutItsClosingRowIsReportedAsPerhapsCutShort)
{
    Inputs inputs;
    Converted converted;
    std::string apt = inputs.Write("apt.dat", DatHeader + Airport("KAAA"));
    std::string nav =
        inputs.Write("nav.dat", std::string(DatHeader) +
                                    "3 47.0 -122.0 0 11680 130 19.0 SEA ENRT K1 SEATTLE VOR\n");
    Convert(converted, apt, nav);
    ASSERT_TRUE(converted.result.Ok()) << converted.result.Message();
    EXPECT_EQ(converted.result->airports, 1);
    EXPECT_EQ(converted.result->navaids, 1);
    EXPECT_EQ(converted.problems, (std::vector<std::string>{
                                      nav + ": no closing \"99\" row: the file may be cut short",
                                      apt + ": no closing \"99\" row: the file may be cut short"}));
}

}  // namespace
