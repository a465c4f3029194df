#include "DialogWindows.h"

namespace host {

namespace {

constexpr int MessageBoxTextId = 0xFFFF;

BOOL CALLBACK CollectShown(HWND window, LPARAM list)
{
    if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

}  // namespace

std::string WindowText(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

std::string WindowClass(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool IsMessageBox(HWND window)
{
    return WindowClass(window) == "#32770" && GetDlgItem(window, MessageBoxTextId) != nullptr;
}

std::vector<HWND> ShownThreadWindows()
{
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectShown, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string ControlText(HWND dialog, int id)
{
    return WindowText(GetDlgItem(dialog, id));
}

void SetControlText(HWND dialog, int id, const std::string& text)
{
    SetDlgItemTextA(dialog, id, text.c_str());
}

void TypeText(HWND dialog, int id, const std::string& text)
{
    HWND control = GetDlgItem(dialog, id);
    SendMessageA(control, EM_SETSEL, 0, -1);
    SendMessageA(control, WM_CLEAR, 0, 0);
    for (char c : text) SendMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void Click(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SelectComboEntry(HWND dialog, int id, int index)
{
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ComboSelection(HWND dialog, int id)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

std::vector<std::string> ListEntries(HWND dialog, int id)
{
    std::vector<std::string> entries;
    const auto count = static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length = SendDlgItemMessageA(dialog, id, LB_GETTEXTLEN, i, 0);
        std::string entry(static_cast<size_t>(length) + 1, '\0');
        SendDlgItemMessageA(dialog, id, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(static_cast<size_t>(length));
        entries.push_back(entry);
    }
    return entries;
}

void SelectListEntry(HWND dialog, int id, int index)
{
    SendDlgItemMessageA(dialog, id, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DoubleClickListEntry(HWND dialog, int id, int index)
{
    SelectListEntry(dialog, id, index);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

MessageBoxView ReadMessageBox(HWND box)
{
    MessageBoxView view;
    view.caption = WindowText(box);
    view.text = ControlText(box, MessageBoxTextId);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::string kind = WindowClass(child);
        if (lstrcmpiA(kind.c_str(), "Button") == 0 && IsWindowVisible(child))
            view.buttons.push_back(GetDlgCtrlID(child));
        else if (lstrcmpiA(kind.c_str(), "Static") == 0 && !view.icon)
            view.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    }
    return view;
}

}  // namespace host
