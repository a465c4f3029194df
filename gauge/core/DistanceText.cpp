#include "DistanceText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace gauge {

void FormatDistance(double nauticalMiles, char (&text)[DistanceTextSize])
{
    std::snprintf(text, sizeof text, "%2.1f", nauticalMiles);
}

double ParseDistance(const char* text)
{
    const double value = std::strtod(text, nullptr);
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace gauge
