// The shipped gps.gau in the panel host, on the virtual clock, over a data directory of
// real tables: a restored unit navigates, pages, alarms, flies a route with the autopilot
// and saves what it restores. Its sounds are recorded through its DirectSound import.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "SharedSettings.h"
#include "EngineTestSupport.h"
#include "PanelHost.h"
#include "RecordingDirectSound.h"

using namespace gauge;
using namespace host;
using winkit::WriteDataPath;

namespace {

enum Button {
    Nav,
    Inf,
    Alr,
    Set,
    Pwr,
    Dto,
    Rte,
    Aut,
    Prev,
    Next
};

struct Airport {
    const char* num;
    const char* id;
    const char* name;
    int lat[3];
    int lon[3];  // west
};
// Sample airports around Seattle, with their keys in the sample data.
const Airport Kbfi{"00000108", "KBFI", "Boeing Field King Co Intl", {47, 32, 1}, {122, 18, 13}};
const Airport Kolm{"00000126", "KOLM", "OLYMPIA", {46, 58, 8}, {122, 54, 17}};
const Airport Ksea{"00000132", "KSEA", "Seattle Tacoma Intl", {47, 26, 51}, {122, 18, 28}};
const Airport Ktcm{"00000135", "KTCM", "MC CHORD AFB", {47, 8, 16}, {122, 28, 35}};

double Degrees(const int (&dms)[3])
{
    return dms[0] + dms[1] / 60.0 + dms[2] / 3600.0;
}

std::string GaugeModule()
{
    std::string path = std::string("Z:") + GAUGE_MODULE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

int Count(const std::vector<GaugeSound>& plays, GaugeSound sound)
{
    return static_cast<int>(std::count(plays.begin(), plays.end(), sound));
}

// Every sound played so far started from its beginning and plays once: each Play follows a
// rewind of the same buffer to 0 and does not ask to loop.
void ExpectEverySoundRewoundAndPlayedOnce()
{
    const std::vector<SoundBufferCall>& calls = recordedSound.bufferCalls;
    int plays = 0;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].kind != SoundBufferCall::Play) continue;
        ++plays;
        EXPECT_EQ(calls[i].value & DSBPLAY_LOOPING, 0u) << "play " << i << " loops";
        ASSERT_GT(i, 0u) << "played without a rewind";
        EXPECT_EQ(calls[i - 1].kind, SoundBufferCall::SetPosition)
            << "play " << i << " without a rewind";
        EXPECT_EQ(calls[i - 1].sound, calls[i].sound)
            << "play " << i << " after another sound's rewind";
        EXPECT_EQ(calls[i - 1].value, 0u) << "play " << i << " not from the beginning";
    }
    EXPECT_EQ(plays, static_cast<int>(recordedSound.plays.size()));
}

bool LampLit(const PanelHost& host, const char* label)
{
    for (const LampState& lamp : host.Lamps())
        if (lamp.name == label) return lamp.lit;
    return false;
}

// The number after `label` in a screen line ("DIS:12.3NM" gives 12.3 for "DIS:").
double NumberAfter(const std::string& line, const char* label)
{
    std::size_t at = line.find(label);
    return at == std::string::npos ? -1.0 : std::atof(line.c_str() + at + std::strlen(label));
}

class GaugeNavigationTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        recordedSound = RecordingDirectSound{};
        airports_ = CreateNavigationTable(nav::AirportsTable);
        for (const nav::TableDefinition* table :
             {&nav::NavaidsTable, &nav::UsersTable, &nav::RunwaysTable})
            CreateNavigationTable(*table);
        config_ = CreateNavigationTable(nav::ConfigTable);
        OpenTable(airports_, "AIRPORTS");
        for (const Airport* airport : {&Kbfi, &Kolm, &Ksea, &Ktcm}) {
            AppendWaypoint(airport->num, airport->id, airport->name);
            PutInteger("LAT2", airport->lat[0]);
            PutInteger("LAT3", airport->lat[1]);
            PutInteger("LAT4", airport->lat[2]);
            PutInteger("LON2", airport->lon[0]);
            PutInteger("LON3", airport->lon[1]);
            PutInteger("LON4", airport->lon[2]);
        }
        TableCloseAll();
        OpenTable(config_, "CONFIG");
        RecordAppendBlank();
        TableCloseAll();
        WriteDataPath(directory_.string() + "\\");
    }

    // Fields of the saved state; the rest keep their values.
    void SaveState(std::initializer_list<std::pair<const char*, double>> numbers,
                   const Airport& active, const std::string& route = "")
    {
        OpenTable(config_, "CONFIG");
        RecordGoTop();
        for (auto [field, value] : numbers) {
            if (std::strcmp(field, "AUTODIS") == 0 || std::strcmp(field, "ALARMDIS") == 0)
                PutDouble(field, value);
            else
                PutInteger(field, static_cast<int>(value));
        }
        PutInteger("LASTFILE", 1);
        PutText("LASTREC", active.num);
        PutText("RTEWPTS", route.c_str());
        TableCloseAll();
    }

    static std::string Route(std::initializer_list<const Airport*> airports)
    {
        std::string text;
        for (const Airport* airport : airports) text += std::string("1") + airport->num;
        return text;
    }

    // Places the aircraft `miles` nautical miles due south of an airport, flying north.
    static void PlaceSouthOf(PanelHost& host, const Airport& airport, double miles, double knots)
    {
        host.Aircraft().Place(
            {Degrees(airport.lat) - miles / 60.0, -Degrees(airport.lon), 1500.0, 0.0, knots});
    }

    void Load(PanelHost& host)
    {
        // The module loaded once ahead of the host, to bind its sound device; the host's
        // load then finds it loaded with that binding in place.
        HMODULE module =
            LoadLibraryExA(GaugeModule().c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        ASSERT_NE(module, nullptr);
        ASSERT_TRUE(BindRecordingDirectSound(module));
        const nav::Status loaded = host.Load(GaugeModule());
        ASSERT_TRUE(loaded) << loaded.Message();
        FreeLibrary(module);
    }

    void Unload(PanelHost& host)
    {
        std::string problem;
        EXPECT_TRUE(host.Unload(problem)) << problem;
    }

    void Click(PanelHost& host, Button button)
    {
        ASSERT_TRUE(host.ClickButton(button));
        host.DrawFrame();
    }

    std::string Saved(const char* field)
    {
        OpenTable(config_, "CONFIG");
        RecordGoTop();
        std::string value = TrimRight(Text(field));
        value.erase(0, value.find_first_not_of(' '));
        TableCloseAll();
        return value;
    }

    std::string airports_;
    std::string config_;
};

TEST_F(GaugeNavigationTest, ARestoredUnitFliesTowardItsAirport)
{
    SaveState({{"POWER", 1}, {"RTEMODE", 0}, {"AUTODIS", 0.5}, {"ALARMDIS", 2.0}}, Ksea);
    PanelHost host;
    PlaceSouthOf(host, Ksea, 20.0, 120.0);
    Load(host);
    EXPECT_TRUE(host.DrawnPowered());
    EXPECT_EQ(host.Clock().Timers().size(), 1u);
    EXPECT_EQ(recordedSound.liveDevices, 1);  // the three sounds made at installation
    EXPECT_EQ(recordedSound.liveBuffers, 3);
    host.RunSeconds(1);
    EXPECT_EQ(host.ScreenText(1).substr(0, 12), "GO TO:KSEA  ");
    EXPECT_NEAR(NumberAfter(host.ScreenText(2), "DIS:"), 20.0 - 120.0 / 3600.0, 0.06);
    double bearing = NumberAfter(host.ScreenText(2), "BRG:");
    EXPECT_TRUE(bearing == 0.0 || bearing == 360.0) << host.ScreenText(2);
    EXPECT_EQ(host.ScreenText(3), "NXT:-----      ETE:00:00");  // no ground speed yet
    EXPECT_EQ(host.ScreenText(4), "");

    // Once the first sample from 0,0 has left the average: 120 knots read as 113.
    host.RunSeconds(29);
    EXPECT_EQ(host.ScreenText(1), "GO TO:KSEA      GS:113KT");
    double distance = NumberAfter(host.ScreenText(2), "DIS:");
    EXPECT_NEAR(distance, 19.0, 0.06);
    int minutes = std::atoi(host.ScreenText(3).c_str() + 22);
    EXPECT_NEAR(minutes, distance / 113.4 * 60, 1.0) << host.ScreenText(3);
    Unload(host);
    EXPECT_EQ(recordedSound.liveDevices, 0);  // and released at removal
    EXPECT_EQ(recordedSound.liveBuffers, 0);
}

