// The gauge's sound path under Wine: with the null ALSA device DirectSound works and
// every sound loads and plays; without a device everything stays silent.
#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

#include "GaugePlatform.h"
#include "GaugeState.h"
#include "Sounds.h"

using namespace gauge;

namespace {

bool DeviceExpected()
{
    const char* expected = std::getenv("GAUGE_SOUND_DEVICE");
    return expected && std::strcmp(expected, "1") == 0;
}

class SoundsTest : public ::testing::Test {
protected:
    void SetUp() override { gaugeState.moduleInstance = GetModuleHandleA(nullptr); }
    void TearDown() override { ReleaseSounds(); }
};

struct SoundResource {
    int id;
    DWORD rate;
    DWORD bytes;
};
const SoundResource Resources[] = {{107, 22255, 2432}, {105, 11025, 8678}, {106, 11025, 4588}};

TEST_F(SoundsTest, PlaysEverySoundWhenThereIsADeviceAndIsSilentOtherwise)
{
    ASSERT_EQ(InitSounds(nullptr), DeviceExpected() ? 1 : 0);
    for (int sound = 0; sound < 3; ++sound)
        EXPECT_EQ(PlayGaugeSound(sound), DeviceExpected() ? 1 : 0) << sound;
    // Playing again at once starts the sound again from its beginning.
    EXPECT_EQ(PlayGaugeSound(0), DeviceExpected() ? 1 : 0);
    EXPECT_EQ(PlayGaugeSound(3), 0);
    ReleaseSounds();
    EXPECT_EQ(PlayGaugeSound(0), 0);
}

TEST_F(SoundsTest, BuffersAreStaticAndHoldTheResourceFormats)
{
    IDirectSound* device = nullptr;
    if (FAILED(DirectSoundCreate(nullptr, &device, nullptr))) {
        EXPECT_FALSE(DeviceExpected());
        GTEST_SKIP() << "no sound device";
    }
    ASSERT_TRUE(DeviceExpected());
    device->SetCooperativeLevel(GetDesktopWindow(), DSSCL_NORMAL);
    for (const SoundResource& resource : Resources) {
        IDirectSoundBuffer* buffer = LoadSoundBuffer(device, resource.id);
        ASSERT_NE(buffer, nullptr) << resource.id;
        DSBCAPS caps{};
        caps.dwSize = sizeof caps;
        ASSERT_EQ(buffer->GetCaps(&caps), DS_OK);
        EXPECT_EQ(caps.dwBufferBytes, resource.bytes) << resource.id;
        EXPECT_EQ(caps.dwFlags & 0xE2u, 0xE2u) << resource.id;
        WAVEFORMATEX format{};
        ASSERT_EQ(buffer->GetFormat(&format, sizeof format, nullptr), DS_OK);
        EXPECT_EQ(format.nSamplesPerSec, resource.rate) << resource.id;
        EXPECT_EQ(format.wBitsPerSample, 8) << resource.id;
        EXPECT_EQ(format.nChannels, 1) << resource.id;

        // The samples arrived: the buffer reads back the resource's last bytes too.
        void* part = nullptr;
        DWORD partBytes = 0;
        ASSERT_EQ(buffer->Lock(0, resource.bytes, &part, &partBytes, nullptr, nullptr, 0), DS_OK);
        bool allSilent = true;
        for (DWORD i = 0; i < partBytes; ++i)
            allSilent = allSilent && static_cast<BYTE*>(part)[i] == 128;
        buffer->Unlock(part, partBytes, nullptr, 0);
        EXPECT_FALSE(allSilent) << resource.id;
        buffer->Release();
    }
    EXPECT_EQ(LoadSoundBuffer(device, 999), nullptr);  // no such resource
    device->Release();
}

TEST_F(SoundsTest, FillingRefusesMissingArguments)
{
    BYTE samples[4] = {};
    EXPECT_FALSE(FillSoundBuffer(nullptr, samples, sizeof samples));
}

}  // namespace
