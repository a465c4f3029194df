#include "RecordingPlatform.h"

#include <cstring>

#include "GaugeState.h"

namespace gauge {

RecordingPlatform platform;

void ResetGauge()
{
    ResetGaugeState();
    platform = RecordingPlatform{};
}

void SetElementHidden(GaugeElement element, bool hidden)
{
    platform.hidden[static_cast<int>(element)] = hidden;
}
bool IsElementHidden(GaugeElement element)
{
    return platform.IsHidden(element);
}

int PlayGaugeSound(GaugeSound sound)
{
    platform.sounds.push_back(static_cast<int>(sound));
    return 1;
}

void SendHostEvent(uint32_t event, int32_t value)
{
    platform.events.emplace_back(event, value);
}

double RefreshHostVariable(uint32_t token)
{
    platform.refreshed.push_back(token);
    return platform.hostValues[token];
}

char* ScreenLineBuffer(int line)
{
    return platform.screenBuffers[line - 1];
}

void StartGaugeTimer()
{
    ++platform.timerStarts;
}
void StopGaugeTimer()
{
    ++platform.timerStops;
}
void NotifyHostSwitchOff()
{
    ++platform.switchOffs;
}

int RunSetupDialog()
{
    platform.dialogs.push_back("Setup");
    return 1;
}

int RunRouteDialog()
{
    platform.dialogs.push_back("Route");
    return 1;
}

int RunDirectToDialog()
{
    platform.dialogs.push_back("Direct To");
    return platform.directToResult;
}

void ReadSetting(const char*, const char*, const char* defaultText, char* out)
{
    std::strcpy(out, platform.dataDirectory.empty() ? defaultText : platform.dataDirectory.c_str());
}

}  // namespace gauge
