// The Setup dialog's distances as text: shown with one decimal, read back with the
// standard text-to-double conversion and no further checks.
#pragma once

#include <cstddef>

namespace gauge {

constexpr std::size_t DistanceTextSize = 32;

// "%2.1f": one decimal, at least two characters (5 gives "5.0", 0.26 gives "0.3").
void FormatDistance(double nauticalMiles, char (&text)[DistanceTextSize]);

// Leading blanks skipped, the longest numeric prefix taken ("2.5NM" gives 2.5); 0 when
// there is none ("abc"). Text that reads as infinite or not a number gives 0 as well, so
// that only finite distances reach the gauge and its configuration table.
double ParseDistance(const char* text);

}  // namespace gauge
