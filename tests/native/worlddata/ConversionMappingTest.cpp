// What each row of apt.dat and nav.dat becomes in the import files, read back at the
// columns the import reads.
#include "ImportLineBuilder.h"
#include "WorldDataTestSupport.h"

using namespace worlddata;

namespace {

constexpr nav::ImportKind A = nav::ImportKind::Airports;
constexpr nav::ImportKind R = nav::ImportKind::Runways;
constexpr nav::ImportKind N = nav::ImportKind::Navaids;

class ConversionMapping : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (auto [apt, nav] : {std::pair{"apt850.dat", "nav1150.dat"},
                                {"apt1000.dat", "nav1100.dat"},
                                {"apt1100.dat", "nav810.dat"},
                                {"apt1200.dat", "nav1200.dat"}}) {
            Converted converted;
            Convert(converted, apt, nav);
            ASSERT_TRUE(converted.result.Ok()) << converted.result.Message();
            airports.insert(airports.end(), converted.airports.begin(), converted.airports.end());
            runways.insert(runways.end(), converted.runways.begin(), converted.runways.end());
            navaids.insert(navaids.end(), converted.navaids.begin(), converted.navaids.end());
        }
    }

    static std::string Airport(const char* ident)
    {
        std::string line = LineWhere(A, airports, "ID", ident);
        EXPECT_FALSE(line.empty()) << ident;
        return line;
    }
    static std::vector<std::string> Runways(const char* ident)
    {
        return LinesWhere(R, runways, "NUM", Field(A, Airport(ident), "NUM"));
    }
    static std::string Navaid(const char* ident)
    {
        std::string line = LineWhere(N, navaids, "ID", ident);
        EXPECT_FALSE(line.empty()) << ident;
        return line;
    }

    static inline std::vector<std::string> airports, runways, navaids;
};

TEST_F(ConversionMapping, AirportPositionFromTheDatumElseTheFirstRunwaysMiddle)
{
    EXPECT_EQ(PositionText(A, Airport("KSEA")), "0 47 27 00 0 122 18 42");  // 59.6" carried
    EXPECT_EQ(PositionText(A, Airport("WN99")), "0 46 00 00 0 122 00 00");  // 45.9999
    EXPECT_EQ(PositionText(A, Airport("CYVR")), "0 49 12 00 0 123 10 48");  // -123.21 .. -123.15
    EXPECT_EQ(PositionText(A, Airport("KBFI")), "0 47 31 30 0 122 18 09");  // 14R/32L
    EXPECT_EQ(PositionText(A, Airport("W55")), "0 47 37 30 0 122 20 06");   // water runway
    EXPECT_EQ(PositionText(A, Airport("WA09")), "0 47 36 14 0 122 19 26");  // helipad
    EXPECT_EQ(PositionText(A, Airport("YSSY")), "1 33 56 42 1 151 10 30");
    EXPECT_EQ(PositionText(A, Airport("SBGR")), "1 23 26 08 0 046 28 23");
}

