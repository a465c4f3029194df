// Helpers of the gauge spine's Windows tests.
#pragma once

#include <windows.h>

// Zero-fills the gauge state as a fresh load does, with this program as the module and the
// gauge's Win32 surroundings installed.
void ResetLoadedGauge();
// Points the registry value PATH at an empty folder, so nothing is restored or saved.
void UseEmptyDataDirectory();
// A window of the simulator's class "FS98MAIN" that counts system-menu commands.
HWND CreateSimulatorWindow();
int SystemMenuCommands();
// Dispatches this thread's messages for about `ms` milliseconds.
void PumpMessages(DWORD ms);
