// A modal dialog built from a dialog template of a module: the program's own, or the module
// that holds the dialog (a gauge's dialogs live in the gauge module, not in the program that
// loads it). The window procedure routes initialisation, commands, system commands and
// destruction to virtual members; a derived dialog overrides the ones it needs and keeps one
// handler per control.
#pragma once

#include "Window.h"

namespace winkit {

class ModalDialog : public Window {
public:
    // A null module is the program's own.
    explicit ModalDialog(int templateId, HINSTANCE module = nullptr)
        : templateId_(templateId), module_(module)
    {
    }
    virtual ~ModalDialog() = default;
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // Runs the dialog until it ends and returns its result (-1 when it could not be made).
    // Without an owner the dialog is owned by the last active pop-up of the application's
    // main window, so the window the user works in is the one disabled meanwhile; without
    // an application object it has no owner.
    INT_PTR DoModal(HWND owner = nullptr);

protected:
    // Called before the dialog is shown; true lets the system set the default focus.
    virtual bool OnInit() { return true; }
    // WM_COMMAND; the default sends button clicks to OnButtonClicked. True when handled.
    virtual bool OnCommand(int notifyCode, int id, HWND control);
    // The default runs OnOK for IDOK and OnCancel for IDCANCEL (also Esc and the close box).
    virtual bool OnButtonClicked(int id);
    virtual void OnOK() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    // WM_SYSCOMMAND; true when handled, which keeps the system's own handling from running.
    virtual bool OnSysCommand(WPARAM) { return false; }
    // WM_DESTROY: runs on every way out of the dialog.
    virtual void OnDestroy() {}

    bool End(INT_PTR result) const { return EndDialog(handle_, result) != FALSE; }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HINSTANCE module_;
};

}  // namespace winkit
