// The gauge's reading of its settings: a value of a section of the shared key
// HKEY_CURRENT_USER\Software\Borealwing\GPS (SharedSettings.h), its keys created when
// missing, read into a buffer of 256 bytes whatever the value's type.
#pragma once

namespace gauge {

// `out` (at least 256 bytes) receives the value, cut to 255 characters, or defaultText when
// the value is missing or holds more than 256 bytes.
void ReadSetting(const char* section, const char* valueName, const char* defaultText, char* out);

}  // namespace gauge
