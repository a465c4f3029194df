#include "ImportBinding.h"

#include <cstring>

namespace host {

namespace {

bool Rebind(IMAGE_THUNK_DATA* slot, void* replacement)
{
    DWORD oldProtection = 0;
    if (!VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE,
                        &oldProtection))
        return false;
    slot->u1.Function = reinterpret_cast<DWORD_PTR>(replacement);
    VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, oldProtection, &oldProtection);
    FlushInstructionCache(GetCurrentProcess(), nullptr, 0);
    return true;
}

}  // namespace

int BindModuleImport(HMODULE module, const char* library, const char* function, void* replacement)
{
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) return 0;
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0) return 0;

    // Where the import's name table is missing, the bound address identifies it.
    HMODULE exporter = GetModuleHandleA(library);
    FARPROC original = exporter ? GetProcAddress(exporter, function) : nullptr;

    int bound = 0;
    auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
    for (; import->Name != 0; ++import) {
        if (_stricmp(reinterpret_cast<const char*>(base + import->Name), library) != 0) continue;
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
        auto* name = import->OriginalFirstThunk
                         ? reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk)
                         : nullptr;
        for (; slot->u1.Function != 0; ++slot) {
            bool match;
            if (name) {
                match = !IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) &&
                        std::strcmp(
                            reinterpret_cast<const char*>(reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(
                                                              base + name->u1.AddressOfData)
                                                              ->Name),
                            function) == 0;
                ++name;
            } else {
                match = original && slot->u1.Function == reinterpret_cast<DWORD_PTR>(original);
            }
            if (match && Rebind(slot, replacement)) ++bound;
        }
    }
    return bound;
}

}  // namespace host
