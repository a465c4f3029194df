// The Rebuild button of the main dialog.
#pragma once

#include <windows.h>

namespace quillmap {

// Asks "Rebuild all files ?" and on Yes rebuilds every navigation table of the data
// directory with the wait cursor shown; the final message names the tables that could not
// be opened, if any.
void RebuildAllTables(HWND owner);

}  // namespace quillmap
