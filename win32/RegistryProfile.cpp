#include "RegistryProfile.h"

#include <cstdint>
#include <vector>

namespace winkit {

namespace {

// An open section key, closed when it goes out of scope.
class SectionKey {
public:
    explicit SectionKey(const std::string& path)
    {
        if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_READ | KEY_WRITE, nullptr, &key_, nullptr) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~SectionKey()
    {
        if (key_) RegCloseKey(key_);
    }
    SectionKey(const SectionKey&) = delete;
    SectionKey& operator=(const SectionKey&) = delete;

    HKEY Handle() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// No limit on a value's size but the room for the terminator.
constexpr DWORD AnySize = MAXDWORD - 1;

// The value's bytes, with a NUL after them, and its type; nothing when it is absent or
// larger than `capacity` bytes.
std::optional<std::vector<char>> ReadValue(HKEY key, const char* entry, DWORD capacity, DWORD& type)
{
    DWORD size = 0;
    if (!key || RegQueryValueExA(key, entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        size > capacity)
        return std::nullopt;
    std::vector<char> data(size + 1, '\0');
    if (RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    data[size] = '\0';  // stored text need not carry its terminator
    return data;
}

}  // namespace

std::string RegistryProfile::SectionPath(const char* section) const
{
    return "Software\\" + keyWord_ + "\\" + applicationName_ + "\\" + section;
}

std::string RegistryProfile::GetString(const char* section, const char* entry,
                                       const char* defaultValue) const
{
    SectionKey key(SectionPath(section));
    DWORD type = 0;
    const std::optional<std::vector<char>> data = ReadValue(key.Handle(), entry, AnySize, type);
    if (!data || (type != REG_SZ && type != REG_EXPAND_SZ)) return defaultValue;
    return data->data();
}

std::optional<std::string> RegistryProfile::GetBytesAsText(const char* section, const char* entry,
                                                           DWORD capacity) const
{
    SectionKey key(SectionPath(section));
    DWORD type = 0;
    const std::optional<std::vector<char>> data = ReadValue(key.Handle(), entry, capacity, type);
    if (!data) return std::nullopt;
    return std::string(data->data());
}

bool RegistryProfile::WriteString(const char* section, const char* entry, const char* value) const
{
    SectionKey key(SectionPath(section));
    return key.Handle() &&
           RegSetValueExA(key.Handle(), entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                          static_cast<DWORD>(lstrlenA(value) + 1)) == ERROR_SUCCESS;
}

int RegistryProfile::GetInt(const char* section, const char* entry, int defaultValue) const
{
    SectionKey key(SectionPath(section));
    DWORD type = 0;
    std::uint32_t value = 0;
    DWORD size = sizeof value;
    if (!key.Handle() ||
        RegQueryValueExA(key.Handle(), entry, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return defaultValue;
    return static_cast<int>(value);
}

bool RegistryProfile::WriteInt(const char* section, const char* entry, int value) const
{
    SectionKey key(SectionPath(section));
    auto stored = static_cast<std::uint32_t>(value);
    return key.Handle() &&
           RegSetValueExA(key.Handle(), entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored),
                          sizeof stored) == ERROR_SUCCESS;
}

}  // namespace winkit
