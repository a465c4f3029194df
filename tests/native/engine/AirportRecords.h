// Generated airports for the tests that kill a writer: record i holds NUM, ID, NAME, ALT and
// TWR made from i, so that a record left behind can be checked field by field.
#pragma once

#include "TableEngine.h"

#include <cmath>
#include <cstdio>
#include <string>

inline std::string AirportNum(int i)
{
    char num[16];
    std::snprintf(num, sizeof num, "%08d", i);
    return num;
}

inline std::string AirportName(int i)
{
    return "Field " + std::to_string(i);
}
inline int AirportAltitude(int i)
{
    return i % 10000;
}
inline double AirportTower(int i)
{
    return 118.0 + (i % 100) / 100.0;
}

// Puts airport i's fields into the current record.
inline void PutAirport(int i)
{
    FieldReplace("NUM", SDE_TEXT, AirportNum(i).c_str());
    FieldReplace("ID", SDE_TEXT, ("K" + std::to_string(i % 1000)).c_str());
    FieldReplace("NAME", SDE_TEXT, AirportName(i).c_str());
    int altitude = AirportAltitude(i);
    FieldReplace("ALT", SDE_INTEGER, &altitude);
    double tower = AirportTower(i);
    FieldReplace("TWR", SDE_DOUBLE, &tower);
}

// Whether the current record holds every field PutAirport(i) wrote.
inline bool HoldsAirport(int i)
{
    std::string name = FieldGetString("NAME");
    name.erase(name.find_last_not_of(' ') + 1);
    return FieldGetString("NUM") == AirportNum(i) && name == AirportName(i) &&
           FieldGetInteger("ALT") == AirportAltitude(i) &&
           std::fabs(FieldGetDouble("TWR") - AirportTower(i)) < 1e-9;
}
