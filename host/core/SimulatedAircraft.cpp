#include "SimulatedAircraft.h"

#include <cmath>

#include "HostCodes.h"

namespace host {

using enum gauge::HostEvent;
using enum gauge::HostVariableToken;

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double DegreesToRadians = Pi / 180.0;
constexpr double MetresPerQuarterMeridian = 10001750.0;  // equator to pole
constexpr double TurnScale = 281475000000000.0;          // one full turn of longitude
constexpr double FeetPerMetre = 3.280839895013123;
constexpr double NauticalMilesPerDegree = 60.0;
constexpr double SecondsPerHour = 3600.0;
constexpr double TextLineShown = 1.0;  // our meaning of variable 5

// Simulator form (0 to 360, east positive) to signed degrees east.
double DeclinationEast(double variation)
{
    return variation > 180.0 ? variation - 360.0 : variation;
}

}  // namespace

double LatitudeMetres(double degreesNorth)
{
    return degreesNorth * MetresPerQuarterMeridian / 90.0;
}

double LongitudeTurns(double degreesEast)
{
    return NormalizedDegrees(degreesEast) / 360.0 * TurnScale;
}

double AltitudeMetres(double feet)
{
    return feet / FeetPerMetre;
}

double NormalizedDegrees(double degrees)
{
    double d = std::fmod(degrees, 360.0);
    if (d < 0.0) d += 360.0;
    return d >= 360.0 ? 0.0 : d;
}

void SimulatedAircraft::Place(const AircraftPlacement& placement)
{
    placement_ = placement;
    placement_.heading = NormalizedDegrees(placement.heading);
}

void SimulatedAircraft::SetVariation(double degrees)
{
    variation_ = degrees;
}

void SimulatedAircraft::SetWind(double knots, double direction)
{
    windSpeed_ = knots;
    windDirection_ = direction;
}

void SimulatedAircraft::OnEvent(uint32_t event, int32_t value)
{
    switch (event) {
    case EventAutopilotMaster:
        autopilotMaster_ = true;
        break;
    case EventAutopilotHeadingHold:
        if (autopilotMaster_) autopilotEngaged_ = true;
        break;
    case EventAutopilotHeading:
        autopilotHeading_ = NormalizedDegrees(value);
        break;
    case EventAutopilotOff:
        autopilotMaster_ = false;
        autopilotEngaged_ = false;
        break;
    default:
        break;
    }
}

void SimulatedAircraft::FlyOneSecond()
{
    AircraftPlacement& p = placement_;
    if (autopilotEngaged_) {
        // Turn the shorter way, at most the turn rate.
        double turn = NormalizedDegrees(autopilotHeading_ - p.heading);
        if (turn > 180.0) turn -= 360.0;
        if (turn > AutopilotTurnRate) turn = AutopilotTurnRate;
        if (turn < -AutopilotTurnRate) turn = -AutopilotTurnRate;
        p.heading = NormalizedDegrees(p.heading + turn);
    }

    // A great-circle step along the true course for one second at the ground speed.
    double arc = p.knots / SecondsPerHour / NauticalMilesPerDegree * DegreesToRadians;
    if (arc == 0.0) return;
    double course = (p.heading + DeclinationEast(variation_)) * DegreesToRadians;
    double lat = p.latitude * DegreesToRadians;
    double lon = p.longitude * DegreesToRadians;
    double newLat =
        std::asin(std::sin(lat) * std::cos(arc) + std::cos(lat) * std::sin(arc) * std::cos(course));
    double newLon = lon + std::atan2(std::sin(course) * std::sin(arc) * std::cos(lat),
                                     std::cos(arc) - std::sin(lat) * std::sin(newLat));
    p.latitude = newLat / DegreesToRadians;
    double east = NormalizedDegrees(newLon / DegreesToRadians);
    p.longitude = east > 180.0 ? east - 360.0 : east;
}

double SimulatedAircraft::VariableValue(uint32_t token) const
{
    switch (token) {
    case TokenTextLine:
        return TextLineShown;
    case TokenLatitude:
        return LatitudeMetres(placement_.latitude);
    case TokenLongitude:
        return LongitudeTurns(placement_.longitude);
    case TokenAltitude:
        return AltitudeMetres(placement_.altitudeFeet);
    case TokenHeading:
        return placement_.heading;
    case TokenVariation:
        return variation_;
    case TokenWindSpeed:
        return windSpeed_;
    case TokenWindDirection:
        return windDirection_;
    default:
        return 0.0;
    }
}

}  // namespace host
