#include "icons/hardware/CACVXM_7Dialog.h"

#include "VxmDialogTestSupport.h"

#include "icons/hardware/CACVXM_7Icon.h"

namespace corvane {
namespace cacvxm_7_dialog_test {
namespace {

using test::Place;

class ACVXM_7Dialog : public test::VxmDialogTest {};

TEST_F(ACVXM_7Dialog, OpensOnTheStoredRangeWithTheChannelsCaption)
{
    auto& icon = Place<CACVXM_7Icon>(doc, kDrop, 4, 2);
    icon.SetModeWord(0x030B);  // range index 4: "+/- 1.5 mAdc"
    EXPECT_TRUE(Run<CACVXM_7Dialog>(icon, [&](CACVXM_7Dialog& d) {
        EXPECT_EQ(d.CaptionText(), "mAdc Input, Isolated                     [VEXA-7]                   Chan: 4_C");
        EXPECT_TRUE(Checked(d, res::kIdcVxmRange5));
        EXPECT_EQ(Text(d, res::kIdcVxmRange5), "+/- 1.5 mAdc");
        EXPECT_EQ(Text(d, res::kIdcVxmResolution), "16");
        for (const int id : {res::kIdcVxmSettlingLabel, res::kIdcVxmSettlingNote, res::kIdcVxmSettling})
            EXPECT_FALSE(Enabled(d, id)) << id;
        Click(d, res::kIdcVxmExtendedSettling);
        EXPECT_FALSE(Enabled(d, res::kIdcVxmSettling));
        Click(d, kIdHelp);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon.ModeWord(), 0x030B);
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{0x20000 + 327});
}

}  // namespace
}  // namespace cacvxm_7_dialog_test
}  // namespace corvane
