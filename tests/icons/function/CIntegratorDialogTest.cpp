#include "icons/function/CIntegratorDialog.h"

#include "LogicIconsTestSupport.h"
#include "icons/function/CDCintIcon.h"
#include "res/IntegratorDialog.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_integrator_dialog_test {
namespace {

using test::Link;
using test::Place;
using test::SourceIcon;

constexpr Rect kDrop{300, 100, 332, 132};

class CIntegratorDialogTest : public test::LogicIconNetTest {
protected:
    CIntegratorDialogTest() : integral(Place<CDCintIcon>(doc, kDrop, res::kBitmapTimeIntegral)) {}

    CDCintIcon& integral;
};

TEST_F(CIntegratorDialogTest, ANewIconOpensPerSecondAndNamesItsInput)
{
    EXPECT_EQ(res::kIntegratorDialog.caption, "Time Integral");
    auto& flow = Place<SourceIcon>(doc, 40, 20, 20);
    flow.SetName("Flow");
    Link(flow, 0, integral, 0);
    EXPECT_EQ(integral.OptionWord(), 0x0800);
    const bool ok = RunDialog<CIntegratorDialog>(integral, [&](CIntegratorDialog& dialog) {
        EXPECT_EQ(Checked(dialog, res::kIdcRatePerSecond), 1);
        EXPECT_EQ(Text(dialog, res::kIdcRateUnitText), "[Flow] Rate is in units:");
        EXPECT_EQ(Text(dialog, res::kIdcIntegratorExplanation),
            "Upon Trigger, Output the Time Integration of [Flow] since the last Trigger.");
        dialog.GetControl(CIconDialog::kIdcUnits)->SetText("litres");
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(integral.OptionWord(), 0x0800);
    EXPECT_EQ(std::string(integral.GetOutputEntries()[0].data.begin(),
                  integral.GetOutputEntries()[0].data.begin() + 6),
        "litres");
}

TEST_F(CIntegratorDialogTest, EachUnitAddsItsBitsToTheIntegralBit)
{
    struct Case {
        int radio;
        std::uint16_t word;
    };
    for (const Case c : {Case{res::kIdcRatePerHour, 0x8800}, Case{res::kIdcRatePerMinute, 0x4800},
             Case{res::kIdcRatePerDay, 0xC800}, Case{res::kIdcRatePerSecond, 0x0800}}) {
        SCOPED_TRACE(c.radio);
        RunDialog<CIntegratorDialog>(integral, [&](CIntegratorDialog& dialog) {
            Click(dialog, c.radio);
            Click(dialog, kIdOk);
        });
        EXPECT_EQ(integral.OptionWord(), c.word);
        RunDialog<CIntegratorDialog>(integral, [&](CIntegratorDialog& dialog) {
            EXPECT_EQ(Checked(dialog, c.radio), 1);
            Click(dialog, kIdCancel);
        });
    }
}

TEST_F(CIntegratorDialogTest, CancelChangesNothing)
{
    const auto before = test::Saved(integral);
    const bool ok = RunDialog<CIntegratorDialog>(integral, [&](CIntegratorDialog& dialog) {
        Click(dialog, res::kIdcRatePerDay);
        dialog.GetControl(CIconDialog::kIdcUnits)->SetText("m3");
        Click(dialog, kIdHelp);
        Click(dialog, kIdCancel);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(test::Saved(integral), before);
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{0x20000 + res::kDialogIntegrator});
}

}  // namespace
}  // namespace c_integrator_dialog_test
}  // namespace corvane
