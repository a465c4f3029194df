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

void ComputeAirportVariation()
{
    nav::StoredCoordinate latitude = ReadCoordinate("LAT2", "LAT3", "LAT4", "LAT1");
    nav::StoredCoordinate longitude = ReadCoordinate("LON2", "LON3", "LON4", "LON1");

    GeomagneticElements elements{};
    ComputeGeomagneticElements(nav::utilityLatitude(latitude), nav::utilityLongitude(longitude),
                               AirportVariationDate, elements);
    int32_t variation = elements.declinationDegrees;
    FieldReplace("VAR", SDE_INTEGER, &variation);
}
