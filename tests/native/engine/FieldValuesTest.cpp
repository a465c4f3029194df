// Values written and read through the engine: widths, decimals, numbers that do not fit,
// the 16-bit integer read, long character fields, unknown fields.
#include "EngineTestSupport.h"

#include <cmath>
#include <limits>

class FieldValuesTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        ASSERT_GT(OpenTable(CreateNavigationTable(nav::AirportsTable), "AIRPORTS"), 0);
        RecordAppendBlank();
    }
};

TEST_F(FieldValuesTest, TextIsCutToTheWidthAndBlankPadded)
{
    PutText("ID", "KJFK");
    EXPECT_EQ(Text("ID"), "KJFK  ");
    PutText("ID", "TOOLONGID");
    EXPECT_EQ(Text("ID"), "TOOLON");
    PutText("ID", "");
    EXPECT_EQ(Text("ID"), "      ");
    PutText("NAME", "Ch\xE2teau \xB0");  // Windows-1252 bytes are kept as they are
    EXPECT_EQ(TrimRight(Text("NAME")), "Ch\xE2teau \xB0");
}

TEST_F(FieldValuesTest, IntegersAreRightAlignedWithTheFieldsDecimals)
{
    PutInteger("ALT", -120);
    EXPECT_EQ(Text("ALT"), "  -120");
    EXPECT_EQ(FieldGetInteger("ALT"), -120);
    int value = 15;
    FieldReplace("VAR", SDE_INTEGER_ALT, &value);
    EXPECT_EQ(Text("VAR"), "  15");
    PutInteger("ATIS", 118);
    EXPECT_EQ(Text("ATIS"), " 118.00");
    EXPECT_DOUBLE_EQ(FieldGetDouble("ATIS"), 118.0);
}

TEST_F(FieldValuesTest, DoublesAreRoundedToTheFieldsDecimals)
{
    PutDouble("TWR", 118.7);
    EXPECT_EQ(Text("TWR"), " 118.70");
    EXPECT_DOUBLE_EQ(FieldGetDouble("TWR"), 118.7);
    PutDouble("TWR", 121.456);
    EXPECT_EQ(Text("TWR"), " 121.46");
    PutDouble("ALT", 99.6);
    EXPECT_EQ(Text("ALT"), "   100");
    PutDouble("TWR", -0.001);
    EXPECT_EQ(Text("TWR"), "   0.00");
}

