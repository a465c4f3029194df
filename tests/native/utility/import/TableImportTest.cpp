// The import into real tables: merge by key, runway replacement, computed variation, and
// the line rules of the record section.
#include "EngineTestSupport.h"
#include "TableImport.h"
#include "TableRebuild.h"

#include <fstream>
#include <map>

using namespace quillmap;

namespace {

// Airport line in the import columns.
struct AirportLine {
    std::string num = "00000001", id = "KSEA", name = "Seattle Tacoma Intl", country = "US",
                state = "WA";
    std::string alt = "  433", var = "A  ";
    std::string position = "0 47 26 51 0 122 18 28";
    std::string atis = "118.00", twr = "119.90";

    std::string Text() const
    {
        std::string line(116, ' ');
        auto put = [&line](std::size_t offset, const std::string& text) {
            line.replace(offset, text.size(), text);
        };
        put(0, num);
        put(9, id);
        put(15, name);
        put(61, country);
        put(65, state);
        put(70, alt);
        put(76, var);
        put(80, position);
        put(103, atis);
        put(110, twr);
        return line;
    }
};

std::string RunwayLine(const std::string& num, const std::string& designator,
                       const std::string& length = "8000", const std::string& surface = "ASPH")
{
    std::string line = num;
    line.resize(9, ' ');
    line += designator;
    line.resize(27, ' ');
    line += length;
    line.resize(37, ' ');
    return line + surface;
}

class TableImportTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        for (const nav::TableDefinition* table :
             {&nav::AirportsTable, &nav::RunwaysTable, &nav::NavaidsTable})
            CreateNavigationTable(*table);
        SetDeletedHidden(0);
    }

    std::string DataDirectory() const { return directory_.string() + "/"; }

    ImportResult Import(const std::string& content)
    {
        std::string path = (directory_ / "IMPORT.GPS").string();
        std::ofstream(path, std::ios::binary) << content;
        ImportFile file(path.c_str());
        nav::ImportKind kind = ReadImportSignature(file);
        return ImportRecords(kind, file, DataDirectory());
    }

    // Every record of a table in record order, deleted ones included, as field -> text.
    std::vector<std::map<std::string, std::string>> Records(const char* table,
                                                            std::vector<std::string> fields)
    {
        std::vector<std::map<std::string, std::string>> records;
        EXPECT_GT(OpenTable(TablePath(table), table), 0);
        for (RecordGoTop(); !RecordAtEof(); RecordSkip(1)) {
            std::map<std::string, std::string> record;
            for (const std::string& field : fields)
                record[field] = TrimRight(FieldGetString(field.c_str()));
            records.push_back(record);
        }
        TableCloseAll();
        return records;
    }

    int IntegerOf(const char* table, const char* num, const char* field)
    {
        OpenTable(TablePath(table), table);
        OrderSet(TagOrder("NUM"));
        EXPECT_TRUE(RecordSeek(num)) << num;
        int value = FieldGetInteger(field);
        TableCloseAll();
        return value;
    }

    static constexpr const char* header = "IMPORT A\nline two\nline three\n";
};

