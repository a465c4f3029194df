// Real tables made from the navigation schema in a scratch data directory, for the gauge's
// native tests: three airports, empty navaid, user waypoint and runway tables, and a blank
// configuration record.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "EngineTestSupport.h"
#include "GaugeState.h"
#include "RecordingPlatform.h"

namespace gauge {

class GaugeTablesTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        ResetGauge();
        SetDeletedHidden(1);
        SetSoftSeek(1);
        platform.dataDirectory = directory_.string() + "/";
        airports_ = CreateNavigationTable(nav::AirportsTable);
        CreateNavigationTable(nav::NavaidsTable);
        CreateNavigationTable(nav::UsersTable);
        CreateNavigationTable(nav::RunwaysTable);
        config_ = CreateNavigationTable(nav::ConfigTable);
        OpenTable(airports_, "AIRPORTS");
        AddPlace("00000030", "KPDX", "PORTLAND INTL", 45, 35, 19, 122, 35, 51);
        AddPlace("00000010", "KSEA", "SEATTLE-TACOMA INTERNATIONAL AIRPORT", 47, 26, 56, 122, 18,
                 34);
        AddPlace("00000020", "KOLM", "OLYMPIA RGNL", 46, 58, 11, 122, 54, 8);
        TableCloseAll();
        OpenTable(config_, "CONFIG");
        RecordAppendBlank();
        TableCloseAll();
    }

    static void AddPlace(const char* num, const char* id, const char* name, int latDeg, int latMin,
                         int latSec, int lonDeg, int lonMin, int lonSec)
    {
        AppendWaypoint(num, id, name);
        PutInteger("LAT2", latDeg);
        PutInteger("LAT3", latMin);
        PutInteger("LAT4", latSec);
        PutInteger("LON2", lonDeg);
        PutInteger("LON3", lonMin);
        PutInteger("LON4", lonSec);
    }

    void SetConfig(std::initializer_list<std::pair<const char*, int>> integers, const char* lastKey,
                   const std::string& route = "")
    {
        OpenTable(config_, "CONFIG");
        RecordGoTop();
        for (auto [field, value] : integers) PutInteger(field, value);
        PutText("LASTREC", lastKey);
        PutText("RTEWPTS", route.c_str());
        TableCloseAll();
    }

    std::string airports_;
    std::string config_;
};

}  // namespace gauge
