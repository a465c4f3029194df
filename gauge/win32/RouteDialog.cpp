#include "RouteDialog.h"

#include <cstring>
#include <string>

#include "DirectToDialog.h"
#include "GaugeResourceIds.h"
#include "GaugeState.h"
#include "MessageBoxes.h"
#include "RouteEditing.h"
#include "RouteFileDialogs.h"

namespace gauge {

namespace {

// The list's one tab stop, in dialog units from its left edge: the "Name" heading stands
// at 106, the list at 7 with a border of about one unit.
constexpr int NameTabStop = 98;
constexpr char WarningCaption[] = "GPS Warning";

}  // namespace

RouteDialog::RouteDialog() : GaugeDialog(DLG_ROUTE) {}

bool RouteDialog::OnInit()
{
    // A restored route may hold empty slots between waypoints; the copy closes them so that
    // every list line is the slot of its number.
    std::memcpy(gaugeState.editedRoute, gaugeState.route, sizeof gaugeState.editedRoute);
    CompactRoute(gaugeState.editedRoute);
    WaypointList().SetTabStop(NameTabStop);
    FillList();
    return true;
}

bool RouteDialog::OnButtonClicked(int id)
{
    switch (id) {
    case IDC_ROUTE_ADD:
        AddWaypoint();
        return true;
    case IDC_ROUTE_REMOVE:
        RemoveWaypoint();
        return true;
    case IDC_ROUTE_NEW:
        std::memset(gaugeState.editedRoute, 0, sizeof gaugeState.editedRoute);
        FillList();
        return true;
    case IDC_ROUTE_LOAD: {
        const std::string warning = LoadRouteFile();
        FillList();
        Warn(warning);
        return true;
    }
    case IDC_ROUTE_SAVE:
        Warn(SaveRouteFile());
        return true;
    default:
        return GaugeDialog::OnButtonClicked(id);
    }
}

void RouteDialog::OnOK()
{
    FinishRoute();
    End(1);
}

void RouteDialog::AddWaypoint() const
{
    if (!ChooseDirectToWaypoint(Handle())) return;
    const winkit::ListBox list = WaypointList();
    const int lines = list.Count();
    if (lines >= RouteCapacity) {
        Warn(RouteLimitWarning);
        return;
    }
    // Without a selection (LB_ERR, -1) the waypoint goes after the last.
    InsertRouteWaypoint(gaugeState.editedRoute, lines, list.Selection(), gaugeState.directToChoice);
    FillList();
}

void RouteDialog::RemoveWaypoint() const
{
    const winkit::ListBox list = WaypointList();
    const int selected = list.Selection();
    if (selected < 0) return;
    RemoveRouteWaypoint(gaugeState.editedRoute, list.Count(), selected);
    FillList();
}

void RouteDialog::FillList() const
{
    const winkit::ListBox list = WaypointList();
    list.Clear();
    for (const WaypointRecord& slot : gaugeState.editedRoute) {
        if (slot.table <= 0) continue;
        list.Add(RouteListLine(slot));
    }
}

void RouteDialog::Warn(const std::string& text) const
{
    if (!text.empty()) winkit::ShowMessageBox(Handle(), text.c_str(), MB_OK, WarningCaption);
}

winkit::ListBox RouteDialog::WaypointList() const
{
    return winkit::ListBox(Item(IDC_ROUTE_LIST));
}

}  // namespace gauge
