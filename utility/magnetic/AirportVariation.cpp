#include "AirportVariation.h"

#include "GeomagneticModel.h"
#include "TableEngine.h"

#include <cstdint>

namespace {

// Degrees, minutes and seconds of the current record's fields, in real arithmetic.
double FieldDegrees(const char* degrees, const char* minutes, const char* seconds)
{
    return FieldGetInteger(degrees) + FieldGetInteger(minutes) / 60.0
        + FieldGetInteger(seconds) / 3600.0;
}

} // namespace

void ComputeAirportVariation()
{
    double latitude = FieldDegrees("LAT2", "LAT3", "LAT4");
    if (FieldGetInteger("LAT1") > 0) // south
        latitude = -latitude;
    double longitude = FieldDegrees("LON2", "LON3", "LON4");
    if (FieldGetInteger("LON1") == 0) // west; the model takes longitudes east positive
        longitude = -longitude;

    GeomagneticElements elements{};
    ComputeGeomagneticElements(latitude, longitude, AirportVariationDate, elements);
    int32_t variation = elements.declinationDegrees;
    FieldReplace("VAR", SDE_INTEGER, &variation);
}
