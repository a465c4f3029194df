#include "GaugeTables.h"

#include "GaugePlatform.h"
#include "NavigationTables.h"

namespace gauge {

std::string GaugeTablePath(const char* table)
{
    char directory[256];
    ReadSetting("Settings", "PATH", nav::defaultDirectory(nav::PathForm::Gauge), directory);
    return nav::tablePath(nav::PathForm::Gauge, directory, table);
}

}  // namespace gauge
