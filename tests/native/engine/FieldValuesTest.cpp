// Values written and read through the engine: widths, decimals, numbers that do not fit,
// the 16-bit integer read, long character fields, unknown fields.
#include "EngineTestSupport.h"

#include <cmath>
#include <limits>

class FieldValuesTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_GT(openTable(createNavigationTable(nav::airportsTable), "AIRPORTS"), 0);
        RecordAppendBlank();
    }
};

TEST_F(FieldValuesTest, TextIsCutToTheWidthAndBlankPadded) {
    replaceText("ID", "KJFK");
    EXPECT_EQ(text("ID"), "KJFK  ");
    replaceText("ID", "TOOLONGID");
    EXPECT_EQ(text("ID"), "TOOLON");
    replaceText("ID", "");
    EXPECT_EQ(text("ID"), "      ");
    replaceText("NAME", "Ch\xE2teau \xB0");   // Windows-1252 bytes are kept as they are
    EXPECT_EQ(trimRight(text("NAME")), "Ch\xE2teau \xB0");
}

TEST_F(FieldValuesTest, IntegersAreRightAlignedWithTheFieldsDecimals) {
    replaceInteger("ALT", -120);
    EXPECT_EQ(text("ALT"), "  -120");
    EXPECT_EQ(FieldGetInteger("ALT"), -120);
    int value = 15;
    FieldReplace("VAR", SDE_INTEGER_ALT, &value);
    EXPECT_EQ(text("VAR"), "  15");
    replaceInteger("ATIS", 118);
    EXPECT_EQ(text("ATIS"), " 118.00");
    EXPECT_DOUBLE_EQ(FieldGetDouble("ATIS"), 118.0);
}

TEST_F(FieldValuesTest, DoublesAreRoundedToTheFieldsDecimals) {
    replaceDouble("TWR", 118.7);
    EXPECT_EQ(text("TWR"), " 118.70");
    EXPECT_DOUBLE_EQ(FieldGetDouble("TWR"), 118.7);
    replaceDouble("TWR", 121.456);
    EXPECT_EQ(text("TWR"), " 121.46");
    replaceDouble("ALT", 99.6);
    EXPECT_EQ(text("ALT"), "   100");
    replaceDouble("TWR", -0.001);
    EXPECT_EQ(text("TWR"), "   0.00");
}

