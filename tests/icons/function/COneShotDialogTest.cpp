#include "icons/function/COneShotDialog.h"

#include "MiscIconTestSupport.h"
#include "ModalDriver.h"

#include "base/TickTime.h"
#include "icons/function/COneShotIcon.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/EditControl.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"

#include <functional>

namespace corvane {
namespace c_one_shot_dialog_test {
namespace {

using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};

class OneShotDialog : public test::FunctionIconNetTest {
protected:
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static int Checked(Dialog& d, int id) { return d.GetControlAs<ButtonControl>(id)->GetCheck(); }
    static int Unit(Dialog& d, int id) { return d.GetControlAs<ComboBoxControl>(id)->GetCurSel(); }
    static void SetUnit(Dialog& d, int id, int unit) { d.GetControlAs<ComboBoxControl>(id)->SetCurSel(unit); }

    bool Run(COneShotIcon& icon, const std::function<void(COneShotDialog&)>& drive)
    {
        COneShotDialog dialog(icon);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
    bool Enter(COneShotIcon& icon, std::string_view delay, int delayUnit, std::string_view duration, int durationUnit,
        const std::function<void(COneShotDialog&)>& more = {})
    {
        return Run(icon, [&](COneShotDialog& d) {
            SetText(d, res::kIdcOneShotDelay, delay);
            SetUnit(d, res::kIdcOneShotDelayUnit, delayUnit);
            SetText(d, res::kIdcOneShotDuration, duration);
            SetUnit(d, res::kIdcOneShotDurationUnit, durationUnit);
            if (more)
                more(d);
            Click(d, kIdOk);
            if (d.IsOpen())
                Click(d, kIdCancel);
        });
    }
};

TEST_F(OneShotDialog, ANewIconOpensLowToHighWithNoDelayAndTwoSeconds)
{
    auto& oneShot = Place<COneShotIcon>(doc, kDrop);
    EXPECT_FALSE(Run(oneShot, [](COneShotDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcOneShotRising), 1);
        EXPECT_EQ(Checked(d, res::kIdcOneShotFalling), 0);
        EXPECT_EQ(Text(d, res::kIdcOneShotDelay), "0");
        EXPECT_EQ(Unit(d, res::kIdcOneShotDelayUnit), kUnitSeconds);
        EXPECT_EQ(Text(d, res::kIdcOneShotDuration), "2");
        EXPECT_EQ(Unit(d, res::kIdcOneShotDurationUnit), kUnitSeconds);
        EXPECT_EQ(Checked(d, res::kIdcOneShotRetriggerDelay), 0);
        EXPECT_EQ(Checked(d, res::kIdcOneShotRetriggerExtension), 0);
        EXPECT_EQ(d.GetControlAs<EditControl>(res::kIdcOneShotDelay)->LimitText(), 4u);
        EXPECT_EQ(d.GetControlAs<EditControl>(res::kIdcOneShotDuration)->LimitText(), 4u);
        EXPECT_EQ(Text(d, CIconDialog::kIdcInput1), "Unconnected");
        Click(d, kIdCancel);
    }));
}

TEST_F(OneShotDialog, TimesRoundToTicksAndReopenInTheirBestUnit)
{
    struct Case {
        std::string value;
        int unit;
        std::uint32_t ticks;
        std::string reopened;
        int reopenedUnit;
    };
    const std::vector<Case> cases{
        {"7", kUnitMilliseconds, 1, "5", kUnitMilliseconds},
        {"8", kUnitMilliseconds, 2, "10", kUnitMilliseconds},
        {"1", kUnitMilliseconds, 1, "5", kUnitMilliseconds},
        {"120", kUnitSeconds, 24000, "2", kUnitMinutes},
        {"248", kUnitDays, 248u * 24 * 720000, "248", kUnitDays},
        {"5965", kUnitHours, 5965u * 720000, "5965", kUnitHours},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value + " " + std::to_string(c.unit));
        auto& oneShot = Place<COneShotIcon>(doc, kDrop);
        EXPECT_TRUE(Enter(oneShot, c.value, c.unit, "3", kUnitSeconds));
        EXPECT_EQ(oneShot.DelayTicks(), c.ticks);
        EXPECT_EQ(oneShot.DurationTicks(), 600u);
        Run(oneShot, [&](COneShotDialog& d) {
            EXPECT_EQ(Text(d, res::kIdcOneShotDelay), c.reopened);
            EXPECT_EQ(Unit(d, res::kIdcOneShotDelayUnit), c.reopenedUnit);
            Click(d, kIdCancel);
        });
    }
}

