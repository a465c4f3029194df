#include "GaugeModule.h"

#include "ImportBinding.h"

namespace host {

using gauge::ImportEntry;
using gauge::LinkageRecord;

nav::Status GaugeModule::Load(const std::string& path)
{
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module)
        return nav::Fail("cannot load " + path + " (error " + std::to_string(GetLastError()) + ")");
    auto* linkage = reinterpret_cast<LinkageRecord*>(GetProcAddress(module, "Linkage"));
    auto* imports = reinterpret_cast<ImportEntry*>(GetProcAddress(module, "ImportTable"));
    if (!linkage || !imports || linkage->moduleId != gauge::LinkageModuleId ||
        !linkage->gauges[0] || linkage->gauges[0]->version != gauge::GaugeHeaderVersion) {
        FreeLibrary(module);
        return nav::Fail(path + " is not a gauge module (Linkage, ImportTable or gauge header)");
    }
    module_ = module;
    linkage_ = linkage;
    imports_ = imports;
    return {};
}

void GaugeModule::Free()
{
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
    linkage_ = nullptr;
    imports_ = nullptr;
}

bool GaugeModule::BindTimers(void* setTimer, void* killTimer)
{
    return BindModuleImport(module_, "user32.dll", "SetTimer", setTimer) > 0 &&
           BindModuleImport(module_, "user32.dll", "KillTimer", killTimer) > 0;
}

void GaugeModule::StoreServices(gauge::HostServices* services)
{
    for (ImportEntry* entry = imports_; entry->id != 0 || entry->address != nullptr; ++entry)
        if (entry->id == gauge::ImportHostServicesId) entry->address = services;
}

bool GaugeModule::Holds(uintptr_t address) const
{
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(module_);
    auto* nt =
        reinterpret_cast<IMAGE_NT_HEADERS*>(reinterpret_cast<BYTE*>(module_) + dos->e_lfanew);
    auto begin = reinterpret_cast<uintptr_t>(module_);
    return address >= begin && address < begin + nt->OptionalHeader.SizeOfImage;
}

}  // namespace host
