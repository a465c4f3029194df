#include "GaugeTables.h"

#include "GaugePlatform.h"
#include "NavigationTables.h"
#include "SharedNames.h"

namespace gauge {

namespace {

std::string DataPathSetting()
{
    char directory[256];
    Platform().ReadSetting(nav::SettingsSection, nav::DataPathValue,
                           nav::DefaultDirectory(nav::PathForm::Gauge), directory);
    return directory;
}

}  // namespace

std::string GaugeTablePath(const char* table)
{
    return nav::TablePath(nav::PathForm::Gauge, DataPathSetting().c_str(), table);
}

std::string GaugeDataDirectory()
{
    return DataPathSetting() + '\\';
}

}  // namespace gauge
