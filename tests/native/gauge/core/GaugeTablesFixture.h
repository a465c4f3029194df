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
        airports_ = createNavigationTable(nav::airportsTable);
        createNavigationTable(nav::navaidsTable);
        createNavigationTable(nav::usersTable);
        createNavigationTable(nav::runwaysTable);
        config_ = createNavigationTable(nav::configTable);
        openTable(airports_, "AIRPORTS");
        AddPlace("00000030", "KPDX", "PORTLAND INTL", 45, 35, 19, 122, 35, 51);
        AddPlace("00000010", "KSEA", "SEATTLE-TACOMA INTERNATIONAL AIRPORT", 47, 26, 56, 122, 18, 34);
        AddPlace("00000020", "KOLM", "OLYMPIA RGNL", 46, 58, 11, 122, 54, 8);
        TableCloseAll();
        openTable(config_, "CONFIG");
        RecordAppendBlank();
        TableCloseAll();
    }

    static void AddPlace(const char* num, const char* id, const char* name, int latDeg, int latMin, int latSec,
                         int lonDeg, int lonMin, int lonSec)
    {
        appendWaypoint(num, id, name);
        replaceInteger("LAT2", latDeg);
        replaceInteger("LAT3", latMin);
        replaceInteger("LAT4", latSec);
        replaceInteger("LON2", lonDeg);
        replaceInteger("LON3", lonMin);
        replaceInteger("LON4", lonSec);
    }

    void SetConfig(std::initializer_list<std::pair<const char*, int>> integers, const char* lastKey,
                   const std::string& route = "")
    {
        openTable(config_, "CONFIG");
        RecordGoTop();
        for (auto [field, value] : integers) replaceInteger(field, value);
        replaceText("LASTREC", lastKey);
        replaceText("RTEWPTS", route.c_str());
        TableCloseAll();
    }

    std::string airports_;
    std::string config_;
};

}  // namespace gauge
