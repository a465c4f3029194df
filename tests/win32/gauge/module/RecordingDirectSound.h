// A recording DirectSound for the shipped gps.gau: bound in place of the module's import
// of DirectSoundCreate, it hands out buffers that keep their samples and note every Play
// and every SetCurrentPosition, so that a test can tell which of the gauge's sounds started
// and when, from where, and whether it loops.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include <vector>

// The gauge's sound numbers, told apart by their buffer sizes.
enum class GaugeSound {
    Click,
    Alarm,
    Waypoint,
    Unknown
};

// One call on a sound buffer: SetCurrentPosition with its position, or Play with its flags.
struct SoundBufferCall {
    enum Kind {
        SetPosition,
        Play
    };
    GaugeSound sound;
    Kind kind;
    DWORD value;
};

struct RecordingDirectSound {
    std::vector<GaugeSound> plays;  // in the order Play was called
    std::vector<SoundBufferCall> bufferCalls;
    int liveBuffers = 0;  // created and not yet released
    int liveDevices = 0;
};

extern RecordingDirectSound recordedSound;

// Binds `module`'s import of DirectSoundCreate to the recording device; true when bound.
bool BindRecordingDirectSound(HMODULE module);
