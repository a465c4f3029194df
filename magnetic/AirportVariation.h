// The magnetic variation of an airport, computed from the field model at its position.
#pragma once

#include "GeomagneticModel.h"

#include <cstdint>
#include <span>

namespace magnetic {

// The date of the variation stored for airports, whatever today's date is.
inline constexpr double AirportVariationDate = 1997.0;
static_assert(AirportVariationDate >= ModelValidFrom && AirportVariationDate <= ModelValidUntil,
              "the airports' variation is computed where the model holds");

struct AirportVariation {
    ModelResult result;
    // The whole degrees of the declination, east positive, truncated toward zero, so up to
    // a degree short of the model's value. UndeterminedAngleDegrees (999) where the
    // declination is undetermined or the model failed (result not Success).
    int32_t degrees;
};

// The variation at a position (degrees, north and east positive) at AirportVariationDate.
// The route tools take it for waypoints that store none.
AirportVariation
AirportVariationAt(double latitude, double longitude,
                   std::span<const ModelCoefficientRow> table = ModelCoefficientTable);

// Reads the position of the current record of the open AIRPORTS table and writes the
// variation there (AirportVariationAt) into its VAR field. Where the model fails, VAR gets
// UndeterminedAngleDegrees, which the route tools take for "no variation known" (rather
// than a plausible 0), and the failure is returned so that the caller can report the
// record; the record's other fields are not touched.
ModelResult
ComputeAirportVariation(std::span<const ModelCoefficientRow> table = ModelCoefficientTable);

}  // namespace magnetic
