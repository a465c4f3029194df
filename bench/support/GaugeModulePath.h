// Where the benchmarks find the gauge module: beside the running program (both are built
// into the build tree's bin folder).
#pragma once

#include <string>

std::string GaugeModuleBesideProgram();
