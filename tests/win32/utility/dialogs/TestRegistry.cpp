#include "TestRegistry.h"

#include <shlwapi.h>

#include <vector>

namespace uitest {

namespace {

struct Key {
    HKEY handle = nullptr;
    Key(const char* path, bool create)
    {
        const LONG status = create ? RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0,
                                                     KEY_ALL_ACCESS, nullptr, &handle, nullptr)
                                   : RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &handle);
        if (status != ERROR_SUCCESS) handle = nullptr;
    }
    ~Key()
    {
        if (handle) RegCloseKey(handle);
    }
};

}  // namespace

void DeleteProgramKey()
{
    SHDeleteKeyA(HKEY_CURRENT_USER, ProgramKey);
}

bool KeyExists(const char* path)
{
    return Key(path, false).handle != nullptr;
}

DWORD ValueCount(const char* path)
{
    Key key(path, false);
    DWORD count = 0;
    if (key.handle)
        RegQueryInfoKeyA(key.handle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         nullptr, nullptr, nullptr, nullptr);
    return count;
}

std::optional<std::string> StringValue(const char* path, const char* name)
{
    Key key(path, false);
    DWORD type = 0;
    DWORD size = 0;
    if (!key.handle ||
        RegQueryValueExA(key.handle, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    std::vector<char> data(size + 1, '\0');
    RegQueryValueExA(key.handle, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    return std::string(data.data());
}

std::optional<DWORD> NumberValue(const char* path, const char* name)
{
    Key key(path, false);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (!key.handle ||
        RegQueryValueExA(key.handle, name, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return std::nullopt;
    return value;
}

void PutString(const char* path, const char* name, const std::string& value)
{
    Key key(path, true);
    RegSetValueExA(key.handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}

void PutNumber(const char* path, const char* name, DWORD value)
{
    Key key(path, true);
    RegSetValueExA(key.handle, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof value);
}

}  // namespace uitest
