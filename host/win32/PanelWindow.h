// The simulator's main window, class "FS98MAIN": the gauge finds it at installation and
// uses it as the owner of its timer and dialogs. In interactive mode it shows the gauge
// enlarged, passes clicks to its buttons and runs the simulation in real time.
#pragma once

#include <windows.h>

class PanelHost;

// A hidden main window of the host.
HWND CreatePanelWindow(PanelHost* host);

// Shows the window with the gauge enlarged `scale` times and runs the message loop
// until the window is closed; each real second is one simulated second. Returns the
// loop's exit code.
int RunInteractive(PanelHost& host, int scale);
