// The data directory setting: registry value "PATH" under
// HKEY_CURRENT_USER\Software\Borealwing\GPS\Settings.
#pragma once

#include <string>

// The stored text as it stands (it ends with a backslash), or empty when it is missing;
// import and rebuild put the table's file name directly behind it.
std::string ReadDataDirectorySetting();
