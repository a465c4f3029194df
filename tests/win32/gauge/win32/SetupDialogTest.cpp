// The Setup dialog from its template: the distances shown with one decimal, read back
// with the standard conversion, kept on Cancel and the close box.
#include <gtest/gtest.h>

#include "FlightPlanTestSupport.h"
#include "GaugeButtons.h"

using namespace gauge;
using namespace host;

namespace {

class SetupDialogTest : public FlightPlanTest {};

TEST_F(SetupDialogTest, ShowsOneDecimalAndStoresTheNumericPrefix)
{
    gaugeState.alarmDistance = 5;
    gaugeState.nextWaypointDistance = 0.26;
    driver.Expect("Setup", [&](HWND dialog) {
        EXPECT_EQ(Text(dialog, IDC_SETUP_ALARM_DISTANCE), "5.0");
        EXPECT_EQ(Text(dialog, IDC_SETUP_NEXT_DISTANCE), "0.3");
        Type(dialog, IDC_SETUP_ALARM_DISTANCE, "2.5NM");
        Type(dialog, IDC_SETUP_NEXT_DISTANCE, "abc");
        Press(dialog, IDOK);
    });
    OnSetButton(0, 0);
    EXPECT_EQ(gaugeState.alarmDistance, 2.5);
    EXPECT_EQ(gaugeState.nextWaypointDistance, 0.0);

    gaugeState.alarmDistance = 123.45;
    driver.Expect("Setup", [&](HWND dialog) {
        EXPECT_EQ(Text(dialog, IDC_SETUP_ALARM_DISTANCE), "123.5");
        Type(dialog, IDC_SETUP_NEXT_DISTANCE, " -1");
        Press(dialog, IDOK);
    });
    OnSetButton(0, 0);
    EXPECT_EQ(gaugeState.alarmDistance, 123.5);  // what the box showed is what is stored
    EXPECT_EQ(gaugeState.nextWaypointDistance, -1.0);
}

TEST_F(SetupDialogTest, CancelAndTheCloseBoxKeepBothDistances)
{
    gaugeState.alarmDistance = 2;
    gaugeState.nextWaypointDistance = 0.5;
    driver.Expect("Setup", [&](HWND dialog) {
        Type(dialog, IDC_SETUP_ALARM_DISTANCE, "9");
        Type(dialog, IDC_SETUP_NEXT_DISTANCE, "9");
        Press(dialog, IDCANCEL);
    });
    driver.Expect("Setup", [&](HWND dialog) {
        Type(dialog, IDC_SETUP_ALARM_DISTANCE, "9");
        SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    OnSetButton(0, 0);
    OnSetButton(0, 0);
    EXPECT_EQ(gaugeState.alarmDistance, 2.0);
    EXPECT_EQ(gaugeState.nextWaypointDistance, 0.5);
}

TEST_F(SetupDialogTest, ItOpensOnlyWhileTheUnitIsOn)
{
    gaugeState.powerOn = 0;
    OnSetButton(0, 0);  // an unexpected dialog would be reported by the driver
}

}  // namespace