TEST_F(TableImportTest, AirportColumnsLandInTheirFields)
{
    AirportLine line;
    ImportResult result = Import(header + line.Text() + "\n");
    EXPECT_TRUE(result.tableOpened);
    EXPECT_EQ(result.kind, nav::ImportKind::Airports);
    EXPECT_EQ(result.recordsAdded, 1);
    EXPECT_EQ(result.tableFile, DataDirectory() + "AIRPORTS.DBF");

    OpenTable(TablePath("AIRPORTS"), "AIRPORTS");
    RecordGoTop();
    EXPECT_EQ(Text("NUM"), "00000001");
    EXPECT_EQ(Text("ID"), "KSEA  ");
    EXPECT_EQ(TrimRight(Text("NAME")), "Seattle Tacoma Intl");
    EXPECT_EQ(TrimRight(Text("COUNTRY")), "US");
    EXPECT_EQ(TrimRight(Text("STATE")), "WA");
    EXPECT_EQ(FieldGetInteger("ALT"), 433);
    EXPECT_EQ(FieldGetInteger("LAT1"), 0);
    EXPECT_EQ(FieldGetInteger("LAT2"), 47);
    EXPECT_EQ(FieldGetInteger("LAT3"), 26);
    EXPECT_EQ(FieldGetInteger("LAT4"), 51);
    EXPECT_EQ(FieldGetInteger("LON1"), 0);
    EXPECT_EQ(FieldGetInteger("LON2"), 122);
    EXPECT_EQ(FieldGetInteger("LON3"), 18);
    EXPECT_EQ(FieldGetInteger("LON4"), 28);
    EXPECT_EQ(FieldGetInteger("VAR"), 19);  // computed: about 19.5 degrees east in 1997
    EXPECT_DOUBLE_EQ(FieldGetDouble("ATIS"), 118.0);
    EXPECT_DOUBLE_EQ(FieldGetDouble("TWR"), 119.9);
}

TEST_F(TableImportTest, VariationGivenOrComputed)
{
    AirportLine computed;  // 45 30 N 73 45 W: -15.7 gives -15
    computed.position = "0 45 30 00 0 073 45 00";
    AirportLine south = computed;  // 33 54 S 151 12 E: 12.7 gives 12
    south.num = "00000002";
    south.position = "1 33 54 00 1 151 12 00";
    AirportLine plus = computed;
    plus.num = "00000003";
    plus.var = " 15";
    AirportLine minus = computed;
    minus.num = "00000004";
    minus.var = "-15";
    // Minutes and seconds take part: each pair differs in one field and in VAR.
    std::vector<std::pair<std::string, int>> positions = {
        {"0 45 00 00 0 073 00 00", -15},
        {"0 45 10 00 0 073 00 00", -16},  // latitude minutes
        {"0 45 30 00 0 070 05 00", -18},
        {"0 45 30 00 0 070 05 59", -17},  // longitude seconds
    };
    std::string lines;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        AirportLine line;
        line.num = "0000001" + std::to_string(i);
        line.position = positions[i].first;
        lines += line.Text() + "\n";
    }
    Import(header + computed.Text() + "\n" + south.Text() + "\n" + plus.Text() + "\n" +
           minus.Text() + "\n" + lines);
    EXPECT_EQ(IntegerOf("AIRPORTS", "00000001", "VAR"), -15);
    EXPECT_EQ(IntegerOf("AIRPORTS", "00000002", "VAR"), 12);
    EXPECT_EQ(IntegerOf("AIRPORTS", "00000003", "VAR"), 15);
    EXPECT_EQ(IntegerOf("AIRPORTS", "00000004", "VAR"), -15);
    for (std::size_t i = 0; i < positions.size(); ++i) {
        std::string num = "0000001" + std::to_string(i);
        EXPECT_EQ(IntegerOf("AIRPORTS", num.c_str(), "VAR"), positions[i].second)
            << positions[i].first;
    }
}

