// The Import button of the main dialog.
#pragma once

#include <windows.h>

namespace quillmap {

// Asks for an import file starting in the data directory, checks its signature and
// imports its records into the tables of the data directory, with the wait cursor shown;
// reports the end, or a table that could not be opened, in a message box owned by owner.
void RunImport(HWND owner);

}  // namespace quillmap
