// The entry of gps.gau. The C run-time's start-up code calls DllMain once it has set
// itself up; the module's own entry only remembers its handle, from which dialogs,
// bitmaps and sounds are later taken.
#include <windows.h>

#include "GaugeState.h"

namespace gauge {
namespace {

BOOL WINAPI ModuleEntry(HINSTANCE module, DWORD, LPVOID)
{
    gaugeState.moduleInstance = module;
    return TRUE;
}

}  // namespace
}  // namespace gauge

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved)
{
    return gauge::ModuleEntry(module, reason, reserved);
}