TEST_F(TableImportTest, KnownNumIsOverwrittenInEveryField)
{
    AirportLine first;
    AirportLine other;
    other.num = "00000002";
    other.id = "KBFI";
    Import(header + first.Text() + "\n" + other.Text() + "\n");

    AirportLine again;
    again.id = "KPAE";
    again.name = "Snohomish";
    again.country = "CA";
    again.state = "";
    again.alt = "  606";
    again.var = " -3";
    again.position = "1 10 20 30 1 100 40 50";
    again.atis = "      ";
    again.twr = "121.50";
    AirportLine added;
    added.num = "00000003";
    ImportResult result = Import(header + again.Text() + "\n" + added.Text() + "\n");
    EXPECT_EQ(result.recordsOverwritten, 1);
    EXPECT_EQ(result.recordsAdded, 1);

    auto records =
        Records("AIRPORTS", {"NUM", "ID", "NAME", "COUNTRY", "STATE", "ALT", "VAR", "LAT1", "LAT2",
                             "LAT3", "LAT4", "LON1", "LON2", "LON3", "LON4", "ATIS", "TWR"});
    ASSERT_EQ(records.size(), 3u);
    std::map<std::string, std::string> expected = {
        {"NUM", "00000001"}, {"ID", "KPAE"},    {"NAME", "Snohomish"}, {"COUNTRY", "CA"},
        {"STATE", ""},       {"ALT", "   606"}, {"VAR", "  -3"},       {"LAT1", " 1"},
        {"LAT2", "  10"},    {"LAT3", "  20"},  {"LAT4", "  30"},      {"LON1", " 1"},
        {"LON2", " 100"},    {"LON3", "  40"},  {"LON4", "  50"},      {"ATIS", "   0.00"},
        {"TWR", " 121.50"}};
    EXPECT_EQ(records[0], expected);
    EXPECT_EQ(records[1]["ID"], "KBFI");  // not named by the file: as it was
    EXPECT_EQ(records[2]["NUM"], "00000003");
}

TEST_F(TableImportTest, ShortLinesAndShortKeys)
{
    AirportLine longKey;
    longKey.num = "00042123";
    Import(header + longKey.Text() + "\n");

    // A key of five characters is its own record, not the stored key that begins with it;
    // the columns beyond the end of the line read as empty.
    ImportResult result = Import(std::string(header) + "00042\n00043    X\n");
    EXPECT_EQ(result.recordsAdded, 2);
    EXPECT_EQ(result.recordsOverwritten, 0);
    auto records = Records("AIRPORTS", {"NUM", "ID", "NAME", "ALT", "VAR", "ATIS"});
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0]["ID"], "KSEA");
    EXPECT_EQ(records[1]["NUM"], "00042");
    EXPECT_EQ(records[1]["ID"], "");
    EXPECT_EQ(records[1]["ALT"], "     0");
    EXPECT_EQ(records[1]["VAR"], "   0");
    EXPECT_EQ(records[2]["NUM"], "00043");
    EXPECT_EQ(records[2]["ID"], "X");
}

TEST_F(TableImportTest, RecordSectionBounds)
{
    AirportLine one, two, three, four;
    two.num = "00000002";
    three.num = "00000003";
    four.num = "00000004";
    // Lines 2 and 3 hold record-like text that is ignored; the empty line ends the records.
    ImportResult result = Import("IMPORT A\n" + two.Text() + "\n" + three.Text() + "\n" +
                                 one.Text() + "\n\n" + four.Text() + "\n");
    EXPECT_EQ(result.recordsAdded, 1);
    auto records = Records("AIRPORTS", {"NUM"});
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]["NUM"], "00000001");

    // A file of three lines, or with an empty line 4, imports nothing.
    EXPECT_EQ(Import("IMPORT A\n\n\n").recordsAdded, 0);
    EXPECT_EQ(Import("IMPORT A\n\n\n\n" + two.Text() + "\n").recordsAdded, 0);
}

TEST_F(TableImportTest, AFileSavedOnWindowsImportsLikeAnyOther)
{
    // No field takes a line's carriage return; a line holding only one ends the records.
    ImportResult result =
        Import("IMPORT R\r\nfree\r\nfree\r\n" + RunwayLine("00000001", "09/27", "2001", "GRASS") +
               "\r\n\r\nnotes after the records\r\n");
    EXPECT_EQ(result.kind, nav::ImportKind::Runways);
    EXPECT_EQ(result.recordsAdded, 1);
    auto records = Records("RUNWAYS", {"NUM", "RUNWAYS", "LEN", "SURFACE"});
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]["NUM"], "00000001");
    EXPECT_EQ(records[0]["SURFACE"], "GRASS");
}

