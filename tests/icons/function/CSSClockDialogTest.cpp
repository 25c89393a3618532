#include "icons/function/CSSClockDialog.h"

#include "MiscIconTestSupport.h"
#include "ModalDriver.h"
#include "PinnedTimeZone.h"

#include "base/CivilTime.h"
#include "icons/function/CSSClockIcon.h"
#include "platform/ButtonControl.h"
#include "platform/DateTimeControl.h"
#include "platform/EditControl.h"
#include "res/ResourceIds.h"

#include <functional>

namespace corvane {
namespace css_clock_dialog_test {
namespace {

using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};
constexpr auto kNow = static_cast<std::uint32_t>(ManualClock::kDefaultCalendarSeconds);  // 2026-01-05 09:30 UTC

class SSClockDialog : public test::FunctionIconNetTest {
protected:
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static int Checked(Dialog& d, int id) { return d.GetControlAs<ButtonControl>(id)->GetCheck(); }
    static DateTimeFields Picked(Dialog& d, int id) { return d.GetControlAs<DateTimeControl>(id)->GetTime(); }
    // Sets a picker as the user does: the value, then its notification.
    static void Pick(Dialog& d, int id, DateTimeFields fields)
    {
        d.GetControlAs<DateTimeControl>(id)->SetTime(fields);
        NotifyEvent event{Notification::Changed, id};
        d.Notify(event);
    }
    static void Type(Dialog& d, int id, std::string_view text)
    {
        SetText(d, id, text);
        NotifyEvent changed{Notification::Changed, id};
        d.Notify(changed);
    }
    static void Leave(Dialog& d, int id)
    {
        NotifyEvent event{Notification::KillFocus, id};
        d.Notify(event);
    }

