#include "Settings.h"

#include "Application.h"
#include "DataFiles.h"

namespace quillmap {

const appframe::RegistryProfile& Profile()
{
    return appframe::Application::Current()->Profile();
}

std::string EditorDataDirectory()
{
    return Profile().GetString(kSettingsSection, kPathEntry, kEditorDefaultDataDirectory);
}

}  // namespace quillmap