TEST_F(GaugeNavigationTest, NavCyclesTwoPagesInDirectToAndThreeOnARoute)
{
    SaveState({{"POWER", 1}, {"RTEMODE", 0}}, Ksea);
    PanelHost host;
    PlaceSouthOf(host, Ksea, 10.0, 100.0);
    Load(host);
    std::vector<std::string> firstLines;
    for (int press = 0; press < 3; ++press) {
        host.RunSeconds(1);
        firstLines.push_back(host.ScreenText(1).substr(0, 5));
        Click(host, Nav);
    }
    EXPECT_EQ(firstLines, (std::vector<std::string>{"GO TO", "N047\xB0", "GO TO"}));
    Unload(host);

    SaveState({{"POWER", 1}, {"RTEMODE", 1}, {"NRTEWPT", 3}, {"ACTRTE", 0}}, Kbfi,
              Route({&Kbfi, &Ksea, &Ktcm}));
    PanelHost routeHost;
    PlaceSouthOf(routeHost, Ksea, 10.0, 100.0);
    Load(routeHost);
    firstLines.clear();
    for (int press = 0; press < 4; ++press) {
        routeHost.RunSeconds(1);
        firstLines.push_back(routeHost.ScreenText(1).substr(0, 5));
        Click(routeHost, Nav);
    }
    EXPECT_EQ(firstLines, (std::vector<std::string>{"GO TO", "N047\xB0", "FROM:", "GO TO"}));
    Unload(routeHost);
}

TEST_F(GaugeNavigationTest, AnArmedAlarmBlinksAndSoundsEverySecondTick)
{
    SaveState({{"POWER", 1}, {"RTEMODE", 0}, {"ALARMDIS", 5.0}, {"ALARM", 0}}, Ksea);
    PanelHost host;
    PlaceSouthOf(host, Ksea, 4.0, 60.0);
    Load(host);
    host.RunSeconds(1);
    EXPECT_TRUE(recordedSound.plays.empty());
    Click(host, Alr);
    EXPECT_TRUE(LampLit(host, "ALR"));
    std::vector<bool> lamp;
    for (int second = 0; second < 6; ++second) {
        host.RunSeconds(1);
        lamp.push_back(LampLit(host, "ALR"));
    }
    // Ticks 2 to 7 of the unit: hidden with a sound on even ones, shown on odd ones.
    EXPECT_EQ(lamp, (std::vector<bool>{false, true, false, true, false, true}));
    EXPECT_EQ(Count(recordedSound.plays, GaugeSound::Alarm), 3);
    EXPECT_EQ(Count(recordedSound.plays, GaugeSound::Click), 1);
    ExpectEverySoundRewoundAndPlayedOnce();

    Click(host, Alr);  // disarmed: dark and quiet
    host.RunSeconds(4);
    EXPECT_FALSE(LampLit(host, "ALR"));
    EXPECT_EQ(Count(recordedSound.plays, GaugeSound::Alarm), 3);
    Unload(host);
}

TEST_F(GaugeNavigationTest, TheAutopilotFliesARestoredRouteToItsEnd)
{
    SaveState({{"POWER", 1},
               {"AUTOPILOT", 0},
               {"RTEMODE", 1},
               {"NRTEWPT", 3},
               {"ACTRTE", 0},
               {"AUTODIS", 1.0}},
              Kbfi, Route({&Kbfi, &Ksea, &Ktcm}));
    PanelHost host;
    host.Aircraft().Place(
        {Degrees(Kbfi.lat) + 0.1, -Degrees(Kbfi.lon) + 0.05, 2000.0, 90.0, 180.0});
    Load(host);
    Click(host, Aut);
    ASSERT_EQ(host.Events().size(), 2u);
    EXPECT_EQ(host.Events()[0].event, 0x10100u);
    EXPECT_EQ(host.Events()[1].event, 0x1010Fu);
    EXPECT_TRUE(LampLit(host, "AUT"));

    std::vector<std::string> legs;
    for (int second = 0; second < 1200 && LampLit(host, "AUT"); ++second) {
        host.RunSeconds(1);
        if (legs.empty() || legs.back() != host.ScreenText(4)) legs.push_back(host.ScreenText(4));
    }
    EXPECT_EQ(legs, (std::vector<std::string>{"  WPT:1/3", "  WPT:2/3", "  WPT:3/3"}));
    EXPECT_FALSE(LampLit(host, "AUT"));
    EXPECT_EQ(host.ScreenText(1).substr(0, 10), "GO TO:KTCM");
    EXPECT_LE(NumberAfter(host.ScreenText(2), "DIS:"), 1.0);  // released inside 1 NM
    // Two advances and the release at the end, each with one waypoint sound.
    EXPECT_EQ(Count(recordedSound.plays, GaugeSound::Waypoint), 3);
    for (std::size_t i = 2; i < host.Events().size(); ++i)
        EXPECT_EQ(host.Events()[i].event, 0x101FAu);

    // At the end the unit stays quiet and keeps the last waypoint.
    host.RunSeconds(10);
    EXPECT_EQ(Count(recordedSound.plays, GaugeSound::Waypoint), 3);
    ExpectEverySoundRewoundAndPlayedOnce();
    EXPECT_EQ(host.ScreenText(4), "  WPT:3/3");

    std::size_t events = host.Events().size();
    Click(host, Aut);
    Click(host, Aut);
    ASSERT_EQ(host.Events().size(), events + 3);
    EXPECT_EQ(host.Events()[events + 2].event, 0x10117u);
    Unload(host);
}

