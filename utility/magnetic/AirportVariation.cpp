#include "AirportVariation.h"

#include "Coordinates.h"
#include "GeomagneticModel.h"
#include "TableEngine.h"

#include <cstdint>

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

} // namespace

int32_t AirportVariationAt(double latitude, double longitude)
{
    GeomagneticElements elements{};
    ComputeGeomagneticElements(latitude, longitude, AirportVariationDate, elements);
    return elements.declinationDegrees;
}

void ComputeAirportVariation()
{
    nav::StoredCoordinate latitude = ReadCoordinate("LAT2", "LAT3", "LAT4", "LAT1");
    nav::StoredCoordinate longitude = ReadCoordinate("LON2", "LON3", "LON4", "LON1");

    int32_t variation = AirportVariationAt(nav::UtilityLatitude(latitude), nav::UtilityLongitude(longitude));
    FieldReplace("VAR", SDE_INTEGER, &variation);
}
