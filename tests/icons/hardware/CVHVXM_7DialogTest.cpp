#include "icons/hardware/CVHVXM_7Dialog.h"

#include "VxmDialogTestSupport.h"

#include "icons/hardware/CVHVXM_7Icon.h"

namespace corvane {
namespace cvhvxm_7_dialog_test {
namespace {

using test::Place;

class VHVXM_7Dialog : public test::VxmDialogTest {};

TEST_F(VHVXM_7Dialog, WideRangesAreHiddenAndAStoredOneOpensOnThirtyVolts)
{
    auto& icon = Place<CVHVXM_7Icon>(doc, kDrop, 1, 6);
    icon.SetModeWord(0x0327);  // range index 0: "+/-225 Vdc"
    EXPECT_TRUE(Run<CVHVXM_7Dialog>(icon, [&](CVHVXM_7Dialog& d) {
        EXPECT_EQ(d.CaptionText(), "Vdc Input - High Level Isolated          [VEXA-7]                   Chan: 1_G");
        for (const int id : {res::kIdcVxmRange1, res::kIdcVxmRange2, res::kIdcVxmRange3})
            EXPECT_FALSE(Visible(d, id)) << id;
        EXPECT_TRUE(Checked(d, res::kIdcVxmRange4));
        EXPECT_EQ(Text(d, res::kIdcVxmRange4), "+/-30 Vdc");
        EXPECT_EQ(Text(d, res::kIdcVxmResolution), "17");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon.ModeWord(), 0x0324);
}

TEST_F(VHVXM_7Dialog, RangeOfTheSecondGroupIsStoredAsSevenMinusIndex)
{
    auto& icon = Place<CVHVXM_7Icon>(doc, kDrop, 1, 0);
    EXPECT_TRUE(Run<CVHVXM_7Dialog>(icon, [&](CVHVXM_7Dialog& d) {
        EXPECT_TRUE(Checked(d, res::kIdcVxmRange6));  // placed on "+/-7.5 Vdc"
        Click(d, res::kIdcVxmRange8);
        EXPECT_FALSE(Checked(d, res::kIdcVxmRange6));
        EXPECT_EQ(Text(d, res::kIdcVxmResolution), "14");
        EXPECT_FALSE(Enabled(d, res::kIdcVxmSettling));
        Click(d, res::kIdcVxmExtendedSettling);
        EXPECT_TRUE(Enabled(d, res::kIdcVxmSettling));
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon.ModeWord(), 0x0320);
}

}  // namespace
}  // namespace cvhvxm_7_dialog_test
}  // namespace corvane
