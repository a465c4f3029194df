// The database program's settings in its registry profile (section "Settings" under
// HKEY_CURRENT_USER\Software\Borealwing\GPS): the data directory and the window position.
#pragma once

#include "RegistryProfile.h"
#include "SharedNames.h"

#include <string>

namespace quillmap {

// The window position entries of the settings section, beside the data directory
// (nav::DataPathValue); kept for the gauge release 2.0.
inline constexpr char PosXEntry[] = "X";
inline constexpr char PosYEntry[] = "Y";

// The profile of the running application.
const winkit::RegistryProfile& Profile();

// The data directory as the record editors read it, with their default.
std::string EditorDataDirectory();
// The data directory as import and rebuild read it, with their default (empty: the current
// directory); they put the table's file name directly behind it.
std::string ImportDataDirectory();

}  // namespace quillmap
