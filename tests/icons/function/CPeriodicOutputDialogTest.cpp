#include "icons/function/CPeriodicOutputDialog.h"

#include "MiscIconTestSupport.h"
#include "ModalDriver.h"
#include "RecordingNoticeSink.h"

#include "icons/function/CPeriodicOutputIcon.h"
#include "platform/ButtonControl.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"

#include <array>
#include <functional>

namespace corvane {
namespace c_periodic_output_dialog_test {
namespace {

using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};
constexpr std::array<int, 4> kDelayFields{res::kIdcPeriodicDelayHours, res::kIdcPeriodicDelayMinutes,
    res::kIdcPeriodicDelaySeconds, res::kIdcPeriodicDelayMilliseconds};
constexpr std::array<int, 4> kOnFields{
    res::kIdcPeriodicOnHours, res::kIdcPeriodicOnMinutes, res::kIdcPeriodicOnSeconds, res::kIdcPeriodicOnMilliseconds};
constexpr std::array<int, 4> kOffFields{res::kIdcPeriodicOffHours, res::kIdcPeriodicOffMinutes,
    res::kIdcPeriodicOffSeconds, res::kIdcPeriodicOffMilliseconds};

class PeriodicOutputDialog : public test::FunctionIconNetTest {
protected:
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static void LeaveField(Dialog& d, int id)
    {
        NotifyEvent event{Notification::KillFocus, id};
        d.Notify(event);
    }
    static std::string Group(Dialog& d, const std::array<int, 4>& ids)
    {
        return Text(d, ids[0]) + ":" + Text(d, ids[1]) + ":" + Text(d, ids[2]) + "." + Text(d, ids[3]);
    }
    static void SetGroup(Dialog& d, const std::array<int, 4>& ids, const std::array<std::string_view, 4>& texts)
    {
        for (std::size_t i = 0; i < ids.size(); ++i)
            SetText(d, ids[i], texts[i]);
    }

