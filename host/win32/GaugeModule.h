// A gauge module as the simulator loads it: the library, its exported Linkage record and
// import table, and the first gauge header. Its window timers can be bound to the host's
// own functions (ImportBinding.h) before any of its code runs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "PanelRecords.h"
#include "Result.h"

namespace host {

class GaugeModule {
public:
    GaugeModule() = default;
    ~GaugeModule() { Free(); }
    GaugeModule(const GaugeModule&) = delete;
    GaugeModule& operator=(const GaugeModule&) = delete;

    // Loads the library (the libraries it imports are looked for beside it first) and
    // finds its records; fails, with nothing loaded, when it is not a gauge module.
    nav::Status Load(const std::string& path);
    void Free();
    bool Loaded() const { return module_ != nullptr; }

    // Rebinds the module's imports of SetTimer and KillTimer; true when both were bound.
    bool BindTimers(void* setTimer, void* killTimer);
    // Stores the host's service table in the module's import table.
    void StoreServices(gauge::HostServices* services);
    // Whether an address lies in the module's image (code the host may no longer call
    // once the module is freed).
    bool Holds(uintptr_t address) const;

    HMODULE Handle() const { return module_; }
    gauge::LinkageRecord& Linkage() const { return *linkage_; }
    gauge::GaugeHeader& Gauge() const { return *linkage_->gauges[0]; }

private:
    HMODULE module_ = nullptr;
    gauge::LinkageRecord* linkage_ = nullptr;
    gauge::ImportEntry* imports_ = nullptr;
};

}  // namespace host
