// The gauge's data directory as the database program sets it: the value "PATH" of
// HKEY_CURRENT_USER\Software\Borealwing\GPS\Settings.
#pragma once

#include <string>

namespace host {

// Returns false when the key cannot be created or the value written.
bool WriteDataPath(const std::string& path);

}  // namespace host
