#include "icons/function/CSchedDialog.h"

#include "MiscIconTestSupport.h"
#include "ModalDriver.h"
#include "PinnedTimeZone.h"

#include "base/CivilTime.h"
#include "icons/function/CSchedIcon.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/DateTimeControl.h"
#include "res/ResourceIds.h"

#include <functional>

namespace corvane {
namespace c_sched_dialog_test {
namespace {

using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};
constexpr std::int64_t kNow = ManualClock::kDefaultCalendarSeconds;  // Monday 2026-01-05 09:30 UTC
constexpr int kSunBox = 22;
constexpr int kMonBox = 27;
constexpr int kWedBox = 29;
constexpr int kSatBox = 21;
constexpr int kJanBox = 21;
constexpr int kFebBox = 22;
constexpr int kNovBox = 31;

class SchedDialog : public test::FunctionIconNetTest {
protected:
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static int Checked(Dialog& d, int id) { return d.GetControlAs<ButtonControl>(id)->GetCheck(); }
    static ComboBoxControl& Combo(Dialog& d, int id) { return *d.GetControlAs<ComboBoxControl>(id); }
    static std::string Chosen(Dialog& d, int id) { return Combo(d, id).GetLBText(Combo(d, id).GetCurSel()); }
    static void Choose(Dialog& d, int id, int index)
    {
        Combo(d, id).SetCurSel(index);
        NotifyEvent event{Notification::SelectionChanged, id};
        d.Notify(event);
    }
    static void Pick(Dialog& d, int id, DateTimeFields fields)
    {
        d.GetControlAs<DateTimeControl>(id)->SetTime(fields);
        NotifyEvent event{Notification::Changed, id};
        d.Notify(event);
    }
    static DateTimeFields Picked(Dialog& d, int id) { return d.GetControlAs<DateTimeControl>(id)->GetTime(); }
    static void SetBox(Dialog& d, int id, bool on)
    {
        if ((Checked(d, id) != 0) != on)
            Click(d, id);
    }

