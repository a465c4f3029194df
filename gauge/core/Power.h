// Switching the unit on and off.
#pragma once
#include <cstdint>

namespace gauge {

void SetPower(int32_t on);

}  // namespace gauge
