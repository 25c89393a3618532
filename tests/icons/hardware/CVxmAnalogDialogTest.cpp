#include "icons/hardware/CVxmAnalogDialog.h"

#include "VxmDialogTestSupport.h"

#include "icons/hardware/CACVXM_7Dialog.h"
#include "icons/hardware/CACVXM_7Icon.h"

namespace corvane {
namespace c_vxm_analog_dialog_test {
namespace {

using test::Place;

constexpr std::string_view kUnscaled = "Enable scaling:\nOutput = (1.0 * input) + 0.0";

// The shared behaviour, driven through the current channel's dialog.
class VxmAnalogDialog : public test::VxmDialogTest {
protected:
    CVXM_7inputsIcon& Channel(std::uint16_t mode)
    {
        auto& icon = Place<CACVXM_7Icon>(doc, kDrop, 2, 1);
        icon.SetModeWord(mode);
        return icon;
    }
    static bool Run(CVXM_7inputsIcon& icon, const std::function<void(CACVXM_7Dialog&)>& drive)
    {
        return VxmDialogTest::Run<CACVXM_7Dialog>(icon, drive);
    }
};

TEST_F(VxmAnalogDialog, ZeroSamplingBitsOpenOnCodeThree)
{
    auto& icon = Channel(0x000F);
    EXPECT_TRUE(Run(icon, [&](CACVXM_7Dialog& d) {
        EXPECT_EQ(SliderPos(d), 3);
        EXPECT_EQ(Text(d, res::kIdcVxmSpeed), "8");
        EXPECT_EQ(Text(d, res::kIdcVxmResolution), "18");
        EXPECT_TRUE(Enabled(d, res::kIdcVxmSlider));
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon.ModeWord(), 0x030F);
}

TEST_F(VxmAnalogDialog, SpeedAndResolutionFollowSliderAndRange)
{
    struct Case {
        int range;
        int slider;
        std::string_view speed;
        std::string_view resolution;
        std::uint16_t mode;
    };
    const std::vector<Case> cases{
        {0, 1, "25", "16", 0x010F},
        {3, 5, "2", "18", 0x050C},
        {7, 4, "4", "14", 0x0408},
        {5, 2, "14", "15", 0x020A},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.range);
        auto& icon = Channel(0x030F);
        EXPECT_TRUE(Run(icon, [&](CACVXM_7Dialog& d) {
            Click(d, CVxmAnalogDialog::kRangeRadios[static_cast<std::size_t>(c.range)]);
            Slide(d, c.slider);
            EXPECT_EQ(Text(d, res::kIdcVxmSpeed), c.speed);
            EXPECT_EQ(Text(d, res::kIdcVxmResolution), c.resolution);
            Click(d, kIdOk);
        }));
        EXPECT_EQ(icon.ModeWord(), c.mode);
    }
}

TEST_F(VxmAnalogDialog, NoiseRejectionFixesTheSamplingAndGivesTheSpeedBack)
{
    auto& icon = Channel(0x030F);
    EXPECT_TRUE(Run(icon, [&](CACVXM_7Dialog& d) {
        Slide(d, 2);
        Click(d, res::kIdcVxmNoiseReject);
        EXPECT_EQ(Text(d, res::kIdcVxmSpeed), "");
        EXPECT_EQ(Text(d, res::kIdcVxmResolution), "");
        for (const int id : {res::kIdcVxmSlider, res::kIdcVxmSamplingGroup, res::kIdcVxmSpeedCaption})
            EXPECT_FALSE(Enabled(d, id)) << id;
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon.ModeWord(), 0x060F);

    EXPECT_TRUE(Run(icon, [&](CACVXM_7Dialog& d) {
        EXPECT_TRUE(Checked(d, res::kIdcVxmNoiseReject));
        EXPECT_FALSE(Enabled(d, res::kIdcVxmSlider));
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon.ModeWord(), 0x060F);

    // Unchecked again, the speed shown before decides the code.
    EXPECT_TRUE(Run(Channel(0x020F), [&](CACVXM_7Dialog& d) {
        Click(d, res::kIdcVxmNoiseReject);
        Click(d, res::kIdcVxmNoiseReject);
        EXPECT_EQ(Text(d, res::kIdcVxmSpeed), "14");
        EXPECT_TRUE(Enabled(d, res::kIdcVxmSlider));
        Click(d, kIdOk);
    }));
}

TEST_F(VxmAnalogDialog, ScalingPointsExcitationAndUnitsReachTheIconOnOkOnly)
{
    auto& icon = Channel(0x030F);
    const auto edit = [&](bool ok) {
        return Run(icon, [&](CACVXM_7Dialog& d) {
            EXPECT_EQ(Text(d, res::kIdcVxmScaling), kUnscaled);
            EXPECT_FALSE(Enabled(d, res::kIdcVxmEditScaling));
            Click(d, res::kIdcVxmScaling);
            Click(d, res::kIdcVxmExcitation);
            test::ChildDialogDriver child([&d] { return d.OpenChild(); },
                [](Dialog& eqn) {
                    eqn.GetControl(res::kIdcEqnHighSignal)->SetText("20");
                    eqn.GetControl(res::kIdcEqnLowSignal)->SetText("4");
                    eqn.GetControl(res::kIdcEqnHighReal)->SetText("100");
                    eqn.GetControl(res::kIdcEqnLowReal)->SetText("0");
                    Click(eqn, res::kIdcEqnCalculate);
                    Click(eqn, kIdOk);
                });
            Click(d, res::kIdcVxmEditScaling);
            EXPECT_EQ(child.runs, 1);
            EXPECT_EQ(Text(d, res::kIdcVxmScaling), "Enable scaling:\nOutput = (6.25 * input) + -25");
            SetText(d, CIconDialog::kIdcUnits, "PSI");
            Click(d, ok ? kIdOk : kIdCancel);
        });
    };
    const auto before = Saved(icon);
    EXPECT_FALSE(edit(false));
    EXPECT_EQ(Saved(icon), before);

    EXPECT_TRUE(edit(true));
    EXPECT_EQ(icon.Points(), (ScalingPoints{20.0F, 4.0F, 100.0F, 0.0F}));
    EXPECT_EQ(icon.ModeWord(), 0x03CF);
    EXPECT_EQ(Units(icon), "PSI");
    EXPECT_TRUE(Run(icon, [&](CACVXM_7Dialog& d) {
        EXPECT_EQ(Text(d, res::kIdcVxmScaling), "Enable scaling:\nOutput = (6.25 * input) + -25");
        EXPECT_TRUE(Checked(d, res::kIdcVxmExcitation));
        Click(d, kIdOk);
    }));
}

TEST_F(VxmAnalogDialog, StoredPointsWithEqualSignalLevelsOpenAsOneAndZero)
{
    auto& icon = Channel(0x034F);
    icon.SetPoints({4.0F, 4.0F, 100.0F, 0.0F});
    EXPECT_TRUE(Run(icon, [&](CACVXM_7Dialog& d) {
        EXPECT_TRUE(Checked(d, res::kIdcVxmScaling));
        EXPECT_EQ(Text(d, res::kIdcVxmScaling), "Enable scaling:\nOutput = (1 * input) + 0");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon.Points(), (ScalingPoints{4.0F, 4.0F, 100.0F, 0.0F}));
}

}  // namespace
}  // namespace c_vxm_analog_dialog_test
}  // namespace corvane