TEST_F(ConversionMapping, AirportFields)
{
    std::string seattle = Airport("KSEA");
    EXPECT_EQ(Field(A, seattle, "NAME"), "Seattle Tacoma Intl");
    EXPECT_EQ(Field(A, seattle, "ALT"), "433");
    EXPECT_EQ(Field(A, seattle, "VAR"), "A");
    // The first ATIS and tower rows, in MHz with two decimals (8.33 kHz digits cut).
    EXPECT_EQ(Field(A, seattle, "ATIS"), "118.02");
    EXPECT_EQ(Field(A, seattle, "TWR"), "119.90");
    EXPECT_EQ(Field(A, Airport("KBFI"), "ATIS"), "127.40");
    EXPECT_EQ(Field(A, Airport("KBFI"), "TWR"), "120.60");
    EXPECT_EQ(Field(A, Airport("CYVR"), "ATIS"), "0.00");
    EXPECT_EQ(Field(A, Airport("KPAE"), "ALT"), "1526");

    // Codes from the metadata; a country named in full gives its ICAO region instead, a
    // state named in full its postal code where it has one.
    EXPECT_EQ(Field(A, Airport("KJFK"), "COUNTRY"), "US");
    EXPECT_EQ(Field(A, Airport("KJFK"), "STATE"), "NY");
    EXPECT_EQ(Field(A, seattle, "COUNTRY"), "K1");
    EXPECT_EQ(Field(A, seattle, "STATE"), "WA");        // "Washington"
    EXPECT_EQ(Field(A, Airport("SBGR"), "STATE"), "");  // "S\xE3o Paulo": no code known
    EXPECT_EQ(Field(A, Airport("CYVR"), "STATE"), "BC");
    EXPECT_EQ(Field(A, Airport("KBFI"), "COUNTRY"), "");  // 850 has no metadata
    EXPECT_EQ(Field(A, Airport("SBGR"), "COUNTRY"), "SB");

    // Names in the tables' code page, cut at the field's 45 characters: the columns after
    // them stay in place.
    EXPECT_EQ(Field(A, Airport("SBGR"), "NAME"), "S\xE3o Paulo\x96Guarulhos International");
    std::string longName = Airport("0S9");
    EXPECT_EQ(Field(A, longName, "NAME"), "Jefferson County International Airport Of The");
    EXPECT_EQ(longName.substr(15 + 45, 1), " ");
    EXPECT_EQ(Field(A, longName, "ALT"), "5");
}

TEST_F(ConversionMapping, RunwayDesignatorsLengthsSurfacesAndLighting)
{
    std::vector<std::string> seattle = Runways("KSEA");
    ASSERT_EQ(seattle.size(), 2u);
    EXPECT_EQ(Field(R, seattle[0], "RUNWAYS"), "16L/34R");
    EXPECT_EQ(Field(R, seattle[0], "LEN"), "10944");  // 0.03 degrees of latitude
    EXPECT_EQ(Field(R, seattle[0], "SURFACE"), "CONC");
    EXPECT_EQ(Field(R, seattle[0], "REM"), "HIRL CL ALS REIL");
    EXPECT_EQ(Field(R, seattle[1], "SURFACE"), "ASPH");
    EXPECT_EQ(Field(R, seattle[1], "REM"), "MIRL");

    std::vector<std::string> paine = Runways("KPAE");
    ASSERT_EQ(paine.size(), 2u);
    EXPECT_EQ(Field(R, paine[1], "SURFACE"), "GRASS");
    EXPECT_EQ(Field(R, paine[1], "REM"), "");
    EXPECT_EQ(Field(R, Runways("0S9").at(0), "SURFACE"), "GRVL");
    EXPECT_EQ(Field(R, Runways("KJFK").at(0), "SURFACE"), "ASPH");  // 1200's asphalt kinds
    EXPECT_EQ(Field(R, Runways("KJFK").at(1), "SURFACE"), "CONC");  // and concrete kinds

    std::string water = Runways("W55").at(0);
    EXPECT_EQ(Field(R, water, "RUNWAYS"), "NW/SE");
    EXPECT_EQ(Field(R, water, "SURFACE"), "WATER");
    std::string helipad = Runways("WA09").at(0);
    EXPECT_EQ(Field(R, helipad, "RUNWAYS"), "H1");
    EXPECT_EQ(Field(R, helipad, "LEN"), "50");  // 15.24 m
    EXPECT_EQ(Field(R, helipad, "SURFACE"), "CONC");
    EXPECT_EQ(Field(R, helipad, "REM"), "LIRL");
}

