#include "GaugeSettings.h"

#include <cstring>
#include <optional>
#include <string>

#include "SharedSettings.h"

namespace gauge {

namespace {

constexpr DWORD SettingBufferSize = 256;  // a value holds at most 255 characters

}  // namespace

void ReadSetting(const char* section, const char* valueName, const char* defaultText, char* out)
{
    std::strcpy(out, defaultText);
    const std::optional<std::string> value =
        winkit::SharedProfile().GetBytesAsText(section, valueName, SettingBufferSize);
    if (!value) return;
    // At most 255 characters, also from a value stored without its terminator.
    std::strncpy(out, value->c_str(), SettingBufferSize - 1);
    out[SettingBufferSize - 1] = '\0';
}

}  // namespace gauge