    bool Run(CPeriodicOutputIcon& icon, const std::function<void(CPeriodicOutputDialog&)>& drive)
    {
        CPeriodicOutputDialog dialog(icon, &notices);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
    // Runs drive, presses OK and cancels a dialog left open.
    bool Ok(CPeriodicOutputIcon& icon, const std::function<void(CPeriodicOutputDialog&)>& drive)
    {
        return Run(icon, [&](CPeriodicOutputDialog& d) {
            drive(d);
            Click(d, kIdOk);
            if (d.IsOpen())
                Click(d, kIdCancel);
        });
    }

    test::RecordingNoticeSink notices;
};

TEST_F(PeriodicOutputDialog, ANewIconOpensAtOneSecondEachContinuousAndResetUponDisable)
{
    auto& periodic = Place<CPeriodicOutputIcon>(doc, kDrop);
    EXPECT_FALSE(Run(periodic, [](CPeriodicOutputDialog& d) {
        EXPECT_EQ(Group(d, kDelayFields), "00:00:01.000");
        EXPECT_EQ(Group(d, kOnFields), "00:00:01.000");
        EXPECT_EQ(Group(d, kOffFields), "00:00:01.000");
        EXPECT_EQ(Text(d, res::kIdcPeriodicCycles), "0");
        EXPECT_EQ(d.GetControlAs<ButtonControl>(res::kIdcPeriodicReset)->GetCheck(), 1);
        EXPECT_EQ(d.GetControlAs<ButtonControl>(res::kIdcPeriodicSuspend)->GetCheck(), 0);
        Click(d, kIdCancel);
    }));
}

TEST_F(PeriodicOutputDialog, StoredTicksSplitIntoTheirFields)
{
    auto& periodic = Place<CPeriodicOutputIcon>(doc, kDrop);
    periodic.SetDelayTicks(1);
    periodic.SetOnTicks(99 * 720000 + 59 * 12000 + 59 * 200 + 199);
    periodic.SetOffTicks(3 * 720000 + 25 * 12000 + 7 * 200 + 40);
    EXPECT_FALSE(Run(periodic, [](CPeriodicOutputDialog& d) {
        EXPECT_EQ(Group(d, kDelayFields), "00:00:00.005");
        EXPECT_EQ(Group(d, kOnFields), "99:59:59.995");
        EXPECT_EQ(Group(d, kOffFields), "03:25:07.200");
        Click(d, kIdCancel);
    }));
}

TEST_F(PeriodicOutputDialog, LeavingAFieldBringsItIntoRangeWithNotices)
{
    struct Case {
        int id;
        std::string typed;
        std::string shown;
        std::vector<std::string> notices;
    };
    const std::vector<Case> cases{
        {res::kIdcPeriodicOnMilliseconds, "7", "005", {"Rounding 7 to the nearest 5 ms"}},
        {res::kIdcPeriodicOnMilliseconds, "998", "995",
            {"Requested number (998) was automatically changed to be between 0 and 995"}},
        {res::kIdcPeriodicDelayMilliseconds, "12", "010", {"Rounding 12 to the nearest 5 ms"}},
        {res::kIdcPeriodicOffMinutes, "75", "59",
            {"Requested number (75) was automatically changed to be between 0 and 59"}},
        {res::kIdcPeriodicOnHours, "100", "99",
            {"Requested number (100) was automatically changed to be between 0 and 99"}},
        {res::kIdcPeriodicOnSeconds, "7", "07", {}},
        {res::kIdcPeriodicOnSeconds, "", "00", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        notices.shown.clear();
        auto& periodic = Place<CPeriodicOutputIcon>(doc, kDrop);
        Run(periodic, [&](CPeriodicOutputDialog& d) {
            SetText(d, c.id, c.typed);
            LeaveField(d, c.id);
            EXPECT_EQ(Text(d, c.id), c.shown);
            Click(d, kIdCancel);
        });
        EXPECT_EQ(notices.Texts(), c.notices);
        EXPECT_EQ(periodic.OnTicks(), CPeriodicOutputIcon::kDefaultTicks) << "Cancel writes nothing";
    }
}

TEST_F(PeriodicOutputDialog, TheIconsOwnDialogTellsTheUserThroughItsNet)
{
    auto& periodic = Place<CPeriodicOutputIcon>(doc, kDrop);
    const std::unique_ptr<IconDialog> made = periodic.CreateIconDialog();
    auto* dialog = dynamic_cast<CPeriodicOutputDialog*>(made.get());
    ASSERT_NE(dialog, nullptr);
    test::ModalDriver driver(*dialog, [&] {
        SetText(*dialog, res::kIdcPeriodicOnMilliseconds, "7");
        LeaveField(*dialog, res::kIdcPeriodicOnMilliseconds);
        Click(*dialog, kIdCancel);
    });
    dialog->RunModal();
    EXPECT_EQ(services.helperNotices.Texts(), std::vector<std::string>{"Rounding 7 to the nearest 5 ms"});
}

TEST_F(PeriodicOutputDialog, OkStoresTheDurationsCyclesAndOption)
{
    auto& periodic = Place<CPeriodicOutputIcon>(doc, kDrop);
    EXPECT_TRUE(Ok(periodic, [](CPeriodicOutputDialog& d) {
        SetGroup(d, kDelayFields, {"00", "00", "00", "000"});
        SetGroup(d, kOnFields, {"99", "59", "59", "995"});
        SetGroup(d, kOffFields, {"01", "02", "03", "040"});
        SetText(d, res::kIdcPeriodicCycles, "65535");
        Click(d, res::kIdcPeriodicSuspend);
    }));
    EXPECT_EQ(periodic.DelayTicks(), 0u);
    EXPECT_EQ(periodic.OnTicks(), 99u * 720000 + 59 * 12000 + 59 * 200 + 199);
    EXPECT_EQ(periodic.OffTicks(), 720000u + 2 * 12000 + 3 * 200 + 8);
    EXPECT_EQ(periodic.Cycles(), 65535);
    EXPECT_EQ(periodic.OptionWord(), CPeriodicOutputIcon::kSuspendWhileDisabled);
}

TEST_F(PeriodicOutputDialog, FieldsTypedIntoWithoutLeavingThemAreBroughtIntoRangeOnOk)
{
    auto& periodic = Place<CPeriodicOutputIcon>(doc, kDrop);
    EXPECT_TRUE(Ok(periodic, [](CPeriodicOutputDialog& d) { SetText(d, res::kIdcPeriodicOnHours, "4000000000"); }));
    EXPECT_EQ(periodic.OnTicks(), 99u * 720000 + 200) << "99 hours and the second already there";
    EXPECT_EQ(notices.Texts(),
        std::vector<std::string>{"Requested number (2147483647) was automatically changed to be between 0 and 99"});
}

TEST_F(PeriodicOutputDialog, RefusesZeroTimesAndTooManyCyclesInOrder)
{
    struct Case {
        std::string cycles;
        bool onZero;
        bool offZero;
        std::string refusal;
        std::string caption;
    };
    const std::vector<Case> cases{
        {"65536", true, true, "Number of Cycles to Repeat must be between 0 and 65535", "Configuration Error"},
        {"0", true, true, "On Time can not be Zero", "Periodic Output"},
        {"0", false, true, "Off Time can not be Zero", "Periodic Output"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusal);
        Prompts().messageBoxes.clear();
        auto& periodic = Place<CPeriodicOutputIcon>(doc, kDrop);
        EXPECT_FALSE(Ok(periodic, [&](CPeriodicOutputDialog& d) {
            SetText(d, res::kIdcPeriodicCycles, c.cycles);
            SetGroup(d, kDelayFields, {"00", "00", "05", "000"});
            if (c.onZero)
                SetGroup(d, kOnFields, {"00", "00", "00", "000"});
            if (c.offZero)
                SetGroup(d, kOffFields, {"0", "0", "0", "0"});
        }));
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, c.refusal);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, c.caption);
        EXPECT_EQ(periodic.DelayTicks(), CPeriodicOutputIcon::kDefaultTicks) << "a refusal writes nothing";
    }
}

TEST_F(PeriodicOutputDialog, MillisecondsOnABatteryNetAskOnceAndCancelWritesNothing)
{
    CHardwarePoll poll;
    Place<CGlobalIcon>(doc, Rect{20, 20, 52, 52}, poll, test::kQuvModelWord, 0, std::uint8_t{0});
    auto& periodic = Place<CPeriodicOutputIcon>(doc, kDrop);
    const auto withMilliseconds = [](CPeriodicOutputDialog& d) { SetText(d, res::kIdcPeriodicOffMilliseconds, "500"); };
    EXPECT_TRUE(Ok(periodic, [](CPeriodicOutputDialog&) {})) << "whole seconds ask nothing";
    EXPECT_TRUE(services.advisories.empty());
    services.advisoryAnswers.push_back(kIdCancel);
    EXPECT_FALSE(Ok(periodic, withMilliseconds));
    ASSERT_EQ(services.advisories.size(), 1u);
    EXPECT_EQ(services.advisories[0].second.rfind("Millisecond delay or duration intervals", 0), 0u);
    EXPECT_EQ(periodic.OffTicks(), CPeriodicOutputIcon::kDefaultTicks);
    EXPECT_TRUE(Ok(periodic, withMilliseconds));
    EXPECT_EQ(periodic.OffTicks(), 300u);
    EXPECT_EQ(periodic.Header().warningFlags & CPeriodicOutputIcon::kMillisecondNoticePending, 0);
}

TEST_F(PeriodicOutputDialog, TicksAndFieldsConvertBothWays)
{
    using Fields = CPeriodicOutputDialog::Fields;
    EXPECT_EQ(CPeriodicOutputDialog::TicksOfFields(Fields{0, 0, 0, 7}), 1u);
    EXPECT_EQ(CPeriodicOutputDialog::TicksOfFields(Fields{1, 1, 1, 0}), 720000u + 12000 + 200);
    EXPECT_EQ(CPeriodicOutputDialog::FieldsOfTicks(12345678), (Fields{17, 8, 48, 390}));
}

}  // namespace
}  // namespace c_periodic_output_dialog_test
}  // namespace corvane
