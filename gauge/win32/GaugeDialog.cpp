#include "GaugeDialog.h"

#include "GaugeState.h"

namespace gauge {

GaugeDialog::GaugeDialog(int templateId) : ModalDialog(templateId, gaugeState.moduleInstance) {}

INT_PTR GaugeDialog::RunFromPanel()
{
    if (gaugeState.hostWindow) SendMessageA(gaugeState.hostWindow, WM_SYSCOMMAND, SC_MOUSEMENU, 0);
    return DoModal(gaugeState.hostWindow);
}

bool GaugeDialog::OnSysCommand(WPARAM command)
{
    if ((command & 0xFFF0) != SC_CLOSE) return false;
    OnCancel();
    return true;
}

}  // namespace gauge
