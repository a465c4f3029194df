// The Setup dialog (template 113): the alarm distance and the next-waypoint distance. It
// always ends with 1; OK stores both boxes, unchecked.
#pragma once

#include "GaugeDialog.h"

namespace gauge {

class SetupDialog final : public GaugeDialog {
public:
    SetupDialog();

private:
    bool OnInit() override;
    void OnOK() override;
    void OnCancel() override { End(1); }

    void ShowDistance(int box, double distance) const;
    double ReadDistance(int box) const;
};

}  // namespace gauge
