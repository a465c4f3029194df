#include "RecordingDirectSound.h"

#include <cstring>

#include "ImportBinding.h"

using host::BindModuleImport;

RecordingDirectSound recordedSound;

namespace {

GaugeSound SoundOfSize(DWORD bytes)
{
    switch (bytes) {
    case 2432:
        return GaugeSound::Click;
    case 8678:
        return GaugeSound::Alarm;
    case 4588:
        return GaugeSound::Waypoint;
    default:
        return GaugeSound::Unknown;
    }
}

// The IUnknown part of both recorded objects: counted references, no other interfaces;
// `live` counts the objects of one kind that are not yet released.
template <typename Interface>
class Counted : public Interface {
public:
    explicit Counted(int& live) : live_(live) { ++live_; }
    virtual ~Counted() { --live_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

private:
    int& live_;
    ULONG references_ = 1;
};

class Buffer final : public Counted<IDirectSoundBuffer> {
public:
    explicit Buffer(DWORD bytes) : Counted(recordedSound.liveBuffers), samples_(bytes) {}

    HRESULT STDMETHODCALLTYPE GetCaps(LPDSBCAPS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCurrentPosition(LPDWORD, LPDWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFormat(LPWAVEFORMATEX, DWORD, LPDWORD) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetVolume(LPLONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPan(LPLONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFrequency(LPDWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetStatus(LPDWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Initialize(LPDIRECTSOUND, LPCDSBUFFERDESC) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Lock(DWORD offset, DWORD bytes, LPVOID* first, LPDWORD firstBytes,
                                   LPVOID* second, LPDWORD secondBytes, DWORD) override
    {
        if (offset + bytes > samples_.size()) return DSERR_INVALIDPARAM;
        *first = samples_.data() + offset;
        *firstBytes = bytes;
        if (second) *second = nullptr;
        if (secondBytes) *secondBytes = 0;
        return DS_OK;
    }
    HRESULT STDMETHODCALLTYPE Play(DWORD, DWORD, DWORD flags) override
    {
        recordedSound.plays.push_back(Sound());
        recordedSound.bufferCalls.push_back({Sound(), SoundBufferCall::Play, flags});
        return DS_OK;
    }
    HRESULT STDMETHODCALLTYPE SetCurrentPosition(DWORD position) override
    {
        recordedSound.bufferCalls.push_back({Sound(), SoundBufferCall::SetPosition, position});
        return DS_OK;
    }
    HRESULT STDMETHODCALLTYPE SetFormat(LPCWAVEFORMATEX) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetVolume(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetPan(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetFrequency(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stop() override { return DS_OK; }
    HRESULT STDMETHODCALLTYPE Unlock(LPVOID, DWORD, LPVOID, DWORD) override { return DS_OK; }
    HRESULT STDMETHODCALLTYPE Restore() override { return DS_OK; }

private:
    GaugeSound Sound() const { return SoundOfSize(static_cast<DWORD>(samples_.size())); }

    std::vector<BYTE> samples_;
};

class Device final : public Counted<IDirectSound> {
public:
    Device() : Counted(recordedSound.liveDevices) {}

    HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC description,
                                                LPDIRECTSOUNDBUFFER* buffer, LPUNKNOWN) override
    {
        *buffer = new Buffer(description->dwBufferBytes);
        return DS_OK;
    }
    HRESULT STDMETHODCALLTYPE GetCaps(LPDSCAPS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER,
                                                   LPDIRECTSOUNDBUFFER*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND, DWORD) override { return DS_OK; }
    HRESULT STDMETHODCALLTYPE Compact() override { return DS_OK; }
    HRESULT STDMETHODCALLTYPE GetSpeakerConfig(LPDWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetSpeakerConfig(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Initialize(LPCGUID) override { return DS_OK; }
};

HRESULT WINAPI RecordingDirectSoundCreate(LPCGUID, LPDIRECTSOUND* device, LPUNKNOWN)
{
    *device = new Device;
    return DS_OK;
}

}  // namespace

bool BindRecordingDirectSound(HMODULE module)
{
    return BindModuleImport(module, "dsound.dll", "DirectSoundCreate",
                            reinterpret_cast<void*>(RecordingDirectSoundCreate)) > 0;
}
