#include "QuillmapApp.h"

#include "MainDialog.h"
#include "SharedNames.h"

namespace quillmap {

QuillmapApp::QuillmapApp() : Application(nav::RegistryProgramKey) {}

void QuillmapApp::InitInstance()
{
    SetRegistryKey(nav::RegistryCompanyKey);
    MainDialog dialog;
    SetMainWindow(&dialog);
    dialog.DoModal();
    SetMainWindow(nullptr);
}

}  // namespace quillmap
