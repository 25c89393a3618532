#include "icons/function/CMaxMinAvgSumDialog.h"

#include "StatsIconsTestSupport.h"

#include "icons/function/CAvgIcon.h"
#include "icons/function/CConstIcon.h"
#include "icons/function/CMinMaxIcon.h"
#include "icons/function/CSumIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_max_min_avg_sum_dialog_test {
namespace {

using test::kStatsDrop;
using test::Link;
using test::Place;

class CMaxMinAvgSumDialogTest : public test::StatsIconTest {
protected:
    bool Run(CMaxMinAvgSumIcon& icon, const std::function<void(CMaxMinAvgSumDialog&)>& drive)
    {
        return RunDialog<CMaxMinAvgSumDialog>(icon, drive);
    }
};

TEST_F(CMaxMinAvgSumDialogTest, TextsAndHelpFollowTheKind)
{
    struct Case {
        CMaxMinAvgSumIcon* icon;
        std::string title;
        std::string afterCount;
        std::string clearOnEnable;
        std::string clearAfterReset;
        std::uint32_t help;
    };
    const std::vector<Case> cases{
        {&Place<CMinMaxIcon>(doc, kStatsDrop), "Minimum and Maximum", "Output Min and Max after:",
            "Clear Sample Count and  Min and Max upon ENABLE", "Clear Min and Max after Logger Reset", 661},
        {&Place<CSumIcon>(doc, kStatsDrop), "Summation", "Output Sum after:", "Clear Sample Count and Sum upon ENABLE",
            "Clear Sum after Logger Reset", 791},
        {&Place<CAvgIcon>(doc, kStatsDrop), "Statistical Average", "Output Average after:",
            "Clear Sample Count and  Average upon ENABLE", "Clear Sample Count and  Average upon Logger Reset", 761},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        Prompts().helpIds.clear();
        EXPECT_FALSE(Run(*c.icon, [&](CMaxMinAvgSumDialog& d) {
            EXPECT_EQ(CMaxMinAvgSumDialog::KindTitle(c.icon->GetKind()), c.title);
            EXPECT_EQ(Text(d, res::kIdcStatsCountRadio), c.afterCount);
            EXPECT_EQ(Text(d, res::kIdcStatsClearOnEnable), c.clearOnEnable);
            EXPECT_EQ(Text(d, res::kIdcStatsClearAfterReset), c.clearAfterReset);
            EXPECT_FALSE(d.GetControl(res::kIdcStatsIncludeDate)->IsVisible());
            EXPECT_EQ(Checked(d, res::kIdcStatsCountRadio), 1);
            EXPECT_EQ(Text(d, res::kIdcStatsCount), "10");
            EXPECT_EQ(Text(d, res::kIdcStatsTriggerSource), "Unconnected");
            EXPECT_TRUE(d.GetControl(res::kIdcStatsTriggerSource)->IsVisible());
            EXPECT_TRUE(Enabled(d, res::kIdcStatsCount));
            EXPECT_FALSE(Enabled(d, res::kIdcStatsTriggerSource));
            // Options 0x0007: all but the reset box.
            EXPECT_EQ(Checked(d, res::kIdcStatsOutputOnDisable), 1);
            EXPECT_EQ(Checked(d, res::kIdcStatsClearOnEnable), 1);
            EXPECT_EQ(Checked(d, res::kIdcStatsClearAfterOutput), 1);
            EXPECT_EQ(Checked(d, res::kIdcStatsClearAfterReset), 0);
            Click(d, kIdHelp);
            Click(d, kIdCancel);
        }));
        EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{c.help});
    }
}

TEST_F(CMaxMinAvgSumDialogTest, TriggerModeStoresCountZeroAndBackToACountDropsTheTriggerLink)
{
    auto& avg = Place<CAvgIcon>(doc, kStatsDrop);
    auto& pulse = Place<CConstIcon>(doc, kStatsDrop, res::kBitmapRemoteSwitch);
    pulse.SetName("Pulse");
    EXPECT_TRUE(Run(avg, [&](CMaxMinAvgSumDialog& d) {
        Click(d, res::kIdcStatsTriggerRadio);
        EXPECT_FALSE(Enabled(d, res::kIdcStatsCount));
        EXPECT_TRUE(Enabled(d, res::kIdcStatsTriggerSource));
        SetText(d, res::kIdcStatsCount, "not used");
        Click(d, res::kIdcStatsClearAfterReset);
        Click(d, res::kIdcStatsOutputOnDisable);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(avg.SampleCount(), 0);
    EXPECT_EQ(avg.OptionWord(), 0x800D);
    EXPECT_TRUE(avg.TriggerInput().IsActive());

    Link(pulse, 0, avg, kTriggerSlot);
    EXPECT_TRUE(Run(avg, [&](CMaxMinAvgSumDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcStatsTriggerRadio), 1);
        EXPECT_EQ(Text(d, res::kIdcStatsTriggerSource), "Pulse");
        Click(d, res::kIdcStatsCountRadio);
        SetText(d, res::kIdcStatsCount, "65535");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(avg.SampleCount(), 65535);
    EXPECT_FALSE(avg.TriggerInput().IsActive());
    EXPECT_FALSE(avg.Header().trigger.IsConnected());
}

TEST_F(CMaxMinAvgSumDialogTest, CountOutOfRangeIsRefusedAndNothingIsStored)
{
    auto& minMax = Place<CMinMaxIcon>(doc, kStatsDrop);
    for (const std::string_view typed : {"0", "65536"}) {
        SCOPED_TRACE(std::string(typed));
        Prompts().messageBoxes.clear();
        EXPECT_FALSE(Run(minMax, [&](CMaxMinAvgSumDialog& d) {
            SetText(d, res::kIdcStatsCount, typed);
            Click(d, res::kIdcStatsClearAfterReset);
            Click(d, kIdOk);
            EXPECT_TRUE(d.IsOpen()) << "the dialog stays open";
            Click(d, kIdCancel);
        }));
        EXPECT_EQ(Boxes(),
            (std::vector<std::pair<std::string, std::string>>{
                {"Number of Samples must be between 1 and 65535", "Configuration Error"}}));
        EXPECT_EQ(minMax.SampleCount(), 10);
        EXPECT_EQ(minMax.OptionWord(), 0x6007);
    }
}

}  // namespace
}  // namespace c_max_min_avg_sum_dialog_test
}  // namespace corvane
