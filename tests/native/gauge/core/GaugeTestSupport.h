// Shared helpers of the gauge's native tests.
#pragma once

#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>

#include "GaugeAngles.h"
#include "GaugeButtons.h"
#include "GaugeState.h"
#include "RecordingEngine.h"
#include "RecordingPlatform.h"

namespace gauge {

// A waypoint at whole degrees and minutes; south and east negative in the gauge's terms
// are given as hemisphere flags.
inline WaypointRecord MakeWaypoint(const char* id, int32_t table, bool south, int latDeg,
                                   int latMin, bool east, int lonDeg, int lonMin,
                                   const char* num = "00000001")
{
    WaypointRecord w{};
    std::snprintf(w.num, sizeof w.num, "%s", num);
    std::snprintf(w.id, sizeof w.id, "%s", id);
    w.table = table;
    w.lat1 = south;
    w.lat2 = latDeg;
    w.lat3 = latMin;
    w.lon1 = east;
    w.lon2 = lonDeg;
    w.lon3 = lonMin;
    return w;
}

// Makes `w` the active waypoint as a successful lookup would.
inline void SetActiveWaypoint(const WaypointRecord& w)
{
    gaugeState.activeWaypoint = w;
    gaugeState.activeLatitude = nav::WaypointLatitude(w);
    gaugeState.activeLongitude = nav::WaypointLongitude(w);
    gaugeState.activeWaypointLookup = WaypointFound;
}

// A click on a button, as the host makes it; every callback returns 0.
inline void Press(MouseCallback button)
{
    EXPECT_EQ(button(0x1234, 0x5678), 0);
}

class GaugeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGauge();
        engine = RecordingEngine{};
    }
};

}  // namespace gauge
