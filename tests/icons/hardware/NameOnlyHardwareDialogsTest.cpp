#include "HardwareDialogDriver.h"
#include "HardwareIconTestSupport.h"

#include "icons/hardware/CBattIcon.h"
#include "icons/hardware/CBattIconDialog.h"
#include "icons/hardware/CEngLEDDialog.h"
#include "icons/hardware/CEngLEDIcon.h"
#include "icons/hardware/CTempBaseIcon.h"

namespace corvane {
namespace name_only_hardware_dialogs_test {
namespace {

using test::Click;
using test::Place;

constexpr Rect kDrop{108, 208, 140, 240};

class NameOnlyHardwareDialogs : public test::HardwareIconNetTest {};

TEST_F(NameOnlyHardwareDialogs, LedDialogNamesItsInputAndStoresOnlyTheName)
{
    auto& led = Place<CEngLEDIcon>(doc, kDrop, 0);
    auto& source = Place<CTempBaseIcon>(doc, kDrop);
    source.SetName("Block");
    test::Link(source, 0, led, 0);
    const auto before = Saved(led);
    EXPECT_TRUE(test::RunDialog<CEngLEDDialog>(led, [&](CEngLEDDialog& d) {
        EXPECT_EQ(d.GetControl(CIconDialog::kIdcInput1)->GetText(), "Block");
        d.GetControl(CIconDialog::kIdcName)->SetText("Status");
        Click(d, kIdHelp);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(led.Header().name, "Status");
    const auto after = Saved(led);
    EXPECT_EQ(std::vector<std::uint8_t>(after.begin() + 72, after.end()),
        std::vector<std::uint8_t>(before.begin() + 72, before.end()));
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{CEngLEDDialog::kHelpContext});
}

TEST_F(NameOnlyHardwareDialogs, SupplyVoltagesDialogStoresOnlyTheName)
{
    auto& battery = Place<CBattIcon>(doc, kDrop);
    EXPECT_FALSE(test::RunDialog<CBattIconDialog>(battery, [&](CBattIconDialog& d) {
        d.GetControl(CIconDialog::kIdcName)->SetText("Supplies");
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(battery.Header().name, "Supply Voltages");
    EXPECT_TRUE(test::RunDialog<CBattIconDialog>(battery, [&](CBattIconDialog& d) {
        d.GetControl(CIconDialog::kIdcName)->SetText("Supplies");
        Click(d, kIdOk);
    }));
    EXPECT_EQ(battery.Header().name, "Supplies");
    EXPECT_EQ(battery.GetOutputEntries()[1].data[0], 'E');
}

}  // namespace
}  // namespace name_only_hardware_dialogs_test
}  // namespace corvane
