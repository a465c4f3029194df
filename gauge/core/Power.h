// Switching the unit on and off.
#pragma once
#include <cstdint>

void SetPower(int32_t on);
