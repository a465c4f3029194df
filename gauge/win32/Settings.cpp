#include "Settings.h"

#include <cstring>

#include "GaugePlatform.h"
#include "SharedNames.h"

namespace gauge {

namespace {

constexpr REGSAM SettingsAccess = 0x2001F;  // read and write
constexpr DWORD SettingBufferSize = 256;    // a value holds at most 255 characters

HKEY CreateSubkey(HKEY parent, const char* name)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, SettingsAccess, nullptr,
                        &key, &disposition) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

}  // namespace

HKEY OpenGaugeKey()
{
    HKEY software = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, SettingsAccess, &software) != ERROR_SUCCESS)
        return nullptr;
    HKEY company = CreateSubkey(software, nav::RegistryCompanyKey);
    if (!company) {
        RegCloseKey(software);
        return nullptr;
    }
    HKEY gauge = CreateSubkey(company, nav::RegistryProgramKey);
    RegCloseKey(company);
    RegCloseKey(software);
    return gauge;
}

HKEY OpenSectionKey(const char* section)
{
    HKEY gauge = OpenGaugeKey();
    if (!gauge) return nullptr;
    HKEY key = CreateSubkey(gauge, section);
    RegCloseKey(gauge);
    return key;
}

void ReadSetting(const char* section, const char* valueName, const char* defaultText, char* out)
{
    std::strcpy(out, defaultText);
    HKEY key = OpenSectionKey(section);
    if (!key) return;

    // A value that does not fit the buffer fails the second query and leaves the default.
    char buffer[SettingBufferSize + 1] = {};
    DWORD size = 0;
    bool read = RegQueryValueExA(key, valueName, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS;
    if (read) {
        if (size > SettingBufferSize) size = SettingBufferSize;
        read = RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                                &size) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    if (read) {
        // At most 255 characters, also from a value stored without its terminator.
        std::strncpy(out, buffer, SettingBufferSize - 1);
        out[SettingBufferSize - 1] = '\0';
    }
}

}  // namespace gauge
