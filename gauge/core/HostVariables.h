// The aircraft values the host gives, converted into the gauge's units and signs.
#pragma once

namespace gauge {

// Refreshes latitude, longitude, altitude, heading and magnetic variation, in this
// order, and stores them converted in gaugeState.
void ReadHostVariables();

}  // namespace gauge