    bool Run(CSSClockIcon& icon, const std::function<void(CSSClockDialog&)>& drive)
    {
        CSSClockDialog dialog(icon);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
    bool Ok(CSSClockIcon& icon, const std::function<void(CSSClockDialog&)>& drive)
    {
        return Run(icon, [&](CSSClockDialog& d) {
            drive(d);
            Click(d, kIdOk);
            if (d.IsOpen())
                Click(d, kIdCancel);
        });
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

TEST_F(SSClockDialog, ANewClockStartsAndStopsAtItsCreationAndNeedsDoNotStop)
{
    auto& clock = Place<CSSClockIcon>(doc, kDrop);
    EXPECT_FALSE(Ok(clock, [](CSSClockDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcSSClockLocal), 1);
        EXPECT_EQ(Picked(d, res::kIdcSSClockStartDate), (DateTimeFields{2026, 1, 5, 9, 30, 0}));
        EXPECT_EQ(Picked(d, res::kIdcSSClockStopTime), (DateTimeFields{2026, 1, 5, 9, 30, 0}));
        EXPECT_EQ(Checked(d, res::kIdcSSClockStartAm), 1);
        EXPECT_TRUE(d.GetControl(res::kIdcSSClockStartDate)->IsVisible());
        EXPECT_FALSE(d.GetControl(res::kIdcSSClockDelay)->IsVisible());
        EXPECT_FALSE(d.GetControl(res::kIdcSSClockResetOnDisable)->IsVisible());
        EXPECT_TRUE(d.GetControl(res::kIdcSSClockResetOnLoggerReset)->IsVisible());
    }));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Stop Time must be later than Start Time, please reenter."});
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Error");
    EXPECT_EQ(clock.First(), kNow);

    EXPECT_TRUE(Ok(clock, [](CSSClockDialog& d) {
        Click(d, res::kIdcSSClockDoNotStop);
        EXPECT_FALSE(d.GetControl(res::kIdcSSClockStopDate)->IsEnabled());
        EXPECT_FALSE(d.GetControl(res::kIdcSSClockStopPm)->IsEnabled());
    }));
    EXPECT_EQ(clock.ModeWord(), CSSClockIcon::kLocalTimeMode | CSSClockIcon::kOpenEnded);
}

TEST_F(SSClockDialog, LocalTimesAreStoredAsSecondsOfTheLocalMoment)
{
    struct Case {
        const char* zone;
        DateTimeFields start;
        DateTimeFields stop;
    };
    const std::vector<Case> cases{
        {"UTC0", {2026, 3, 1, 8, 0, 0}, {2026, 3, 2, 14, 15, 30}},
        {test::kCentralEurope, {2026, 1, 10, 8, 0, 0}, {2026, 7, 1, 12, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zone);
        const test::PinnedTimeZone pinned(c.zone);
        auto& clock = Place<CSSClockIcon>(doc, kDrop);
        EXPECT_TRUE(Ok(clock, [&](CSSClockDialog& d) {
            Pick(d, res::kIdcSSClockStartDate, c.start);
            Pick(d, res::kIdcSSClockStartTime, c.start);
            Pick(d, res::kIdcSSClockStopDate, c.stop);
            Pick(d, res::kIdcSSClockStopTime, c.stop);
            Click(d, res::kIdcSSClockResetOnLoggerReset);
        }));
        const bool cet = std::string(c.zone) != "UTC0";
        // Winter is an hour ahead of UTC there, summer two.
        const std::int64_t startOffset = cet ? 3600 : 0;
        const std::int64_t stopOffset = cet ? 7200 : 0;
        EXPECT_EQ(clock.First(), static_cast<std::uint32_t>(MakeUtcTime(c.start.year, c.start.month, c.start.day,
                                     c.start.hour, c.start.minute, c.start.second)
            - startOffset));
        EXPECT_EQ(clock.Second(), static_cast<std::uint32_t>(MakeUtcTime(c.stop.year, c.stop.month, c.stop.day,
                                      c.stop.hour, c.stop.minute, c.stop.second)
            - stopOffset));
        EXPECT_EQ(clock.ModeWord(), CSSClockIcon::kLocalTimeMode | CSSClockIcon::kResetOnLoggerReset);

        // And they open as the same local date and time.
        Run(clock, [&](CSSClockDialog& d) {
            EXPECT_EQ(Picked(d, res::kIdcSSClockStopDate), c.stop);
            EXPECT_EQ(Checked(d, res::kIdcSSClockStopPm), 1);
            Click(d, kIdCancel);
        });
    }
}

TEST_F(SSClockDialog, AmAndPmMoveTheTimeByTwelveHours)
{
    auto& clock = Place<CSSClockIcon>(doc, kDrop);
    Run(clock, [](CSSClockDialog& d) {
        Click(d, res::kIdcSSClockStartPm);
        EXPECT_EQ(Picked(d, res::kIdcSSClockStartTime).hour, 21);
        Click(d, res::kIdcSSClockStartPm);
        EXPECT_EQ(Picked(d, res::kIdcSSClockStartTime).hour, 21) << "already in the afternoon";
        Click(d, res::kIdcSSClockStartAm);
        EXPECT_EQ(Picked(d, res::kIdcSSClockStartTime).hour, 9);
        Pick(d, res::kIdcSSClockStopTime, {2026, 1, 5, 12, 0, 0});
        EXPECT_EQ(Checked(d, res::kIdcSSClockStopPm), 1) << "a changed time picks its half of the day";
        EXPECT_EQ(Checked(d, res::kIdcSSClockStopAm), 0);
        Click(d, kIdCancel);
    });
    EXPECT_EQ(clock.First(), kNow) << "Cancel writes nothing";
}

TEST_F(SSClockDialog, NowSetsAllFourPickers)
{
    auto& clock = Place<CSSClockIcon>(doc, kDrop);
    TestClock().SetCalendarSeconds(MakeUtcTime(2027, 6, 15, 18, 45, 10));
    Run(clock, [](CSSClockDialog& d) {
        EXPECT_EQ(Picked(d, res::kIdcSSClockStartDate).year, 2026);
        Click(d, res::kIdcSSClockNow);
        for (const int id : {res::kIdcSSClockStartDate, res::kIdcSSClockStartTime, res::kIdcSSClockStopDate,
                 res::kIdcSSClockStopTime})
            EXPECT_EQ(Picked(d, id), (DateTimeFields{2027, 6, 15, 18, 45, 10})) << id;
        EXPECT_EQ(Checked(d, res::kIdcSSClockStartPm), 1);
        Click(d, kIdCancel);
    });
}

TEST_F(SSClockDialog, DurationTextsAreCutWhileTypedAndNormalisedOnLeaving)
{
    struct Case {
        std::string typed;
        std::string shown;
    };
    const std::vector<Case> cases{
        {"90", "00:01:30"}, {"1:75:00", "02:15:00"}, {"100:00:00", "100:00:00"}, {"1a:30", "00:00:01"},
        {"0", "00:00:00"}, {"5:5", "00:05:05"}};
    auto& clock = Place<CSSClockIcon>(doc, kDrop);
    clock.SetModeWord(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Run(clock, [&](CSSClockDialog& d) {
            Type(d, res::kIdcSSClockDelay, c.typed);
            if (c.typed == "1a:30") {
                EXPECT_EQ(Text(d, res::kIdcSSClockDelay), "1");
            }
            Leave(d, res::kIdcSSClockDelay);
            EXPECT_EQ(Text(d, res::kIdcSSClockDelay), c.shown);
            Click(d, kIdCancel);
        });
    }
}

TEST_F(SSClockDialog, DelayedModeStoresSecondsAndStayHighForever)
{
    auto& clock = Place<CSSClockIcon>(doc, kDrop);
    clock.SetModeWord(CSSClockIcon::kOpenEnded);
    clock.SetFirst(90);
    clock.SetSecond(45);
    EXPECT_TRUE(Ok(clock, [](CSSClockDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcSSClockDelayed), 1);
        EXPECT_EQ(Text(d, res::kIdcSSClockDelay), "00:01:30");
        EXPECT_EQ(Text(d, res::kIdcSSClockHigh), "00:00:45");
        EXPECT_EQ(Checked(d, res::kIdcSSClockHighForever), 1);
        EXPECT_FALSE(d.GetControl(res::kIdcSSClockHigh)->IsEnabled());
        EXPECT_FALSE(d.GetControl(res::kIdcSSClockStartDate)->IsVisible());
        EXPECT_EQ(d.GetControlAs<EditControl>(res::kIdcSSClockDelay)->LimitText(), 10u);
        Click(d, res::kIdcSSClockHighForever);
        EXPECT_TRUE(d.GetControl(res::kIdcSSClockHigh)->IsEnabled());
        SetText(d, res::kIdcSSClockDelay, "2:00:00");
        SetText(d, res::kIdcSSClockHigh, "0");
        Click(d, res::kIdcSSClockSuspend);
    }));
    EXPECT_EQ(clock.ModeWord(), CSSClockIcon::kSuspendWhileDisabled);
    EXPECT_EQ(clock.First(), 7200u);
    EXPECT_EQ(clock.Second(), 0u) << "a HIGH time of 0 is accepted";
}

TEST_F(SSClockDialog, TheOpenEndedBitShowsAsDoNotStopInLocalMode)
{
    auto& clock = Place<CSSClockIcon>(doc, kDrop);
    clock.SetModeWord(CSSClockIcon::kOpenEnded);
    EXPECT_TRUE(Ok(clock, [](CSSClockDialog& d) {
        Click(d, res::kIdcSSClockLocal);
        EXPECT_TRUE(d.GetControl(res::kIdcSSClockStopDate)->IsVisible());
        EXPECT_EQ(Checked(d, res::kIdcSSClockDoNotStop), 1);
        EXPECT_FALSE(d.GetControl(res::kIdcSSClockStopDate)->IsEnabled());
    }));
    EXPECT_EQ(clock.ModeWord(), CSSClockIcon::kLocalTimeMode | CSSClockIcon::kOpenEnded);
    EXPECT_EQ(clock.First(), kNow) << "the pickers showed now";
}

TEST_F(SSClockDialog, DisableOptionsExcludeEachOther)
{
    auto& clock = Place<CSSClockIcon>(doc, kDrop);
    clock.SetModeWord(0);
    EXPECT_TRUE(Ok(clock, [](CSSClockDialog& d) {
        Click(d, res::kIdcSSClockSuspend);
        Click(d, res::kIdcSSClockResetOnDisable);
        EXPECT_EQ(Checked(d, res::kIdcSSClockSuspend), 0);
        Click(d, res::kIdcSSClockSuspend);
        EXPECT_EQ(Checked(d, res::kIdcSSClockResetOnDisable), 0);
        Click(d, res::kIdcSSClockResetOnDisable);
    }));
    EXPECT_EQ(clock.ModeWord(), CSSClockIcon::kResetOnDisable);
}

TEST_F(SSClockDialog, RefusalsWriteNothing)
{
    struct Case {
        std::function<void(CSSClockDialog&)> drive;
        std::string refusal;
    };
    const std::vector<Case> cases{
        {[](CSSClockDialog& d) {
             Click(d, res::kIdcSSClockDelayed);
             SetText(d, res::kIdcSSClockDelay, "9999999999");
         },
            "Time delay until output goes HIGH must be less than 1193046:28:16"},
        {[](CSSClockDialog& d) {
             Click(d, res::kIdcSSClockDelayed);
             SetText(d, res::kIdcSSClockHigh, "4294967296");
         },
            "Stay HIGH time must be less than 1193046:28:16"},
        {[](CSSClockDialog& d) { Pick(d, res::kIdcSSClockStartDate, {1975, 1, 1, 0, 0, 0}); },
            "Start Date must be between 01/01/1980 and 01/01/2038, please reenter."},
        {[](CSSClockDialog& d) { Pick(d, res::kIdcSSClockStopDate, {2040, 1, 1, 0, 0, 0}); },
            "Stop Date must be between 01/01/1980 and 01/01/2038, please reenter."},
        {[](CSSClockDialog& d) {
             Click(d, res::kIdcSSClockResetOnLoggerReset);
             Pick(d, res::kIdcSSClockStopDate, {2026, 1, 4, 0, 0, 0});
         },
            "Stop Time must be later than Start Time, please reenter."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusal);
        Prompts().messageBoxes.clear();
        auto& clock = Place<CSSClockIcon>(doc, kDrop);
        EXPECT_FALSE(Ok(clock, c.drive));
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{c.refusal});
        EXPECT_EQ(clock.ModeWord(), CSSClockIcon::kLocalTimeMode) << "nothing is written";
        EXPECT_EQ(clock.First(), kNow);
        EXPECT_EQ(clock.Second(), kNow);
    }
}

TEST_F(SSClockDialog, LongDurationsWithinThirtyTwoBitsAreKept)
{
    auto& clock = Place<CSSClockIcon>(doc, kDrop);
    EXPECT_TRUE(Ok(clock, [](CSSClockDialog& d) {
        Click(d, res::kIdcSSClockDelayed);
        SetText(d, res::kIdcSSClockDelay, "4294967295");
        SetText(d, res::kIdcSSClockHigh, "1193046:28");
    }));
    EXPECT_EQ(clock.First(), 0xFFFFFFFFu);
    EXPECT_EQ(clock.Second(), 1193046u * 60 + 28) << "a single colon: minutes and seconds";
}

}  // namespace
}  // namespace css_clock_dialog_test
}  // namespace corvane
