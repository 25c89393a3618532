#include "icons/hardware/CPowerManagementDialog.h"

#include "HardwareDialogDriver.h"
#include "HardwareIconTestSupport.h"

#include "icons/hardware/CPowerManagementIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_power_management_dialog_test {
namespace {

using test::Checked;
using test::Click;
using test::Place;

constexpr Rect kDrop{108, 208, 140, 240};

class PowerManagementDialog : public test::HardwareIconNetTest {};

TEST_F(PowerManagementDialog, ScheduledOperationAddsAndRemovesTheInputAfterOk)
{
    auto& power = Place<CPowerManagementIcon>(doc, kDrop);
    EXPECT_EQ(power.InputCount(), 0);
    EXPECT_TRUE(test::RunDialog<CPowerManagementDialog>(power, [&](CPowerManagementDialog& d) {
        EXPECT_EQ(d.GetControl(res::kIdcPowerDelay)->GetText(), "5");
        EXPECT_EQ(Checked(d, res::kIdcPowerScheduled), 0);
        Click(d, res::kIdcPowerScheduled);
        d.GetControl(res::kIdcPowerDelay)->SetText("200");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(power.PowerWord(), 0x0100 + 200);
    power.OnDialogOk();
    EXPECT_EQ(power.InputCount(), 1);
    EXPECT_EQ(power.Input(0).GetDataType(), data_type::kLogic);

    EXPECT_TRUE(test::RunDialog<CPowerManagementDialog>(power, [&](CPowerManagementDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcPowerScheduled), 1);
        Click(d, res::kIdcPowerScheduled);
        Click(d, kIdOk);
    }));
    power.OnDialogOk();
    EXPECT_EQ(power.PowerWord(), 200);
    EXPECT_EQ(power.InputCount(), 0);
}

TEST_F(PowerManagementDialog, RefusesADelayAboveTwoHundredFiftyFive)
{
    auto& power = Place<CPowerManagementIcon>(doc, kDrop);
    EXPECT_FALSE(test::RunDialog<CPowerManagementDialog>(power, [&](CPowerManagementDialog& d) {
        d.GetControl(res::kIdcPowerDelay)->SetText("256");
        Click(d, res::kIdcPowerScheduled);
        Click(d, kIdOk);
        EXPECT_TRUE(d.IsOpen());
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(power.PowerWord(), 5);
    EXPECT_EQ(Prompts().messageBoxes.size(), 1u);
}

}  // namespace
}  // namespace c_power_management_dialog_test
}  // namespace corvane
