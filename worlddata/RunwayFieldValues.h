// A runway of apt.dat as the RUNWAYS table describes it.
#pragma once

#include "AptDatReader.h"

#include <string>

namespace worlddata {

// "16L/34R"; a helipad's one designator ("H1").
std::string RunwayDesignators(const AptRunway& runway);
// "ASPH", "CONC", "GRASS", "DIRT", "GRVL", "LAKE" (dry lakebed), "WATER", "SNOW",
// "TRANSP" (transparent) or "OTHER".
std::string SurfaceName(const AptRunway& runway);
// The lighting the row gives: "HIRL", "MIRL" or "LIRL" for the edge lights, "CL" for
// centre-line lights, "ALS" for an approach lighting system and "REIL" for end identifier
// lights at either end, "LIGHTED" for lights of a kind not told; empty for an unlit runway.
std::string LightingRemark(const AptRunway& runway);

// A frequency in kHz as MHz with two decimals: "110.90". The digits beyond are cut
// (an 8.33 kHz channel "118.005" shows as "118.00", the start of the name pilots read).
std::string MegahertzText(int khz);

}  // namespace worlddata
