// The panel host's aircraft: it flies its magnetic heading along great circles at a
// steady ground speed, one step per simulated second, and has an autopilot that turns
// it towards a commanded heading. It gives the host variables in the simulator's forms.
#pragma once

#include <cstdint>

namespace host {

struct AircraftPlacement {
    double latitude = 0.0;   // degrees, north positive
    double longitude = 0.0;  // degrees, east positive
    double altitudeFeet = 0.0;
    double heading = 0.0;  // magnetic, degrees
    double knots = 0.0;    // ground speed
};

class SimulatedAircraft {
public:
    static constexpr double AutopilotTurnRate = 3.0;  // degrees per second

    void Place(const AircraftPlacement& placement);
    const AircraftPlacement& Placement() const { return placement_; }

    // Magnetic variation in the simulator's form: 0 to 360 degrees, east positive.
    void SetVariation(double degrees);
    double Variation() const { return variation_; }
    void SetWind(double knots, double direction);
    double WindSpeed() const { return windSpeed_; }
    double WindDirection() const { return windDirection_; }

    // One second of flight: the autopilot turns, then the aircraft moves.
    void FlyOneSecond();

    // Events: the master and heading-hold pair couples the autopilot, a heading event
    // sets the heading it turns to, the off event ends the coupling.
    void OnEvent(uint32_t event, int32_t value);
    bool AutopilotEngaged() const { return autopilotEngaged_; }
    double AutopilotHeading() const { return autopilotHeading_; }

    // A host variable's value as the simulator gives it; 0 for tokens it does not know.
    double VariableValue(uint32_t token) const;

private:
    AircraftPlacement placement_;
    double variation_ = 0.0;
    double windSpeed_ = 0.0;
    double windDirection_ = 0.0;
    bool autopilotMaster_ = false;
    bool autopilotEngaged_ = false;
    double autopilotHeading_ = 0.0;
};

// Helpers for the host's variable forms, exact inverses of the gauge's conversions.
double LatitudeMetres(double degreesNorth);
double LongitudeTurns(double degreesEast);  // scaled fraction of a turn, 0 up to one turn
double AltitudeMetres(double feet);
double NormalizedDegrees(double degrees);  // into [0, 360)

}  // namespace host
