#include "icons/function/CWarmupDialog.h"

#include "StatsIconsTestSupport.h"

#include "base/TickTime.h"
#include "icons/function/CWarmupIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_warmup_dialog_test {
namespace {

using test::kStatsDrop;
using test::Place;

constexpr std::uint32_t kTicksPerHour = 720000;

class CWarmupDialogTest : public test::StatsIconTest {
protected:
    bool Run(CWarmupIcon& warmup, const std::function<void(CWarmupDialog&)>& drive)
    {
        return RunDialog<CWarmupDialog>(warmup, drive);
    }
    static int Unit(const Dialog& d) { return d.GetControlAs<ComboBoxControl>(res::kIdcWarmupUnit)->GetCurSel(); }
    static std::string UnitsOf(const CWarmupIcon& warmup)
    {
        const auto& data = warmup.GetOutputEntries()[CWarmupIcon::kLogicOutput].data;
        return std::string(data.begin(), std::find(data.begin(), data.end(), std::uint8_t{0}));
    }
};

TEST_F(CWarmupDialogTest, OpensInTheLargestWholeUnitAndWholeDaysInHours)
{
    struct Case {
        std::uint32_t ticks;
        std::string value;
        int unit;
    };
    const std::vector<Case> cases{
        {2000, "10", kUnitSeconds},
        {1, "5", kUnitMilliseconds},
        {1080000, "90", kUnitMinutes},
        {2 * kTicksPerHour, "2", kUnitHours},
        {3 * 24 * kTicksPerHour, "72", kUnitHours},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ticks);
        auto& warmup = Place<CWarmupIcon>(doc, kStatsDrop);
        warmup.SetDelay(c.ticks);
        EXPECT_TRUE(Run(warmup, [&](CWarmupDialog& d) {
            auto* combo = d.GetControlAs<ComboBoxControl>(res::kIdcWarmupUnit);
            ASSERT_EQ(combo->GetCount(), 4);
            EXPECT_EQ(combo->GetLBText(0), "milliseconds (5 ms resolution)");
            EXPECT_EQ(Text(d, res::kIdcWarmupValue), c.value);
            EXPECT_EQ(Unit(d), c.unit);
            Click(d, kIdOk);
        }));
        EXPECT_EQ(warmup.Delay(), c.ticks) << "OK without a change keeps the ticks";
    }
}

TEST_F(CWarmupDialogTest, OkStoresTicksAndTheUnitsName)
{
    struct Case {
        std::string value;
        int unit;
        std::uint32_t ticks;
        std::string units;
    };
    const std::vector<Case> cases{
        {"7", kUnitMilliseconds, 1, "5ms tick"},
        {"8", kUnitMilliseconds, 2, "5ms tick"},
        {"3", kUnitSeconds, 600, "sec"},
        {"90", kUnitMinutes, 1080000, "min"},
        {"5965", kUnitHours, 4294800000u, "hr"},
        {"21474836", kUnitSeconds, 4294967200u, "sec"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value + " " + c.units);
        auto& warmup = Place<CWarmupIcon>(doc, kStatsDrop);
        EXPECT_TRUE(Run(warmup, [&](CWarmupDialog& d) {
            ChooseItem(d, res::kIdcWarmupUnit, c.unit);
            SetText(d, res::kIdcWarmupValue, c.value);
            Click(d, kIdOk);
        }));
        EXPECT_EQ(warmup.Delay(), c.ticks);
        EXPECT_EQ(UnitsOf(warmup), c.units);
    }
}

TEST_F(CWarmupDialogTest, RefusesZeroAndDelaysBeyondThirtyTwoBitsOfTicks)
{
    struct Case {
        std::string value;
        int unit;
        std::string refusal;
    };
    const std::vector<Case> cases{
        {"5966", kUnitHours, "Warmup Time must be less than 5966 hours"},
        {"357914", kUnitMinutes, "Warmup Time must be less than 357914 minutes"},
        {"21474837", kUnitSeconds, "Warmup Time must be less than 21474837 seconds"},
        {"0", kUnitSeconds, "Warmup Time must be greater than zero"},
        {"0", kUnitMilliseconds, "Warmup Time must be greater than zero"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value + " " + std::to_string(c.unit));
        Prompts().messageBoxes.clear();
        auto& warmup = Place<CWarmupIcon>(doc, kStatsDrop);
        EXPECT_FALSE(Run(warmup, [&](CWarmupDialog& d) {
            ChooseItem(d, res::kIdcWarmupUnit, c.unit);
            Prompts().messageBoxes.clear();
            SetText(d, res::kIdcWarmupValue, c.value);
            Click(d, kIdOk);
            EXPECT_TRUE(d.IsOpen());
            Click(d, kIdCancel);
        }));
        EXPECT_EQ(Boxes(), (std::vector<std::pair<std::string, std::string>>{{c.refusal, "Icon Configuration Error"}}));
        EXPECT_EQ(warmup.Delay(), CWarmupIcon::kDefaultDelay);
        EXPECT_EQ(UnitsOf(warmup), "");
    }
}

TEST_F(CWarmupDialogTest, MillisecondNoticeIsShownAndEitherAnswerKeepsTheUnit)
{
    auto& warmup = Place<CWarmupIcon>(doc, kStatsDrop);
    Prompts().messageBoxAnswers.push_back(kIdCancel);
    EXPECT_FALSE(Run(warmup, [&](CWarmupDialog& d) {
        ChooseItem(d, res::kIdcWarmupUnit, kUnitMilliseconds);
        EXPECT_EQ(Unit(d), kUnitMilliseconds);
        Click(d, kIdHelp);
        Click(d, kIdCancel);
    }));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    const MessageBoxRequest& box = Prompts().messageBoxes[0];
    EXPECT_EQ(box.caption, "Warning");
    EXPECT_EQ(box.buttons, MessageBoxButtons::OkCancel);
    EXPECT_EQ(box.text.rfind("NOTE: Millisecond Clock Resolution", 0), 0u);
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{0x20000 + 298});
    EXPECT_EQ(warmup.Delay(), CWarmupIcon::kDefaultDelay) << "Cancel writes nothing";
}

}  // namespace
}  // namespace c_warmup_dialog_test
}  // namespace corvane
