#include "icons/function/CScratchPadIconDialog.h"

#include "StatsIconsTestSupport.h"

#include "icons/function/CConstIcon.h"
#include "icons/function/CScratchPadIcon.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_scratch_pad_icon_dialog_test {
namespace {

using test::kStatsDrop;
using test::Link;
using test::Place;

class CScratchPadIconDialogTest : public test::StatsIconTest {
protected:
    bool Run(CScratchPadIcon& pad, const std::function<void(CScratchPadIconDialog&)>& drive)
    {
        return RunDialog<CScratchPadIconDialog>(pad, drive);
    }
    static int Register(const Dialog& d)
    {
        return d.GetControlAs<ComboBoxControl>(res::kIdcScratchRegister)->GetCurSel();
    }
};

TEST_F(CScratchPadIconDialogTest, WriteSettingsAreEnabledOnlyInWriteModeAndBoundingTextsWithBounding)
{
    auto& pad = Place<CScratchPadIcon>(doc, kStatsDrop);
    EXPECT_FALSE(Run(pad, [&](CScratchPadIconDialog& d) {
        auto* combo = d.GetControlAs<ComboBoxControl>(res::kIdcScratchRegister);
        ASSERT_EQ(combo->GetCount(), 16);
        EXPECT_EQ(combo->GetLBText(15), "Register 15");
        EXPECT_EQ(Register(d), 0);
        EXPECT_EQ(Checked(d, res::kIdcScratchWrite), 1);
        EXPECT_TRUE(Enabled(d, res::kIdcScratchInitial));
        EXPECT_TRUE(Enabled(d, res::kIdcScratchRetain));
        EXPECT_FALSE(Enabled(d, res::kIdcScratchBelowMin));
        Click(d, res::kIdcScratchBounding);
        EXPECT_TRUE(Enabled(d, res::kIdcScratchBelowMin));
        EXPECT_TRUE(Enabled(d, res::kIdcScratchAboveMax));
        Click(d, res::kIdcScratchRead);
        for (const int id : {res::kIdcScratchInitialLabel, res::kIdcScratchInitial, res::kIdcScratchRetain,
                 res::kIdcScratchBounding, res::kIdcScratchBelowMin, res::kIdcScratchAboveMax})
            EXPECT_FALSE(Enabled(d, id)) << id;
        Click(d, kIdHelp);
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{2281});
    EXPECT_EQ(pad.Flags(), 0) << "Cancel writes nothing";
}

TEST_F(CScratchPadIconDialogTest, OkStoresRegisterFlagsAndValueAndReadModeDropsTheInputLinks)
{
    auto& pad = Place<CScratchPadIcon>(doc, kStatsDrop);
    auto& value = Place<CConstIcon>(doc, kStatsDrop, res::kBitmapConstant);
    Link(value, 0, pad, CScratchPadIcon::kValueInput);
    Link(value, 0, pad, CScratchPadIcon::kMaxInput);
    EXPECT_TRUE(Run(pad, [&](CScratchPadIconDialog& d) {
        ChooseItem(d, res::kIdcScratchRegister, 12);
        Click(d, res::kIdcScratchRetain);
        Click(d, res::kIdcScratchBounding);
        SetText(d, res::kIdcScratchInitial, "7.25");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(pad.Register(), 12);
    EXPECT_EQ(pad.Flags(), CScratchPadIcon::kRetain | CScratchPadIcon::kBounding);
    EXPECT_FLOAT_EQ(pad.InitialValue(), 7.25F);
    EXPECT_TRUE(pad.GetInputLinks()[CScratchPadIcon::kMaxInput].IsConnected());

    EXPECT_TRUE(Run(pad, [&](CScratchPadIconDialog& d) {
        EXPECT_EQ(Register(d), 12);
        EXPECT_EQ(Checked(d, res::kIdcScratchRetain), 1);
        EXPECT_EQ(Checked(d, res::kIdcScratchBounding), 1);
        Click(d, res::kIdcScratchRead);
        Click(d, kIdOk);
    }));
    EXPECT_TRUE(pad.IsReadMode());
    EXPECT_TRUE(pad.TriggerInput().IsActive());
    for (const InputLink& link : pad.GetInputLinks())
        EXPECT_FALSE(link.IsConnected());
}

}  // namespace
}  // namespace c_scratch_pad_icon_dialog_test
}  // namespace corvane
