#include "SetupDialog.h"

#include "DistanceText.h"
#include "GaugeDialogs.h"
#include "GaugePlatform.h"
#include "GaugeResourceIds.h"
#include "GaugeState.h"

namespace gauge {

namespace {

constexpr int MaxDistanceText = 254;  // characters read from a box

void ShowDistance(HWND dialog, int box, double distance)
{
    char text[DistanceTextSize];
    FormatDistance(distance, text);
    SetDlgItemTextA(dialog, box, text);
}

double ReadDistance(HWND dialog, int box)
{
    char text[MaxDistanceText + 1] = {};
    GetDlgItemTextA(dialog, box, text, sizeof text);
    return ParseDistance(text);
}

}  // namespace

INT_PTR CALLBACK SetupDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    GaugeState& s = gaugeState;
    switch (message) {
    case WM_INITDIALOG:
        ShowDistance(dialog, IDC_SETUP_ALARM_DISTANCE, s.alarmDistance);
        ShowDistance(dialog, IDC_SETUP_NEXT_DISTANCE, s.nextWaypointDistance);
        return TRUE;
    case WM_DESTROY:
        return TRUE;
    case WM_SYSCOMMAND:
        return EndDialogOnClose(dialog, wParam, 1);
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            s.alarmDistance = ReadDistance(dialog, IDC_SETUP_ALARM_DISTANCE);
            s.nextWaypointDistance = ReadDistance(dialog, IDC_SETUP_NEXT_DISTANCE);
            EndDialog(dialog, 1);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

int RunSetupDialog()
{
    return static_cast<int>(RunGaugeDialog(DLG_SETUP, SetupDialog));
}

}  // namespace gauge
