#include "SharedSettings.h"

#include "SharedNames.h"

namespace winkit {

RegistryProfile SharedProfile()
{
    return RegistryProfile(nav::RegistryCompanyKey, nav::RegistryProgramKey);
}

bool WriteDataPath(const std::string& path)
{
    return SharedProfile().WriteString(nav::SettingsSection, nav::DataPathValue, path.c_str());
}

}  // namespace winkit
