#include "DataPathSetting.h"

#include "SharedNames.h"

#include <windows.h>

namespace host {

bool WriteDataPath(const std::string& path)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, nav::SettingsKeyPath, 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    bool written = RegSetValueExA(key, nav::DataPathValue, 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(path.c_str()),
                                  static_cast<DWORD>(path.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

}  // namespace host
