#include "icons/hardware/CVL_TC_VXM_7Dialog.h"

#include "VxmDialogTestSupport.h"

#include "icons/hardware/CTCVXM_7Icon.h"
#include "icons/hardware/CVLVXM_7Icon.h"
#include "platform/ComboBoxControl.h"

namespace corvane {
namespace cvl_tc_vxm_7_dialog_test {
namespace {

using test::Place;
using Dlg = CVL_TC_VXM_7Dialog;

class VL_TC_VXM_7Dialog : public test::VxmDialogTest {
protected:
    CVXM_7inputsIcon& Voltage(int channel = 2) { return Place<CVLVXM_7Icon>(doc, kDrop, 2, channel); }
    CVXM_7inputsIcon& Thermocouple(std::uint16_t mode)
    {
        auto& icon = Place<CTCVXM_7Icon>(doc, kDrop, 2, 2);
        icon.SetModeWord(mode);
        return icon;
    }
    // The picture buttons tell of a click as buttons do.
    static void ClickPicture(Dialog& d, int id)
    {
        NotifyEvent event{Notification::Clicked, id};
        d.Notify(event);
    }
    static bool Run(CVXM_7inputsIcon& icon, const std::function<void(Dlg&)>& drive)
    {
        return VxmDialogTest::Run<Dlg>(icon, drive);
    }
};

TEST_F(VL_TC_VXM_7Dialog, LimitedFahrenheitThermocoupleOpensWithItsControls)
{
    auto& icon = Thermocouple(0x0338);
    icon.SetBitmapId(CVXM_7inputsIcon::kLowVoltageBitmap);
    EXPECT_NE(dynamic_cast<Dlg*>(icon.CreateIconDialog().get()), nullptr);
    EXPECT_EQ(icon.BitmapId(), CVXM_7inputsIcon::kThermocoupleBitmap);
    EXPECT_TRUE(Run(icon, [&](Dlg& d) {
        EXPECT_EQ(d.CaptionText(), "Thermocouple Input, Isolated            [VEXA-7]                    Chan: 2_C");
        EXPECT_TRUE(Checked(d, res::kIdcVxmThermocouple));
        EXPECT_TRUE(Checked(d, res::kIdcVxmFahrenheit));
        EXPECT_TRUE(Checked(d, res::kIdcVxmLimitedRange));
        EXPECT_TRUE(Checked(d, res::kIdcVxmRange1));
        EXPECT_EQ(Text(d, res::kIdcVxmRange1), "J -346 to 1292 F");
        EXPECT_EQ(Text(d, res::kIdcVxmRange6), "S     N/A");
        EXPECT_FALSE(Enabled(d, res::kIdcVxmRange6));
        EXPECT_FALSE(Visible(d, res::kIdcVxmRange8));
        for (const int id :
            {res::kIdcVxmExcitation, res::kIdcVxmScaling, res::kIdcVxmEditScaling, CIconDialog::kIdcUnits})
            EXPECT_FALSE(Visible(d, id)) << id;
        Click(d, kIdHelp);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon.ModeWord(), 0x0338);
    EXPECT_EQ(Units(icon), "'F");
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{1521});
}

TEST_F(VL_TC_VXM_7Dialog, TypeSHasNoFullOrLimitedChoice)
{
    auto& icon = Thermocouple(0x0315);
    EXPECT_TRUE(Run(icon, [&](Dlg& d) {
        EXPECT_TRUE(Checked(d, res::kIdcVxmRange6));
        EXPECT_FALSE(Visible(d, res::kIdcVxmFullRange));
        EXPECT_FALSE(Visible(d, res::kIdcVxmTcRangeGroup));
        Click(d, res::kIdcVxmRange2);
        EXPECT_TRUE(Visible(d, res::kIdcVxmFullRange));
        EXPECT_TRUE(Visible(d, res::kIdcVxmLimitedRange));
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon.ModeWord(), 0x0311);
}

TEST_F(VL_TC_VXM_7Dialog, SwitchingKindRenamesADefaultNameAndWritesOnOkOnly)
{
    struct Case {
        std::string_view name;
        std::string_view after;
    };
    for (const Case& c : std::vector<Case>{{"", "VEXA-7_2C_TC"}, {"Boiler", "Boiler"}}) {
        SCOPED_TRACE(c.after);
        auto& icon = Voltage();
        if (!c.name.empty())
            icon.SetName(c.name);
        const auto before = Saved(icon);
        const auto toThermocouple = [&](bool ok) {
            return Run(icon, [&](Dlg& d) {
                EXPECT_EQ(
                    d.CaptionText(), "Vdc Input - Low Level Isolated          [VEXA-7]                    Chan: 2_C");
                Click(d, res::kIdcVxmThermocouple);
                EXPECT_EQ(d.Kind(), CVXM_7inputsIcon::kThermocoupleBitmap);
                EXPECT_EQ(Text(d, CIconDialog::kIdcName), c.after);
                EXPECT_TRUE(Checked(d, res::kIdcVxmRange1));
                EXPECT_EQ(Text(d, res::kIdcVxmRange1), "J -210 to 1034 C");
                Click(d, ok ? kIdOk : kIdCancel);
            });
        };
        EXPECT_FALSE(toThermocouple(false));
        EXPECT_EQ(Saved(icon), before);
        EXPECT_EQ(icon.BitmapId(), CVXM_7inputsIcon::kLowVoltageBitmap);

        EXPECT_TRUE(toThermocouple(true));
        EXPECT_EQ(icon.ModeWord(), 0x0310);
        EXPECT_EQ(icon.BitmapId(), CVXM_7inputsIcon::kThermocoupleBitmap);
        EXPECT_EQ(icon.Header().name, c.after);
        EXPECT_EQ(Units(icon), "'C");
    }
}

TEST_F(VL_TC_VXM_7Dialog, VoltageBackFromThermocoupleTakesVoltsAndItsName)
{
    auto& icon = Thermocouple(0x0310);
    EXPECT_TRUE(Run(icon, [&](Dlg& d) {
        ClickPicture(d, res::kIdcVxmLowVoltagePicture);
        EXPECT_EQ(Text(d, CIconDialog::kIdcName), "VEXA-7_2C_VLo");
        EXPECT_EQ(Text(d, CIconDialog::kIdcUnits), "Vdc");
        EXPECT_TRUE(Visible(d, res::kIdcVxmRange8));
        EXPECT_EQ(Text(d, res::kIdcVxmRange1), "+/- 2.2 Vdc");
        d.GetControlAs<ComboBoxControl>(res::kIdcVxmSettling)->SetCurSel(2);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon.ModeWord(), 0x2307);
    EXPECT_EQ(icon.BitmapId(), CVXM_7inputsIcon::kLowVoltageBitmap);
    EXPECT_EQ(Units(icon), "Vdc");
}

TEST_F(VL_TC_VXM_7Dialog, ClickingTheChosenThermocoupleKeepsTypeN)
{
    auto& icon = Thermocouple(0x0316);
    EXPECT_TRUE(Run(icon, [&](Dlg& d) {
        Click(d, res::kIdcVxmThermocouple);
        ClickPicture(d, res::kIdcVxmThermocouplePicture);
        EXPECT_TRUE(Checked(d, res::kIdcVxmRange7));
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon.ModeWord(), 0x0316);
}

TEST_F(VL_TC_VXM_7Dialog, VoltageHelpAndRangeCode)
{
    auto& icon = Voltage();
    EXPECT_TRUE(Run(icon, [&](Dlg& d) {
        EXPECT_TRUE(Checked(d, res::kIdcVxmRange1));
        Click(d, res::kIdcVxmRange4);
        Click(d, kIdHelp);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon.ModeWord(), 0x0304);
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{1501});
}

}  // namespace
}  // namespace cvl_tc_vxm_7_dialog_test
}  // namespace corvane
