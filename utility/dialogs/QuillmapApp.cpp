#include "QuillmapApp.h"

#include "MainDialog.h"
#include "Settings.h"

namespace quillmap {

QuillmapApp::QuillmapApp() : Application(kApplicationName) {}

void QuillmapApp::InitInstance()
{
    SetRegistryKey(kRegistryKeyWord);
    MainDialog dialog;
    SetMainWindow(&dialog);
    dialog.DoModal();
    SetMainWindow(nullptr);
}

}  // namespace quillmap
