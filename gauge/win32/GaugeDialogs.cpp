#include "GaugeDialogs.h"

#include "GaugeState.h"

namespace gauge {

INT_PTR RunGaugeDialog(int templateId, DLGPROC procedure, LPARAM parameter)
{
    if (gaugeState.hostWindow) SendMessageA(gaugeState.hostWindow, WM_SYSCOMMAND, SC_MOUSEMENU, 0);
    return DialogBoxParamA(gaugeState.moduleInstance, MAKEINTRESOURCEA(templateId),
                           gaugeState.hostWindow, procedure, parameter);
}

INT_PTR EndDialogOnClose(HWND dialog, WPARAM command, INT_PTR result)
{
    if ((command & 0xFFF0) != SC_CLOSE) return FALSE;
    EndDialog(dialog, result);
    return TRUE;
}

}  // namespace gauge
