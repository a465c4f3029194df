// A panel host that records the service calls the gauge makes, in order, for tests that
// link the gauge's libraries directly (no module loading, real window timers).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "PanelRecords.h"

struct ServiceCall {
    int slot;
    const void* first;  // first argument (root element, area list, variable record, event)
    uintptr_t second;   // second argument, 0 when there is none
    uintptr_t third;
};

struct RecordingHost {
    gauge::HostServices services{};
    std::vector<ServiceCall> calls;
    std::map<uint32_t, double> values;  // what a refresh gives, by token
    char buffers[4][64] = {};

    // Installs this host into the gauge's import table and forgets earlier calls.
    void Attach();
    std::vector<int> Slots() const;
    int Count(int slot) const;
};

extern RecordingHost recordingHost;
