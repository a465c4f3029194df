// The unit's saved state in the configuration table CONFIG.DBF.
#pragma once

void LoadConfiguration();
void SaveConfiguration();
