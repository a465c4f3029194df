// A window handle and the one-line wrappers over the Win32 calls the programs make on it and
// on its child controls. A wrapper of a call that can fail returns whether it succeeded.
#pragma once

#include <windows.h>

#include <string>

namespace winkit {

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
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return PostMessageA(handle_, message, wParam, lParam) != FALSE;
    }

    bool SetItemText(int id, const char* text) const
    {
        return SetDlgItemTextA(handle_, id, text) != FALSE;
    }
    bool SetItemText(int id, const std::string& text) const
    {
        return SetItemText(id, text.c_str());
    }
    // The whole text of a control, however long.
    std::string ItemText(int id) const;

    // Signed decimal text; reading text that is not a number gives 0.
    bool SetItemInt(int id, int value) const
    {
        return SetDlgItemInt(handle_, id, static_cast<UINT>(value), TRUE) != FALSE;
    }
    int ItemInt(int id) const
    {
        return static_cast<int>(GetDlgItemInt(handle_, id, nullptr, TRUE));
    }

    // Checks `checked` and clears the other radio buttons from `first` to `last`.
    bool CheckRadioButton(int first, int last, int checked) const
    {
        return ::CheckRadioButton(handle_, first, last, checked) != FALSE;
    }
    // Whether the keyboard focus is on this window's control `id`.
    bool ItemHasFocus(int id) const { return GetFocus() == Item(id); }

    // The window's rectangle in screen pixels, frame included.
    bool GetRect(RECT& rect) const { return GetWindowRect(handle_, &rect) != FALSE; }
    // Sets the size in pixels, keeping the position and the place in the Z order.
    bool Resize(int width, int height, UINT flags = 0) const
    {
        return SetWindowPos(handle_, nullptr, 0, 0, width, height,
                            SWP_NOMOVE | SWP_NOZORDER | flags) != FALSE;
    }

    void SetIcon(WPARAM size, HICON icon) const
    {
        Send(WM_SETICON, size, reinterpret_cast<LPARAM>(icon));
    }

protected:
    HWND handle_ = nullptr;
};

}  // namespace winkit
