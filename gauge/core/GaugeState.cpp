#include "GaugeState.h"

// Zero-filled at load, as static storage is.
GaugeState gaugeState;