TEST_F(OneShotDialog, OkStoresTheEdgeAndOneRetriggerOption)
{
    auto& oneShot = Place<COneShotIcon>(doc, kDrop);
    EXPECT_TRUE(Enter(oneShot, "1", kUnitSeconds, "2", kUnitSeconds, [](COneShotDialog& d) {
        Click(d, res::kIdcOneShotFalling);
        Click(d, res::kIdcOneShotRetriggerExtension);
    }));
    EXPECT_EQ(oneShot.OptionWord(), COneShotIcon::kRetriggerRestartsExtension);
    EXPECT_TRUE(Enter(oneShot, "1", kUnitSeconds, "2", kUnitSeconds, [](COneShotDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcOneShotFalling), 1);
        Click(d, res::kIdcOneShotRising);
        Click(d, res::kIdcOneShotRetriggerExtension);
        Click(d, res::kIdcOneShotRetriggerDelay);
    }));
    EXPECT_EQ(oneShot.OptionWord(), COneShotIcon::kRisingEdge | COneShotIcon::kRetriggerRestartsDelay);
}

TEST_F(OneShotDialog, RefusalsComeInOrderAndWriteNothing)
{
    struct Case {
        std::string delay;
        int delayUnit;
        std::string duration;
        int durationUnit;
        bool bothRetriggers;
        std::string refusal;
        std::string caption;
    };
    const std::vector<Case> cases{
        {"249", kUnitDays, "249", kUnitDays, true, "Trigger Delay must be less than 249 days",
            "Icon Configuration Error"},
        {"5966", kUnitHours, "1", kUnitSeconds, false, "Trigger Delay must be less than 5966 hours",
            "Icon Configuration Error"},
        {"1", kUnitSeconds, "249", kUnitDays, false, "Output Duration must be less than 249 days",
            "Icon Configuration Error"},
        {"1", kUnitSeconds, "5966", kUnitHours, true, "Output Duration must be less than 5966 hours",
            "Icon Configuration Error"},
        {"1", kUnitSeconds, "1", kUnitSeconds, true, "Both retrigger check boxes cannot be checked at the same time.",
            ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusal);
        Prompts().messageBoxes.clear();
        auto& oneShot = Place<COneShotIcon>(doc, kDrop);
        EXPECT_FALSE(Enter(oneShot, c.delay, c.delayUnit, c.duration, c.durationUnit, [&](COneShotDialog& d) {
            Click(d, res::kIdcOneShotFalling);
            if (c.bothRetriggers) {
                Click(d, res::kIdcOneShotRetriggerDelay);
                Click(d, res::kIdcOneShotRetriggerExtension);
            }
        }));
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, c.refusal);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, c.caption);
        EXPECT_EQ(oneShot.DelayTicks(), 0u) << "a refusal writes nothing";
        EXPECT_EQ(oneShot.DurationTicks(), COneShotIcon::kDefaultDurationTicks);
        EXPECT_EQ(oneShot.OptionWord(), COneShotIcon::kRisingEdge);
    }
}

TEST_F(OneShotDialog, MillisecondsOnABatteryNetAskOnce)
{
    CHardwarePoll poll;
    Place<CGlobalIcon>(doc, Rect{20, 20, 52, 52}, poll, test::kQuvModelWord, 0, std::uint8_t{0});
    auto& oneShot = Place<COneShotIcon>(doc, kDrop);
    services.advisoryAnswers.push_back(kIdCancel);
    EXPECT_FALSE(Enter(oneShot, "1", kUnitSeconds, "20", kUnitMilliseconds));
    ASSERT_EQ(services.advisories.size(), 1u);
    EXPECT_EQ(services.advisories[0].first, CAdvisoryDlg::kOkCancel);
    EXPECT_EQ(oneShot.DurationTicks(), COneShotIcon::kDefaultDurationTicks);
    EXPECT_TRUE(Enter(oneShot, "1", kUnitSeconds, "20", kUnitMilliseconds));
    EXPECT_EQ(oneShot.DurationTicks(), 4u);
    EXPECT_EQ(oneShot.Header().warningFlags & COneShotIcon::kMillisecondNoticePending, 0);
    EXPECT_TRUE(Enter(oneShot, "1", kUnitMilliseconds, "20", kUnitMilliseconds));
    EXPECT_EQ(services.advisories.size(), 2u);
}

TEST_F(OneShotDialog, HelpOpensItsContext)
{
    auto& oneShot = Place<COneShotIcon>(doc, kDrop);
    Run(oneShot, [](COneShotDialog& d) {
        Click(d, kIdHelp);
        Click(d, kIdCancel);
    });
    ASSERT_EQ(Prompts().helpIds.size(), 1u);
    EXPECT_EQ(Prompts().helpIds[0], 12405u);
}

}  // namespace
}  // namespace c_one_shot_dialog_test
}  // namespace corvane
