// Where the gauge finds its tables: the data directory named by the registry value
// "PATH" of section "Settings", read afresh for every table the gauge opens.
#pragma once

#include <cstddef>

constexpr const char* SettingsSection = "Settings";
constexpr const char* DataPathValue = "PATH";
constexpr const char* DefaultDataDirectory = "C:\\FS98\\GPSDATA\\";
constexpr const char* GaugeTablePassword = "KW%BN4#3";

// A directory of up to 255 characters and the longest file name fit.
constexpr std::size_t TablePathSize = 300;

// Formats the data directory into `pattern` (one %s), for example "%s\\CONFIG.DBF".
// The default directory ends in a backslash, so such a path holds two in a row, which
// the file system accepts.
void FormGaugeTablePath(const char* pattern, char (&path)[TablePathSize]);
