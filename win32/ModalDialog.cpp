#include "ModalDialog.h"

#include "Application.h"

namespace winkit {

INT_PTR ModalDialog::DoModal(HWND owner)
{
    if (!owner) {
        Application* application = Application::Current();
        HWND main = application ? application->MainWindow() : nullptr;
        if (main && IsWindow(main)) owner = GetLastActivePopup(main);
    }
    return DialogBoxParamA(module_ ? module_ : GetModuleHandleA(nullptr),
                           MAKEINTRESOURCEA(templateId_), owner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool ModalDialog::OnCommand(int notifyCode, int id, HWND)
{
    return notifyCode == BN_CLICKED && OnButtonClicked(id);
}

bool ModalDialog::OnButtonClicked(int id)
{
    switch (id) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<ModalDialog*>(lParam)->Attach(window);
    }
    auto* dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    return dialog ? dialog->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR ModalDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInit() ? TRUE : FALSE;
    case WM_COMMAND:
        return OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE
                                                                                         : FALSE;
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam) ? TRUE : FALSE;
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    case WM_NCDESTROY:
        SetWindowLongPtrA(handle_, DWLP_USER, 0);
        handle_ = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace winkit
