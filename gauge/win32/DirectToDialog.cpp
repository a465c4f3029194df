#include "DirectToDialog.h"

#include <string>
#include <vector>

#include "DirectTo.h"
#include "GaugeDialogs.h"
#include "GaugePlatform.h"
#include "GaugeResourceIds.h"
#include "GaugeState.h"
#include "TableDialogHold.h"
#include "TableEngine.h"
#include "WaypointAccess.h"

namespace gauge {

namespace {

constexpr int ShortHeightMargin = 20;  // pixels above half the full height

// The dialog's state; one Direct-To dialog is open at a time.
int32_t directToTable = WaypointAirport;
int32_t directToListShown = 0;
RECT directToFullRect{};  // the window as created, screen pixels

int FullHeight()
{
    return directToFullRect.bottom - directToFullRect.top;
}

// The height without the result list.
int ShortHeight()
{
    return FullHeight() / 2 - ShortHeightMargin;
}

// Resizes the window in place; its frame is redrawn.
void SetDialogHeight(HWND dialog, int height)
{
    SetWindowPos(dialog, nullptr, 0, 0, directToFullRect.right - directToFullRect.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_DRAWFRAME);
}

void ShowCursorShape(LPCSTR shape)
{
    SetCursor(LoadCursorA(nullptr, shape));
}

// Fills the emptied result list with every name of the table in name order. The list's
// storage is reserved at once and it is not redrawn line by line, so that a table of
// tens of thousands of waypoints fills without a visible stall.
void FillResultList(HWND list)
{
    const std::vector<std::string> names = ListWaypointNames();
    std::size_t bytes = 0;
    for (const std::string& name : names) bytes += name.size() + 1;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_INITSTORAGE, names.size(), bytes);
    for (const std::string& name : names)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

// Selects the list line that begins with `text`, searching from the second line on and
// continuing with the first.
void SelectMatchingLine(HWND dialog, const std::string& text)
{
    SendDlgItemMessageA(dialog, IDC_DIRECT_TO_LIST, LB_SELECTSTRING, 0,
                        reinterpret_cast<LPARAM>(text.c_str()));
}

// Only typing searches: the dialog's own writes into the boxes raise change notices too,
// while the focus is elsewhere.
bool HasFocus(HWND dialog, int control)
{
    return GetFocus() == GetDlgItem(dialog, control);
}

// A search from the first `length` characters of the box being typed in: the record found
// shows in the other box, and its name selects its list line.
void Search(HWND dialog, int box, int length, FoundWaypoint (*search)(const char*))
{
    char text[NameSearchLength + 1] = {};
    GetDlgItemTextA(dialog, box, text, length + 1);
    const FoundWaypoint found = search(text);
    if (box == IDC_DIRECT_TO_ID)
        SetDlgItemTextA(dialog, IDC_DIRECT_TO_NAME, found.name.c_str());
    else
        SetDlgItemTextA(dialog, IDC_DIRECT_TO_ID, found.id.c_str());
    SelectMatchingLine(dialog, found.name);
}

void ShowListLine(HWND dialog)
{
    const LRESULT line = SendDlgItemMessageA(dialog, IDC_DIRECT_TO_LIST, LB_GETCURSEL, 0, 0);
    if (line == LB_ERR) return;
    ShowCursorShape(IDC_WAIT);
    const FoundWaypoint found = GoToWaypointNameLine(static_cast<int>(line));
    SetDlgItemTextA(dialog, IDC_DIRECT_TO_ID, found.id.c_str());
    SetDlgItemTextA(dialog, IDC_DIRECT_TO_NAME, found.name.c_str());
    ShowCursorShape(IDC_ARROW);
}

void ToggleList(HWND dialog)
{
    if (!directToListShown) {
        directToListShown = 1;
        SelectDirectToTable(dialog, directToTable);
        SetDialogHeight(dialog, FullHeight());
    } else {
        SetDialogHeight(dialog, ShortHeight());
        directToListShown = 0;
    }
}

INT_PTR OnCommand(HWND dialog, int control, int notification)
{
    switch (control) {
    case IDOK:
        // A search past the last identifier or name, an empty table or one that could not
        // be opened stands on no record: OK then chooses nothing and the dialog stays.
        if (RecordAtEof()) {
            MessageBeep(MB_OK);
            return TRUE;
        }
        gaugeState.directToChoice.table = directToTable;
        ReadWaypoint(gaugeState.directToChoice);
        EndDialog(dialog, 1);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    case IDC_DIRECT_TO_ID:
        if (notification == EN_CHANGE && HasFocus(dialog, control))
            Search(dialog, control, IdSearchLength, SearchWaypointById);
        return FALSE;
    case IDC_DIRECT_TO_NAME:
        if (notification == EN_CHANGE && HasFocus(dialog, control))
            Search(dialog, control, NameSearchLength, SearchWaypointByName);
        return FALSE;
    case IDC_DIRECT_TO_AIRPORTS:
    case IDC_DIRECT_TO_NAVAIDS:
    case IDC_DIRECT_TO_USERS:
        SelectDirectToTable(dialog, WaypointAirport + (control - IDC_DIRECT_TO_AIRPORTS));
        return TRUE;
    case IDC_DIRECT_TO_LIST:
        if (notification == LBN_SELCHANGE) ShowListLine(dialog);
        return TRUE;
    case IDC_DIRECT_TO_LIST_TOGGLE:
        ToggleList(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void SelectDirectToTable(HWND dialog, int32_t table)
{
    directToTable = table;
    ShowCursorShape(IDC_WAIT);
    TableCloseAll();
    HWND list = GetDlgItem(dialog, IDC_DIRECT_TO_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    OpenWaypointTable(table);
    if (directToListShown) FillResultList(list);  // ends in identifier order
    SetDlgItemTextA(dialog, IDC_DIRECT_TO_ID, "");
    SetDlgItemTextA(dialog, IDC_DIRECT_TO_NAME, "");
    HWND idBox = GetDlgItem(dialog, IDC_DIRECT_TO_ID);
    PostMessageA(idBox, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(idBox));
    ShowCursorShape(IDC_ARROW);
}

INT_PTR CALLBACK DirectToDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        CheckRadioButton(dialog, IDC_DIRECT_TO_AIRPORTS, IDC_DIRECT_TO_USERS,
                         IDC_DIRECT_TO_AIRPORTS);
        GetWindowRect(dialog, &directToFullRect);
        SetDialogHeight(dialog, ShortHeight());
        directToListShown = 0;
        SelectDirectToTable(dialog, WaypointAirport);
        return TRUE;
    case WM_DESTROY:
        // Every way out of the dialog leaves no table open.
        TableCloseAll();
        return TRUE;
    case WM_SYSCOMMAND:
        return EndDialogOnClose(dialog, wParam, 0);
    case WM_COMMAND:
        return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    default:
        return FALSE;
    }
}

bool ChooseDirectToWaypoint(HWND owner)
{
    TableDialogScope hold;
    return DialogBoxParamA(gaugeState.moduleInstance, MAKEINTRESOURCEA(DLG_DIRECT_TO), owner,
                           DirectToDialog, 0) == 1;
}

int RunDirectToDialog()
{
    TableDialogScope hold;
    // A dialog that could not be created (-1) is no choice.
    return RunGaugeDialog(DLG_DIRECT_TO, DirectToDialog) == 1 ? 1 : 0;
}

}  // namespace gauge
