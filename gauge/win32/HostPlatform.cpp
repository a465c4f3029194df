// The portable core's requests that the host's records and services answer: element
// visibility, events, variables, the screen's text buffers and the switching off.
#include "GaugePlatform.h"
#include "GaugeRecords.h"
#include "HostServiceCalls.h"
#include "Sounds.h"

namespace gauge {

namespace {

ElementHead& ElementOf(GaugeElement element)
{
    switch (element) {
    case GaugeElement::autopilotLamp:
        return autopilotLamp.head;
    case GaugeElement::alarmLamp:
        return alarmLamp.head;
    case GaugeElement::steeringScale:
        return steeringScale.head;
    case GaugeElement::steeringMarker:
        break;
    }
    return steeringMarker.head;
}

}  // namespace

void SetElementHidden(GaugeElement element, bool hidden)
{
    ElementHead& head = ElementOf(element);
    if (hidden)
        head.flags |= HiddenBit;
    else
        head.flags &= ~HiddenBit;
}

bool IsElementHidden(GaugeElement element)
{
    return (ElementOf(element).flags & HiddenBit) != 0;
}

int PlayGaugeSound(GaugeSound sound)
{
    return PlayGaugeSound(static_cast<int>(sound));
}

void SendHostEvent(uint32_t event, int32_t value)
{
    Host().sendEvent(event, value);
}

double RefreshHostVariable(uint32_t token)
{
    for (HostVariableSlot& slot : hostVariables) {
        if (slot.variable.token == token) {
            Host().refreshVariable(&slot.variable);
            return slot.variable.value;
        }
    }
    return 0.0;
}

char* ScreenLineBuffer(int line)
{
    static TextLineElement* const lines[] = {&screenLine1, &screenLine2, &screenLine3,
                                             &screenLine4};
    if (line < 1 || line > 4) return nullptr;
    return lines[line - 1]->buffer;
}

void NotifyHostSwitchOff()
{
    Host().switchOff(&background.head);
}

}  // namespace gauge