TEST_F(TableImportTest, RunwaysReplacedAirportByAirport)
{
    Import("IMPORT R\n\n\n" + RunwayLine("00000001", "01/19") + "\n" +
           RunwayLine("00000001", "02/20") + "\n" + RunwayLine("00000002", "03/21") + "\n" +
           RunwayLine("00000021", "13/31") + "\n");

    // Airport 1 again, in two groups: the second group replaces the first.
    ImportResult result =
        Import("IMPORT R\n\n\n" + RunwayLine("00000001", "09/27") + "\n" +
               RunwayLine("00000001", "10/28") + "\n" + RunwayLine("00000002", "04/22") + "\n" +
               RunwayLine("00000001", "16/34", "5000", "TURF") + "\n");
    EXPECT_EQ(result.recordsAdded, 4);
    EXPECT_EQ(result.runwaysReplaced, 2 + 1 + 2);  // stored 01/19, 02/20; 03/21; then 09/27, 10/28

    auto records = Records("RUNWAYS", {"NUM", "RUNWAYS", "LEN", "SURFACE"});
    std::vector<std::string> runways;
    for (auto& record : records) runways.push_back(record["NUM"] + " " + record["RUNWAYS"]);
    // Packed at the end: only the live runways remain, in the order they were added.
    EXPECT_EQ(runways,
              (std::vector<std::string>{"00000021 13/31", "00000002 04/22", "00000001 16/34"}));
    EXPECT_EQ(records[2]["LEN"], "5000");
    EXPECT_EQ(records[2]["SURFACE"], "TURF");
}

TEST_F(TableImportTest, RunwayColumnsAndAShortKeyGroup)
{
    std::string full = RunwayLine("00000007", "16L/34R", "11900", "CONC");
    full.resize(46, ' ');
    full += "lighted";
    full.resize(67, ' ');
    full += "ISEA16L 110.30 ISZI34R 111.70";
    Import("IMPORT R\n\n\n" + RunwayLine("0000000", "prefix") + "\n" + full + "\n");
    // The runways of "0000000" are not those of "00000007".
    ImportResult result = Import("IMPORT R\n\n\n" + RunwayLine("0000000", "again") + "\n");
    EXPECT_EQ(result.runwaysReplaced, 1);

    auto records = Records("RUNWAYS", {"NUM", "RUNWAYS", "LEN", "SURFACE", "REM", "NAV1", "RWY1",
                                       "FREQ1", "NAV2", "RWY2", "FREQ2"});
    ASSERT_EQ(records.size(), 2u);
    std::map<std::string, std::string> expected = {
        {"NUM", "00000007"}, {"RUNWAYS", "16L/34R"}, {"LEN", "11900"},   {"SURFACE", "CONC"},
        {"REM", "lighted"},  {"NAV1", "ISEA"},       {"RWY1", "16L"},    {"FREQ1", "110.30"},
        {"NAV2", "ISZI"},    {"RWY2", "34R"},        {"FREQ2", "111.70"}};
    EXPECT_EQ(records[0], expected);
    EXPECT_EQ(records[1]["NUM"], "0000000");
    EXPECT_EQ(records[1]["RUNWAYS"], "again");
}

TEST_F(TableImportTest, RunwayKeyHoldingBothQuotesIsReplaced)
{
    const std::string key = "1\"2'3";
    Import("IMPORT R\n\n\n" + RunwayLine(key, "01/19") + "\n" + RunwayLine(key, "02/20") + "\n");
    ImportResult result = Import("IMPORT R\n\n\n" + RunwayLine(key, "09/27") + "\n");
    EXPECT_EQ(result.runwaysReplaced, 2);
    auto records = Records("RUNWAYS", {"NUM", "RUNWAYS"});
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]["NUM"], key);
    EXPECT_EQ(records[0]["RUNWAYS"], "09/27");
}