    bool Run(CSchedIcon& icon, const std::function<void(CSchedDialog&)>& drive)
    {
        CSchedDialog dialog(icon);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
    bool Ok(CSchedIcon& icon, const std::function<void(CSchedDialog&)>& drive)
    {
        return Run(icon, [&](CSchedDialog& d) {
            drive(d);
            Click(d, kIdOk);
            if (d.IsOpen())
                Click(d, kIdCancel);
        });
    }
    // A scheduler that already has a start and a stop a day later.
    CSchedIcon& PlaceSet()
    {
        auto& sched = Place<CSchedIcon>(doc, kDrop);
        sched.SetStart(static_cast<std::uint32_t>(kNow));
        sched.SetStop(static_cast<std::uint32_t>(kNow + 86400));
        return sched;
    }
    std::vector<std::string> MessageTexts()
    {
        std::vector<std::string> texts;
        for (const auto& box : Prompts().messageBoxes)
            texts.push_back(box.text);
        return texts;
    }

    test::PinnedTimeZone zone{"UTC0"};
};

TEST_F(SchedDialog, ANewIconOpensWeeklyOnMondayForTenSecondsFromNowToTomorrow)
{
    auto& sched = Place<CSchedIcon>(doc, kDrop);
    EXPECT_FALSE(Run(sched, [](CSchedDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcSchedWeekly), 1);
        EXPECT_EQ(Chosen(d, res::kIdcSchedEvery), "1");
        EXPECT_EQ(Combo(d, res::kIdcSchedEvery).GetCount(), 5);
        EXPECT_EQ(Text(d, res::kIdcSchedSuffix), "st");
        EXPECT_TRUE(d.GetControl(res::kIdcSchedWeekText)->IsVisible());
        EXPECT_FALSE(d.GetControl(res::kIdcSchedMonthText)->IsVisible());
        EXPECT_FALSE(d.GetControl(res::kIdcSchedKind)->IsVisible());
        EXPECT_EQ(Text(d, kMonBox), "Mon");
        EXPECT_EQ(Text(d, kSatBox), "Sat");
        EXPECT_EQ(Checked(d, kMonBox), 1);
        EXPECT_EQ(Checked(d, kSunBox), 0);
        EXPECT_FALSE(d.GetControl(23)->IsVisible());
        EXPECT_FALSE(d.GetControl(32)->IsVisible());
        EXPECT_EQ(Text(d, res::kIdcSchedHighValue), "10");
        EXPECT_TRUE(d.GetControl(res::kIdcSchedHighValue)->IsVisible());
        EXPECT_EQ(Chosen(d, res::kIdcSchedHighUnit), "Seconds");
        EXPECT_EQ(Picked(d, res::kIdcSchedStartDate), (DateTimeFields{2026, 1, 5, 9, 30, 0}));
        EXPECT_EQ(Picked(d, res::kIdcSchedStopDate), (DateTimeFields{2026, 1, 6, 9, 30, 0}));
        EXPECT_EQ(Checked(d, res::kIdcSchedStartAm), 1);
        EXPECT_TRUE(d.GetControl(res::kIdcSchedStopDate)->IsEnabled());
        Click(d, kIdCancel);
    }));
}

TEST_F(SchedDialog, OkOfANewIconStoresItsScheduleAndTimes)
{
    auto& sched = Place<CSchedIcon>(doc, kDrop);
    EXPECT_TRUE(Ok(sched, [](CSchedDialog&) {}));
    EXPECT_EQ(sched.Start(), static_cast<std::uint32_t>(kNow));
    EXPECT_EQ(sched.Stop(), static_cast<std::uint32_t>(kNow + 86400));
    EXPECT_EQ(sched.HighSeconds(), 10u);
    EXPECT_EQ(sched.CycleValue(), 1u);
    EXPECT_EQ(sched.KindByte(), CSchedIcon::kWeekly);
    EXPECT_EQ(sched.Weekdays(), 0x02);
    EXPECT_EQ(sched.Months(), 0x0001);
}

TEST_F(SchedDialog, HighTimeOpensInItsLargestWholeUnit)
{
    struct Case {
        std::uint32_t seconds;
        std::string value;
        std::string unit;
    };
    const std::vector<Case> cases{{7200, "2", "Hours"}, {90, "90", "Seconds"}, {172800, "2", "Days"},
        {604800, "7", "Days"}, {120, "2", "Minutes"}, {0, "0", "Seconds"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        auto& sched = PlaceSet();
        sched.SetHighSeconds(c.seconds);
        Run(sched, [&](CSchedDialog& d) {
            EXPECT_EQ(Text(d, res::kIdcSchedHighValue), c.value);
            EXPECT_EQ(Chosen(d, res::kIdcSchedHighUnit), c.unit);
            Click(d, kIdCancel);
        });
    }
}

TEST_F(SchedDialog, MonthlyAndWeekdayChecksRefuseImpossibleDates)
{
    struct Case {
        int day;          // 1-based number of combo 1049
        int weekday;      // combo 1050 index: 0 "Day", 1 "Sun"...
        int month;        // check box id
        std::string refusal;  // empty: accepted
    };
    const std::vector<Case> cases{
        {30, 0, kFebBox, "February never has more than 29 days."},
        {29, 0, kFebBox, ""},
        {31, 0, kNovBox, "April, June, September and November only have 30 days."},
        {31, 0, kJanBox, ""},
        {5, 1, kJanBox, "Cannot determine if 5th week is valid."},
        {6, 1, kJanBox, "Invalid week of month."},
        {4, 1, kJanBox, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + " " + std::to_string(c.weekday));
        Prompts().messageBoxes.clear();
        auto& sched = PlaceSet();
        const bool ok = Ok(sched, [&](CSchedDialog& d) {
            Click(d, res::kIdcSchedMonthly);
            SetBox(d, kJanBox, false);
            SetBox(d, c.month, true);
            Choose(d, res::kIdcSchedEvery, c.day - 1);
            Choose(d, res::kIdcSchedKind, c.weekday);
        });
        EXPECT_EQ(ok, c.refusal.empty());
        if (!c.refusal.empty()) {
            EXPECT_EQ(MessageTexts(), std::vector<std::string>{c.refusal});
            EXPECT_EQ(Prompts().messageBoxes[0].caption, "Scheduler Icon");
            EXPECT_EQ(sched.KindByte(), CSchedIcon::kWeekly) << "a refusal writes nothing";
            EXPECT_EQ(sched.Months(), 0x0001);
            continue;
        }
        EXPECT_EQ(sched.Kind(), c.weekday == 0 ? CSchedIcon::kMonthlyByDay : CSchedIcon::kMonthlyByWeekday);
        EXPECT_EQ(sched.CycleValue(), static_cast<std::uint32_t>(c.day));
        EXPECT_EQ(sched.Months(), 1u << (c.month - kJanBox));
        EXPECT_EQ(sched.Weekdays(), c.weekday == 0 ? 0 : 1u << (c.weekday - 1));
    }
}

TEST_F(SchedDialog, OtherRefusalsComeInOrder)
{
    struct Case {
        std::function<void(CSchedDialog&)> drive;
        std::string refusal;
    };
    const std::vector<Case> cases{
        {[](CSchedDialog& d) {
             SetBox(d, kMonBox, false);
             Click(d, res::kIdcSchedNow);
         },
            "At least one day of the week must be selected"},
        {[](CSchedDialog& d) {
             Click(d, res::kIdcSchedMonthly);
             SetBox(d, kJanBox, false);
         },
            "At least one month must be selected"},
        {[](CSchedDialog& d) {
             Click(d, res::kIdcSchedNow);
             SetText(d, res::kIdcSchedHighValue, "0");
         },
            "Stop Time must be set to a time that is later than the start time."},
        {[](CSchedDialog& d) { SetText(d, res::kIdcSchedHighValue, "0"); }, "HIGH time must be greater than zero."},
        {[](CSchedDialog& d) { SetText(d, res::kIdcSchedHighValue, "-5"); }, "HIGH time must be greater than zero."},
        {[](CSchedDialog& d) {
             SetText(d, res::kIdcSchedHighValue, "49711");
             Combo(d, res::kIdcSchedHighUnit).SetCurSel(3);
         },
            "HIGH time must be less than 49711 days."},
        {[](CSchedDialog& d) {
             SetText(d, res::kIdcSchedHighValue, "71582789");
             Combo(d, res::kIdcSchedHighUnit).SetCurSel(1);
         },
            "HIGH time must be less than 71582789 minutes."},
        {[](CSchedDialog& d) { Pick(d, res::kIdcSchedStartDate, {1979, 12, 31, 0, 0, 0}); },
            "Start Date must be between 01/01/1980 and 01/01/2038."},
        {[](CSchedDialog& d) { Pick(d, res::kIdcSchedStopDate, {2038, 1, 2, 0, 0, 0}); },
            "Stop Date must be between 01/01/1980 and 01/01/2038."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusal);
        Prompts().messageBoxes.clear();
        auto& sched = PlaceSet();
        EXPECT_FALSE(Ok(sched, c.drive));
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{c.refusal});
        EXPECT_EQ(sched.HighSeconds(), CSchedIcon::kDefaultHighSeconds) << "a refusal writes nothing";
        EXPECT_EQ(sched.Weekdays(), CSchedIcon::kDefaultWeekdays);
        EXPECT_EQ(sched.Months(), CSchedIcon::kDefaultMonths);
    }
}

TEST_F(SchedDialog, DoNotStopOperationDisablesTheStopAndAcceptsAnyStop)
{
    auto& sched = PlaceSet();
    EXPECT_TRUE(Ok(sched, [](CSchedDialog& d) {
        Click(d, res::kIdcSchedNow);
        Click(d, res::kIdcSchedDoNotStop);
        for (const int id :
            {res::kIdcSchedStopDate, res::kIdcSchedStopTime, res::kIdcSchedStopAm, res::kIdcSchedStopPm})
            EXPECT_FALSE(d.GetControl(id)->IsEnabled()) << id;
        Click(d, res::kIdcSchedMaintain);
    }));
    EXPECT_EQ(sched.KindByte(), CSchedIcon::kWeekly | CSchedIcon::kDoNotStop | CSchedIcon::kMaintainOverReset);
    EXPECT_EQ(sched.Stop(), sched.Start());
    Run(sched, [](CSchedDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcSchedDoNotStop), 1);
        EXPECT_EQ(Checked(d, res::kIdcSchedMaintain), 1);
        EXPECT_FALSE(d.GetControl(res::kIdcSchedStopDate)->IsEnabled());
        Click(d, kIdCancel);
    });
}

