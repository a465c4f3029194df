// Rebinding a loaded module's imports in memory: the module keeps calling through its
// import address table, which then leads to the host's function instead.
#pragma once

#include <windows.h>

namespace host {

// Replaces every import of `function` from `library` (case-insensitive) in `module`'s
// import address table with `replacement`; returns how many slots were rebound.
int BindModuleImport(HMODULE module, const char* library, const char* function, void* replacement);

}  // namespace host
