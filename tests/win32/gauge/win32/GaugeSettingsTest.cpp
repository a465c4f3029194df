// The registry setting the gauge reads its data directory from.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <cstring>
#include <string>

#include "GaugeSettings.h"

using namespace gauge;

namespace {

constexpr char SettingsKey[] = "Software\\Borealwing\\GPS\\Settings";
constexpr char DefaultDirectory[] = "C:\\FS98\\GPSDATA\\";

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Borealwing"); }
    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Borealwing"); }

    void Store(const void* data, DWORD size, DWORD type = REG_SZ)
    {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, "PATH", 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }

    std::string Read()
    {
        char out[256];
        std::memset(out, 'x', sizeof out);
        ReadSetting("Settings", "PATH", DefaultDirectory, out);
        return out;
    }
};

TEST_F(SettingsTest, MissingKeysAreCreatedAndGiveTheDefault)
{
    EXPECT_EQ(Read(), DefaultDirectory);
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(SettingsTest, StoredValueIsReturned)
{
    const char path[] = "D:\\Nav Data";
    Store(path, sizeof path);
    EXPECT_EQ(Read(), path);
}

TEST_F(SettingsTest, LongestValueFitsAndALongerOneGivesTheDefault)
{
    std::string longest(255, 'a');
    Store(longest.c_str(), 256);
    EXPECT_EQ(Read(), longest);

    std::string tooLong(300, 'b');
    Store(tooLong.c_str(), 301);
    EXPECT_EQ(Read(), DefaultDirectory);
}

TEST_F(SettingsTest, ValueWithoutTerminatorIsCutTo255Characters)
{
    std::string unterminated(256, 'c');
    Store(unterminated.data(), 256, REG_BINARY);  // the type is not examined
    EXPECT_EQ(Read(), std::string(255, 'c'));
}

TEST_F(SettingsTest, SectionKeyLivesUnderTheGaugeKey)
{
    char out[256];
    ReadSetting("Other", "PATH", DefaultDirectory, out);
    HKEY key;
    ASSERT_EQ(
        RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Borealwing\\GPS\\Other", 0, KEY_READ, &key),
        ERROR_SUCCESS);
    RegCloseKey(key);
}

}  // namespace
