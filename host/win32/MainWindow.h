// The simulator's main window, class "FS98MAIN": the gauge finds it at installation and
// makes it the owner of its timer and dialogs. A gauge announces each dialog with the
// system-menu command; the window counts these commands instead of opening its menu.
#pragma once

#include <windows.h>

namespace host {

// A hidden window of the class. `systemMenus` counts the system-menu commands; it must
// outlive the window.
HWND CreateMainWindow(int* systemMenus);

}  // namespace host
