#include "Navigation.h"

#include <algorithm>
#include <cmath>

#include "GaugeAngles.h"
#include "GaugePlatform.h"
#include "GreatCircle.h"
#include "HostCodes.h"
#include "TableDialogHold.h"
#include "WaypointAccess.h"

namespace gauge {

namespace {

constexpr double SpeedFactor = 567.0;  // one sample from the arc flown in six ticks
constexpr double OneThird = 0.3333333333333333;
constexpr double SpeedLimit = 2000.0;  // a higher average reads 0
constexpr double DistanceLimit = 9999.0;
constexpr int32_t TicksPerSpeedSample = 6;
constexpr int32_t SteeringLimit = 25;  // degrees, one pixel each

double AircraftLatitude()
{
    return gaugeState.aircraftLatitude * nav::DegreesToRadians;
}
double AircraftLongitude()
{
    return gaugeState.aircraftLongitude * nav::DegreesToRadians;
}

void TakeSpeedSample(double latitude, double longitude)
{
    GaugeState& s = gaugeState;
    double arc = nav::CentralAngle(s.sampleLatitude, latitude, s.sampleLongitude - longitude) *
                 nav::NauticalMilesPerRadian;
    s.speedSamples[0] = s.speedSamples[1];
    s.speedSamples[1] = s.speedSamples[2];
    s.speedSamples[2] = arc * SpeedFactor;
    s.groundSpeed = (s.speedSamples[0] + s.speedSamples[1] + s.speedSamples[2]) * OneThird;
    if (s.groundSpeed > SpeedLimit) s.groundSpeed = 0;
    s.sampleLatitude = latitude;
    s.sampleLongitude = longitude;
    s.tickCount = 0;
}

void SoundAlarm()
{
    GaugeState& s = gaugeState;
    if (!s.alarmOn || !(s.activeDistance <= s.alarmDistance)) return;
    if (s.tickCount % 2 == 0) {
        Platform().SetElementHidden(GaugeElement::alarmLamp, true);
        Platform().PlayGaugeSound(GaugeSound::Alarm);
    } else {
        Platform().SetElementHidden(GaugeElement::alarmLamp, false);
    }
}

void ReleaseAutopilot()
{
    Platform().SetElementHidden(GaugeElement::autopilotLamp, true);
    gaugeState.autopilotOn = 0;
}

bool ActiveWaypointKnown()
{
    return gaugeState.activeWaypointLookup == WaypointFound;
}

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
    const double g = nav::CentralAngle(p, a, b - q);
    const double trueCourse = nav::TrueCourse(a, b, p, q, g);

    s.activeDistance = std::min(g * nav::NauticalMilesPerRadian, DistanceLimit);
    s.activeBearing = nav::MagneticBearing(trueCourse, s.magneticVariation);
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
            s.routeAdvanceHeld = s.routeAdvanceHeld || due;
            return;
        }
        if (!due && !s.routeAdvanceHeld) return;
        s.routeAdvanceHeld = 0;
        ++s.routeIndex;
        ActivateRouteWaypoint(s.routeIndex);
        Platform().PlayGaugeSound(GaugeSound::Waypoint);
    } else if (due) {
        // The last waypoint: the route stays in force; the coupling ends with one sound.
        if (s.autopilotOn) Platform().PlayGaugeSound(GaugeSound::Waypoint);
        ReleaseAutopilot();
    }
}

void CoupleAutopilot()
{
    GaugeState& s = gaugeState;
    if (!ActiveWaypointKnown()) return;
    Platform().SendHostEvent(EventAutopilotHeading, static_cast<int32_t>(s.activeBearing));
    // The simulator keeps the last heading it was given; no event on this release.
    if (s.routeMode == 0 && s.activeDistance < s.nextWaypointDistance) {
        Platform().PlayGaugeSound(GaugeSound::Waypoint);
        ReleaseAutopilot();
    }
}

void DropHeldRouteAdvance()
{
    gaugeState.routeAdvanceHeld = 0;
}

double FromDistance()
{
    const WaypointRecord& previous = gaugeState.route[gaugeState.routeIndex - 1];
    return nav::CentralAngle(AircraftLatitude(), nav::WaypointLatitude(previous),
                             AircraftLongitude() - nav::WaypointLongitude(previous)) *
           nav::NauticalMilesPerRadian;
}

double NextDistance()
{
    const GaugeState& s = gaugeState;
    return nav::LegDistance(s.route[s.routeIndex], s.route[s.routeIndex + 1]) + s.activeDistance;
}

double RouteRemainingDistance()
{
    const GaugeState& s = gaugeState;
    double distance = s.activeDistance;
    for (int32_t i = s.routeIndex; i <= s.routeCount - 2; ++i)
        distance += nav::LegDistance(s.route[i], s.route[i + 1]);
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

}  // namespace gauge
