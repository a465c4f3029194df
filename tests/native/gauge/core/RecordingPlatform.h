// A recording stand-in for the gauge's surroundings (GaugePlatform.h): element bits,
// sounds, host events, host variables, screen buffers, the timer, the dialogs and the
// settings.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "GaugePlatform.h"

namespace gauge {

class RecordingPlatform final : public GaugePlatform {
public:
    bool hidden[4] = {};
    std::vector<int> sounds;  // by number (GaugeSound)
    std::vector<std::pair<uint32_t, int32_t>> events;
    std::map<uint32_t, double> hostValues;
    std::vector<uint32_t> refreshed;
    char screenBuffers[4][64] = {};
    int timerStarts = 0;
    int timerStops = 0;
    int switchOffs = 0;
    std::vector<std::string> dialogs;  // captions of the dialogs run, in order
    int directToResult = 0;            // what the Direct-To dialog ends with
    std::string dataDirectory;         // empty: the setting is missing and the default applies

    bool IsHidden(GaugeElement element) const { return hidden[static_cast<int>(element)]; }
    std::string Screen(int line) const { return screenBuffers[line - 1]; }

    void SetElementHidden(GaugeElement element, bool hidden) override;
    int PlayGaugeSound(GaugeSound sound) override;
    void SendHostEvent(uint32_t event, int32_t value) override;
    double RefreshHostVariable(uint32_t token) override;
    char* ScreenLineBuffer(int line) override;
    void StartGaugeTimer() override { ++timerStarts; }
    void StopGaugeTimer() override { ++timerStops; }
    void NotifyHostSwitchOff() override { ++switchOffs; }
    int RunSetupDialog() override;
    int RunRouteDialog() override;
    int RunDirectToDialog() override;
    void ReadSetting(const char* section, const char* valueName, const char* defaultText,
                     char* out) override;
};

extern RecordingPlatform platform;

// Zero-fills the gauge state and forgets everything recorded, as a fresh module load, with
// `platform` as the gauge's surroundings.
void ResetGauge();

}  // namespace gauge
