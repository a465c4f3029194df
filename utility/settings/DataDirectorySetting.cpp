#include "DataDirectorySetting.h"

#include <windows.h>

std::string ReadDataDirectorySetting()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Borealwing\\GPS\\Settings", 0, KEY_READ, &key)
        != ERROR_SUCCESS)
        return {};
    char value[MAX_PATH + 1] = "";
    DWORD type = 0;
    DWORD size = MAX_PATH;
    LONG status = RegQueryValueExA(key, "PATH", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ)
        return {};
    value[size < MAX_PATH ? size : MAX_PATH] = '\0';
    return value;
}
