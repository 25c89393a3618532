#include "icons/function/CSampleRateClockDialog.h"

#include "MiscIconTestSupport.h"
#include "ModalDriver.h"

#include "base/TickTime.h"
#include "icons/function/CConstIcon.h"
#include "icons/function/CSampleRateClockIcon.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/EditControl.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"

#include <functional>

namespace corvane {
namespace c_sample_rate_clock_dialog_test {
namespace {

using test::Link;
using test::Place;

constexpr std::uint32_t kTicksPerDay = 24 * 720000;
constexpr Rect kDrop{100, 100, 132, 132};
constexpr std::string_view kMillisecondNoticeStart = "Millisecond sample rates cause the logger";
constexpr std::string_view kScanNoticeStart = "When a logger is battery-powered";

class SampleRateClockDialog : public test::FunctionIconNetTest {
protected:
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static int Unit(Dialog& d, int id) { return d.GetControlAs<ComboBoxControl>(id)->GetCurSel(); }
    // Chooses a unit as the user does: the selection, then its notification.
    static void ChooseUnit(Dialog& d, int id, int unit)
    {
        d.GetControlAs<ComboBoxControl>(id)->SetCurSel(unit);
        NotifyEvent event{Notification::SelectionChanged, id};
        d.Notify(event);
    }

    // Opens the clock's dialog, lets drive act on it, and returns whether it ended with OK.
    bool Run(CSampleRateClockIcon& clock, const std::function<void(CSampleRateClockDialog&)>& drive)
    {
        CSampleRateClockDialog dialog(clock);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }

    // A net on a battery-powered logger (net option byte 0) or a mains one.
    void PlaceProgramWithOptionByte(std::uint8_t optionByte)
    {
        CHardwarePoll poll;
        Place<CGlobalIcon>(doc, Rect{20, 20, 52, 52}, poll, test::kQuvModelWord, 0, optionByte);
    }

