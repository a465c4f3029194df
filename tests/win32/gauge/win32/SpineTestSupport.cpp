#include "SpineTestSupport.h"

#include <string>

#include "GaugeState.h"
#include "HostPlatform.h"

using namespace gauge;

namespace {

int systemMenuCommands = 0;

LRESULT CALLBACK SimulatorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MOUSEMENU) {
        ++systemMenuCommands;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void ResetLoadedGauge()
{
    ResetGaugeState();
    gaugeState.moduleInstance = GetModuleHandleA(nullptr);
    gaugeState.platform = &HostPlatform();
}

void UseEmptyDataDirectory()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "gauge_spine_empty";
    CreateDirectoryA(folder.c_str(), nullptr);
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Borealwing\\GPS\\Settings", 0, nullptr, 0,
                    KEY_WRITE, nullptr, &key, nullptr);
    RegSetValueExA(key, "PATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>(folder.size() + 1));
    RegCloseKey(key);
}

HWND CreateSimulatorWindow()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = SimulatorWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "FS98MAIN";
    RegisterClassA(&windowClass);
    systemMenuCommands = 0;
    return CreateWindowExA(0, "FS98MAIN", "Simulator", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

int SystemMenuCommands()
{
    return systemMenuCommands;
}

void PumpMessages(DWORD ms)
{
    DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < ms) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
}
