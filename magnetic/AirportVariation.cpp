#include "AirportVariation.h"

#include "Coordinates.h"
#include "FieldValues.h"
#include "TableEngine.h"

#include <cstdint>

namespace magnetic {

namespace {

// Degrees, minutes and seconds of the current record's fields, then its hemisphere.
nav::StoredCoordinate ReadCoordinate(const char* degrees, const char* minutes, const char* seconds,
                                     const char* hemisphere)
{
    nav::StoredCoordinate coordinate{};
    coordinate.degrees = FieldGetInteger(degrees);
    coordinate.minutes = FieldGetInteger(minutes);
    coordinate.seconds = FieldGetInteger(seconds);
    coordinate.hemisphere = FieldGetInteger(hemisphere);
    return coordinate;
}

}  // namespace

AirportVariation AirportVariationAt(double latitude, double longitude,
                                    std::span<const ModelCoefficientRow> table)
{
    GeomagneticElements elements{};
    ModelResult result =
        ComputeGeomagneticElements(latitude, longitude, AirportVariationDate, elements, table);
    if (result != ModelResult::Success) return {result, UndeterminedAngleDegrees};
    return {result, elements.declinationDegrees};
}

ModelResult ComputeAirportVariation(std::span<const ModelCoefficientRow> table)
{
    nav::StoredCoordinate latitude = ReadCoordinate("LAT2", "LAT3", "LAT4", "LAT1");
    nav::StoredCoordinate longitude = ReadCoordinate("LON2", "LON3", "LON4", "LON1");

    AirportVariation variation =
        AirportVariationAt(nav::UtilityLatitude(latitude), nav::UtilityLongitude(longitude), table);
    nav::ReplaceInteger("VAR", variation.degrees);
    return variation.result;
}

}  // namespace magnetic
