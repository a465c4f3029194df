// Where the gauge finds its tables: the data directory named by the registry value
// "PATH" of section "Settings", read afresh for every table the gauge opens.
#pragma once

#include <string>

namespace gauge {

// The path of table `table` ("AIRPORTS", "CONFIG", ...) in the data directory, as
// "DIRECTORY\TABLE.DBF". The default directory ends in a backslash, so such a path holds
// two in a row, which the file system accepts.
std::string GaugeTablePath(const char* table);

// The data directory with the separator that GaugeTablePath puts behind it, for code that
// names the tables itself (the flight-plan library): its "DIRECTORY\TABLE.DBF" are the
// gauge's paths.
std::string GaugeDataDirectory();

}  // namespace gauge
