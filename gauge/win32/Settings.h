// The gauge's settings under HKEY_CURRENT_USER\Software\Borealwing\GPS, one subkey per
// section (ReadSetting itself is declared in GaugePlatform.h). Missing keys are created
// while reading.
#pragma once

#include <windows.h>

namespace gauge {

// HKEY_CURRENT_USER\Software\Borealwing\GPS, or null.
HKEY OpenGaugeKey();
// The section's subkey of the gauge key, or null.
HKEY OpenSectionKey(const char* section);

}  // namespace gauge