TEST_F(TableImportTest, NavaidColumns)
{
    const std::string line = "00000002 AST   ASTORIA VOR-DME                               0 46 09 "
                             "42 0 123 52 49    10 114.00 VORDME";
    ImportResult result = Import("IMPORT N\n\n\n" + line + "\n");
    EXPECT_EQ(result.kind, nav::ImportKind::Navaids);
    auto records = Records("NAVAIDS", {"NUM", "ID", "NAME", "LAT1", "LAT2", "LAT3", "LAT4", "LON1",
                                       "LON2", "LON3", "LON4", "ALT", "FREQ", "TYPE"});
    ASSERT_EQ(records.size(), 1u);
    std::map<std::string, std::string> expected = {
        {"NUM", "00000002"}, {"ID", "AST"},     {"NAME", "ASTORIA VOR-DME"},
        {"LAT1", " 0"},      {"LAT2", "  46"},  {"LAT3", "   9"},
        {"LAT4", "  42"},    {"LON1", " 0"},    {"LON2", " 123"},
        {"LON3", "  52"},    {"LON4", "  49"},  {"ALT", "    10"},
        {"FREQ", "114.00"},  {"TYPE", "VORDME"}};
    EXPECT_EQ(records[0], expected);
}

TEST_F(TableImportTest, OverlongLinesAreCutAndCounted)
{
    AirportLine line;
    AirportLine next;
    next.num = "00000002";
    ImportResult result =
        Import(header + line.Text() + std::string(400, 'z') + "\n" + next.Text() + "\n");
    EXPECT_EQ(result.linesCut, 1);
    EXPECT_EQ(result.recordsAdded, 2);
    EXPECT_DOUBLE_EQ(IntegerOf("AIRPORTS", "00000001", "ALT"), 433);
    EXPECT_EQ(IntegerOf("AIRPORTS", "00000002", "LAT2"), 47);
}

TEST_F(TableImportTest, TableThatCannotBeOpenedIsReported)
{
    // Held open by another user: the exclusive open fails and nothing is read or written.
    int held = OpenTable(TablePath("AIRPORTS"), "HELD", SDE_SHARED);
    ASSERT_GT(held, 0);
    ImportResult result = Import(header + AirportLine().Text() + "\n");
    EXPECT_FALSE(result.tableOpened);
    EXPECT_EQ(result.recordsAdded, 0);
    EXPECT_EQ(result.tableFile, DataDirectory() + "AIRPORTS.DBF");
    TableCloseAll();
    EXPECT_TRUE(Records("AIRPORTS", {"NUM"}).empty());

    std::filesystem::remove(TablePath("NAVAIDS"));
    EXPECT_FALSE(Import("IMPORT N\n\n\n00000001 AST\n").tableOpened);
}

TEST_F(TableImportTest, UnknownKindImportsNothing)
{
    ImportResult result = Import("IMPORT X\n\n\n" + AirportLine().Text() + "\n");
    EXPECT_EQ(result.kind, nav::ImportKind::Unrecognised);
    EXPECT_FALSE(result.tableOpened);
    EXPECT_TRUE(Records("AIRPORTS", {"NUM"}).empty());
}

TEST_F(TableImportTest, ReimportedDeletedAirportSurvivesTheRebuild)
{
    AirportLine line;
    Import(header + line.Text() + "\n");
    OpenTable(TablePath("AIRPORTS"), "AIRPORTS");
    RecordGoTop();
    RecordDelete();  // deleted in the editor, not yet rebuilt
    TableCloseAll();

    line.name = "Back again";
    ImportResult result = Import(header + line.Text() + "\n");
    EXPECT_EQ(result.recordsAdded, 1);
    EXPECT_EQ(result.recordsOverwritten, 0);

    RebuildTable(DataDirectory(), "AIRPORTS", true);
    auto records = Records("AIRPORTS", {"NUM", "NAME"});
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]["NAME"], "Back again");
}

}  // namespace
