// Geomagnetic field elements from the compiled-in IGRF 1995 model: declination,
// inclination, horizontal, north, east, vertical and total intensity, and their annual
// changes, at the Earth's surface (elevation 0 above the reference ellipsoid).
//
// The working arrays and field results are program-wide and single precision, as the
// model has always been computed here; nothing is allocated. Angles at the interfaces
// are decimal degrees: latitude positive north, longitude positive east, declination
// positive east, inclination positive downward.
#pragma once

#include "ModelCoefficientTable.h"

#include <cstdint>
#include <span>

// Coefficients run g(1,0), g(1,1), h(1,1), g(2,0), ...: for every (n, m) in table order,
// g, then h when m is not 0. Index 0 is unused, degree N fills 1..N(N+2).
inline constexpr int ModelCoefficientCapacity = ModelMainFieldDegree * (ModelMainFieldDegree + 2);
using CoefficientArray = float[ModelCoefficientCapacity + 1];

// Which columns of the table to load (g, h or their rates), and into which array.
enum class CoefficientKind { MainField, SecularVariation };

// The two dates computed together: the requested date and one year later.
enum class FieldDate { Requested, NextYear };

struct FieldResults {
    float x, y, z;      // north, east, vertical (down positive), nT
    float h, f;         // horizontal and total intensity, nT
    float d, i;         // declination and inclination, radians
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
    double declinationChange;   // arc minutes per year
    double inclinationChange;   // arc minutes per year
    double horizontalChange;    // nT per year, likewise the four below
    double northChange;
    double eastChange;
    double verticalChange;
    double totalChange;
    int32_t declinationDegrees; // truncated toward zero
    double declinationMinutes;  // non-negative unless the whole degrees are 0
    int32_t inclinationDegrees;
    double inclinationMinutes;
    double horizontal;          // nT, likewise the four below
    double north;
    double east;
    double vertical;
    double total;
};

// Whole degrees given for an angle that is undetermined (declination where the horizontal
// intensity, inclination where the total intensity, is below 0.0001 nT). No real
// declination or inclination takes this value; its minutes and annual change read 0.
inline constexpr int32_t UndeterminedAngleDegrees = 999;

// Result codes of ComputeGeomagneticElements.
inline constexpr int GeomagneticSuccess = 0;
inline constexpr int GeomagneticExtrapolationFailed = 2;
inline constexpr int GeomagneticLoadFailed = 3;

// Copies the g and h (MainField) or g-dot and h-dot (SecularVariation) columns for
// n = 1..maxDegree, m = 0..n into the target array. Returns 0, or -2 when a row's stored
// (m, n) differs from the expected one or the table ends too early.
int LoadModelCoefficients(CoefficientKind which, int maxDegree, CoefficientKind target,
                          std::span<const ModelCoefficientRow> table = ModelCoefficientTable);

// Main field plus (date - epoch) times the secular variation, into the array of the given
// date. Returns the degree of the result (the larger of the two), or -1 for a degree the
// arrays cannot hold.
int ExtrapolateCoefficients(float date, float epoch, int mainDegree, int svDegree,
                            FieldDate target);

// X, Y, Z at a geodetic position (degrees, elevation in km) from the coefficients of the
// given date.
void SynthesizeFieldComponents(float latitude, float longitude, float elevation, int degree,
                               FieldDate which);

// H, F, I, D from X, Y, Z of the given date.
void ComputeFieldElements(FieldDate which);

// The whole computation at a position and decimal-year date. Returns a result code.
int ComputeGeomagneticElements(double latitude, double longitude, double date,
                               GeomagneticElements& elements);
