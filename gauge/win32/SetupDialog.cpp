#include "SetupDialog.h"

#include "DistanceText.h"
#include "GaugeResourceIds.h"
#include "GaugeState.h"

namespace gauge {

namespace {

constexpr std::size_t MaxDistanceText = 254;  // characters read from a box

}  // namespace

SetupDialog::SetupDialog() : GaugeDialog(DLG_SETUP) {}

bool SetupDialog::OnInit()
{
    ShowDistance(IDC_SETUP_ALARM_DISTANCE, gaugeState.alarmDistance);
    ShowDistance(IDC_SETUP_NEXT_DISTANCE, gaugeState.nextWaypointDistance);
    return true;
}

void SetupDialog::OnOK()
{
    gaugeState.alarmDistance = ReadDistance(IDC_SETUP_ALARM_DISTANCE);
    gaugeState.nextWaypointDistance = ReadDistance(IDC_SETUP_NEXT_DISTANCE);
    End(1);
}

void SetupDialog::ShowDistance(int box, double distance) const
{
    char text[DistanceTextSize];
    FormatDistance(distance, text);
    SetItemText(box, text);
}

double SetupDialog::ReadDistance(int box) const
{
    return ParseDistance(ItemText(box).substr(0, MaxDistanceText).c_str());
}

}  // namespace gauge
