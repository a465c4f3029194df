#include "SteeringMarker.h"

#include "core/Navigation.h"

double GAUGE_CALL SteeringOffset(HostVariable* variable)
{
    return SteeringOffsetFor(variable->value);
}