TEST_F(FieldValuesTest, NumberTooWideGivesUpDecimalsThenFillsWithAsterisks) {
    replaceDouble("TWR", 12345.678);
    EXPECT_EQ(text("TWR"), "12345.7");
    replaceDouble("TWR", 1234567.0);
    EXPECT_EQ(text("TWR"), "1234567");
    replaceDouble("TWR", 12345678.0);
    EXPECT_EQ(text("TWR"), "*******");
    EXPECT_DOUBLE_EQ(FieldGetDouble("TWR"), 0.0);
    replaceInteger("VAR", 12345);
    EXPECT_EQ(text("VAR"), "****");
    EXPECT_EQ(FieldGetInteger("VAR"), 0);
    replaceInteger("VAR", -999);
    EXPECT_EQ(text("VAR"), "-999");
    replaceDouble("ALT", std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(text("ALT"), "******");
    replaceDouble("ALT", -std::numeric_limits<double>::infinity());
    EXPECT_EQ(text("ALT"), "******");
    // The neighbours are untouched.
    EXPECT_EQ(text("VAR"), "-999");
    EXPECT_EQ(text("LAT1"), "  ");
}

TEST_F(FieldValuesTest, IntegerReadsAre16BitAndHeldAtTheLimits) {
    replaceInteger("ALT", 32767);
    EXPECT_EQ(FieldGetInteger("ALT"), 32767);
    replaceInteger("ALT", 40000);
    EXPECT_EQ(text("ALT"), " 40000");
    EXPECT_EQ(FieldGetInteger("ALT"), 32767);
    replaceInteger("ALT", -40000);
    EXPECT_EQ(FieldGetInteger("ALT"), -32768);
    replaceDouble("TWR", -7.9);
    EXPECT_EQ(FieldGetInteger("TWR"), -7);
}

TEST_F(FieldValuesTest, TextIntoANumericFieldIsReadAsANumber) {
    replaceText("ATIS", "121.5 MHz");
    EXPECT_EQ(text("ATIS"), " 121.50");
    replaceText("ATIS", "none");
    EXPECT_EQ(text("ATIS"), "   0.00");
    replaceText("ATIS", "");
    EXPECT_EQ(text("ATIS"), "       ");
    EXPECT_DOUBLE_EQ(FieldGetDouble("ATIS"), 0.0);
}

TEST_F(FieldValuesTest, NumbersIntoACharacterFieldAreWrittenAsText) {
    replaceInteger("NUM", 1234);
    EXPECT_EQ(text("NUM"), "1234    ");
    EXPECT_EQ(FieldGetInteger("NUM"), 1234);
    replaceDouble("ID", 1.5);
    EXPECT_EQ(text("ID"), "1.5   ");
}

TEST_F(FieldValuesTest, UnknownFieldsAndTypesChangeNothing) {
    replaceText("ID", "KBOS");
    replaceText("NOSUCH", "X");
    replaceText("IDX", "X");
    int value = 7;
    FieldReplace("ID", 3, &value);
    FieldReplace("ID", SDE_TEXT, nullptr);
    EXPECT_EQ(text("ID"), "KBOS  ");
    EXPECT_EQ(text("NOSUCH"), "");
    EXPECT_EQ(FieldGetInteger("NOSUCH"), 0);
    EXPECT_EQ(FieldGetDouble(nullptr), 0.0);
    EXPECT_EQ(text("id"), "KBOS  ");   // field names in any case
}

TEST_F(FieldValuesTest, ValuesSurviveReopening) {
    replaceText("NUM", "00000042");
    replaceDouble("ATIS", 127.25);
    replaceInteger("LAT2", 45);
    std::string path = tablePath("AIRPORTS");
    TableCloseAll();
    ASSERT_GT(openTable(path, "AIRPORTS", SDE_READONLY), 0);
    RecordGoTop();
    EXPECT_EQ(text("NUM"), "00000042");
    EXPECT_DOUBLE_EQ(FieldGetDouble("ATIS"), 127.25);
    EXPECT_EQ(FieldGetInteger("LAT2"), 45);
}

TEST_F(EngineTest, LongCharacterFieldHoldsTheWholeRoute) {
    std::string path = createNavigationTable(nav::configTable);
    ASSERT_GT(openTable(path, "CONFIG"), 0);
    RecordAppendBlank();
    std::string route;
    for (int i = 0; i < 30; ++i) route += "1" + std::string(8 - std::to_string(i).size(), '0') + std::to_string(i);
    ASSERT_EQ(route.size(), 270u);
    replaceText("RTEWPTS", route.c_str());
    replaceText("LASTREC", "00000007");
    TableCloseAll();
    ASSERT_GT(openTable(path, "CONFIG", SDE_READONLY), 0);
    RecordGoTop();
    EXPECT_EQ(text("RTEWPTS"), route);
    EXPECT_EQ(text("LASTREC"), "00000007");
}

TEST_F(EngineTest, ReadOnlyOpenIgnoresEveryWrite) {
    std::string path = createNavigationTable(nav::usersTable);
    ASSERT_GT(openTable(path, "USERS"), 0);
    appendWaypoint("00000001", "HOME", "Home field");
    TableCloseAll();
    ASSERT_GT(openTable(path, "USERS", SDE_READONLY), 0);
    RecordGoTop();
    replaceText("ID", "AWAY");
    RecordDelete();
    RecordAppendBlank();
    TablePack();
    IndexTagCreate(nullptr, "ALT", "ALT", 0, 0, nullptr);
    EXPECT_EQ(text("ID"), "HOME  ");
    TableCloseAll();
    ASSERT_GT(openTable(path, "USERS"), 0);
    EXPECT_EQ(walkNums(), std::vector<std::string> {"00000001"});
    RecordGoTop();
    EXPECT_EQ(text("ID"), "HOME  ");
    EXPECT_EQ(TagOrder("ALT"), 0);
}
