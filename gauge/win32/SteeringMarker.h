// The slider callback of the steering marker: the host passes the marker's heading
// variable record and shifts the marker by the result, in pixels.
#pragma once

#include "PanelRecords.h"

namespace gauge {

double GAUGE_CALL SteeringOffset(HostVariable* variable);

}  // namespace gauge
