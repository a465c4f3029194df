#include "RecordingPlatform.h"

#include <cstring>

#include "GaugeState.h"

namespace gauge {

RecordingPlatform platform;

void ResetGauge()
{
    ResetGaugeState();
    platform = RecordingPlatform{};
    gaugeState.platform = &platform;
}

void RecordingPlatform::SetElementHidden(GaugeElement element, bool isHidden)
{
    hidden[static_cast<int>(element)] = isHidden;
}

int RecordingPlatform::PlayGaugeSound(GaugeSound sound)
{
    sounds.push_back(static_cast<int>(sound));
    return 1;
}

void RecordingPlatform::SendHostEvent(uint32_t event, int32_t value)
{
    events.emplace_back(event, value);
}

double RecordingPlatform::RefreshHostVariable(uint32_t token)
{
    refreshed.push_back(token);
    return hostValues[token];
}

char* RecordingPlatform::ScreenLineBuffer(int line)
{
    return screenBuffers[line - 1];
}

int RecordingPlatform::RunSetupDialog()
{
    dialogs.push_back("Setup");
    return 1;
}

int RecordingPlatform::RunRouteDialog()
{
    dialogs.push_back("Route");
    return 1;
}

int RecordingPlatform::RunDirectToDialog()
{
    dialogs.push_back("Direct To");
    return directToResult;
}

void RecordingPlatform::ReadSetting(const char*, const char*, const char* defaultText, char* out)
{
    std::strcpy(out, dataDirectory.empty() ? defaultText : dataDirectory.c_str());
}

}  // namespace gauge
