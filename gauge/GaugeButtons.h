// The ten button callbacks, listed in the gauge's mouse areas. The host calls them
// with two words that they ignore; each returns 0.
#pragma once

#include <cstdint>

#include "ModuleAbi.h"

namespace gauge {

int32_t GAUGE_CALL OnNavButton(uint32_t, uint32_t);
int32_t GAUGE_CALL OnInfButton(uint32_t, uint32_t);
int32_t GAUGE_CALL OnAlrButton(uint32_t, uint32_t);
int32_t GAUGE_CALL OnSetButton(uint32_t, uint32_t);
int32_t GAUGE_CALL OnPwrButton(uint32_t, uint32_t);
int32_t GAUGE_CALL OnDirectToButton(uint32_t, uint32_t);
int32_t GAUGE_CALL OnRteButton(uint32_t, uint32_t);
int32_t GAUGE_CALL OnAutButton(uint32_t, uint32_t);
int32_t GAUGE_CALL OnPrevButton(uint32_t, uint32_t);
int32_t GAUGE_CALL OnNextButton(uint32_t, uint32_t);

}  // namespace gauge
