#include "SteeringMarker.h"

#include "core/Navigation.h"

namespace gauge {

double GAUGE_CALL SteeringOffset(HostVariable* variable)
{
    return SteeringOffsetFor(variable->value);
}

}  // namespace gauge
