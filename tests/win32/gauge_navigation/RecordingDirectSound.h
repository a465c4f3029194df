// A recording DirectSound for the shipped gps.gau: bound in place of the module's import
// of DirectSoundCreate, it hands out buffers that keep their samples and note every Play,
// so that a test can tell which of the gauge's sounds started and when.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <vector>

// The gauge's sound numbers, told apart by their buffer sizes.
enum class GaugeSound { Click, Alarm, Waypoint, Unknown };

struct RecordingDirectSound {
    std::vector<GaugeSound> plays;   // in the order Play was called
    int liveBuffers = 0;             // created and not yet released
    int liveDevices = 0;
};

extern RecordingDirectSound recordedSound;

// Binds `module`'s import of DirectSoundCreate to the recording device; true when bound.
bool BindRecordingDirectSound(HMODULE module);
