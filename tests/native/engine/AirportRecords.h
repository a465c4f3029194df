// Generated airports for the tests that kill a writer: record i holds NUM, ID, NAME, ALT and
// TWR made from i, so that a record left behind can be checked field by field.
#pragma once

#include "TableEngine.h"

#include <cmath>
#include <cstdio>
#include <string>

inline std::string airportNum(int i)
{
    char num[16];
    std::snprintf(num, sizeof num, "%08d", i);
    return num;
}

inline std::string airportName(int i) { return "Field " + std::to_string(i); }
inline int airportAltitude(int i) { return i % 10000; }
inline double airportTower(int i) { return 118.0 + (i % 100) / 100.0; }

// Puts airport i's fields into the current record.
inline void putAirport(int i)
{
    FieldReplace("NUM", SDE_TEXT, airportNum(i).c_str());
    FieldReplace("ID", SDE_TEXT, ("K" + std::to_string(i % 1000)).c_str());
    FieldReplace("NAME", SDE_TEXT, airportName(i).c_str());
    int altitude = airportAltitude(i);
    FieldReplace("ALT", SDE_INTEGER, &altitude);
    double tower = airportTower(i);
    FieldReplace("TWR", SDE_DOUBLE, &tower);
}

// Whether the current record holds every field putAirport(i) wrote.
inline bool holdsAirport(int i)
{
    std::string name = FieldGetString("NAME");
    name.erase(name.find_last_not_of(' ') + 1);
    return FieldGetString("NUM") == airportNum(i) && name == airportName(i) &&
           FieldGetInteger("ALT") == airportAltitude(i) && std::fabs(FieldGetDouble("TWR") - airportTower(i)) < 1e-9;
}
