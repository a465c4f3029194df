#include "HostPlatform.h"

#include "DirectToDialog.h"
#include "GaugeRecords.h"
#include "GaugeSettings.h"
#include "GaugeTimer.h"
#include "HostServiceCalls.h"
#include "RouteDialog.h"
#include "SetupDialog.h"
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

// Each request goes to the edge that answers it; the platform itself keeps nothing.
class Win32Platform final : public GaugePlatform {
public:
    void SetElementHidden(GaugeElement element, bool hidden) override
    {
        ElementHead& head = ElementOf(element);
        if (hidden)
            head.flags |= HiddenBit;
        else
            head.flags &= ~HiddenBit;
    }

    int PlayGaugeSound(GaugeSound sound) override
    {
        return gauge::PlayGaugeSound(static_cast<int>(sound));
    }

    void SendHostEvent(uint32_t event, int32_t value) override { Host().sendEvent(event, value); }

    double RefreshHostVariable(uint32_t token) override
    {
        for (HostVariableSlot& slot : hostVariables) {
            if (slot.variable.token == token) {
                Host().refreshVariable(&slot.variable);
                return slot.variable.value;
            }
        }
        return 0.0;
    }

    char* ScreenLineBuffer(int line) override
    {
        static TextLineElement* const lines[] = {&screenLine1, &screenLine2, &screenLine3,
                                                 &screenLine4};
        if (line < 1 || line > 4) return nullptr;
        return lines[line - 1]->buffer;
    }

    void StartGaugeTimer() override { gauge::StartGaugeTimer(); }
    void StopGaugeTimer() override { gauge::StopGaugeTimer(); }
    void NotifyHostSwitchOff() override { Host().switchOff(&background.head); }

    int RunSetupDialog() override { return static_cast<int>(SetupDialog().RunFromPanel()); }
    int RunRouteDialog() override { return static_cast<int>(RouteDialog().RunFromPanel()); }
    int RunDirectToDialog() override { return gauge::RunDirectToDialog(); }

    void ReadSetting(const char* section, const char* valueName, const char* defaultText,
                     char* out) override
    {
        gauge::ReadSetting(section, valueName, defaultText, out);
    }
};

}  // namespace

GaugePlatform& HostPlatform()
{
    static Win32Platform platform;
    return platform;
}

}  // namespace gauge
