// The panel host driving the shipped gps.gau: what the simulator would see and do.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "SharedSettings.h"
#include "PanelHost.h"

using namespace gauge;
using namespace host;
using winkit::WriteDataPath;

namespace {

constexpr int NavButton = 0;
constexpr int PwrButton = 4;
constexpr int AutButton = 7;

// The module as Wine sees it: the build tree lies on drive Z:.
std::string GaugeModule()
{
    std::string path = std::string("Z:") + GAUGE_MODULE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// An empty folder as the gauge's data directory: nothing is restored or saved.
void UseEmptyDataDirectory()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "panelhost_empty";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(WriteDataPath(folder));
}

bool IsScreenRed(uint32_t pixel)
{
    return ((pixel >> 16) & 0xFF) > 150 && ((pixel >> 8) & 0xFF) < 100 && (pixel & 0xFF) < 100;
}

// Red pixels inside a text line's box.
int RedPixels(const PixelView& frame, int x, int y, int width, int height)
{
    int count = 0;
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            count += IsScreenRed(frame.pixels[row * frame.width + column]);
    return count;
}

class PanelHostTest : public ::testing::Test {
protected:
    void SetUp() override { UseEmptyDataDirectory(); }

    void Load(PanelHost& host)
    {
        const nav::Status loaded = host.Load(GaugeModule());
        ASSERT_TRUE(loaded) << loaded.Message();
    }
};

TEST_F(PanelHostTest, LoadingBindsTheTimersAndInstallsTheGauge)
{
    PanelHost host;
    Load(host);
    EXPECT_TRUE(host.TimersBound());
    EXPECT_EQ(host.TextLineCount(), 4);
    auto lamps = host.Lamps();
    ASSERT_EQ(lamps.size(), 2u);
    EXPECT_EQ(lamps[0].name, "AUT");
    EXPECT_EQ(lamps[1].name, "ALR");
    EXPECT_FALSE(lamps[0].lit);
    EXPECT_FALSE(lamps[1].lit);
    EXPECT_FALSE(host.DrawnPowered());  // nothing saved: the unit starts off
    EXPECT_TRUE(host.Clock().Timers().empty());
    EXPECT_EQ(host.Frame().width, 164);
    EXPECT_EQ(host.Frame().height, 89);

    std::string problem;
    EXPECT_TRUE(host.Unload(problem)) << problem;
    EXPECT_FALSE(host.Loaded());
}

TEST_F(PanelHostTest, MissingModuleIsReported)
{
    PanelHost host;
    const nav::Status loaded = host.Load("Z:\\no\\such\\gps.gau");
    EXPECT_FALSE(loaded);
    EXPECT_NE(loaded.Message().find("cannot load"), std::string::npos);
}

TEST_F(PanelHostTest, TheGaugeTimerRunsOnTheClockExactlyWhileSwitchedOn)
{
    PanelHost host;
    Load(host);
    ASSERT_TRUE(host.ClickButton(PwrButton));
    ASSERT_EQ(host.Clock().Timers().size(), 1u);
    const ClockTimer& timer = host.Clock().Timers().front();
    EXPECT_EQ(timer.window, reinterpret_cast<uintptr_t>(host.MainWindow()));
    EXPECT_EQ(timer.id, 1u);
    EXPECT_EQ(timer.periodMs, 1000u);

    host.RunSeconds(2);
    EXPECT_TRUE(host.DrawnPowered());
    EXPECT_FALSE(host.ScreenText(1).empty());

    int switchOffs = host.SwitchOffCount();
    host.ClickButton(PwrButton);
    EXPECT_TRUE(host.Clock().Timers().empty());
    EXPECT_EQ(host.SwitchOffCount(), switchOffs + 1);
    EXPECT_FALSE(host.DrawnPowered());

    host.ClickButton(PwrButton);
    std::string problem;
    EXPECT_TRUE(host.Unload(problem)) << problem;  // the gauge stopped its own timer
    EXPECT_TRUE(host.Clock().Timers().empty());
}

TEST_F(PanelHostTest, WithoutTheSimulatorWindowTheTimerIsStillStopped)
{
    PanelHost host(false);
    Load(host);
    host.ClickButton(PwrButton);
    ASSERT_EQ(host.Clock().Timers().size(), 1u);
    EXPECT_EQ(host.Clock().Timers().front().window, 0u);
    EXPECT_NE(host.Clock().Timers().front().id, 1u);  // the id the system gave
    host.RunSeconds(1);
    EXPECT_FALSE(host.ScreenText(1).empty());

    host.ClickButton(PwrButton);
    EXPECT_TRUE(host.Clock().Timers().empty());
    host.ClickButton(PwrButton);
    EXPECT_EQ(host.Clock().Timers().size(), 1u);
    std::string problem;
    EXPECT_TRUE(host.Unload(problem)) << problem;
}

TEST_F(PanelHostTest, ClicksAreHitTestedAgainstTheButtonAreas)
{
    PanelHost host;
    Load(host);
    EXPECT_FALSE(host.ClickAt(1, 1));
    EXPECT_FALSE(host.ClickAt(2, 58));
    EXPECT_FALSE(host.ClickAt(33, 58));  // the gap between NAV and INF
    EXPECT_FALSE(host.ClickAt(3, 71));   // between the rows
    EXPECT_EQ(host.CursorAt(10, 60), 5);
    EXPECT_EQ(host.CursorAt(100, 20), -1);

    EXPECT_TRUE(host.ClickAt(160, 70));  // bottom right corner of PWR
    EXPECT_TRUE(host.DrawnPowered());
    EXPECT_TRUE(host.ClickAt(131, 58));  // top left corner of PWR
    EXPECT_FALSE(host.DrawnPowered());
}

TEST_F(PanelHostTest, AutopilotEventsReachTheAircraft)
{
    PanelHost host;
    Load(host);
    host.ClickButton(PwrButton);
    host.ClickButton(AutButton);
    ASSERT_EQ(host.Events().size(), 2u);
    EXPECT_EQ(host.Events()[0].event, 0x10100u);
    EXPECT_EQ(host.Events()[1].event, 0x1010Fu);
    EXPECT_TRUE(host.Aircraft().AutopilotEngaged());
    EXPECT_EQ(host.Lamps()[0].lit, true);

    host.ClickButton(AutButton);
    EXPECT_EQ(host.Events().back().event, 0x10117u);
    EXPECT_FALSE(host.Aircraft().AutopilotEngaged());
}

TEST_F(PanelHostTest, DrawingShowsRedTextAndTheMarkerAndGoesDarkWhenOff)
{
    PanelHost host;
    Load(host);
    host.Aircraft().Place({0.5, 0.0, 1000.0, 170.0, 0.0});
    host.ClickButton(PwrButton);
    host.RunSeconds(1);

    MarkerState marker = host.Marker();
    EXPECT_TRUE(marker.shown);
    PixelView frame = host.Frame();
    int tip = 36 + static_cast<int>(marker.offset);  // the marker's apex, row 50
    EXPECT_TRUE(IsScreenRed(frame.pixels[50 * frame.width + tip]));
    EXPECT_FALSE(IsScreenRed(frame.pixels[50 * frame.width + tip - 1]));
    EXPECT_GT(RedPixels(frame, 7, 5, 150, 12), 20);

    host.ClickButton(NavButton);
    host.RunSeconds(1);
    EXPECT_EQ(host.ScreenText(2).substr(0, 11), "W000\xB0"
                                                "00'00\"");

    host.ClickButton(PwrButton);
    frame = host.Frame();
    EXPECT_EQ(RedPixels(frame, 5, 3, 154, 53), 0);  // a dark screen, the text kept
    EXPECT_FALSE(host.ScreenText(1).empty());
}

}  // namespace
