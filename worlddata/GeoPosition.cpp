#include "GeoPosition.h"

#include <cmath>
#include <numbers>

namespace worlddata {

namespace {

constexpr double EarthRadiusMeters = 6371008.8;  // mean radius (IUGG)
constexpr double RadiansPerDegree = std::numbers::pi / 180.0;
struct Vector {
    double x, y, z;
};

Vector UnitVector(const GeoPosition& position)
{
    double latitude = position.latitude * RadiansPerDegree;
    double longitude = position.longitude * RadiansPerDegree;
    return {std::cos(latitude) * std::cos(longitude), std::cos(latitude) * std::sin(longitude),
            std::sin(latitude)};
}

}  // namespace

double GreatCircleFeet(const GeoPosition& from, const GeoPosition& to)
{
    // Haversine: accurate for the short distances of a runway.
    double dLatitude = (to.latitude - from.latitude) * RadiansPerDegree;
    double dLongitude = (to.longitude - from.longitude) * RadiansPerDegree;
    double a = std::pow(std::sin(dLatitude / 2), 2) + std::cos(from.latitude * RadiansPerDegree) *
                                                          std::cos(to.latitude * RadiansPerDegree) *
                                                          std::pow(std::sin(dLongitude / 2), 2);
    double angle = 2 * std::atan2(std::sqrt(a), std::sqrt(1 - a));
    return angle * EarthRadiusMeters * FeetPerMeter;
}

GeoPosition GreatCircleMidpoint(const GeoPosition& from, const GeoPosition& to)
{
    Vector a = UnitVector(from);
    Vector b = UnitVector(to);
    Vector sum{a.x + b.x, a.y + b.y, a.z + b.z};
    double horizontal = std::hypot(sum.x, sum.y);
    return {std::atan2(sum.z, horizontal) / RadiansPerDegree,
            std::atan2(sum.y, sum.x) / RadiansPerDegree};
}

bool IsValidPosition(const GeoPosition& position)
{
    return std::isfinite(position.latitude) && std::isfinite(position.longitude) &&
           std::fabs(position.latitude) <= 90 && std::fabs(position.longitude) <= 180;
}

}  // namespace worlddata
