// The gauge's surroundings in gps.gau, as the portable core asks for them (GaugePlatform.h):
// the panel host's records and services, the window timer, DirectSound, the dialogs and the
// registry. The module installs them in gaugeState.platform when it is loaded.
#pragma once

#include "GaugePlatform.h"

namespace gauge {

GaugePlatform& HostPlatform();

}  // namespace gauge