TEST_F(FieldValuesTest, NumberTooWideGivesUpDecimalsThenFillsWithAsterisks)
{
    PutDouble("TWR", 12345.678);
    EXPECT_EQ(Text("TWR"), "12345.7");
    PutDouble("TWR", 1234567.0);
    EXPECT_EQ(Text("TWR"), "1234567");
    PutDouble("TWR", 12345678.0);
    EXPECT_EQ(Text("TWR"), "*******");
    EXPECT_DOUBLE_EQ(FieldGetDouble("TWR"), 0.0);
    PutInteger("VAR", 12345);
    EXPECT_EQ(Text("VAR"), "****");
    EXPECT_EQ(FieldGetInteger("VAR"), 0);
    PutInteger("VAR", -999);
    EXPECT_EQ(Text("VAR"), "-999");
    PutDouble("ALT", std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(Text("ALT"), "******");
    PutDouble("ALT", -std::numeric_limits<double>::infinity());
    EXPECT_EQ(Text("ALT"), "******");
    // The neighbours are untouched.
    EXPECT_EQ(Text("VAR"), "-999");
    EXPECT_EQ(Text("LAT1"), "  ");
}

TEST_F(FieldValuesTest, IntegerReadsAre16BitAndHeldAtTheLimits)
{
    PutInteger("ALT", 32767);
    EXPECT_EQ(FieldGetInteger("ALT"), 32767);
    PutInteger("ALT", 40000);
    EXPECT_EQ(Text("ALT"), " 40000");
    EXPECT_EQ(FieldGetInteger("ALT"), 32767);
    PutInteger("ALT", -40000);
    EXPECT_EQ(FieldGetInteger("ALT"), -32768);
    PutDouble("TWR", -7.9);
    EXPECT_EQ(FieldGetInteger("TWR"), -7);
}

TEST_F(FieldValuesTest, TextIntoANumericFieldIsReadAsANumber)
{
    PutText("ATIS", "121.5 MHz");
    EXPECT_EQ(Text("ATIS"), " 121.50");
    PutText("ATIS", "none");
    EXPECT_EQ(Text("ATIS"), "   0.00");
    PutText("ATIS", "");
    EXPECT_EQ(Text("ATIS"), "       ");
    EXPECT_DOUBLE_EQ(FieldGetDouble("ATIS"), 0.0);
}

TEST_F(FieldValuesTest, NumbersIntoACharacterFieldAreWrittenAsText)
{
    PutInteger("NUM", 1234);
    EXPECT_EQ(Text("NUM"), "1234    ");
    EXPECT_EQ(FieldGetInteger("NUM"), 1234);
    PutDouble("ID", 1.5);
    EXPECT_EQ(Text("ID"), "1.5   ");
}

TEST_F(FieldValuesTest, UnknownFieldsAndTypesChangeNothing)
{
    PutText("ID", "KBOS");
    PutText("NOSUCH", "X");
    PutText("IDX", "X");
    int value = 7;
    FieldReplace("ID", 3, &value);
    FieldReplace("ID", SDE_TEXT, nullptr);
    EXPECT_EQ(Text("ID"), "KBOS  ");
    EXPECT_EQ(Text("NOSUCH"), "");
    EXPECT_EQ(FieldGetInteger("NOSUCH"), 0);
    EXPECT_EQ(FieldGetDouble(nullptr), 0.0);
    EXPECT_EQ(Text("id"), "KBOS  ");  // field names in any case
}

TEST_F(FieldValuesTest, ValuesSurviveReopening)
{
    PutText("NUM", "00000042");
    PutDouble("ATIS", 127.25);
    PutInteger("LAT2", 45);
    std::string path = TablePath("AIRPORTS");
    TableCloseAll();
    ASSERT_GT(OpenTable(path, "AIRPORTS", SDE_READONLY), 0);
    RecordGoTop();
    EXPECT_EQ(Text("NUM"), "00000042");
    EXPECT_DOUBLE_EQ(FieldGetDouble("ATIS"), 127.25);
    EXPECT_EQ(FieldGetInteger("LAT2"), 45);
}

TEST_F(EngineTest, LongCharacterFieldHoldsTheWholeRoute)
{
    std::string path = CreateNavigationTable(nav::ConfigTable);
    ASSERT_GT(OpenTable(path, "CONFIG"), 0);
    RecordAppendBlank();
    std::string route;
    for (int i = 0; i < 30; ++i)
        route += "1" + std::string(8 - std::to_string(i).size(), '0') + std::to_string(i);
    ASSERT_EQ(route.size(), 270u);
    PutText("RTEWPTS", route.c_str());
    PutText("LASTREC", "00000007");
    TableCloseAll();
    ASSERT_GT(OpenTable(path, "CONFIG", SDE_READONLY), 0);
    RecordGoTop();
    EXPECT_EQ(Text("RTEWPTS"), route);
    EXPECT_EQ(Text("LASTREC"), "00000007");
}

TEST_F(EngineTest, ReadOnlyOpenIgnoresEveryWrite)
{
    std::string path = CreateNavigationTable(nav::UsersTable);
    ASSERT_GT(OpenTable(path, "USERS"), 0);
    AppendWaypoint("00000001", "HOME", "Home field");
    TableCloseAll();
    ASSERT_GT(OpenTable(path, "USERS", SDE_READONLY), 0);
    RecordGoTop();
    PutText("ID", "AWAY");
    RecordDelete();
    RecordAppendBlank();
    TablePack();
    IndexTagCreate(nullptr, "ALT", "ALT", 0, 0, nullptr);
    EXPECT_EQ(Text("ID"), "HOME  ");
    TableCloseAll();
    ASSERT_GT(OpenTable(path, "USERS"), 0);
    EXPECT_EQ(WalkNums(), std::vector<std::string>{"00000001"});
    RecordGoTop();
    EXPECT_EQ(Text("ID"), "HOME  ");
    EXPECT_EQ(TagOrder("ALT"), 0);
}
