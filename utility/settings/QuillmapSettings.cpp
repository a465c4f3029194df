#include "QuillmapSettings.h"

#include "Application.h"
#include "NavigationTables.h"

namespace quillmap {

const appframe::RegistryProfile& Profile()
{
    return appframe::Application::Current()->Profile();
}

std::string EditorDataDirectory()
{
    return Profile().GetString(nav::SettingsSection, nav::DataPathValue,
                               nav::DefaultDirectory(nav::PathForm::Editors));
}

std::string ImportDataDirectory()
{
    return Profile().GetString(nav::SettingsSection, nav::DataPathValue,
                               nav::DefaultDirectory(nav::PathForm::Import));
}

}  // namespace quillmap
