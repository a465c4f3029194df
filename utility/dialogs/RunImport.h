// The Import button of the main dialog.
#pragma once

#include <windows.h>

namespace quillmap {

// Asks for an import file or world data starting in the data directory and imports it into
// the tables of the data directory, with the wait cursor shown: an import file after its
// signature is checked, world data (WorldDataSet.h) converted first. Reports the end, or
// why nothing was imported, in a message box owned by owner.
void RunImport(HWND owner);

}  // namespace quillmap
