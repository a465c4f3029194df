#include "PanelWindow.h"

#include <cstdio>

#include "PanelHost.h"
#include "SharedNames.h"

namespace {

constexpr const char* WindowClass = nav::SimulatorWindowClass;
constexpr char WindowTitle[] = "Panel host - gps.gau";
constexpr UINT_PTR RealTimeTimer = 100;      // not the gauge's timer 1
constexpr UINT RealTimePeriodMs = 1000;
constexpr int StatusHeight = 20;

struct InteractiveView {
    PanelHost* host;
    int scale;
};

InteractiveView* viewOf(HWND window)
{
    return reinterpret_cast<InteractiveView*>(GetPropA(window, "PanelView"));
}

PanelHost* hostOf(HWND window)
{
    return reinterpret_cast<PanelHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void PaintView(HWND window, const InteractiveView& view)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    PixelView frame = view.host->Frame();
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, frame.width * view.scale, frame.height * view.scale,
               view.host->FrameDC(), 0, 0, frame.width, frame.height, SRCCOPY);

    const AircraftPlacement& a = view.host->Aircraft().Placement();
    char status[160];
    std::snprintf(status, sizeof status,
                  "%.4f%c %.4f%c  %.0f ft  HDG %03.0f  %.0f kt  AP %s  t=%llus",
                  a.latitude < 0 ? -a.latitude : a.latitude, a.latitude < 0 ? 'S' : 'N',
                  a.longitude < 0 ? -a.longitude : a.longitude, a.longitude < 0 ? 'W' : 'E',
                  a.altitudeFeet, a.heading, a.knots,
                  view.host->Aircraft().AutopilotEngaged() ? "on" : "off",
                  static_cast<unsigned long long>(view.host->Clock().NowMs() / 1000));
    RECT line{0, frame.height * view.scale, frame.width * view.scale,
              frame.height * view.scale + StatusHeight};
    FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetTextColor(dc, RGB(200, 200, 200));
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, status, -1, &line, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    EndPaint(window, &paint);
}

LRESULT CALLBACK PanelWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        break;
    }
    case WM_SYSCOMMAND:
        // A gauge announces its dialogs with the system-menu command; the simulator
        // lets go of the mouse instead of opening its menu.
        if ((wParam & 0xFFF0) == SC_MOUSEMENU) {
            if (PanelHost* host = hostOf(window)) host->NoteSystemMenu();
            return 0;
        }
        break;
    case WM_PAINT:
        if (InteractiveView* view = viewOf(window)) {
            PaintView(window, *view);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        if (InteractiveView* view = viewOf(window)) {
            view->host->ClickAt(LOWORD(lParam) / view->scale, HIWORD(lParam) / view->scale);
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (InteractiveView* view = viewOf(window); view && LOWORD(lParam) == HTCLIENT) {
            POINT point;
            GetCursorPos(&point);
            ScreenToClient(window, &point);
            bool button = view->host->CursorAt(point.x / view->scale, point.y / view->scale) ==
                          MouseCursorHand;
            SetCursor(LoadCursor(nullptr, button ? IDC_HAND : IDC_ARROW));
            return TRUE;
        }
        break;
    case WM_TIMER:
        if (InteractiveView* view = viewOf(window); view && wParam == RealTimeTimer) {
            view->host->RunSeconds(1);
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        }
        break;
    case WM_CLOSE:
        if (viewOf(window)) {
            KillTimer(window, RealTimeTimer);
            RemovePropA(window, "PanelView");
            PostQuitMessage(0);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

HWND CreatePanelWindow(PanelHost* host)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = PanelWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = WindowClass;
    RegisterClassA(&windowClass);   // fails harmlessly when registered already
    return CreateWindowExA(0, WindowClass, WindowTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU |
                           WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT, 200, 200, nullptr,
                           nullptr, instance, host);
}

int RunInteractive(PanelHost& host, int scale)
{
    HWND window = host.MainWindow();
    if (!window) return 1;
    InteractiveView view{&host, scale};
    SetPropA(window, "PanelView", &view);

    PixelView frame = host.Frame();
    RECT size{0, 0, frame.width * scale, frame.height * scale + StatusHeight};
    AdjustWindowRect(&size, GetWindowLongA(window, GWL_STYLE), FALSE);
    SetWindowPos(window, nullptr, 0, 0, size.right - size.left, size.bottom - size.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetTimer(window, RealTimeTimer, RealTimePeriodMs, nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
