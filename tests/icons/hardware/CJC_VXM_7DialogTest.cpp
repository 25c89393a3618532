#include "icons/hardware/CJC_VXM_7Dialog.h"

#include "VxmDialogTestSupport.h"

#include "icons/hardware/CJC_VXM_7Icon.h"

namespace corvane {
namespace cjc_vxm_7_dialog_test {
namespace {

using test::Place;

class JC_VXM_7Dialog : public test::VxmDialogTest {};

TEST_F(JC_VXM_7Dialog, UnitIsStoredWithItsTextOnOkOnly)
{
    auto& junction = Place<CJC_VXM_7Icon>(doc, kDrop, 9);
    const auto before = Saved(junction);
    EXPECT_FALSE(Run<CJC_VXM_7Dialog>(junction, [&](CJC_VXM_7Dialog& d) {
        EXPECT_EQ(Text(d, res::kIdcVxmAddress), "VEXA-7 Address: 9");
        EXPECT_TRUE(Checked(d, res::kIdcVxmCelsius));
        EXPECT_EQ(Text(d, CIconDialog::kIdcUnits), "'C");
        Click(d, res::kIdcVxmFahrenheit);
        EXPECT_EQ(Text(d, CIconDialog::kIdcUnits), "'F");
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(Saved(junction), before);

    EXPECT_TRUE(Run<CJC_VXM_7Dialog>(junction, [&](CJC_VXM_7Dialog& d) {
        Click(d, res::kIdcVxmFahrenheit);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(junction.ModeWord(), 0x002A);
    EXPECT_EQ(Units(junction), "'F");

    EXPECT_TRUE(Run<CJC_VXM_7Dialog>(junction, [&](CJC_VXM_7Dialog& d) {
        EXPECT_TRUE(Checked(d, res::kIdcVxmFahrenheit));
        Click(d, res::kIdcVxmCelsius);
        Click(d, kIdHelp);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(junction.ModeWord(), 0x0029);
    EXPECT_EQ(Units(junction), "'C");
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{0x20000 + 356});
}

}  // namespace
}  // namespace cjc_vxm_7_dialog_test
}  // namespace corvane