    std::vector<std::string> MessageTexts()
    {
        std::vector<std::string> texts;
        for (const auto& box : Prompts().messageBoxes)
            texts.push_back(box.text);
        return texts;
    }
};

TEST_F(SampleRateClockDialog, OpensEachIntervalInItsLargestWholeUnit)
{
    struct Case {
        std::uint32_t ticks;
        std::string value;
        int unit;
    };
    const std::vector<Case> cases{
        {1, "5", kUnitMilliseconds},
        {200, "1", kUnitSeconds},
        {12000, "1", kUnitMinutes},
        {720000 * 5, "5", kUnitHours},
        {kTicksPerDay, "1", kUnitDays},
        {7 * kTicksPerDay, "7", kUnitDays},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ticks);
        auto& clock = Place<CSampleRateClockIcon>(doc, kDrop);
        clock.SetInterval(c.ticks);
        EXPECT_FALSE(Run(clock, [&](CSampleRateClockDialog& d) {
            EXPECT_EQ(Text(d, res::kIdcClockValue), c.value);
            EXPECT_EQ(Unit(d, res::kIdcClockUnit), c.unit);
            EXPECT_EQ(Text(d, res::kIdcClockAlternateValue), "10");
            EXPECT_EQ(Unit(d, res::kIdcClockAlternateUnit), kUnitSeconds);
            EXPECT_EQ(d.GetControlAs<ComboBoxControl>(res::kIdcClockUnit)->GetLBText(0),
                "Milliseconds (5ms resolution)");
            EXPECT_EQ(d.GetControlAs<ComboBoxControl>(res::kIdcClockAlternateUnit)->GetLBText(0), "Milliseconds");
            EXPECT_EQ(d.GetControlAs<EditControl>(res::kIdcClockValue)->LimitText(), 4u);
            EXPECT_EQ(d.GetControlAs<EditControl>(res::kIdcClockAlternateValue)->LimitText(), 4u);
            Click(d, kIdCancel);
        }));
        EXPECT_EQ(clock.Interval(), c.ticks) << "Cancel writes nothing";
    }
}

TEST_F(SampleRateClockDialog, AlternateRowsShowOnlyWhileTheSelectorIsLinked)
{
    auto& clock = Place<CSampleRateClockIcon>(doc, kDrop);
    auto& selector = Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
    selector.SetName("Fast");
    const auto visible = [&] {
        bool shown = false;
        Run(clock, [&](CSampleRateClockDialog& d) {
            shown = d.GetControl(res::kIdcClockAlternateValue)->IsVisible();
            EXPECT_EQ(d.GetControl(res::kIdcClockAlternateUnit)->IsVisible(), shown);
            EXPECT_EQ(d.GetControl(res::kIdcClockAlternateLabel)->IsVisible(), shown);
            if (shown) {
                EXPECT_EQ(Text(d, CIconDialog::kIdcInput1), "Fast");
            }
            Click(d, kIdCancel);
        });
        return shown;
    };
    EXPECT_FALSE(visible());
    Link(selector, 0, clock, 0);
    EXPECT_TRUE(visible());
}

TEST_F(SampleRateClockDialog, RefusesRatesOutOfRangeInOrder)
{
    struct Case {
        std::string value;
        int unit;
        bool linked;
        std::string alternate;
        int alternateUnit;
        std::string refusal;  // empty: accepted
    };
    const std::vector<Case> cases{
        {"248", kUnitDays, false, "10", kUnitSeconds, ""},
        {"249", kUnitDays, false, "10", kUnitSeconds, "Sample Rate must be less than 249 days"},
        {"5965", kUnitHours, false, "10", kUnitSeconds, ""},
        {"5966", kUnitHours, false, "10", kUnitSeconds, "Sample Rate must be less than 5966 hours"},
        {"249", kUnitDays, true, "249", kUnitDays, "Sample Rate must be less than 249 days"},
        {"5", kUnitSeconds, true, "249", kUnitDays, "Alternate Sample Rate must be less than 249 days"},
        {"5", kUnitSeconds, true, "5966", kUnitHours, "Alternate Sample Rate must be less than 5966 hours"},
        {"0", kUnitSeconds, true, "0", kUnitSeconds, "Alternate Sample Rate must be greater than zero"},
        {"0", kUnitSeconds, true, "3", kUnitSeconds, "Sample Rate must be greater than zero"},
        {"0", kUnitSeconds, false, "0", kUnitSeconds, "Sample Rate must be greater than zero"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value + " " + std::to_string(c.unit) + " / " + c.alternate);
        Prompts().messageBoxes.clear();
        auto& clock = Place<CSampleRateClockIcon>(doc, kDrop);
        if (c.linked)
            Link(Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch), 0, clock, 0);
        const bool ok = Run(clock, [&](CSampleRateClockDialog& d) {
            SetText(d, res::kIdcClockValue, c.value);
            d.GetControlAs<ComboBoxControl>(res::kIdcClockUnit)->SetCurSel(c.unit);
            SetText(d, res::kIdcClockAlternateValue, c.alternate);
            d.GetControlAs<ComboBoxControl>(res::kIdcClockAlternateUnit)->SetCurSel(c.alternateUnit);
            Click(d, kIdOk);
            if (d.IsOpen())
                Click(d, kIdCancel);
        });
        EXPECT_EQ(ok, c.refusal.empty());
        if (c.refusal.empty()) {
            EXPECT_TRUE(Prompts().messageBoxes.empty());
            continue;
        }
        ASSERT_EQ(MessageTexts(), std::vector<std::string>{c.refusal});
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "Icon Configuration Error");
        EXPECT_EQ(clock.Interval(), CSampleRateClockIcon::kDefaultInterval) << "a refusal writes nothing";
    }
}

