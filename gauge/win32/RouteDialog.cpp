#include "RouteDialog.h"

#include <cstring>
#include <string>

#include "DirectToDialog.h"
#include "GaugeDialogs.h"
#include "GaugePlatform.h"
#include "GaugeResourceIds.h"
#include "GaugeState.h"
#include "RouteEditing.h"
#include "RouteFileDialogs.h"

namespace gauge {

namespace {

// The list's one tab stop, in dialog units from its left edge: the "Name" heading stands
// at 106, the list at 7 with a border of about one unit.
constexpr int NameTabStop = 98;
constexpr char WarningText[] = "Can't add more than 30 waypoints";
constexpr char WarningCaption[] = "GPS Warning";

int ListCount(HWND dialog)
{
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_ROUTE_LIST, LB_GETCOUNT, 0, 0));
}

// The selected line, -1 without a selection.
int SelectedLine(HWND dialog)
{
    const LRESULT line = SendDlgItemMessageA(dialog, IDC_ROUTE_LIST, LB_GETCURSEL, 0, 0);
    return line == LB_ERR ? -1 : static_cast<int>(line);
}

// Inserts a waypoint chosen in the Direct-To dialog before the selected line, or after the
// last; the 30-waypoint limit is told only after the choice.
void AddWaypoint(HWND dialog)
{
    if (!ChooseDirectToWaypoint(dialog)) return;
    const int lines = ListCount(dialog);
    if (lines >= RouteCapacity) {
        MessageBoxA(dialog, WarningText, WarningCaption, MB_OK);
        return;
    }
    InsertRouteWaypoint(gaugeState.editedRoute, lines, SelectedLine(dialog),
                        gaugeState.directToChoice);
    FillRouteList(dialog);
}

void RemoveWaypoint(HWND dialog)
{
    const int selected = SelectedLine(dialog);
    if (selected < 0) return;
    RemoveRouteWaypoint(gaugeState.editedRoute, ListCount(dialog), selected);
    FillRouteList(dialog);
}

INT_PTR OnCommand(HWND dialog, int control)
{
    GaugeState& s = gaugeState;
    switch (control) {
    case IDCANCEL:
        EndDialog(dialog, 1);
        return TRUE;
    case IDC_ROUTE_ADD:
        AddWaypoint(dialog);
        return TRUE;
    case IDC_ROUTE_REMOVE:
        RemoveWaypoint(dialog);
        return TRUE;
    case IDC_ROUTE_NEW:
        std::memset(s.editedRoute, 0, sizeof s.editedRoute);
        FillRouteList(dialog);
        return TRUE;
    case IDC_ROUTE_LOAD:
        LoadRouteFile();
        FillRouteList(dialog);
        return TRUE;
    case IDC_ROUTE_SAVE:
        SaveRouteFile();
        return TRUE;
    case IDOK:
        FinishRoute();
        EndDialog(dialog, 1);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void FillRouteList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_ROUTE_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const WaypointRecord& slot : gaugeState.editedRoute) {
        if (slot.table <= 0) continue;
        const std::string line = RouteListLine(slot);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
}

INT_PTR CALLBACK RouteDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    GaugeState& s = gaugeState;
    switch (message) {
    case WM_INITDIALOG: {
        // A restored route may hold empty slots between waypoints; the copy closes them so
        // that every list line is the slot of its number.
        std::memcpy(s.editedRoute, s.route, sizeof s.editedRoute);
        CompactRoute(s.editedRoute);
        const int tabStop = NameTabStop;
        SendDlgItemMessageA(dialog, IDC_ROUTE_LIST, LB_SETTABSTOPS, 1,
                            reinterpret_cast<LPARAM>(&tabStop));
        FillRouteList(dialog);
        return TRUE;
    }
    case WM_DESTROY:
        return TRUE;
    case WM_SYSCOMMAND:
        return EndDialogOnClose(dialog, wParam, 1);
    case WM_COMMAND:
        return OnCommand(dialog, LOWORD(wParam));
    default:
        return FALSE;
    }
}

int RunRouteDialog()
{
    return static_cast<int>(RunGaugeDialog(DLG_ROUTE, RouteDialog));
}

}  // namespace gauge
