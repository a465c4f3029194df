#include "GaugeTables.h"

#include "GaugePlatform.h"
#include "NavigationTables.h"
#include "SharedNames.h"

namespace gauge {

std::string GaugeTablePath(const char* table)
{
    char directory[256];
    Platform().ReadSetting(nav::SettingsSection, nav::DataPathValue,
                           nav::DefaultDirectory(nav::PathForm::Gauge), directory);
    return nav::TablePath(nav::PathForm::Gauge, directory, table);
}

}  // namespace gauge
