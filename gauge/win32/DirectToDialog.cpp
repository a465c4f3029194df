#include "DirectToDialog.h"

#include <string>
#include <vector>

#include "DirectTo.h"
#include "GaugeResourceIds.h"
#include "GaugeState.h"
#include "TableDialogHold.h"
#include "TableEngine.h"
#include "WaypointAccess.h"

namespace gauge {

namespace {

constexpr int ShortHeightMargin = 20;  // pixels above half the full height

void ShowCursorShape(LPCSTR shape)
{
    SetCursor(LoadCursorA(nullptr, shape));
}

}  // namespace

DirectToDialog::DirectToDialog() : GaugeDialog(DLG_DIRECT_TO), table_(WaypointAirport) {}

bool DirectToDialog::OnInit()
{
    CheckRadioButton(IDC_DIRECT_TO_AIRPORTS, IDC_DIRECT_TO_USERS, IDC_DIRECT_TO_AIRPORTS);
    GetRect(fullRect_);
    SetHeight(ShortHeight());
    listShown_ = false;
    SelectTable(WaypointAirport);
    return true;
}

bool DirectToDialog::OnCommand(int notifyCode, int id, HWND control)
{
    switch (id) {
    case IDC_DIRECT_TO_ID:
    case IDC_DIRECT_TO_NAME:
        // Only typing searches: the dialog's own writes into the boxes raise change notices
        // too, while the focus is elsewhere.
        if (notifyCode == EN_CHANGE && ItemHasFocus(id)) Search(id);
        return false;
    case IDC_DIRECT_TO_LIST:
        if (notifyCode == LBN_SELCHANGE) ShowListLine();
        return true;
    default:
        return GaugeDialog::OnCommand(notifyCode, id, control);
    }
}

bool DirectToDialog::OnButtonClicked(int id)
{
    switch (id) {
    case IDC_DIRECT_TO_AIRPORTS:
    case IDC_DIRECT_TO_NAVAIDS:
    case IDC_DIRECT_TO_USERS:
        SelectTable(WaypointAirport + (id - IDC_DIRECT_TO_AIRPORTS));
        return true;
    case IDC_DIRECT_TO_LIST_TOGGLE:
        ToggleList();
        return true;
    default:
        return GaugeDialog::OnButtonClicked(id);
    }
}

void DirectToDialog::OnOK()
{
    // A search past the last identifier or name, an empty table or one that could not be
    // opened stands on no record: OK then chooses nothing and the dialog stays.
    if (RecordAtEof()) {
        MessageBeep(MB_OK);
        return;
    }
    gaugeState.directToChoice.table = table_;
    ReadWaypoint(gaugeState.directToChoice);
    End(1);
}

void DirectToDialog::OnDestroy()
{
    TableCloseAll();
}

void DirectToDialog::SelectTable(int32_t table)
{
    table_ = table;
    ShowCursorShape(IDC_WAIT);
    TableCloseAll();
    ResultList().Clear();
    OpenWaypointTable(table);
    if (listShown_) FillResultList();  // ends in identifier order
    SetItemText(IDC_DIRECT_TO_ID, "");
    SetItemText(IDC_DIRECT_TO_NAME, "");
    const winkit::Window idBox(Item(IDC_DIRECT_TO_ID));
    idBox.Post(WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(idBox.Handle()));
    ShowCursorShape(IDC_ARROW);
}

// Fills the emptied result list with every name of the table in name order. The list's
// storage is reserved at once and it is not redrawn line by line, so that a table of tens
// of thousands of waypoints fills without a visible stall.
void DirectToDialog::FillResultList() const
{
    const std::vector<std::string> names = ListWaypointNames();
    std::size_t bytes = 0;
    for (const std::string& name : names) bytes += name.size() + 1;
    const winkit::ListBox list = ResultList();
    list.HoldRedraw();
    list.Reserve(names.size(), bytes);
    for (const std::string& name : names) list.Add(name);
    list.ResumeRedraw();
}

void DirectToDialog::Search(int box) const
{
    const std::string text = ItemText(box);
    const bool byId = box == IDC_DIRECT_TO_ID;
    const FoundWaypoint found =
        byId ? SearchWaypointById(text.c_str()) : SearchWaypointByName(text.c_str());
    if (byId)
        SetItemText(IDC_DIRECT_TO_NAME, found.name);
    else
        SetItemText(IDC_DIRECT_TO_ID, found.id);
    ResultList().SelectPrefix(0, found.name.c_str());
}

void DirectToDialog::ShowListLine() const
{
    const int line = ResultList().Selection();
    if (line == LB_ERR) return;
    ShowCursorShape(IDC_WAIT);
    const FoundWaypoint found = GoToWaypointNameLine(line);
    SetItemText(IDC_DIRECT_TO_ID, found.id);
    SetItemText(IDC_DIRECT_TO_NAME, found.name);
    ShowCursorShape(IDC_ARROW);
}

void DirectToDialog::ToggleList()
{
    if (!listShown_) {
        listShown_ = true;
        SelectTable(table_);
        SetHeight(FullHeight());
    } else {
        SetHeight(ShortHeight());
        listShown_ = false;
    }
}

void DirectToDialog::SetHeight(int height) const
{
    Resize(fullRect_.right - fullRect_.left, height, SWP_DRAWFRAME);
}

int DirectToDialog::FullHeight() const
{
    return fullRect_.bottom - fullRect_.top;
}

// The height without the result list.
int DirectToDialog::ShortHeight() const
{
    return FullHeight() / 2 - ShortHeightMargin;
}

winkit::ListBox DirectToDialog::ResultList() const
{
    return winkit::ListBox(Item(IDC_DIRECT_TO_LIST));
}

int RunDirectToDialog()
{
    TableDialogScope hold;
    // A dialog that could not be created (-1) is no choice.
    return DirectToDialog().RunFromPanel() == 1 ? 1 : 0;
}

bool ChooseDirectToWaypoint(HWND owner)
{
    TableDialogScope hold;
    return DirectToDialog().DoModal(owner) == 1;
}

}  // namespace gauge
