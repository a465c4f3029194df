// The Route dialog (template 103): edits a copy of the route (gaugeState.editedRoute);
// "Finish" makes it the route and flies it from its first waypoint, Cancel drops it. It
// always ends with 1.
#pragma once

#include <string>

#include "GaugeDialog.h"
#include "ListBox.h"

namespace gauge {

class RouteDialog final : public GaugeDialog {
public:
    RouteDialog();

private:
    bool OnInit() override;
    bool OnButtonClicked(int id) override;
    void OnOK() override;
    void OnCancel() override { End(1); }

    // Inserts a waypoint chosen in the Direct-To dialog before the selected line, or after
    // the last; the 30-waypoint limit is told only after the choice.
    void AddWaypoint() const;
    void RemoveWaypoint() const;
    // Rebuilds the list from the edited route: one line per filled slot, identifier and name.
    void FillList() const;
    // A message box owned by the dialog, with the gauge's warning caption; none for no text.
    void Warn(const std::string& text) const;
    winkit::ListBox WaypointList() const;
};

}  // namespace gauge