TEST_F(GaugeNavigationTest, PreviousAndNextWrapAroundTheRoute)
{
    SaveState({{"POWER", 1}, {"RTEMODE", 1}, {"NRTEWPT", 3}, {"ACTRTE", 0}}, Kbfi,
              Route({&Kbfi, &Ksea, &Ktcm}));
    PanelHost host;
    PlaceSouthOf(host, Kolm, 30.0, 100.0);
    Load(host);
    std::vector<std::string> seen;
    for (Button button : {Prev, Next, Next, Next}) {
        Click(host, button);
        host.RunSeconds(1);
        seen.push_back(host.ScreenText(1).substr(6, 4) + host.ScreenText(4));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"KTCM  WPT:3/3", "KBFI  WPT:1/3", "KSEA  WPT:2/3",
                                              "KTCM  WPT:3/3"}));
    EXPECT_EQ(Count(recordedSound.plays, GaugeSound::Waypoint), 0);
    EXPECT_EQ(Count(recordedSound.plays, GaugeSound::Click), 4);
    Unload(host);
}

TEST_F(GaugeNavigationTest, AUnitSavedOffInstallsWithoutATimer)
{
    SaveState({{"POWER", 0}, {"RTEMODE", 0}}, Ksea);
    PanelHost host;
    Load(host);
    EXPECT_FALSE(host.DrawnPowered());
    EXPECT_TRUE(host.Clock().Timers().empty());
    host.RunSeconds(3);
    EXPECT_EQ(host.ScreenText(1), "");
    Click(host, Pwr);
    host.RunSeconds(1);
    EXPECT_EQ(host.ScreenText(1).substr(0, 10), "GO TO:KSEA");
    Unload(host);
}

TEST_F(GaugeNavigationTest, UnloadSavesWhatLoadRestores)
{
    const std::string route = Route({&Kbfi, &Ksea, &Ktcm});
    SaveState({{"POWER", 1},
               {"AUTOPILOT", 0},
               {"ALARM", 0},
               {"ALARMDIS", 2.0},
               {"AUTODIS", 0.5},
               {"RTEMODE", 1},
               {"NRTEWPT", 3},
               {"ACTRTE", 0}},
              Kbfi, route);
    {
        PanelHost host;
        PlaceSouthOf(host, Kolm, 30.0, 100.0);
        Load(host);
        Click(host, Next);
        Click(host, Alr);
        Click(host, Aut);
        host.RunSeconds(2);
        Unload(host);
    }
    EXPECT_EQ(Saved("POWER"), "1");
    EXPECT_EQ(Saved("ALARM"), "1");
    EXPECT_EQ(Saved("AUTOPILOT"), "1");
    EXPECT_EQ(Saved("ACTRTE"), "1");
    EXPECT_EQ(Saved("NRTEWPT"), "3");
    EXPECT_EQ(Saved("LASTREC"), Ksea.num);
    EXPECT_EQ(Saved("RTEWPTS"), route);

    PanelHost host;
    PlaceSouthOf(host, Kolm, 30.0, 100.0);
    Load(host);
    EXPECT_TRUE(LampLit(host, "ALR"));
    EXPECT_TRUE(LampLit(host, "AUT"));
    host.RunSeconds(1);
    EXPECT_EQ(host.ScreenText(1).substr(0, 10), "GO TO:KSEA");
    EXPECT_EQ(host.ScreenText(4), "  WPT:2/3");
    Unload(host);
}

TEST_F(GaugeNavigationTest, AMissingDatabaseIsNamedOnTheScreen)
{
    SaveState({{"POWER", 1}, {"RTEMODE", 0}}, Ksea);
    DeleteFileA(airports_.c_str());
    {
        PanelHost host;
        Load(host);
        host.RunSeconds(1);
        EXPECT_EQ(host.ScreenText(1), "GO TO:NO DATABASE");
        EXPECT_EQ(host.ScreenText(2), "");
        Unload(host);
    }
    EXPECT_EQ(Saved("LASTREC"), Ksea.num);  // the saved waypoint is kept

    // Without the data directory the saved state cannot be read: the unit starts off,
    // and switched on it says why it shows no waypoint.
    WriteDataPath(directory_.string() + "\\missing\\");
    PanelHost host;
    Load(host);
    EXPECT_FALSE(host.DrawnPowered());
    Click(host, Pwr);
    host.RunSeconds(1);
    EXPECT_EQ(host.ScreenText(1), "GO TO:NO DATABASE");
    Unload(host);
}

}  // namespace