TEST_F(SchedDialog, PeriodicStoresThePeriodInSecondsAndReopensInItsUnit)
{
    auto& sched = PlaceSet();
    EXPECT_TRUE(Ok(sched, [](CSchedDialog& d) {
        Click(d, res::kIdcSchedPeriodic);
        EXPECT_EQ(Combo(d, res::kIdcSchedEvery).GetCount(), 365);
        EXPECT_EQ(Combo(d, res::kIdcSchedKind).GetLBText(2), "Hours");
        EXPECT_FALSE(d.GetControl(kMonBox)->IsVisible());
        EXPECT_FALSE(d.GetControl(res::kIdcSchedSuffix)->IsVisible());
        EXPECT_FALSE(d.GetControl(res::kIdcSchedWeekText)->IsVisible());
        Choose(d, res::kIdcSchedEvery, 2);
        Choose(d, res::kIdcSchedKind, 2);
    }));
    EXPECT_EQ(sched.Kind(), CSchedIcon::kPeriodic);
    EXPECT_EQ(sched.CycleValue(), 10800u);
    EXPECT_EQ(sched.Weekdays(), 0x02) << "the weekly choice is kept";
    Run(sched, [](CSchedDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcSchedPeriodic), 1);
        EXPECT_EQ(Chosen(d, res::kIdcSchedEvery), "3");
        EXPECT_EQ(Chosen(d, res::kIdcSchedKind), "Hours");
        Click(d, kIdCancel);
    });
}

