// The entry of gps.gau. The C run-time's start-up code calls DllMain once it has set
// itself up; the module's own entry remembers its handle, from which dialogs, bitmaps and
// sounds are later taken, and installs the Win32 surroundings the gauge's core calls.
#include <windows.h>

#include "GaugeState.h"
#include "HostPlatform.h"

namespace gauge {
namespace {

BOOL WINAPI ModuleEntry(HINSTANCE module, DWORD, LPVOID)
{
    gaugeState.moduleInstance = module;
    gaugeState.platform = &HostPlatform();
    return TRUE;
}

}  // namespace
}  // namespace gauge

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved)
{
    return gauge::ModuleEntry(module, reason, reserved);
}
