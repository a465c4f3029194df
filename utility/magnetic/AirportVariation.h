// The magnetic variation of an airport, computed from the field model at its position.
#pragma once

// The date of the variation stored for airports, whatever today's date is.
inline constexpr double AirportVariationDate = 1997.0;

// Reads the position of the current record of the open AIRPORTS table and writes the whole
// degrees of the declination there (east positive, truncated toward zero) into its VAR
// field. Where the declination is undetermined, VAR receives UndeterminedAngleDegrees
// (999), which no real declination takes.
void ComputeAirportVariation();
