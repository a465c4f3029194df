// Geomagnetic field elements from the compiled-in IGRF 1995 model: declination,
// inclination, horizontal, north, east, vertical and total intensity, and their annual
// changes, at the Earth's surface (elevation 0 above the reference ellipsoid).
//
// What the model promises. The coefficients are the main field at epoch 1995.0 with its
// predictive secular variation for 1995-2000, so the model is valid for dates from 1995.0
// (ModelValidFrom) to 2000.0 (ModelValidUntil); the airports' variation is computed for the
// fixed date 1997.0, inside that range. Within it the declination is that of the core field
// to degree and order 10: it matches reference declinations to within 0.05 degree, single
// precision moving it by thousandths of a degree, and it leaves out the crust's local
// anomalies, which can turn a compass by a degree or more near them. Outside the range the
// routines do not refuse a date: they go on extrapolating the coefficients linearly with
// the same rates, so the result drifts from the real field year by year, and nothing
// reports it.
//
// The working arrays and field results are program-wide and single precision, as the
// model has always been computed here; nothing is allocated. Angles at the interfaces
// are decimal degrees: latitude positive north, longitude positive east, declination
// positive east, inclination positive downward.
#pragma once

#include "ModelCoefficientTable.h"

#include <cstdint>
#include <span>

namespace magnetic {

// The first and last date (decimal years) for which the model's secular variation holds.
inline constexpr double ModelValidFrom = ModelEpoch;
inline constexpr double ModelValidUntil = ModelEpoch + 5.0;

// Coefficients run g(1,0), g(1,1), h(1,1), g(2,0), ...: for every (n, m) in table order,
// g, then h when m is not 0. Index 0 is unused, degree N fills 1..N(N+2).
inline constexpr int ModelCoefficientCapacity = ModelMainFieldDegree * (ModelMainFieldDegree + 2);
using CoefficientArray = float[ModelCoefficientCapacity + 1];

// Which columns of the table to load (g, h or their rates), and into which array.
enum class CoefficientKind {
    MainField,
    SecularVariation
};

// The two dates computed together: the requested date and one year later.
enum class FieldDate {
    Requested,
    NextYear
};

// The outcome of the model's routines. Failures come from the routines' own arguments or
// from a coefficient table of the wrong layout, never from a position or date; the values
// are the result codes the whole computation has always given.
enum class ModelResult {
    Success = 0,
    DegreeOutOfRange = 2,     // a degree the coefficient arrays cannot hold
    TableLayoutMismatch = 3,  // a row's (m, n) is not the expected one, or the table ends early
};

struct FieldResults {
    float x, y, z;  // north, east, vertical (down positive), nT
    float h, f;     // horizontal and total intensity, nT
    float d, i;     // declination and inclination, radians
    bool declinationDetermined;
    bool inclinationDetermined;
};

struct GeomagneticWorkspace {
    CoefficientArray mainField;
    CoefficientArray secularVariation;
    CoefficientArray atDate;
    CoefficientArray atNextYear;
    FieldResults fieldAtDate;
    FieldResults fieldAtNextYear;
};
extern GeomagneticWorkspace geomagneticWorkspace;

// The sixteen outputs of ComputeGeomagneticElements, in their order.
struct GeomagneticElements {
    double declinationChange;  // arc minutes per year
    double inclinationChange;  // arc minutes per year
    double horizontalChange;   // nT per year, likewise the four below
    double northChange;
    double eastChange;
    double verticalChange;
    double totalChange;
    int32_t declinationDegrees;  // truncated toward zero
    double declinationMinutes;   // non-negative unless the whole degrees are 0
    int32_t inclinationDegrees;
    double inclinationMinutes;
    double horizontal;  // nT, likewise the four below
    double north;
    double east;
    double vertical;
    double total;
};

// Whole degrees given for an angle that is undetermined (declination where the horizontal
// intensity, inclination where the total intensity, is below 0.0001 nT). No real
// declination or inclination takes this value; its minutes and annual change read 0.
inline constexpr int32_t UndeterminedAngleDegrees = 999;

// Copies the g and h (MainField) or g-dot and h-dot (SecularVariation) columns for
// n = 1..maxDegree, m = 0..n into the target array. TableLayoutMismatch when a row's stored
// (m, n) differs from the expected one or the table ends too early; the rows before it
// are loaded.
ModelResult
LoadModelCoefficients(CoefficientKind which, int maxDegree, CoefficientKind target,
                      std::span<const ModelCoefficientRow> table = ModelCoefficientTable);

// The degree of the coefficients ExtrapolateCoefficients builds: the larger of the two.
constexpr int ExtrapolatedDegree(int mainDegree, int svDegree)
{
    return mainDegree > svDegree ? mainDegree : svDegree;
}

// Main field plus (date - epoch) times the secular variation, to ExtrapolatedDegree, into
// the array of the given date. DegreeOutOfRange, writing nothing, for a degree the arrays
// cannot hold.
ModelResult ExtrapolateCoefficients(float date, float epoch, int mainDegree, int svDegree,
                                    FieldDate target);

// X, Y, Z at a geodetic position (degrees, elevation in km) from the coefficients of the
// given date.
void SynthesizeFieldComponents(float latitude, float longitude, float elevation, int degree,
                               FieldDate which);

// H, F, I, D from X, Y, Z of the given date.
void ComputeFieldElements(FieldDate which);

// The whole computation at a position and decimal-year date, from the given coefficient
// table. On a failure the elements are left as they were.
ModelResult
ComputeGeomagneticElements(double latitude, double longitude, double date,
                           GeomagneticElements& elements,
                           std::span<const ModelCoefficientRow> table = ModelCoefficientTable);

}  // namespace magnetic
