// The whole content of a plan or route file, read for the route tools.
#pragma once

#include <string>

#include "Result.h"

namespace flightplan {

// Fails naming the file and the reason when it cannot be opened or read (a folder, a device
// that fails).
nav::Expected<std::string> ReadFileBytes(const std::string& path);

}  // namespace flightplan
