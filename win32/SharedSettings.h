// The settings the gauge, the database program and the panel host share, under the names of
// SharedNames.h: HKEY_CURRENT_USER\Software\Borealwing\GPS, one subkey per section, the data
// directory in the value "PATH" of the section "Settings".
#pragma once

#include "RegistryProfile.h"

#include <string>

namespace winkit {

// The profile of the shared key, as the database program's application object forms it.
RegistryProfile SharedProfile();

// Stores the data directory (it should end with a backslash: the readers put a table's file
// name right behind it); false when the key cannot be created or the value written.
bool WriteDataPath(const std::string& path);

}  // namespace winkit
