// Opening a gauge dialog: the system-menu command to the simulator's window, then a modal
// dialog from the gauge module owned by that window; without the window, no owner.
#include <gtest/gtest.h>

#include <windows.h>

#include "GaugeDialog.h"
#include "GaugeState.h"
#include "SpineTestSupport.h"

using namespace gauge;

namespace {

constexpr int TestDialog = 200;  // gauge_spine_test.rc

// Notes its owner and the system-menu commands sent before it, and ends at once with the
// result it was given.
class EndAtOnce final : public GaugeDialog {
public:
    explicit EndAtOnce(INT_PTR result) : GaugeDialog(TestDialog), result_(result) {}

    HWND ownerSeen = reinterpret_cast<HWND>(-1);
    int commandsBeforeDialog = -1;

private:
    bool OnInit() override
    {
        ownerSeen = GetWindow(Handle(), GW_OWNER);
        commandsBeforeDialog = SystemMenuCommands();
        End(result_);
        return true;
    }

    INT_PTR result_;
};

TEST(DialogOpeningTest, DialogIsOwnedByTheSimulatorWindowAfterTheSystemMenuCommand)
{
    ResetLoadedGauge();
    HWND window = CreateSimulatorWindow();
    gaugeState.hostWindow = window;

    EndAtOnce dialog(42);
    EXPECT_EQ(dialog.RunFromPanel(), 42);
    EXPECT_EQ(dialog.ownerSeen, window);
    EXPECT_EQ(dialog.commandsBeforeDialog, 1);
    DestroyWindow(window);
}

TEST(DialogOpeningTest, WithoutTheSimulatorWindowTheDialogHasNoOwner)
{
    ResetLoadedGauge();
    EndAtOnce dialog(7);
    EXPECT_EQ(dialog.RunFromPanel(), 7);
    EXPECT_EQ(dialog.ownerSeen, nullptr);
}

}  // namespace
