#include "GaugeTables.h"

#include <cstdio>

#include "GaugePlatform.h"

void FormGaugeTablePath(const char* pattern, char (&path)[TablePathSize])
{
    char directory[256];
    ReadSetting(SettingsSection, DataPathValue, DefaultDataDirectory, directory);
    std::snprintf(path, sizeof path, pattern, directory);
}
