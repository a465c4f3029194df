// The gauge's three sounds through DirectSound (click, alarm, waypoint), from the module's
// "WAVE" resources into static buffers made at installation and released at removal.
// PlayGaugeSound plays them. Without a sound device all stays silent.
#pragma once
#include <windows.h>
#include <mmsystem.h>  // WAVEFORMATEX, left out by WIN32_LEAN_AND_MEAN
#include <dsound.h>

namespace gauge {

// 1 when DirectSound could be created (each sound may still be silent on its own), else 0.
int InitSounds(HWND window);
void ReleaseSounds();

// Plays sound number `sound` (GaugeSound) from its start; 1 when playing started, 0 for a
// silent sound or a number that is none.
int PlayGaugeSound(int sound);

// A static buffer filled from WAVE resource `resourceId` of the gauge module, or null.
IDirectSoundBuffer* LoadSoundBuffer(IDirectSound* device, int resourceId);

// Copies the samples into the buffer from its start.
bool FillSoundBuffer(IDirectSoundBuffer* buffer, const void* samples, DWORD sampleBytes);

}  // namespace gauge
