// The program's settings in its registry profile (section "Settings" under
// HKEY_CURRENT_USER\Software\Borealwing\GPS) and the caption of its own message boxes.
#pragma once

#include "RegistryProfile.h"
#include "SharedNames.h"

#include <string>

namespace quillmap {

inline constexpr const char* kApplicationName = nav::RegistryProgramKey;
inline constexpr const char* kRegistryKeyWord = nav::RegistryCompanyKey;
inline constexpr const char* kSettingsSection = nav::SettingsSection;
inline constexpr const char* kPathEntry =
    nav::DataPathValue;                    // data directory, ends with a backslash
inline constexpr char kPosXEntry[] = "X";  // kept for the gauge release 2.0
inline constexpr char kPosYEntry[] = "Y";

// Questions and notices of the dialogs carry this caption.
inline constexpr char ProgramCaption[] = "Quillmap";

// The profile of the running application.
const appframe::RegistryProfile& Profile();

// The data directory as the record editors read it, with their default.
std::string EditorDataDirectory();
// The data directory as import and rebuild read it, with their default (empty: the current
// directory); they put the table's file name directly behind it.
std::string ImportDataDirectory();

}  // namespace quillmap
