#include "GaugeState.h"

namespace gauge {

// Zero-filled at load, as static storage is.
GaugeState gaugeState;

}  // namespace gauge
