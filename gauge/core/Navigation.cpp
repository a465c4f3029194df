#include "Navigation.h"

#include <algorithm>
#include <cmath>

#include "GaugeAngles.h"
#include "GaugePlatform.h"
#include "HostCodes.h"
#include "TableDialogHold.h"
#include "WaypointAccess.h"

namespace {

constexpr double SpeedFactor = 567.0;        // one sample from the arc flown in six ticks
constexpr double OneThird = 0.3333333333333333;
constexpr double SpeedLimit = 2000.0;        // a higher average reads 0
constexpr double DistanceLimit = 9999.0;
constexpr int32_t TicksPerSpeedSample = 6;
constexpr int32_t SteeringLimit = 25;        // degrees, one pixel each
constexpr int WaypointSound = 2;
constexpr int AlarmSound = 1;

// acos with its argument held to [-1, 1]: rounding pushes it just outside when the two
// points coincide or a course runs due north or south. A NaN passes through, so a course
// at zero distance still meets the bearing rule for it.
double BoundedAcos(double x)
{
    return std::acos(std::clamp(x, -1.0, 1.0));
}

// The central angle between two points, in the order the gauge's formula takes them.
double CentralAngle(double latitude1, double latitude2, double longitudeDifference)
{
    return BoundedAcos(std::cos(longitudeDifference) * std::cos(latitude1) * std::cos(latitude2) +
                       std::sin(latitude1) * std::sin(latitude2));
}

double AircraftLatitude() { return gaugeState.aircraftLatitude * DegreesToRadians; }
double AircraftLongitude() { return gaugeState.aircraftLongitude * DegreesToRadians; }

void TakeSpeedSample(double latitude, double longitude)
{
    GaugeState& s = gaugeState;
    double arc = CentralAngle(s.sampleLatitude, latitude, s.sampleLongitude - longitude) *
                 NauticalMilesPerRadian;
    s.speedSamples[0] = s.speedSamples[1];
    s.speedSamples[1] = s.speedSamples[2];
    s.speedSamples[2] = arc * SpeedFactor;
    s.groundSpeed = (s.speedSamples[0] + s.speedSamples[1] + s.speedSamples[2]) * OneThird;
    if (s.groundSpeed > SpeedLimit) s.groundSpeed = 0;
    s.sampleLatitude = latitude;
    s.sampleLongitude = longitude;
    s.tickCount = 0;
}

// Magnetic bearing in whole degrees from a true course in radians.
double MagneticBearing(double trueCourse)
{
    double b = trueCourse * RadiansToDegrees + 0.5;
    if (b == 0.0 || std::isnan(b)) b = 360.0;
    b += gaugeState.magneticVariation;
    if (b < 0) b += 360.0;
    if (b > 360.0) b -= 360.0;
    return std::trunc(b);
}

void SoundAlarm()
{
    GaugeState& s = gaugeState;
    if (!s.alarmOn || !(s.activeDistance <= s.alarmDistance)) return;
    if (s.tickCount % 2 == 0) {
        SetElementHidden(GaugeElement::alarmLamp, true);
        PlayGaugeSound(AlarmSound);
    } else {
        SetElementHidden(GaugeElement::alarmLamp, false);
    }
}

void ReleaseAutopilot()
{
    SetElementHidden(GaugeElement::autopilotLamp, true);
    gaugeState.autopilotOn = 0;
}

bool ActiveWaypointKnown() { return gaugeState.activeWaypointLookup == WaypointFound; }

// A route advance that fell due while a dialog held the tables.
bool routeAdvanceHeld = false;

}  // namespace

