#include "icons/function/CDelayDialog.h"

#include "MiscIconTestSupport.h"
#include "ModalDriver.h"

#include "base/TickTime.h"
#include "icons/function/CConstIcon.h"
#include "icons/function/CDelayIcon.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"

#include <functional>

namespace corvane {
namespace c_delay_dialog_test {
namespace {

using test::Place;

constexpr Rect kDrop{100, 100, 132, 132};
constexpr std::uint32_t kTicksPerHour = 720000;

class DelayDialog : public test::FunctionIconNetTest {
protected:
    static void SetText(Dialog& d, int id, std::string_view text) { d.GetControl(id)->SetText(text); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static int Unit(Dialog& d, int id) { return d.GetControlAs<ComboBoxControl>(id)->GetCurSel(); }
    static void SetUnit(Dialog& d, int id, int unit) { d.GetControlAs<ComboBoxControl>(id)->SetCurSel(unit); }

    bool Run(CDelayIcon& icon, const std::function<void(CDelayDialog&)>& drive)
    {
        CDelayDialog dialog(icon);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
    // Sets both delays and presses OK; a dialog left open is cancelled.
    bool Enter(CDelayIcon& icon, std::string_view on, int onUnit, std::string_view off, int offUnit)
    {
        return Run(icon, [&](CDelayDialog& d) {
            SetText(d, res::kIdcDelayOnValue, on);
            SetUnit(d, res::kIdcDelayOnUnit, onUnit);
            SetText(d, res::kIdcDelayOffValue, off);
            SetUnit(d, res::kIdcDelayOffUnit, offUnit);
            Click(d, kIdOk);
            if (d.IsOpen())
                Click(d, kIdCancel);
        });
    }
    void PlaceProgramWithOptionByte(std::uint8_t optionByte)
    {
        CHardwarePoll poll;
        Place<CGlobalIcon>(doc, Rect{20, 20, 52, 52}, poll, test::kQuvModelWord, 0, optionByte);
    }
};

TEST_F(DelayDialog, ANewIconOpensAtTenSecondsWithTheInputNamedInTheCaptions)
{
    auto& delay = Place<CDelayIcon>(doc, kDrop);
    auto& source = Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
    source.SetName("Door");
    test::Link(source, 0, delay, 0);
    EXPECT_FALSE(Run(delay, [](CDelayDialog& d) {
        EXPECT_EQ(Text(d, res::kIdcDelayOnValue), "10");
        EXPECT_EQ(Unit(d, res::kIdcDelayOnUnit), kUnitSeconds);
        EXPECT_TRUE(d.GetControl(res::kIdcDelayOnValue)->IsVisible());
        EXPECT_EQ(Text(d, res::kIdcDelayOffValue), "10");
        EXPECT_EQ(Unit(d, res::kIdcDelayOffUnit), kUnitSeconds);
        EXPECT_EQ(Text(d, CIconDialog::kIdcInput1), "Door");
        EXPECT_EQ(Text(d, res::kIdcDelayOnCaption), "after [Door] goes HIGH");
        EXPECT_EQ(Text(d, res::kIdcDelayOffCaption), "after [Door] goes LOW");
        EXPECT_EQ(d.GetControlAs<ComboBoxControl>(res::kIdcDelayOnUnit)->GetLBText(0),
            "Milliseconds (5ms resolution)");
        EXPECT_EQ(d.GetControlAs<ComboBoxControl>(res::kIdcDelayOffUnit)->GetCount(), 5);
        Click(d, kIdCancel);
    }));
}

TEST_F(DelayDialog, OkStoresTicksAndAUnitChangeKeepsTheNumber)
{
    struct Case {
        std::string value;
        int unit;
        std::uint32_t ticks;
    };
    const std::vector<Case> cases{
        {"10", kUnitMinutes, 10 * 12000},  // Seconds to Minutes keeps 10
        {"0", kUnitHours, 0},
        {"7", kUnitMilliseconds, 1},
        {"248", kUnitDays, 248u * 24 * kTicksPerHour},
        {"5965", kUnitHours, 5965u * kTicksPerHour},
        {"357913", kUnitMinutes, 357913u * 12000},
        {"21474836", kUnitSeconds, 21474836u * 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value + " " + std::to_string(c.unit));
        auto& delay = Place<CDelayIcon>(doc, kDrop);
        EXPECT_TRUE(Enter(delay, c.value, c.unit, "3", kUnitSeconds));
        EXPECT_EQ(delay.OnTicks(), c.ticks);
        EXPECT_EQ(delay.OffTicks(), 600u);
    }
}

TEST_F(DelayDialog, StoredTicksReopenInTheirLargestWholeUnit)
{
    auto& delay = Place<CDelayIcon>(doc, kDrop);
    delay.SetOnTicks(0);
    delay.SetOffTicks(2 * kTicksPerHour);
    EXPECT_FALSE(Run(delay, [](CDelayDialog& d) {
        EXPECT_EQ(Text(d, res::kIdcDelayOnValue), "0");
        EXPECT_EQ(Unit(d, res::kIdcDelayOnUnit), kUnitSeconds);
        EXPECT_EQ(Text(d, res::kIdcDelayOffValue), "2");
        EXPECT_EQ(Unit(d, res::kIdcDelayOffUnit), kUnitHours);
        Click(d, kIdCancel);
    }));
}

TEST_F(DelayDialog, RefusesDelaysThatDoNotFitInTicksOnFirst)
{
    struct Case {
        std::string on;
        int onUnit;
        std::string off;
        int offUnit;
        std::string refusal;
    };
    const std::vector<Case> cases{
        {"249", kUnitDays, "6000", kUnitHours, "On Delay must be less than 249 days"},
        {"5966", kUnitHours, "1", kUnitSeconds, "On Delay must be less than 5966 hours"},
        {"1", kUnitSeconds, "249", kUnitDays, "Off Delay must be less than 249 days"},
        {"1", kUnitSeconds, "6000", kUnitHours, "Off Delay must be less than 5966 hours"},
        // Values the days and hours limits never met: refused, not ignored.
        {"357914", kUnitMinutes, "1", kUnitSeconds, "On Delay must be less than 357914 minutes"},
        {"1", kUnitSeconds, "21474837", kUnitSeconds, "Off Delay must be less than 21474837 seconds"},
        {"4294967295", kUnitSeconds, "1", kUnitSeconds, "On Delay must be less than 21474837 seconds"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusal);
        Prompts().messageBoxes.clear();
        auto& delay = Place<CDelayIcon>(doc, kDrop);
        EXPECT_FALSE(Enter(delay, c.on, c.onUnit, c.off, c.offUnit));
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, c.refusal);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "Icon Configuration Error");
        EXPECT_EQ(delay.OnTicks(), CDelayIcon::kDefaultTicks) << "a refusal writes nothing";
        EXPECT_EQ(delay.OffTicks(), CDelayIcon::kDefaultTicks);
    }
}

TEST_F(DelayDialog, MillisecondsOnABatteryNetAskOnceAndCancelWritesNothing)
{
    PlaceProgramWithOptionByte(0);
    auto& delay = Place<CDelayIcon>(doc, kDrop);
    services.advisoryAnswers.push_back(kIdCancel);
    EXPECT_FALSE(Enter(delay, "50", kUnitMilliseconds, "1", kUnitSeconds));
    ASSERT_EQ(services.advisories.size(), 1u);
    EXPECT_EQ(services.advisories[0].first, CAdvisoryDlg::kOkCancel);
    EXPECT_EQ(services.advisories[0].second.rfind("Millisecond delay or duration intervals will cause", 0), 0u);
    EXPECT_EQ(delay.OnTicks(), CDelayIcon::kDefaultTicks);
    EXPECT_NE(delay.Header().warningFlags & CDelayIcon::kMillisecondNoticePending, 0);

    EXPECT_TRUE(Enter(delay, "50", kUnitMilliseconds, "1", kUnitSeconds));
    EXPECT_EQ(delay.OnTicks(), 10u);
    EXPECT_EQ(delay.Header().warningFlags & CDelayIcon::kMillisecondNoticePending, 0);
    EXPECT_TRUE(Enter(delay, "50", kUnitMilliseconds, "1", kUnitSeconds));
    EXPECT_EQ(services.advisories.size(), 2u) << "asked no more once accepted";
}

TEST_F(DelayDialog, MainsPoweredNetsAreNotAsked)
{
    PlaceProgramWithOptionByte(1);
    auto& delay = Place<CDelayIcon>(doc, kDrop);
    EXPECT_TRUE(Enter(delay, "50", kUnitMilliseconds, "1", kUnitMilliseconds));
    EXPECT_TRUE(services.advisories.empty());
}

TEST_F(DelayDialog, HelpOpensTheDefaultContext)
{
    auto& delay = Place<CDelayIcon>(doc, kDrop);
    Run(delay, [](CDelayDialog& d) {
        Click(d, kIdHelp);
        Click(d, kIdCancel);
    });
    ASSERT_EQ(Prompts().helpIds.size(), 1u);
    EXPECT_EQ(Prompts().helpIds[0], 0x20000u + 293);
}

}  // namespace
}  // namespace c_delay_dialog_test
}  // namespace corvane
