#include "QuillmapSettings.h"

#include "Application.h"
#include "NavigationTables.h"

namespace quillmap {

const winkit::RegistryProfile& Profile()
{
    return winkit::Application::Current()->Profile();
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
