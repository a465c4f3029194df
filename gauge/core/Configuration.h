// The unit's saved state in the configuration table CONFIG.DBF: switches, distances,
// active waypoint and route, restored at installation and saved at removal.
#pragma once

namespace gauge {

void LoadConfiguration();
void SaveConfiguration();

}  // namespace gauge
