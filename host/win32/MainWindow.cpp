#include "MainWindow.h"

#include "SharedNames.h"

namespace host {

namespace {

constexpr const char* WindowClass = nav::SimulatorWindowClass;
constexpr char WindowTitle[] = "Panel host - gps.gau";

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_SYSCOMMAND:
        // The simulator lets go of the mouse instead of opening its menu.
        if ((wParam & 0xFFF0) == SC_MOUSEMENU) {
            if (auto* systemMenus =
                    reinterpret_cast<int*>(GetWindowLongPtrA(window, GWLP_USERDATA)))
                ++*systemMenus;
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND CreateMainWindow(int* systemMenus)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = WindowClass;
    RegisterClassA(&windowClass);  // fails harmlessly when registered already
    return CreateWindowExA(0, WindowClass, WindowTitle,
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                           CW_USEDEFAULT, 200, 200, nullptr, nullptr, instance, systemMenus);
}

}  // namespace host
