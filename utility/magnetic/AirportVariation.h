// The magnetic variation of an airport, computed from the field model at its position.
#pragma once

#include <cstdint>

// The date of the variation stored for airports, whatever today's date is.
inline constexpr double AirportVariationDate = 1997.0;

// The whole degrees of the declination at a position (degrees, north and east positive)
// at AirportVariationDate, east positive, truncated toward zero; UndeterminedAngleDegrees
// (999) where it is undetermined. Stored as VAR for airports; the route tools take it for
// waypoints that store none.
int32_t AirportVariationAt(double latitude, double longitude);

// Reads the position of the current record of the open AIRPORTS table and writes the whole
// degrees of the declination there (AirportVariationAt) into its VAR field.
void ComputeAirportVariation();
