#include "PanelWindow.h"

#include <windows.h>

#include <cstdio>

#include "PanelHost.h"
#include "SharedNames.h"

namespace host {

namespace {

constexpr char ViewProperty[] = "PanelView";
constexpr UINT_PTR RealTimeTimer = 100;  // not the gauge's timer 1
constexpr UINT RealTimePeriodMs = 1000;
constexpr int StatusHeight = 20;

// What the main window shows while it runs interactively, and its own procedure.
struct InteractiveView {
    PanelHost* host;
    int scale;
    WNDPROC mainProcedure;
};

InteractiveView* ViewOf(HWND window)
{
    return reinterpret_cast<InteractiveView*>(GetPropA(window, ViewProperty));
}

void PaintView(HWND window, const InteractiveView& view)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    PixelView frame = view.host->Frame();
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, frame.width * view.scale, frame.height * view.scale, view.host->FrameDC(),
               0, 0, frame.width, frame.height, SRCCOPY);

    const AircraftPlacement& a = view.host->Aircraft().Placement();
    char status[160];
    std::snprintf(
        status, sizeof status, "%.4f%c %.4f%c  %.0f ft  HDG %03.0f  %.0f kt  AP %s  t=%llus",
        a.latitude < 0 ? -a.latitude : a.latitude, a.latitude < 0 ? 'S' : 'N',
        a.longitude < 0 ? -a.longitude : a.longitude, a.longitude < 0 ? 'W' : 'E', a.altitudeFeet,
        a.heading, a.knots, view.host->Aircraft().AutopilotEngaged() ? "on" : "off",
        static_cast<unsigned long long>(view.host->Clock().NowMs() / 1000));
    RECT line{0, frame.height * view.scale, frame.width * view.scale,
              frame.height * view.scale + StatusHeight};
    FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetTextColor(dc, RGB(200, 200, 200));
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, status, -1, &line, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    EndPaint(window, &paint);
}

// The main window's procedure while it shows the gauge; what the view does not handle goes
// on to the window's own procedure.
LRESULT CALLBACK ViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    InteractiveView* view = ViewOf(window);
    if (!view) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        PaintView(window, *view);
        return 0;
    case WM_LBUTTONDOWN:
        view->host->ClickAt(LOWORD(lParam) / view->scale, HIWORD(lParam) / view->scale);
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT point;
            GetCursorPos(&point);
            ScreenToClient(window, &point);
            bool button = view->host->CursorAt(point.x / view->scale, point.y / view->scale) ==
                          gauge::MouseCursorHand;
            SetCursor(LoadCursor(nullptr, button ? IDC_HAND : IDC_ARROW));
            return TRUE;
        }
        break;
    case WM_TIMER:
        if (wParam == RealTimeTimer) {
            view->host->RunSeconds(1);
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        }
        break;
    case WM_CLOSE:
        KillTimer(window, RealTimeTimer);
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return CallWindowProcA(view->mainProcedure, window, message, wParam, lParam);
}

}  // namespace

int RunInteractive(PanelHost& host, int scale)
{
    HWND window = host.MainWindow();
    if (!window) return 1;
    InteractiveView view{&host, scale, nullptr};
    SetPropA(window, ViewProperty, &view);
    view.mainProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ViewProc)));

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
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(view.mainProcedure));
    RemovePropA(window, ViewProperty);
    return static_cast<int>(message.wParam);
}

}  // namespace host
