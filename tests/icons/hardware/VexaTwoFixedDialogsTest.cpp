// The frequency-input and +5 V output dialogs of the digital I/O module.

#include "icons/hardware/CVEXA25VOutDialog.h"
#include "icons/hardware/CVEXA2FreqInDialog.h"

#include "HardwareIconTestSupport.h"
#include "ModalDriver.h"

#include "icons/hardware/CVEXA25VoltIcon.h"
#include "icons/hardware/CVEXA2FreqInIcon.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/SliderControl.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace vexa_two_fixed_dialogs_test {
namespace {

using test::Place;

constexpr Rect kDrop{108, 208, 140, 240};

class VexaFixedDialogs : public test::HardwareIconNetTest {
protected:
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
};

TEST_F(VexaFixedDialogs, FrequencyInputShowsTheTrackbarFrequencyAndStoresOnlyDebounce)
{
    auto& icon = Place<CVEXA2FreqInIcon>(doc, kDrop, 3, 25);
    CVEXA2FreqInDialog dialog(icon);
    test::ModalDriver driver(dialog, [&] {
        EXPECT_EQ(dialog.Title(), "VEXA-2;  Frequency Input  [Address 3]  Chan: DI_R");
        EXPECT_EQ(Text(dialog, res::kIdcVexaFrequencyValue), "10.000000");
        EXPECT_EQ(Text(dialog, res::kIdcVexaPeriodValue), "0.100000");
        dialog.GetControlAs<SliderControl>(res::kIdcVexaFrequencySlider)->SetPos(10000);
        NotifyEvent moved{Notification::Changed, res::kIdcVexaFrequencySlider};
        dialog.Notify(moved);
        EXPECT_EQ(Text(dialog, res::kIdcVexaFrequencyValue), "100.0000");
        EXPECT_EQ(Text(dialog, res::kIdcVexaPeriodValue), "0.0100");
        Click(dialog, res::kIdcVexaDebounce);
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(dialog.RunModal());
    EXPECT_EQ(icon.ChannelWord(), 0x6040);
    EXPECT_EQ(icon.OutputCount(), 1);
    EXPECT_EQ(icon.GetOutputEntries()[0].flags, kInputLinkPlainFlags);
    EXPECT_EQ(icon.Output(0).GetDataType(), data_type::kData);
}

TEST_F(VexaFixedDialogs, FiveVoltOutputStoresItsLogicOnOkOnly)
{
    auto& icon = Place<CVEXA25VoltIcon>(doc, kDrop, 3, 29);
    {
        CVEXA25VOutDialog dialog(icon);
        test::ModalDriver driver(dialog, [&] {
            Click(dialog, res::kIdcVexaLowWhenHigh);
            Click(dialog, kIdCancel);
        });
        EXPECT_FALSE(dialog.RunModal());
    }
    EXPECT_EQ(icon.ChannelWord(), 0xC000);
    CVEXA25VOutDialog dialog(icon);
    test::ModalDriver driver(dialog, [&] {
        Click(dialog, res::kIdcVexaLowWhenHigh);
        Click(dialog, kIdHelp);
        Click(dialog, kIdOk);
    });
    EXPECT_TRUE(dialog.RunModal());
    EXPECT_EQ(icon.ChannelWord(), 0xC010);
    EXPECT_EQ(icon.InputCount(), 1);
    EXPECT_EQ(icon.Input(0).GetDataType(), data_type::kLogic);
    ASSERT_FALSE(Prompts().helpIds.empty());
    EXPECT_EQ(Prompts().helpIds.back(), 12365u);
}

}  // namespace
}  // namespace vexa_two_fixed_dialogs_test
}  // namespace corvane
