#include "icons/hardware/CExciteDialog.h"

#include "HardwareDialogDriver.h"
#include "HardwareIconTestSupport.h"

#include "icons/hardware/CExciteIcon.h"
#include "icons/hardware/CVLEngIcon.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"

namespace corvane {
namespace c_excite_dialog_test {
namespace {

using test::Checked;
using test::Click;
using test::Place;

constexpr Rect kDrop{108, 208, 140, 240};

class ExciteDialog : public test::HardwareIconNetTest {};

TEST_F(ExciteDialog, StoresTheOperationalLogicOnOkOnly)
{
    auto& excite = Place<CExciteIcon>(doc, kDrop);
    EXPECT_FALSE(test::RunDialog<CExciteDialog>(excite, [&](CExciteDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcExciteOnHigh), 1);
        Click(d, res::kIdcExciteOnLow);
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(excite.LogicWord(), 0);
    EXPECT_TRUE(test::RunDialog<CExciteDialog>(excite, [&](CExciteDialog& d) {
        Click(d, res::kIdcExciteOnLow);
        Click(d, kIdHelp);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(excite.LogicWord(), 1);
    EXPECT_TRUE(test::RunDialog<CExciteDialog>(excite, [&](CExciteDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcExciteOnLow), 1);
        Click(d, kIdOk);
    }));
    EXPECT_TRUE(services.advisories.empty()) << "no analog input uses its excitation time";
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{0x20000 + 697});
}

TEST_F(ExciteDialog, WarnsAsItOpensWhenAnalogInputsUseExcitation)
{
    auto& input = Place<CVLEngIcon>(doc, kDrop, 1);
    input.SetExcitationTime(10);
    auto& excite = Place<CExciteIcon>(doc, kDrop);
    EXPECT_TRUE(test::RunDialog<CExciteDialog>(excite, [&](CExciteDialog& d) { Click(d, kIdOk); }));
    ASSERT_EQ(services.advisories.size(), 1u);
    EXPECT_EQ(services.advisories[0],
        (std::pair<int, std::string>{CAdvisoryDlg::kOk, std::string(CExciteDialog::kConflictNotice)}));
}

}  // namespace
}  // namespace c_excite_dialog_test
}  // namespace corvane
