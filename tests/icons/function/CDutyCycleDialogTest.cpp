#include "icons/function/CDutyCycleDialog.h"

#include "LogicIconsTestSupport.h"
#include "icons/function/CDCintIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_duty_cycle_dialog_test {
namespace {

using test::Link;
using test::Place;
using test::SourceIcon;

constexpr Rect kDrop{300, 100, 332, 132};

class CDutyCycleDialogTest : public test::LogicIconNetTest {
protected:
    CDutyCycleDialogTest() : duty(Place<CDCintIcon>(doc, kDrop, res::kBitmapDutyCycle)) {}
    std::string Label() const
    {
        const auto& data = duty.GetOutputEntries()[0].data;
        return std::string(data.begin(), std::find(data.begin(), data.end(), std::uint8_t{0}));
    }

    CDCintIcon& duty;
};

TEST_F(CDutyCycleDialogTest, ANewIconMeasuresHighAsADecimalAndNamesItsInput)
{
    auto& pump = Place<SourceIcon>(doc, 40, 20, 20);
    pump.SetName("Pump");
    Link(pump, 0, duty, 0);
    EXPECT_EQ(duty.OptionWord(), 0);
    const bool ok = RunDialog<CDutyCycleDialog>(duty, [&](CDutyCycleDialog& dialog) {
        EXPECT_EQ(Checked(dialog, res::kIdcDutyHigh), 1);
        EXPECT_EQ(Checked(dialog, res::kIdcDutyDecimal), 1);
        EXPECT_EQ(Text(dialog, res::kIdcDutyQuestion), "Calculate Duty-Cycle (portion of Time) that [Pump] is:");
        EXPECT_EQ(Text(dialog, res::kIdcDutyExplanation), "Upon Trigger, Output the portion of the Period that [Pump] was ");
        EXPECT_EQ(Text(dialog, res::kIdcDutyState), "HIGH");
        Click(dialog, res::kIdcDutyLow);
        EXPECT_EQ(Text(dialog, res::kIdcDutyState), "LOW") << "the state text follows at once";
        Click(dialog, res::kIdcDutyHigh);
        EXPECT_EQ(Text(dialog, res::kIdcDutyState), "HIGH");
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(duty.OptionWord(), 0);
    EXPECT_EQ(Label(), "");
}

TEST_F(CDutyCycleDialogTest, PercentStoresItsBitAndLabelsTheOutputAndDecimalClearsBoth)
{
    RunDialog<CDutyCycleDialog>(duty, [&](CDutyCycleDialog& dialog) {
        Click(dialog, res::kIdcDutyPercent);
        Click(dialog, kIdOk);
    });
    EXPECT_EQ(duty.OptionWord(), 0x1000);
    EXPECT_EQ(Label(), "%");

    RunDialog<CDutyCycleDialog>(duty, [&](CDutyCycleDialog& dialog) {
        EXPECT_EQ(Checked(dialog, res::kIdcDutyPercent), 1);
        Click(dialog, res::kIdcDutyLow);
        Click(dialog, res::kIdcDutyDecimal);
        Click(dialog, kIdOk);
    });
    EXPECT_EQ(duty.OptionWord(), 0x2000);
    EXPECT_EQ(Label(), "");

    RunDialog<CDutyCycleDialog>(duty, [&](CDutyCycleDialog& dialog) {
        EXPECT_EQ(Checked(dialog, res::kIdcDutyLow), 1);
        EXPECT_EQ(Text(dialog, res::kIdcDutyState), "LOW");
        Click(dialog, kIdOk);
    });
    EXPECT_EQ(duty.OptionWord(), 0x2000);
}

TEST_F(CDutyCycleDialogTest, CancelLeavesTheWordAndLabel)
{
    const auto before = test::Saved(duty);
    const bool ok = RunDialog<CDutyCycleDialog>(duty, [&](CDutyCycleDialog& dialog) {
        Click(dialog, res::kIdcDutyPercent);
        Click(dialog, res::kIdcDutyLow);
        Click(dialog, kIdHelp);
        Click(dialog, kIdCancel);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(test::Saved(duty), before);
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{0x20000 + res::kDialogDutyCycle});
}

}  // namespace
}  // namespace c_duty_cycle_dialog_test
}  // namespace corvane
