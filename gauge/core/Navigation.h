// Ground speed, distance, bearing, time to go, alarm, route advance and autopilot.
#pragma once

// The steering marker's offset in pixels for the aircraft heading in degrees.
double SteeringOffsetFor(double heading);
