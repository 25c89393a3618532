#include "icons/hardware/CTempBaseDialog.h"

#include "HardwareIconTestSupport.h"
#include "ModalDriver.h"

#include "icons/hardware/CEngAlarmIcon.h"
#include "icons/hardware/CTempBaseIcon.h"
#include "platform/ButtonControl.h"
#include "res/ResourceIds.h"

#include <functional>

namespace corvane {
namespace c_temp_base_dialog_test {
namespace {

using test::Place;

constexpr Rect kDrop{108, 208, 140, 240};

class TempBaseDialog : public test::HardwareIconNetTest {
protected:
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static int Checked(Dialog& d, int id) { return d.GetControlAs<ButtonControl>(id)->GetCheck(); }
    bool Run(CTempBaseIcon& icon, const std::function<void(CTempBaseDialog&)>& drive)
    {
        CTempBaseDialog dialog(icon);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
    static std::string Units(const CCorvaneIcon& icon)
    {
        const auto& data = icon.GetOutputEntries()[0].data;
        return std::string(reinterpret_cast<const char*>(data.data()));
    }
};

TEST_F(TempBaseDialog, FahrenheitIsStoredWithItsUnitTextOnOkOnly)
{
    auto& temperature = Place<CTempBaseIcon>(doc, kDrop);
    EXPECT_EQ(temperature.UnitWord(), 0);
    EXPECT_EQ(Units(temperature), "'C");

    const auto before = Saved(temperature);
    EXPECT_FALSE(Run(temperature, [&](CTempBaseDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcTempBaseCelsius), 1);
        Click(d, res::kIdcTempBaseFahrenheit);
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(Saved(temperature), before) << "Cancel keeps the unit word and the unit text";

    EXPECT_TRUE(Run(temperature, [&](CTempBaseDialog& d) {
        Click(d, res::kIdcTempBaseFahrenheit);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(temperature.UnitWord(), 1);
    EXPECT_EQ(Units(temperature), "'F");

    EXPECT_TRUE(Run(temperature, [&](CTempBaseDialog& d) {
        EXPECT_EQ(Checked(d, res::kIdcTempBaseFahrenheit), 1);
        EXPECT_EQ(Checked(d, res::kIdcTempBaseCelsius), 0);
        Click(d, res::kIdcTempBaseCelsius);
        Click(d, kIdHelp);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(temperature.UnitWord(), 0);
    EXPECT_EQ(Units(temperature), "'C");
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{0x20000 + 289});
}

}  // namespace
}  // namespace c_temp_base_dialog_test
}  // namespace corvane
