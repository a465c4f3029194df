#include "RecordingHost.h"

#include "GaugeRecords.h"

using namespace gauge;

RecordingHost recordingHost;

namespace {

void Record(int slot, const void* first, uintptr_t second = 0, uintptr_t third = 0)
{
    recordingHost.calls.push_back({slot, first, second, third});
}

void GAUGE_CALL DrawUnpowered(ElementHead* root)
{
    Record(SlotDrawUnpowered, root);
}
void GAUGE_CALL SwitchOff(ElementHead* root)
{
    Record(SlotSwitchOff, root);
}
int32_t GAUGE_CALL QueryElements(ElementHead* root)
{
    Record(SlotQueryElements, root);
    return 0x5A;
}
void GAUGE_CALL InstallElements(ElementHead* root, HostWord argument)
{
    Record(SlotInstallElements, root, argument);
    TextLineElement* lines[] = {&screenLine1, &screenLine2, &screenLine3, &screenLine4};
    for (int i = 0; i < 4; ++i) lines[i]->buffer = recordingHost.buffers[i];
}
void GAUGE_CALL InitializeElements(ElementHead* root)
{
    Record(SlotInitializeElements, root);
}
void GAUGE_CALL UpdateElements(ElementHead* root)
{
    Record(SlotUpdateElements, root);
}
void GAUGE_CALL GenerateElements(ElementHead* root, uint32_t phase)
{
    Record(SlotGenerateElements, root, phase);
}
void GAUGE_CALL DrawElements(ElementHead* root)
{
    Record(SlotDrawElements, root);
}
void GAUGE_CALL KillElements(ElementHead* root)
{
    Record(SlotKillElements, root);
}
void GAUGE_CALL InstallMouseAreas(MouseArea* areas, GaugeHeader* gauge, void* block)
{
    Record(SlotInstallMouseAreas, areas, reinterpret_cast<uintptr_t>(gauge),
           reinterpret_cast<uintptr_t>(block));
}
void GAUGE_CALL RegisterMouseAreas(MouseArea* areas, GaugeHeader* gauge)
{
    Record(SlotRegisterMouseAreas, areas, reinterpret_cast<uintptr_t>(gauge));
}
void GAUGE_CALL UnregisterMouseAreas(MouseArea* areas, GaugeHeader* gauge)
{
    Record(SlotUnregisterMouseAreas, areas, reinterpret_cast<uintptr_t>(gauge));
}
void GAUGE_CALL SendEvent(uint32_t event, int32_t value)
{
    Record(SlotSendEvent, nullptr, event, static_cast<uint32_t>(value));
}
void GAUGE_CALL RegisterVariable(HostVariable* variable)
{
    Record(SlotRegisterVariable, variable);
}
void GAUGE_CALL RefreshVariable(HostVariable* variable)
{
    Record(SlotRefreshVariable, variable);
    variable->previousValue = variable->value;
    variable->value = recordingHost.values[variable->token];
}

}  // namespace

void RecordingHost::Attach()
{
    services.drawUnpowered = DrawUnpowered;
    services.switchOff = SwitchOff;
    services.queryElements = QueryElements;
    services.installElements = InstallElements;
    services.initializeElements = InitializeElements;
    services.updateElements = UpdateElements;
    services.generateElements = GenerateElements;
    services.drawElements = DrawElements;
    services.killElements = KillElements;
    services.installMouseAreas = InstallMouseAreas;
    services.registerMouseAreas = RegisterMouseAreas;
    services.unregisterMouseAreas = UnregisterMouseAreas;
    services.sendEvent = SendEvent;
    services.registerVariable = RegisterVariable;
    services.refreshVariable = RefreshVariable;
    ImportTable[0].address = &services;
    calls.clear();
}

std::vector<int> RecordingHost::Slots() const
{
    std::vector<int> slots;
    for (const ServiceCall& call : calls) slots.push_back(call.slot);
    return slots;
}

int RecordingHost::Count(int slot) const
{
    int count = 0;
    for (const ServiceCall& call : calls) count += call.slot == slot;
    return count;
}
