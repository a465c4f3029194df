// A navaid row of nav.dat as the NAVAIDS table describes it.
#pragma once

#include "NavDatReader.h"

#include <string>

namespace worlddata {

// "NDB", "VOR", "VORDME", "VORTAC", "DME" or "TACAN"; empty for a row that is no navaid of
// the table of its own (a localizer, or the DME of a VOR or an ILS, which is listed with
// them).
std::string NavaidType(const NavDatRow& row);
// NDBs in kHz ("378"), the others in MHz with two decimals ("116.80").
std::string NavaidFrequency(const NavDatRow& row);

}  // namespace worlddata
