#include "icons/function/CFilterDialog.h"

#include "StatsIconsTestSupport.h"

#include "icons/function/CFilterIcon.h"
#include "platform/EditControl.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_filter_dialog_test {
namespace {

using test::kStatsDrop;
using test::Place;

constexpr std::string_view kSamplesLabel = "Number of Samples over which to Average:";
constexpr std::string_view kFactorLabel = "Smoothing Filter Factor:";

class CFilterDialogTest : public test::StatsIconTest {
protected:
    bool Run(CFilterIcon& filter, const std::function<void(CFilterDialog&)>& drive)
    {
        return RunDialog<CFilterDialog>(filter, drive);
    }
};

TEST_F(CFilterDialogTest, NewIconOpensAsSlidingAverageAndTheTextsFollowTheMode)
{
    auto& filter = Place<CFilterIcon>(doc, kStatsDrop);
    EXPECT_FALSE(Run(filter, [&](CFilterDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcFilterSlidingAverage), 1);
        EXPECT_EQ(Text(d, res::kIdcFilterValue), "10");
        EXPECT_EQ(d.GetControlAs<EditControl>(res::kIdcFilterValue)->LimitText(), 3u);
        EXPECT_EQ(Text(d, res::kIdcFilterValueLabel), kSamplesLabel);
        EXPECT_EQ(Text(d, res::kIdcFilterNote), "(1 to 255 samples)");
        Click(d, res::kIdcFilterLowPass);
        EXPECT_EQ(Text(d, res::kIdcFilterValueLabel), kFactorLabel);
        EXPECT_EQ(Text(d, res::kIdcFilterNote), "(Input 0 to 99;  0  = No filtering,  99 = Maximum Filtering)");
        Click(d, kIdHelp);
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{0x20000 + 319});
    EXPECT_FALSE(filter.IsLowPass());
}

TEST_F(CFilterDialogTest, EachModeChecksItsOwnRange)
{
    struct Case {
        bool lowPass;
        std::string typed;
        std::string refusal;  // empty: accepted
    };
    const std::vector<Case> cases{
        {true, "0", ""},
        {true, "99", ""},
        {true, "100", "Smoothing Filter Factor must be between 0 and 99"},
        {false, "0", "Number of Samples must be between 1 and 255"},
        {false, "1", ""},
        {false, "255", ""},
        {false, "256", "Number of Samples must be between 1 and 255"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed + (c.lowPass ? " low-pass" : " average"));
        Prompts().messageBoxes.clear();
        auto& filter = Place<CFilterIcon>(doc, kStatsDrop);
        const bool ok = Run(filter, [&](CFilterDialog& d) {
            if (c.lowPass)
                Click(d, res::kIdcFilterLowPass);
            SetText(d, res::kIdcFilterValue, c.typed);
            Click(d, kIdOk);
            if (d.IsOpen())
                Click(d, kIdCancel);
        });
        EXPECT_EQ(ok, c.refusal.empty());
        if (c.refusal.empty()) {
            EXPECT_TRUE(Prompts().messageBoxes.empty());
            EXPECT_EQ(filter.ModeWord(), c.lowPass ? 0x8000 : 0);
            EXPECT_EQ(filter.Value(), std::stoi(c.typed));
        } else {
            EXPECT_EQ(Boxes(), (std::vector<std::pair<std::string, std::string>>{{c.refusal, "Configuration Error"}}));
            EXPECT_EQ(filter.ModeWord(), 0);
            EXPECT_EQ(filter.Value(), 10);
        }
    }
}

TEST_F(CFilterDialogTest, FactorBeyondTheLowPassRangeOpensAsTheLargestAndSwitchingKeepsTheNumber)
{
    auto& filter = Place<CFilterIcon>(doc, kStatsDrop);
    filter.SetFilter(true, 200);
    EXPECT_TRUE(Run(filter, [&](CFilterDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcFilterLowPass), 1);
        EXPECT_EQ(Text(d, res::kIdcFilterValue), "99");
        Click(d, res::kIdcFilterSlidingAverage);
        EXPECT_EQ(Text(d, res::kIdcFilterValue), "99");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(filter.ModeWord(), 0);
    EXPECT_EQ(filter.Value(), 99);
}

}  // namespace
}  // namespace c_filter_dialog_test
}  // namespace corvane
