#include "GaugeState.h"

namespace gauge {

// Zero-filled at load, as static storage is.
GaugeState gaugeState;
WaypointLookupMemory waypointLookup;

void ResetGaugeState()
{
    gaugeState = GaugeState{};
    waypointLookup = WaypointLookupMemory{};
}

}  // namespace gauge