TEST_F(ConversionMapping, LocalizersGoToTheRunwayEndsTheyServe)
{
    std::vector<std::string> seattle = Runways("KSEA");
    EXPECT_EQ(Field(R, seattle[0], "NAV1"), "ISNQ");
    EXPECT_EQ(Field(R, seattle[0], "RWY1"), "16L");
    EXPECT_EQ(Field(R, seattle[0], "FREQ1"), "110.30");
    EXPECT_EQ(Field(R, seattle[0], "NAV2"), "ISEA");  // "I-SEA" without its dash
    EXPECT_EQ(Field(R, seattle[0], "RWY2"), "34R");
    EXPECT_EQ(Field(R, seattle[0], "FREQ2"), "111.70");
    // 16R's localizer "IXYZW" does not fit NAV1: left out rather than cut.
    EXPECT_EQ(Field(R, seattle[1], "NAV1"), "");

    std::string boeing = Runways("KBFI").at(0);  // 1150 localizer without glide slope
    EXPECT_EQ(Field(R, boeing, "NAV1") + " " + Field(R, boeing, "FREQ1"), "IBFI 109.90");
    std::string kennedy = Runways("KJFK").at(0);
    EXPECT_EQ(Field(R, kennedy, "NAV1"), "IHIQ");
    EXPECT_EQ(Field(R, kennedy, "NAV2"), "IJOC");
    EXPECT_EQ(Field(R, kennedy, "FREQ2"), "109.50");

    for (const char* localizer : {"ISNQ", "ISEA", "I-SEA", "IBFI", "IHIQ"})
        EXPECT_TRUE(LineWhere(N, navaids, "ID", localizer).empty()) << localizer;
}

TEST_F(ConversionMapping, NavaidTypesFrequenciesAndElevations)
{
    auto typeAndFrequency = [](const char* ident) {
        std::string line = Navaid(ident);
        return Field(N, line, "TYPE") + " " + Field(N, line, "FREQ");
    };
    EXPECT_EQ(typeAndFrequency("BF"), "NDB 362");
    EXPECT_EQ(typeAndFrequency("SEA"), "VORTAC 116.80");
    EXPECT_EQ(typeAndFrequency("UBG"), "VORDME 115.90");
    EXPECT_EQ(typeAndFrequency("OLM"), "VOR 113.00");
    EXPECT_EQ(typeAndFrequency("CBU"), "TACAN 109.20");
    EXPECT_EQ(typeAndFrequency("PAE"), "DME 115.00");
    EXPECT_EQ(typeAndFrequency("AST"), "VORDME 114.00");
    EXPECT_EQ(typeAndFrequency("DWL"), "TACAN 113.20");
    std::string seattle = Navaid("SEA");
    EXPECT_EQ(Field(N, seattle, "ALT"), "354");
    EXPECT_EQ(Field(N, seattle, "NAME"), "SEATTLE VORTAC");
    EXPECT_EQ(PositionText(N, seattle), "0 47 26 07 0 122 18 35");
    EXPECT_EQ(PositionText(N, LineWhere(N, navaids, "NAME", "BOTANY NDB")),
              "1 33 56 24 1 151 10 12");
    // The DME rows of the VORTAC and of the ILS are not navaids of their own.
    EXPECT_EQ(LinesWhere(N, navaids, "ID", "SEA").size(), 2u);    // 810 and 1100 editions
    EXPECT_EQ(LinesWhere(N, navaids, "TYPE", "DME").size(), 2u);  // PAE of 810 and 1100
}

TEST(ImportLineBuilder, NumbersBeyondTheirColumnAreLimitedToWhatItHolds)
{
    worlddata::ImportLineBuilder line(A);
    line.Text("NUM", "KXXX____");
    line.Integer("ALT", 123456);
    EXPECT_EQ(Field(A, line.Line(), "ALT"), "99999");
    line.Integer("ALT", -123456);
    EXPECT_EQ(Field(A, line.Line(), "ALT"), "-9999");
    EXPECT_EQ(line.Line().size(), 75u);  // nothing written into VAR's column
}

}  // namespace
