#include "icons/function/CSpikeDialog.h"

#include "StatsIconsTestSupport.h"

#include "icons/function/CSpikeBlockerIcon.h"
#include "platform/EditControl.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_spike_dialog_test {
namespace {

using test::kStatsDrop;
using test::Place;

class CSpikeDialogTest : public test::StatsIconTest {
protected:
    bool Run(CSpikeBlockerIcon& spike, const std::function<void(CSpikeDialog&)>& drive)
    {
        return RunDialog<CSpikeDialog>(spike, drive);
    }
};

TEST_F(CSpikeDialogTest, OpensWithTheStoredValuesAndStoresNewOnesOnOk)
{
    auto& spike = Place<CSpikeBlockerIcon>(doc, kStatsDrop);
    EXPECT_TRUE(Run(spike, [&](CSpikeDialog& d) {
        EXPECT_EQ(Text(d, res::kIdcSpikeCount), "3");
        EXPECT_TRUE(d.GetControl(res::kIdcSpikeCount)->IsVisible());
        EXPECT_EQ(std::stod(Text(d, res::kIdcSpikeMagnitude)), 10.0);
        EXPECT_EQ(d.GetControlAs<EditControl>(res::kIdcSpikeCount)->LimitText(), 3u);
        SetText(d, res::kIdcSpikeCount, "2");
        SetText(d, res::kIdcSpikeMagnitude, "0.5");
        Click(d, kIdHelp);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{2291});
    EXPECT_EQ(spike.StepCount(), 2);
    EXPECT_FLOAT_EQ(spike.Magnitude(), 0.5F);
}

TEST_F(CSpikeDialogTest, RefusesACountBelowTwoAndANegativeMagnitude)
{
    struct Case {
        std::string count;
        std::string magnitude;
        std::string refusal;
    };
    const std::vector<Case> cases{
        {"1", "5", "Duration Value Must be greater than 1"},
        {"0", "5", "Duration Value Must be greater than 1"},
        {"1", "-5", "Duration Value Must be greater than 1"},
        {"4", "-0.1", "Transient Magnitude must not be negative"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count + " / " + c.magnitude);
        Prompts().messageBoxes.clear();
        auto& spike = Place<CSpikeBlockerIcon>(doc, kStatsDrop);
        EXPECT_FALSE(Run(spike, [&](CSpikeDialog& d) {
            SetText(d, res::kIdcSpikeCount, c.count);
            SetText(d, res::kIdcSpikeMagnitude, c.magnitude);
            Click(d, kIdOk);
            EXPECT_TRUE(d.IsOpen());
            Click(d, kIdCancel);
        }));
        EXPECT_EQ(Boxes(), (std::vector<std::pair<std::string, std::string>>{{c.refusal, "Error"}}));
        EXPECT_EQ(spike.StepCount(), 3);
        EXPECT_FLOAT_EQ(spike.Magnitude(), 10.0F);
    }
}

}  // namespace
}  // namespace c_spike_dialog_test
}  // namespace corvane
