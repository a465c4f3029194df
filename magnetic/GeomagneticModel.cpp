#include "GeomagneticModel.h"

#include <cmath>

namespace magnetic {

GeomagneticWorkspace geomagneticWorkspace;

namespace {

constexpr float DegreesToRadians = 0.01745329f;
constexpr float RadiansToDegrees = 57.29578f;
constexpr float MinutesPerDegree = 60.0f;
constexpr float ReferenceRadius = 6371.2f;       // km
constexpr float SemiMajorSquared = 40680924.0f;  // a^2, km^2
constexpr float SemiMinorSquared = 40408588.0f;  // b^2, km^2
constexpr float SemiAxesSquaredDifference = 272336.0f;
// A latitude closer than PoleMargin degrees to a pole takes PolarLimit for its cosine, so
// that the cosine stays above 0 and the field stays finite at the poles themselves.
constexpr float PoleMargin = 0.001f;
constexpr float PolarLimit = 89.999f;
constexpr float UndeterminedThreshold = 0.0001f;  // nT
constexpr float Pi = 3.14159265f;

// Number of (n, m) terms up to a degree.
constexpr int TermCount(int degree)
{
    return degree * (degree + 3) / 2;
}
// Number of coefficients up to a degree.
constexpr int CoefficientCount(int degree)
{
    return degree * (degree + 2);
}

float* Coefficients(CoefficientKind kind)
{
    return kind == CoefficientKind::MainField ? geomagneticWorkspace.mainField
                                              : geomagneticWorkspace.secularVariation;
}

float* Coefficients(FieldDate date)
{
    return date == FieldDate::Requested ? geomagneticWorkspace.atDate
                                        : geomagneticWorkspace.atNextYear;
}

FieldResults& Field(FieldDate date)
{
    return date == FieldDate::Requested ? geomagneticWorkspace.fieldAtDate
                                        : geomagneticWorkspace.fieldAtNextYear;
}

// The sine and cosine of a geodetic latitude; within PoleMargin of a pole the cosine is
// taken at PolarLimit, the sine at the latitude itself.
struct LatitudeSineCosine {
    float sine, cosine;
};

LatitudeSineCosine GeodeticLatitude(float latitude)
{
    float cosineLatitude = latitude;
    if (90.0f - latitude < PoleMargin)
        cosineLatitude = PolarLimit;
    else if (latitude + 90.0f < PoleMargin)
        cosineLatitude = -PolarLimit;
    return {std::sin(latitude * DegreesToRadians), std::cos(cosineLatitude * DegreesToRadians)};
}

// A point at an elevation above the reference ellipsoid, in the geocentric frame of the
// harmonics: its geocentric latitude, the reference radius over its distance from the
// Earth's centre, and the rotation between the geodetic and the geocentric frame.
struct GeocentricPosition {
    LatitudeSineCosine latitude;
    float radiusRatio;
    float rotationCosine, rotationSine;
};

GeocentricPosition ToGeocentric(LatitudeSineCosine geodetic, float elevation)
{
    const float slat = geodetic.sine;
    const float clat = geodetic.cosine;
    const float h = elevation;
    float a = SemiMajorSquared * clat * clat;
    float b = SemiMinorSquared * slat * slat;
    float s = a + b;
    float d = std::sqrt(s);
    float r = std::sqrt(h * (h + 2.0f * d) + (SemiMajorSquared * a + SemiMinorSquared * b) / s);
    float cd = (h + d) / r;
    float sd = SemiAxesSquaredDifference / d * slat * clat / r;
    return {{slat * cd - clat * sd, clat * cd + slat * sd}, ReferenceRadius / r, cd, sd};
}

// North, east and vertical (down positive) components, nT.
struct FieldVector {
    float x, y, z;
};

// The field in the geocentric frame: the sum of the Schmidt quasi-normalised spherical
// harmonics to `degree` with the coefficients g, the associated Legendre functions (p)
// and their derivatives (q) built by recursion from their values for n <= 2.
FieldVector SumHarmonics(const GeocentricPosition& position, float longitude, int degree,
                         const float* g)
{
    constexpr int Terms = TermCount(ModelMainFieldDegree);
    float p[Terms + 1], q[Terms + 1];
    float sl[ModelMainFieldDegree + 1], cl[ModelMainFieldDegree + 1];
    const float slat = position.latitude.sine;
    const float clat = position.latitude.cosine;
    sl[1] = std::sin(longitude * DegreesToRadians);
    cl[1] = std::cos(longitude * DegreesToRadians);

    const float root3 = std::sqrt(3.0f);
    p[1] = 2.0f * slat;
    p[2] = 2.0f * clat;
    p[3] = 4.5f * slat * slat - 1.5f;
    p[4] = 3.0f * root3 * clat * slat;
    q[1] = -clat;
    q[2] = slat;
    q[3] = -3.0f * clat * slat;
    q[4] = root3 * (slat * slat - clat * clat);

    float x = 0.0f, y = 0.0f, z = 0.0f;
    int n = 0, m = 1, l = 1;
    float rr = 0.0f, fn = 0.0f;
    for (int k = 1; k <= TermCount(degree); ++k) {
        if (n < m) {
            m = 0;
            ++n;
            rr = std::pow(position.radiusRatio, static_cast<float>(n + 2));
            fn = static_cast<float>(n);
        }
        float fm = static_cast<float>(m);
        if (k >= 5) {
            if (m == n) {
                float aa = std::sqrt(1.0f - 0.5f / fm);
                int j = k - n - 1;
                p[k] = (1.0f + 1.0f / fm) * aa * clat * p[j];
                q[k] = aa * (clat * q[j] + slat / fm * p[j]);
                sl[m] = sl[m - 1] * cl[1] + cl[m - 1] * sl[1];
                cl[m] = cl[m - 1] * cl[1] - sl[m - 1] * sl[1];
            } else {
                float aa = std::sqrt(fn * fn - fm * fm);
                float bb = std::sqrt((fn - 1.0f) * (fn - 1.0f) - fm * fm) / aa;
                float cc = (2.0f * fn - 1.0f) / aa;
                int i = k - n;
                int j = k - 2 * n + 1;
                p[k] = (fn + 1.0f) * (cc * slat / fn * p[i] - bb / (fn - 1.0f) * p[j]);
                q[k] = cc * (slat * q[i] - clat / fn * p[i]) - bb * q[j];
            }
        }
        float aa = rr * g[l];
        if (m == 0) {
            x += aa * q[k];
            z -= aa * p[k];
            l += 1;
        } else {
            float bb = rr * g[l + 1];
            float cc = aa * cl[m] + bb * sl[m];
            x += cc * q[k];
            z -= cc * p[k];
            if (clat > 0.0f)
                y += (aa * sl[m] - bb * cl[m]) * fm * p[k] / ((fn + 1.0f) * clat);
            else
                y += (aa * sl[m] - bb * cl[m]) * q[k] * slat;
            l += 2;
        }
        ++m;
    }
    return {x, y, z};
}

// A field from the geocentric frame back into the geodetic one.
FieldVector ToGeodeticFrame(FieldVector field, const GeocentricPosition& position)
{
    const float cd = position.rotationCosine;
    const float sd = position.rotationSine;
    return {field.x * cd + field.z * sd, field.y, field.z * cd - field.x * sd};
}

// An angle in radians as whole degrees truncated toward zero and the remaining minutes;
// the minutes keep the angle's sign only when there are no whole degrees.
void SplitAngle(bool determined, float radians, int32_t& degrees, double& minutes)
{
    if (!determined) {
        degrees = UndeterminedAngleDegrees;
        minutes = 0.0;
        return;
    }
    float angle = radians * RadiansToDegrees;
    degrees = static_cast<int32_t>(angle);
    float rest = (angle - static_cast<float>(degrees)) * MinutesPerDegree;
    minutes = degrees != 0 ? std::fabs(rest) : rest;
}

}  // namespace

ModelResult LoadModelCoefficients(CoefficientKind which, int maxDegree, CoefficientKind target,
                                  std::span<const ModelCoefficientRow> table)
{
    float* array = Coefficients(target);
    std::size_t row = 0;
    int index = 1;
    for (int n = 1; n <= maxDegree; ++n) {
        for (int m = 0; m <= n; ++m, ++row) {
            if (row >= table.size()) return ModelResult::TableLayoutMismatch;
            const ModelCoefficientRow& term = table[row];
            if (term.m != m || term.n != n) return ModelResult::TableLayoutMismatch;
            bool rates = which == CoefficientKind::SecularVariation;
            array[index++] = static_cast<float>(rates ? term.gDot : term.g);
            if (m != 0) array[index++] = static_cast<float>(rates ? term.hDot : term.h);
        }
    }
    return ModelResult::Success;
}

ModelResult ExtrapolateCoefficients(float date, float epoch, int mainDegree, int svDegree,
                                    FieldDate target)
{
    if (mainDegree < 0 || mainDegree > ModelMainFieldDegree || svDegree < 0 ||
        svDegree > ModelMainFieldDegree)
        return ModelResult::DegreeOutOfRange;
    const float* main = geomagneticWorkspace.mainField;
    const float* rate = geomagneticWorkspace.secularVariation;
    float* result = Coefficients(target);
    float years = date - epoch;

    int common = CoefficientCount(mainDegree < svDegree ? mainDegree : svDegree);
    for (int i = 1; i <= common; ++i) result[i] = main[i] + years * rate[i];
    if (mainDegree > svDegree) {
        for (int i = common + 1; i <= CoefficientCount(mainDegree); ++i) result[i] = main[i];
        return ModelResult::Success;
    }
    for (int i = common + 1; i <= CoefficientCount(svDegree); ++i) result[i] = years * rate[i];
    return ModelResult::Success;
}

void SynthesizeFieldComponents(float latitude, float longitude, float elevation, int degree,
                               FieldDate which)
{
    const GeocentricPosition position = ToGeocentric(GeodeticLatitude(latitude), elevation);
    const FieldVector geocentric = SumHarmonics(position, longitude, degree, Coefficients(which));
    const FieldVector geodetic = ToGeodeticFrame(geocentric, position);
    FieldResults& field = Field(which);
    field.x = geodetic.x;
    field.y = geodetic.y;
    field.z = geodetic.z;
}

void ComputeFieldElements(FieldDate which)
{
    FieldResults& field = Field(which);
    field.h = std::sqrt(field.x * field.x + field.y * field.y);
    field.f = std::sqrt(field.z * field.z + field.x * field.x + field.y * field.y);
    field.d = 0.0f;
    field.i = 0.0f;
    field.inclinationDetermined = field.f >= UndeterminedThreshold;
    field.declinationDetermined = field.inclinationDetermined && field.h >= UndeterminedThreshold;
    if (field.inclinationDetermined) field.i = std::atan2(field.z, field.h);
    if (!field.declinationDetermined) return;
    if (field.h + field.x < UndeterminedThreshold)
        field.d = Pi;  // due south
    else
        field.d = 2.0f * std::atan2(field.y, field.h + field.x);
}

ModelResult ComputeGeomagneticElements(double latitude, double longitude, double date,
                                       GeomagneticElements& elements,
                                       std::span<const ModelCoefficientRow> table)
{
    constexpr float Elevation = 0.0f;
    float lat = static_cast<float>(latitude);
    float lon = static_cast<float>(longitude);
    float time = static_cast<float>(date);
    float epoch = static_cast<float>(ModelEpoch);

    ModelResult result = LoadModelCoefficients(CoefficientKind::MainField, ModelMainFieldDegree,
                                               CoefficientKind::MainField, table);
    if (result == ModelResult::Success)
        result =
            LoadModelCoefficients(CoefficientKind::SecularVariation, ModelSecularVariationDegree,
                                  CoefficientKind::SecularVariation, table);
    if (result != ModelResult::Success) return result;
    result = ExtrapolateCoefficients(time, epoch, ModelMainFieldDegree, ModelSecularVariationDegree,
                                     FieldDate::Requested);
    if (result == ModelResult::Success)
        result = ExtrapolateCoefficients(time + 1.0f, epoch, ModelMainFieldDegree,
                                         ModelSecularVariationDegree, FieldDate::NextYear);
    if (result != ModelResult::Success) return result;
    constexpr int SynthesisDegree =
        ExtrapolatedDegree(ModelMainFieldDegree, ModelSecularVariationDegree);

    SynthesizeFieldComponents(lat, lon, Elevation, SynthesisDegree, FieldDate::Requested);
    SynthesizeFieldComponents(lat, lon, Elevation, SynthesisDegree, FieldDate::NextYear);
    ComputeFieldElements(FieldDate::Requested);
    ComputeFieldElements(FieldDate::NextYear);

    const FieldResults& now = geomagneticWorkspace.fieldAtDate;
    const FieldResults& next = geomagneticWorkspace.fieldAtNextYear;
    constexpr float ArcMinutesPerRadian = RadiansToDegrees * MinutesPerDegree;
    elements.declinationChange = now.declinationDetermined && next.declinationDetermined
                                     ? (next.d - now.d) * ArcMinutesPerRadian
                                     : 0.0;
    elements.inclinationChange = now.inclinationDetermined && next.inclinationDetermined
                                     ? (next.i - now.i) * ArcMinutesPerRadian
                                     : 0.0;
    elements.horizontalChange = next.h - now.h;
    elements.northChange = next.x - now.x;
    elements.eastChange = next.y - now.y;
    elements.verticalChange = next.z - now.z;
    elements.totalChange = next.f - now.f;

    SplitAngle(now.declinationDetermined, now.d, elements.declinationDegrees,
               elements.declinationMinutes);
    SplitAngle(now.inclinationDetermined, now.i, elements.inclinationDegrees,
               elements.inclinationMinutes);
    elements.horizontal = now.h;
    elements.north = now.x;
    elements.east = now.y;
    elements.vertical = now.z;
    elements.total = now.f;
    return ModelResult::Success;
}

}  // namespace magnetic
