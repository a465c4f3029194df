// A window handle and the one-line wrappers over the Win32 calls the program makes on it
// and on its child controls.
#pragma once

#include <windows.h>

#include <string>

namespace appframe {

class Window {
public:
    Window() = default;
    explicit Window(HWND handle) : handle_(handle) {}

    HWND Handle() const { return handle_; }
    void Attach(HWND handle) { handle_ = handle; }

    HWND Item(int id) const { return GetDlgItem(handle_, id); }
    LRESULT SendItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendDlgItemMessageA(handle_, id, message, wParam, lParam);
    }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageA(handle_, message, wParam, lParam);
    }

    void SetItemText(int id, const char* text) const { SetDlgItemTextA(handle_, id, text); }
    void SetItemText(int id, const std::string& text) const { SetItemText(id, text.c_str()); }
    // The whole text of a control, however long.
    std::string ItemText(int id) const;

    // Signed decimal text; reading text that is not a number gives 0.
    void SetItemInt(int id, int value) const
    {
        SetDlgItemInt(handle_, id, static_cast<UINT>(value), TRUE);
    }
    int ItemInt(int id) const
    {
        return static_cast<int>(GetDlgItemInt(handle_, id, nullptr, TRUE));
    }

    void SetIcon(WPARAM size, HICON icon) const
    {
        Send(WM_SETICON, size, reinterpret_cast<LPARAM>(icon));
    }

protected:
    HWND handle_ = nullptr;
};

}  // namespace appframe