TEST_F(SchedDialog, WeekdaysOfTheWeeklyViewCarryOverAsTheMonthlyWeekday)
{
    auto& sched = PlaceSet();
    EXPECT_TRUE(Ok(sched, [](CSchedDialog& d) {
        SetBox(d, kWedBox, true);
        Click(d, res::kIdcSchedMonthly);
        EXPECT_EQ(Chosen(d, res::kIdcSchedKind), "Wed");
        EXPECT_EQ(Text(d, kJanBox), "Jan");
        EXPECT_EQ(Checked(d, kJanBox), 1);
        EXPECT_TRUE(d.GetControl(res::kIdcSchedMonthText)->IsVisible());
        Choose(d, res::kIdcSchedEvery, 1);
        EXPECT_EQ(Text(d, res::kIdcSchedSuffix), "nd");
    }));
    EXPECT_EQ(sched.Kind(), CSchedIcon::kMonthlyByWeekday);
    EXPECT_EQ(sched.Weekdays(), 1u << 3);
    EXPECT_EQ(sched.CycleValue(), 2u);
    Run(sched, [](CSchedDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcSchedMonthly), 1);
        EXPECT_EQ(Chosen(d, res::kIdcSchedKind), "Wed");
        Choose(d, res::kIdcSchedKind, 0);
        Click(d, res::kIdcSchedWeekly);
        EXPECT_EQ(Checked(d, kWedBox), 1) << "the stored weekday shows in the weekly view";
        Click(d, kIdCancel);
    });
    EXPECT_EQ(sched.Kind(), CSchedIcon::kMonthlyByWeekday) << "Cancel writes nothing";
}

