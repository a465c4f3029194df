#include "GaugeModulePath.h"

#include <windows.h>

std::string GaugeModuleBesideProgram()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + "gps.gau";
}
