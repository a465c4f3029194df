#include "HostVariables.h"

#include "GaugePlatform.h"
#include "GaugeState.h"
#include "HostCodes.h"

namespace gauge {

namespace {

constexpr double MetresToDegreesLatitude = 8.998425275576774e-06;  // 90 / 10 001 750
// Together 1 / 281 475 000 000 000 of a turn, applied one after the other.
constexpr double TurnScaleFirst = 1e-08;
constexpr double TurnScaleSecond = 3.552713384847677e-07;
constexpr double TurnToWestDegrees = -360.0;
constexpr double MetresToFeet = 3.280839895013123;
constexpr double HalfTurn = 180.0;
constexpr double FullTurn = 360.0;

}  // namespace

void ReadHostVariables()
{
    gaugeState.aircraftLatitude =
        Platform().RefreshHostVariable(TokenLatitude) * MetresToDegreesLatitude;

    // East-positive turns become west-positive degrees; one step brings a value below
    // -180 back into range (exactly -180 stays).
    double longitude = Platform().RefreshHostVariable(TokenLongitude) * TurnScaleFirst *
                       TurnScaleSecond * TurnToWestDegrees;
    if (longitude < -HalfTurn) longitude += FullTurn;
    gaugeState.aircraftLongitude = longitude;

    gaugeState.altitudeFeet = Platform().RefreshHostVariable(TokenAltitude) * MetresToFeet;
    gaugeState.aircraftHeading = Platform().RefreshHostVariable(TokenHeading);

    // 0 to 360 east positive becomes west positive: 350 is 10 west, 10 is 10 east.
    double variation = Platform().RefreshHostVariable(TokenVariation);
    gaugeState.magneticVariation = variation > HalfTurn ? FullTurn - variation : -variation;
}

}  // namespace gauge