TEST_F(SchedDialog, ViewChoicesAreKeptAcrossSwitchesButOnlyStoredOnOk)
{
    auto& sched = PlaceSet();
    EXPECT_FALSE(Run(sched, [](CSchedDialog& d) {
        SetBox(d, kSunBox, true);
        Click(d, res::kIdcSchedMonthly);
        SetBox(d, kNovBox, true);
        Click(d, res::kIdcSchedWeekly);
        EXPECT_EQ(Checked(d, kSunBox), 1);
        Click(d, res::kIdcSchedMonthly);
        EXPECT_EQ(Checked(d, kNovBox), 1);
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(sched.Weekdays(), CSchedIcon::kDefaultWeekdays);
    EXPECT_EQ(sched.Months(), CSchedIcon::kDefaultMonths);
}

TEST_F(SchedDialog, SwitchingToPeriodicBringsTheUnitIntoRange)
{
    auto& sched = PlaceSet();
    EXPECT_TRUE(Ok(sched, [](CSchedDialog& d) {
        Click(d, res::kIdcSchedMonthly);
        Choose(d, res::kIdcSchedKind, 7);  // "Sat"
        Choose(d, res::kIdcSchedEvery, 30);
        Click(d, res::kIdcSchedPeriodic);
        EXPECT_EQ(Chosen(d, res::kIdcSchedKind), "Seconds");
        EXPECT_EQ(Chosen(d, res::kIdcSchedEvery), "31");
        Click(d, res::kIdcSchedWeekly);
        EXPECT_EQ(Chosen(d, res::kIdcSchedEvery), "1") << "31 is no week count";
    }));
    EXPECT_EQ(sched.Kind(), CSchedIcon::kWeekly);
    EXPECT_EQ(sched.CycleValue(), 1u);
}

TEST_F(SchedDialog, AmPmAndLocalTimes)
{
    const test::PinnedTimeZone pinned(test::kCentralEurope);
    auto& sched = Place<CSchedIcon>(doc, kDrop);
    EXPECT_TRUE(Ok(sched, [](CSchedDialog& d) {
        Pick(d, res::kIdcSchedStartDate, {2026, 7, 1, 0, 0, 0});
        Pick(d, res::kIdcSchedStartTime, {2026, 7, 1, 8, 0, 0});
        Click(d, res::kIdcSchedStartPm);
        EXPECT_EQ(Picked(d, res::kIdcSchedStartTime).hour, 20);
        Pick(d, res::kIdcSchedStopDate, {2026, 7, 2, 0, 0, 0});
        Pick(d, res::kIdcSchedStopTime, {2026, 7, 2, 13, 0, 0});
        EXPECT_EQ(Checked(d, res::kIdcSchedStopPm), 1);
        Click(d, res::kIdcSchedStopAm);
        EXPECT_EQ(Picked(d, res::kIdcSchedStopTime).hour, 1);
    }));
    // Summer time there is two hours ahead of UTC.
    EXPECT_EQ(sched.Start(), static_cast<std::uint32_t>(MakeUtcTime(2026, 7, 1, 18, 0, 0)));
    EXPECT_EQ(sched.Stop(), static_cast<std::uint32_t>(MakeUtcTime(2026, 7, 1, 23, 0, 0)));
}

TEST_F(SchedDialog, OrdinalSuffixes)
{
    for (const auto& [index, suffix] : std::vector<std::pair<int, std::string>>{{0, "st"}, {1, "nd"}, {2, "rd"},
             {3, "th"}, {10, "th"}, {11, "th"}, {20, "st"}, {21, "nd"}, {22, "rd"}, {29, "th"}, {30, "st"}})
        EXPECT_EQ(CSchedDialog::OrdinalSuffix(index), suffix) << index;
}

}  // namespace
}  // namespace c_sched_dialog_test
}  // namespace corvane
