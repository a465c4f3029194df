// The gauge routines against a recording host: the order of installation and removal,
// drawing while on and off, switching on and off with the real window timer (with and
// without the simulator's window), and the host variables read through the records.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "GaugeLifecycle.h"
#include "GaugeRecords.h"
#include "GaugeState.h"
#include "HostVariables.h"
#include "Power.h"
#include "RecordingHost.h"
#include "SpineTestSupport.h"

using namespace gauge;

namespace {

class LifecycleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetLoadedGauge();
        UseEmptyDataDirectory();
        recordingHost.Attach();
    }
    void TearDown() override
    {
        SetPower(0);
        if (window_) DestroyWindow(window_);
    }

    HWND Window()
    {
        if (!window_) window_ = CreateSimulatorWindow();
        return window_;
    }

    // Each gauge cycle refreshes the five aircraft variables.
    int Cycles() const { return recordingHost.Count(SlotRefreshVariable) / 5; }

    HWND window_ = nullptr;
};

TEST_F(LifecycleTest, InstallFindsTheWindowAndRunsItsStepsInOrder)
{
    HWND window = Window();
    InstallGauge(0x1234);

    EXPECT_EQ(gaugeState.hostWindow, window);
    // Elements, mouse areas, variables, then the restored state switches the unit
    // (off, as nothing was saved).
    std::vector<int> expected = {SlotInstallElements, SlotInstallMouseAreas,
                                 SlotRegisterMouseAreas};
    expected.insert(expected.end(), 7, SlotRegisterVariable);
    expected.push_back(SlotSwitchOff);
    ASSERT_EQ(recordingHost.Slots(), expected);

    const auto& calls = recordingHost.calls;
    EXPECT_EQ(calls[0].first, &background.head);
    EXPECT_EQ(calls[0].second, 0x1234u);
    EXPECT_EQ(calls[1].first, mouseAreas);
    EXPECT_EQ(calls[1].second, reinterpret_cast<uintptr_t>(&gaugeHeader));
    EXPECT_EQ(calls[1].third, reinterpret_cast<uintptr_t>(ImportTable[0].address));
    EXPECT_EQ(calls[2].first, mouseAreas);
    EXPECT_EQ(calls[2].second, reinterpret_cast<uintptr_t>(&gaugeHeader));
    for (int i = 0; i < 7; ++i) EXPECT_EQ(calls[3 + i].first, &hostVariables[i].variable);
    EXPECT_EQ(gaugeState.powerOn, 0);
    EXPECT_FALSE(KillTimer(window, 1));  // a unit saved as off has no timer
}

TEST_F(LifecycleTest, WithoutTheSimulatorWindowTheHostWindowIsZero)
{
    InstallGauge(0);
    EXPECT_EQ(gaugeState.hostWindow, nullptr);
}

TEST_F(LifecycleTest, KillStopsTheTimerThenWithdrawsMouseAreasAndElements)
{
    gaugeState.hostWindow = Window();
    SetPower(1);
    recordingHost.calls.clear();

    KillGauge();

    EXPECT_EQ(recordingHost.Slots(),
              (std::vector<int>{SlotUnregisterMouseAreas, SlotKillElements}));
    EXPECT_EQ(recordingHost.calls[0].first, mouseAreas);
    EXPECT_EQ(recordingHost.calls[1].first, &background.head);
    EXPECT_FALSE(KillTimer(gaugeState.hostWindow, 1));
}

TEST_F(LifecycleTest, RoutinesPassTheRootAndTheQueryResult)
{
    EXPECT_EQ(QueryGauge(), 0x5A);
    InitializeGauge();
    UpdateGauge();
    GenerateGauge(7);
    EXPECT_EQ(recordingHost.Slots(), (std::vector<int>{SlotQueryElements, SlotInitializeElements,
                                                       SlotUpdateElements, SlotGenerateElements}));
    for (const ServiceCall& call : recordingHost.calls) EXPECT_EQ(call.first, &background.head);
    EXPECT_EQ(recordingHost.calls[3].second, 7u);
}

TEST_F(LifecycleTest, DrawingWhileOffCallsOnlyDrawUnpowered)
{
    gaugeState.powerOn = 0;
    DrawGauge();
    EXPECT_EQ(recordingHost.Slots(), (std::vector<int>{SlotDrawUnpowered}));

    recordingHost.calls.clear();
    gaugeState.powerOn = 1;
    DrawGauge();
    EXPECT_EQ(recordingHost.Slots(), (std::vector<int>{SlotDrawElements}));
}

TEST_F(LifecycleTest, SwitchingOnDarkensBothLampsAndShowsTheSteering)
{
    gaugeState.hostWindow = Window();
    autopilotLamp.head.flags &= ~HiddenBit;
    alarmLamp.head.flags &= ~HiddenBit;
    steeringScale.head.flags |= HiddenBit;
    steeringMarker.head.flags |= HiddenBit;

    SetPower(1);

    EXPECT_TRUE(autopilotLamp.head.flags & HiddenBit);
    EXPECT_TRUE(alarmLamp.head.flags & HiddenBit);
    EXPECT_FALSE(steeringScale.head.flags & HiddenBit);
    EXPECT_FALSE(steeringMarker.head.flags & HiddenBit);
    EXPECT_EQ(steeringScale.head.flags, 6u);  // the host's bits stay as they were
}

TEST_F(LifecycleTest, TimerRunsExactlyWhileTheUnitIsOn)
{
    gaugeState.hostWindow = Window();
    SetPower(1);
    PumpMessages(1500);
    EXPECT_EQ(Cycles(), 1);

    SetPower(0);
    EXPECT_EQ(recordingHost.Count(SlotSwitchOff), 1);
    int cycles = Cycles();
    PumpMessages(1500);
    EXPECT_EQ(Cycles(), cycles);
    EXPECT_FALSE(KillTimer(gaugeState.hostWindow, 1));
}

TEST_F(LifecycleTest, WithoutAWindowTheTimerRestartsAndStopsByItsOwnId)
{
    ASSERT_EQ(gaugeState.hostWindow, nullptr);
    SetPower(1);
    SetPower(1);  // restarts the one timer rather than adding a second
    PumpMessages(1500);
    EXPECT_EQ(Cycles(), 1);

    SetPower(0);
    int cycles = Cycles();
    PumpMessages(1500);
    EXPECT_EQ(Cycles(), cycles);
}

TEST_F(LifecycleTest, HostVariablesAreRefreshedThroughTheirRecordsAndConverted)
{
    recordingHost.values[TokenLatitude] = 10001750.0;
    recordingHost.values[TokenLongitude] = 0.75 * 281475000000000.0;
    recordingHost.values[TokenAltitude] = 304.8;
    recordingHost.values[TokenHeading] = 359.9;
    recordingHost.values[TokenVariation] = 350.0;

    ReadHostVariables();

    ASSERT_EQ(recordingHost.calls.size(), 5u);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(recordingHost.calls[i].first, &hostVariables[i].variable);
    EXPECT_EQ(gaugeState.aircraftLatitude, 90.0);
    EXPECT_DOUBLE_EQ(gaugeState.aircraftLongitude, 90.0);
    EXPECT_NEAR(gaugeState.altitudeFeet, 1000.0, 1e-9);
    EXPECT_EQ(gaugeState.aircraftHeading, 359.9);
    EXPECT_EQ(gaugeState.magneticVariation, 10.0);
    EXPECT_EQ(hostVariables[4].variable.value, 350.0);
}

}  // namespace
