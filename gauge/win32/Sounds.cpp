#include "Sounds.h"

#include <cstring>

#include "GaugeResourceIds.h"
#include "GaugeState.h"
#include "ModuleAbi.h"
#include "WaveResource.h"

namespace gauge {

namespace {

// The resource of each sound, by its number (GaugeSound).
constexpr int SoundResources[GaugeSoundCount] = {WAVE_CLICK, WAVE_ALARM, WAVE_WAYPOINT};

// The five-field buffer description: static, with frequency, pan and volume control.
constexpr DWORD SoundBufferFlags =
    DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
static_assert(SoundBufferFlags == 0xE2);
ASSERT_32BIT_LAYOUT(sizeof(DSBUFFERDESC1) == 20);

}  // namespace

int InitSounds(HWND window)
{
    GaugeState& s = gaugeState;
    if (FAILED(DirectSoundCreate(nullptr, &s.soundDevice, nullptr))) {
        s.soundDevice = nullptr;
        return 0;
    }
    s.soundDevice->SetCooperativeLevel(window, DSSCL_NORMAL);
    for (int i = 0; i < GaugeSoundCount; ++i)
        s.soundBuffers[i] = LoadSoundBuffer(s.soundDevice, SoundResources[i]);
    return 1;
}

void ReleaseSounds()
{
    GaugeState& s = gaugeState;
    if (!s.soundDevice) return;
    for (IDirectSoundBuffer*& buffer : s.soundBuffers) {
        if (buffer) buffer->Release();
        buffer = nullptr;
    }
    s.soundDevice->Release();
    s.soundDevice = nullptr;
}

int PlayGaugeSound(int sound)
{
    if (sound < 0 || sound >= GaugeSoundCount) return 0;
    IDirectSoundBuffer* buffer = gaugeState.soundBuffers[sound];
    if (!gaugeState.soundDevice || !buffer) return 0;
    buffer->SetCurrentPosition(0);
    return SUCCEEDED(buffer->Play(0, 0, 0)) ? 1 : 0;
}

IDirectSoundBuffer* LoadSoundBuffer(IDirectSound* device, int resourceId)
{
    HMODULE module = gaugeState.moduleInstance;
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(resourceId), "WAVE");
    if (!resource) return nullptr;
    HGLOBAL loaded = LoadResource(module, resource);
    const void* image = loaded ? LockResource(loaded) : nullptr;
    const void* format = nullptr;
    const void* samples = nullptr;
    uint32_t sampleBytes = 0;
    if (!image || !ParseWaveResource(image, SizeofResource(module, resource), &format, &samples,
                                     &sampleBytes))
        return nullptr;

    DSBUFFERDESC1 description{};
    description.dwSize = sizeof description;
    description.dwFlags = SoundBufferFlags;
    description.dwBufferBytes = sampleBytes;
    description.lpwfxFormat = static_cast<WAVEFORMATEX*>(const_cast<void*>(format));
    IDirectSoundBuffer* buffer = nullptr;
    if (FAILED(device->CreateSoundBuffer(reinterpret_cast<const DSBUFFERDESC*>(&description),
                                         &buffer, nullptr)))
        return nullptr;
    if (!FillSoundBuffer(buffer, samples, sampleBytes)) {
        buffer->Release();
        return nullptr;
    }
    return buffer;
}

bool FillSoundBuffer(IDirectSoundBuffer* buffer, const void* samples, DWORD sampleBytes)
{
    if (!buffer || !samples || sampleBytes == 0) return false;
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0;
    DWORD secondBytes = 0;
    if (FAILED(buffer->Lock(0, sampleBytes, &first, &firstBytes, &second, &secondBytes, 0)))
        return false;
    const auto* source = static_cast<const char*>(samples);
    firstBytes = firstBytes < sampleBytes ? firstBytes : sampleBytes;
    std::memcpy(first, source, firstBytes);
    if (second) {
        secondBytes =
            secondBytes < sampleBytes - firstBytes ? secondBytes : sampleBytes - firstBytes;
        std::memcpy(second, source + firstBytes, secondBytes);
    }
    buffer->Unlock(first, firstBytes, second, secondBytes);
    return true;
}

}  // namespace gauge
