// The whole content of a plan or route file, read for the route tools.
#pragma once

#include <cstddef>
#include <string>

#include "Result.h"

namespace flightplan {

// The largest plan or route file read. Plans of every tool are far smaller; the bound keeps a
// wrong choice (a disk image, /dev/zero) from filling the simulator's address space.
constexpr std::size_t LargestPlanFileBytes = 32u << 20;

// Fails naming the file and the reason when it cannot be opened or read (a folder, a device
// that fails) or holds more than LargestPlanFileBytes.
nav::Expected<std::string> ReadFileBytes(const std::string& path);

}  // namespace flightplan