void ComputeNavigation()
{
    GaugeState& s = gaugeState;
    const double a = AircraftLatitude();
    const double b = AircraftLongitude();
    if (++s.tickCount == TicksPerSpeedSample) TakeSpeedSample(a, b);

    // Without a waypoint there is nothing to measure; the screen says why.
    if (!ActiveWaypointKnown()) return;

    const double p = s.activeLatitude;
    const double q = s.activeLongitude;
    const double g = CentralAngle(p, a, b - q);
    const double x = (std::sin(p) - std::cos(g) * std::sin(a)) / (std::sin(g) * std::cos(a));
    const double trueCourse = std::sin(q - b) < 0 ? BoundedAcos(x) : FullTurnRadians - BoundedAcos(x);

    s.activeDistance = std::min(g * NauticalMilesPerRadian, DistanceLimit);
    s.activeBearing = MagneticBearing(trueCourse);
    FlightTime ete = ComputeEte(s.activeDistance);
    s.activeEteHours = ete.hours;
    s.activeEteMinutes = ete.minutes;
    SoundAlarm();
}

FlightTime ComputeEte(double distance)
{
    if (gaugeState.groundSpeed == 0.0) return {0, 0};
    const double t = distance / gaugeState.groundSpeed;
    const double h = std::trunc(t);
    if (h > 99 || distance == 0.0) return {0, 0};
    const double f = t - h;
    int32_t m = static_cast<int32_t>(f * 60);
    if (m < 1) m = static_cast<int32_t>(f * 3600);
    return {static_cast<int32_t>(h), m};
}

void SequenceRoute()
{
    GaugeState& s = gaugeState;
    if (!ActiveWaypointKnown()) return;
    const bool due = s.activeDistance < s.nextWaypointDistance;
    if (s.routeIndex < s.routeCount - 1) {
        if (TableDialogOpen()) {
            // The advance would close the table the open dialog stands on: it waits, and
            // the first tick after the dialog makes it, even when the aircraft has flown on.
            routeAdvanceHeld = routeAdvanceHeld || due;
            return;
        }
        if (!due && !routeAdvanceHeld) return;
        routeAdvanceHeld = false;
        ++s.routeIndex;
        ActivateRouteWaypoint(s.routeIndex);
        PlayGaugeSound(WaypointSound);
    } else if (due) {
        // The last waypoint: the route stays in force; the coupling ends with one sound.
        if (s.autopilotOn) PlayGaugeSound(WaypointSound);
        ReleaseAutopilot();
    }
}

void CoupleAutopilot()
{
    GaugeState& s = gaugeState;
    if (!ActiveWaypointKnown()) return;
    SendHostEvent(EventAutopilotHeading, static_cast<int32_t>(s.activeBearing));
    // The simulator keeps the last heading it was given; no event on this release.
    if (s.routeMode == 0 && s.activeDistance < s.nextWaypointDistance) {
        PlayGaugeSound(WaypointSound);
        ReleaseAutopilot();
    }
}

void DropHeldRouteAdvance()
{
    routeAdvanceHeld = false;
}

double LegDistance(const WaypointRecord& from, const WaypointRecord& to)
{
    return CentralAngle(WaypointLatitude(from), WaypointLatitude(to),
                        WaypointLongitude(from) - WaypointLongitude(to)) *
           NauticalMilesPerRadian;
}

double FromDistance()
{
    const WaypointRecord& previous = gaugeState.route[gaugeState.routeIndex - 1];
    return CentralAngle(AircraftLatitude(), WaypointLatitude(previous),
                        AircraftLongitude() - WaypointLongitude(previous)) *
           NauticalMilesPerRadian;
}

double NextDistance()
{
    const GaugeState& s = gaugeState;
    return LegDistance(s.route[s.routeIndex], s.route[s.routeIndex + 1]) + s.activeDistance;
}

double RouteRemainingDistance()
{
    const GaugeState& s = gaugeState;
    double distance = s.activeDistance;
    for (int32_t i = s.routeIndex; i <= s.routeCount - 2; ++i)
        distance += LegDistance(s.route[i], s.route[i + 1]);
    return distance;
}

double SteeringOffsetFor(double heading)
{
    if (!ActiveWaypointKnown()) return 0;
    int32_t offset = static_cast<int32_t>(gaugeState.activeBearing) - static_cast<int32_t>(heading);
    if (offset != 0) {
        if (offset > 180) offset -= 360;
        if (offset < -180) offset += 360;
        offset = std::clamp(offset, -SteeringLimit, SteeringLimit);
    }
    return offset;
}
