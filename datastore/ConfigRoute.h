// CONFIG's route as the unit reads it back, one rule for the gauge that restores it and the
// route tools that list and export it: RTEMODE, ACTRTE as stored, and the entries of RTEWPTS
// that NRTEWPT counts, brought into the 30; no entry at all without RTEMODE.
#pragma once

#include <cstdint>

#include "RouteText.h"

namespace nav {

struct ConfigRoute {
    int32_t mode = 0;         // RTEMODE
    int32_t activeIndex = 0;  // ACTRTE
    int32_t count = 0;        // entries read: NRTEWPT within 0..30, 0 without RTEMODE
    RouteSlots slots = {};    // the first `count` entries of RTEWPTS; the others empty
};

// Reads the route fields of the current record of CONFIG, which the caller has opened.
ConfigRoute ReadConfigRouteFields();

}  // namespace nav
