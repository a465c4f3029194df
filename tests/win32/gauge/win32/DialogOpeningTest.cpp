// Opening a gauge dialog: the system-menu command to the simulator's window, then a modal
// dialog from the gauge module owned by that window; without the window, no owner.
#include <gtest/gtest.h>

#include <windows.h>

#include "GaugeDialogs.h"
#include "GaugeState.h"
#include "SpineTestSupport.h"

using namespace gauge;

namespace {

constexpr int TestDialog = 200;  // gauge_spine_test.rc
HWND ownerSeen = reinterpret_cast<HWND>(-1);
int commandsBeforeDialog = -1;

INT_PTR CALLBACK EndAtOnce(HWND dialog, UINT message, WPARAM, LPARAM parameter)
{
    if (message != WM_INITDIALOG) return FALSE;
    ownerSeen = GetWindow(dialog, GW_OWNER);
    commandsBeforeDialog = SystemMenuCommands();
    EndDialog(dialog, parameter);
    return TRUE;
}

TEST(DialogOpeningTest, DialogIsOwnedByTheSimulatorWindowAfterTheSystemMenuCommand)
{
    ResetGaugeState();
    HWND window = CreateSimulatorWindow();
    gaugeState.hostWindow = window;

    EXPECT_EQ(RunGaugeDialog(TestDialog, EndAtOnce, 42), 42);
    EXPECT_EQ(ownerSeen, window);
    EXPECT_EQ(commandsBeforeDialog, 1);
    DestroyWindow(window);
}

TEST(DialogOpeningTest, WithoutTheSimulatorWindowTheDialogHasNoOwner)
{
    ResetGaugeState();
    EXPECT_EQ(RunGaugeDialog(TestDialog, EndAtOnce, 7), 7);
    EXPECT_EQ(ownerSeen, nullptr);
}

}  // namespace
