// Opening one of the gauge's dialogs (Setup, Route, Direct To), and what they share.
#pragma once

#include <windows.h>

namespace gauge {

// Sends the simulator's window the system-menu command, then runs the dialog template
// from the gauge module modally, owned by that window (without an owner when there is
// no simulator window). Returns what the dialog ended with.
INT_PTR RunGaugeDialog(int templateId, DLGPROC procedure, LPARAM parameter = 0);

// The window's close box (the system command "close"): ends the dialog with `result` and
// returns TRUE; any other system command is left to the dialog manager (FALSE).
INT_PTR EndDialogOnClose(HWND dialog, WPARAM command, INT_PTR result);

}  // namespace gauge