TEST_F(SampleRateClockDialog, OkWritesBothIntervalsInTicks)
{
    auto& clock = Place<CSampleRateClockIcon>(doc, kDrop);
    Link(Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch), 0, clock, 0);
    EXPECT_TRUE(Run(clock, [&](CSampleRateClockDialog& d) {
        SetText(d, res::kIdcClockValue, "10");
        d.GetControlAs<ComboBoxControl>(res::kIdcClockUnit)->SetCurSel(kUnitMinutes);
        SetText(d, res::kIdcClockAlternateValue, "7");
        d.GetControlAs<ComboBoxControl>(res::kIdcClockAlternateUnit)->SetCurSel(kUnitMilliseconds);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(clock.Interval(), 10u * 12000);
    EXPECT_EQ(clock.AlternateInterval(), 1u) << "7 ms round to one 5 ms tick";
}

TEST_F(SampleRateClockDialog, AnUnusedAlternateRateKeepsItsMeaning)
{
    auto& clock = Place<CSampleRateClockIcon>(doc, kDrop);
    clock.SetAlternateInterval(7);  // 35 ms
    EXPECT_TRUE(Run(clock, [&](CSampleRateClockDialog& d) { Click(d, kIdOk); }));
    EXPECT_EQ(clock.AlternateInterval(), 7u);
    clock.SetAlternateInterval(3 * 12000);  // 3 minutes
    EXPECT_TRUE(Run(clock, [&](CSampleRateClockDialog& d) { Click(d, kIdOk); }));
    EXPECT_EQ(clock.AlternateInterval(), 3u * 12000);
}

TEST_F(SampleRateClockDialog, RateAsNameFollowsTheRateUntilTheDialogCloses)
{
    auto& clock = Place<CSampleRateClockIcon>(doc, kDrop);
    EXPECT_TRUE(Run(clock, [&](CSampleRateClockDialog& d) {
        Click(d, res::kIdcClockRateAsName);
        EXPECT_EQ(Text(d, CIconDialog::kIdcName), "1-Sec");
        ChooseUnit(d, res::kIdcClockUnit, kUnitHours);
        EXPECT_EQ(Text(d, CIconDialog::kIdcName), "1-Hr");
        SetText(d, res::kIdcClockValue, "20");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(clock.Header().name, "20-Hr");
    EXPECT_EQ(clock.Interval(), 20u * 720000);
}

TEST_F(SampleRateClockDialog, UnitChangesToAndFromMillisecondsAskFirst)
{
    PlaceProgramWithOptionByte(2);
    auto& clock = Place<CSampleRateClockIcon>(doc, kDrop);
    Prompts().messageBoxAnswers = {kIdNo, kIdYes};
    EXPECT_TRUE(Run(clock, [&](CSampleRateClockDialog& d) {
        ChooseUnit(d, res::kIdcClockUnit, kUnitMinutes);
        EXPECT_TRUE(Prompts().messageBoxes.empty()) << "seconds to minutes asks nothing";
        ChooseUnit(d, res::kIdcClockUnit, kUnitMilliseconds);
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "Warning");
        EXPECT_EQ(Prompts().messageBoxes[0].buttons, MessageBoxButtons::YesNo);
        EXPECT_EQ(Prompts().messageBoxes[0].text.rfind("NOTE: Millisecond Clock Resolution", 0), 0u);
        EXPECT_EQ(Unit(d, res::kIdcClockUnit), kUnitMinutes) << "No keeps the unit it had";
        ChooseUnit(d, res::kIdcClockUnit, kUnitMilliseconds);
        EXPECT_EQ(Unit(d, res::kIdcClockUnit), kUnitMilliseconds);
        EXPECT_EQ(Prompts().messageBoxes.size(), 1u) << "the document asks once about milliseconds";
        ChooseUnit(d, res::kIdcClockUnit, kUnitSeconds);
        ASSERT_EQ(Prompts().messageBoxes.size(), 2u);
        EXPECT_EQ(Prompts().messageBoxes[1].text,
            "Notice: Sample rates will be rounded to the nearest one-second interval during upload.  "
            "Accept rate change?");
        EXPECT_EQ(Unit(d, res::kIdcClockUnit), kUnitSeconds);
        Click(d, kIdOk);
    }));
}

TEST_F(SampleRateClockDialog, OnlyAChangeOfTheWholeClocksResolutionAsks)
{
    PlaceProgramWithOptionByte(2);
    auto& clock = Place<CSampleRateClockIcon>(doc, kDrop);
    clock.SetInterval(1);
    clock.SetAlternateInterval(1);
    Link(Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch), 0, clock, 0);
    Prompts().messageBoxAnswers = {kIdYes};
    EXPECT_TRUE(Run(clock, [&](CSampleRateClockDialog& d) {
        ChooseUnit(d, res::kIdcClockAlternateUnit, kUnitSeconds);
        EXPECT_TRUE(Prompts().messageBoxes.empty()) << "the interval itself stays in milliseconds";
        ChooseUnit(d, res::kIdcClockUnit, kUnitSeconds);
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text.rfind("Notice: Sample rates will be rounded", 0), 0u);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(clock.Interval(), 5u * 200) << "the value 5 stays, now in seconds";
    EXPECT_EQ(clock.AlternateInterval(), 5u * 200);
}

TEST_F(SampleRateClockDialog, BatteryNetsShowTheMillisecondNoticeOnceAndCancelKeepsTheDialogOpen)
{
    PlaceProgramWithOptionByte(0);
    auto& clock = Place<CSampleRateClockIcon>(doc, kDrop);
    services.advisoryAnswers = {kIdCancel, kIdOk};
    const auto chooseMilliseconds = [&](CSampleRateClockDialog& d) {
        SetText(d, res::kIdcClockValue, "50");
        d.GetControlAs<ComboBoxControl>(res::kIdcClockUnit)->SetCurSel(kUnitMilliseconds);
    };
    EXPECT_TRUE(Run(clock, [&](CSampleRateClockDialog& d) {
        chooseMilliseconds(d);
        Click(d, kIdOk);
        ASSERT_TRUE(d.IsOpen()) << "Cancel in the notice keeps the dialog open";
        EXPECT_EQ(clock.Interval(), CSampleRateClockIcon::kDefaultInterval);
        EXPECT_NE(clock.Header().warningFlags & CSampleRateClockIcon::kMillisecondNoticePending, 0);
        Click(d, kIdOk);
    }));
    ASSERT_EQ(services.advisories.size(), 2u);
    EXPECT_EQ(services.advisories[0].first, CAdvisoryDlg::kOkCancel);
    EXPECT_EQ(services.advisories[0].second.rfind(kMillisecondNoticeStart, 0), 0u);
    EXPECT_EQ(clock.Interval(), 10u);
    EXPECT_EQ(clock.Header().warningFlags & CSampleRateClockIcon::kMillisecondNoticePending, 0);

    EXPECT_TRUE(Run(clock, [&](CSampleRateClockDialog& d) { Click(d, kIdOk); }));
    EXPECT_EQ(services.advisories.size(), 2u) << "shown once per icon";
}

TEST_F(SampleRateClockDialog, BatteryNetsShowTheScanPeriodNoticeOnce)
{
    PlaceProgramWithOptionByte(0);
    auto& clock = Place<CSampleRateClockIcon>(doc, kDrop);
    EXPECT_TRUE(Run(clock, [&](CSampleRateClockDialog& d) { Click(d, kIdOk); }));
    ASSERT_EQ(services.advisories.size(), 1u);
    EXPECT_EQ(services.advisories[0].first, CAdvisoryDlg::kOk);
    EXPECT_EQ(services.advisories[0].second.rfind(kScanNoticeStart, 0), 0u);
    EXPECT_EQ(clock.Header().warningFlags & CSampleRateClockIcon::kScanPeriodNoticePending, 0);
    EXPECT_NE(clock.Header().warningFlags & CSampleRateClockIcon::kMillisecondNoticePending, 0);
    EXPECT_TRUE(Run(clock, [&](CSampleRateClockDialog& d) { Click(d, kIdOk); }));
    EXPECT_EQ(services.advisories.size(), 1u);
}

TEST_F(SampleRateClockDialog, MainsPoweredNetsAskNoBatteryQuestions)
{
    PlaceProgramWithOptionByte(1);
    auto& clock = Place<CSampleRateClockIcon>(doc, kDrop);
    EXPECT_TRUE(Run(clock, [&](CSampleRateClockDialog& d) {
        d.GetControlAs<ComboBoxControl>(res::kIdcClockUnit)->SetCurSel(kUnitMilliseconds);
        Click(d, kIdOk);
    }));
    EXPECT_TRUE(services.advisories.empty());
    EXPECT_EQ(clock.Header().warningFlags & 0x3, 0x3);
}

TEST_F(SampleRateClockDialog, HelpOpensTheDefaultContext)
{
    auto& clock = Place<CSampleRateClockIcon>(doc, kDrop);
    Run(clock, [&](CSampleRateClockDialog& d) {
        Click(d, kIdHelp);
        Click(d, kIdCancel);
    });
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{0x20000 + 269});
}

}  // namespace
}  // namespace c_sample_rate_clock_dialog_test
}  // namespace corvane
