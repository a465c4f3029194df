// The program's settings in the registry: values under
// HKEY_CURRENT_USER\Software\<key word>\<application name>\<section>. Every access, read or
// write, opens the section key with creation, so missing keys appear on first use.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace winkit {

class RegistryProfile {
public:
    RegistryProfile(std::string keyWord, std::string applicationName)
        : keyWord_(std::move(keyWord)), applicationName_(std::move(applicationName))
    {
    }

    // The stored text; the default when the value is absent or not text.
    std::string GetString(const char* section, const char* entry, const char* defaultValue) const;
    bool WriteString(const char* section, const char* entry, const char* value) const;
    // The stored bytes up to their first NUL, whatever the value's type: for a reader that
    // keeps the value in a buffer of `capacity` bytes. Nothing when the value is absent or
    // holds more bytes than that.
    std::optional<std::string> GetBytesAsText(const char* section, const char* entry,
                                              DWORD capacity) const;

    // The stored 32-bit number; the default when the value is absent or not a number.
    int GetInt(const char* section, const char* entry, int defaultValue) const;
    bool WriteInt(const char* section, const char* entry, int value) const;

    // "Software\<key word>\<application name>\<section>".
    std::string SectionPath(const char* section) const;

private:
    std::string keyWord_;
    std::string applicationName_;
};

}  // namespace winkit
