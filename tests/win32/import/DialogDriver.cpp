#include "DialogDriver.h"

#include <commdlg.h>
#include <dlgs.h>

namespace {

DialogDriver* activeDriver = nullptr;
constexpr UINT PollMilliseconds = 30;

std::string WindowText(HWND window)
{
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct TopLevelSearch {
    HWND found = nullptr;
};

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM context)
{
    if (ClassOf(window) == "#32770" && IsWindowVisible(window) && IsWindowEnabled(window)) {
        reinterpret_cast<TopLevelSearch*>(context)->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK ReadStatics(HWND child, LPARAM context)
{
    SeenDialog& seen = *reinterpret_cast<SeenDialog*>(context);
    if (ClassOf(child) != "Static")
        return TRUE;
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        seen.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    else if (seen.text.empty())
        seen.text = WindowText(child);
    return TRUE;
}

SeenDialog Describe(HWND dialog)
{
    SeenDialog seen;
    seen.caption = WindowText(dialog);
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
        if (GetDlgItem(dialog, id))
            seen.buttons.push_back(id);
    }
    // A file dialog has its list of file types; a message box has none.
    if (HWND fileTypes = GetDlgItem(dialog, cmb1)) {
        char folder[MAX_PATH] = "";
        if (SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder)) > 0)
            seen.folder = folder;
        int count = static_cast<int>(SendMessageA(fileTypes, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char item[256] = "";
            SendMessageA(fileTypes, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
            seen.fileTypes.push_back(item);
        }
        return seen;
    }
    EnumChildWindows(dialog, ReadStatics, reinterpret_cast<LPARAM>(&seen));
    return seen;
}

} // namespace

DialogDriver::DialogDriver()
{
    activeDriver = this;
    timer_ = SetTimer(nullptr, 0, PollMilliseconds, OnTimer);
}

DialogDriver::~DialogDriver()
{
    KillTimer(nullptr, timer_);
    activeDriver = nullptr;
}

void CALLBACK DialogDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (!activeDriver)
        return;
    TopLevelSearch search;
    EnumThreadWindows(GetCurrentThreadId(), FindVisibleDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found)
        activeDriver->Answer(search.found);
}

void DialogDriver::Answer(HWND dialog)
{
    if (answered_ && !IsWindow(answered_))
        answered_ = nullptr;
    if (dialog == answered_)
        return; // still closing
    answered_ = dialog;
    seen_.push_back(Describe(dialog));
    if (next_ < steps_.size())
        steps_[next_++](dialog);
    else
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

DialogDriver::Step PressButton(int id)
{
    return [id](HWND dialog) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); };
}

DialogDriver::Step ChooseFile(const std::string& path)
{
    return [path](HWND dialog) {
        // The name box is an edit control or a combo box, depending on the dialog's style.
        if (!SetDlgItemTextA(dialog, cmb13, path.c_str()))
            SetDlgItemTextA(dialog, edt1, path.c_str());
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
}
