#include "icons/hardware/CVEXA2FreqOutDialog.h"

#include "HardwareIconTestSupport.h"
#include "ModalDriver.h"
#include "PictureButtonChecks.h"

#include "icons/hardware/CVEXA2FreqOutIcon.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/DialogLayoutCheck.h"
#include "res/Pictures.h"
#include "res/ResourceIds.h"

#include <array>
#include <functional>
#include <gmock/gmock.h>

namespace corvane {
namespace cvexa2_freq_out_dialog_test {
namespace {

using test::Link;
using test::Place;

constexpr Rect kDrop{108, 208, 140, 240};

class VexaFreqOutDialog : public test::HardwareIconNetTest {
protected:
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }

    bool Run(CVEXA2FreqOutIcon& icon, const std::function<void(CVEXA2FreqOutDialog&)>& drive)
    {
        CVEXA2FreqOutDialog dialog(icon);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
};

TEST_F(VexaFreqOutDialog, FrequencyModeShowsTheNoteAndMakesAValueInput)
{
    auto& icon = Place<CVEXA2FreqOutIcon>(doc, kDrop, 5, 27);
    EXPECT_TRUE(Run(icon, [&](CVEXA2FreqOutDialog& d) {
        EXPECT_FALSE(d.GetControl(res::kIdcVexaCyclesNote)->IsVisible());
        EXPECT_EQ(d.Title(), "VEXA-2; Discrete Output [Address 5]  Chan: DO_T");
        Click(d, res::kIdcVexaFrequencyOutput);
        EXPECT_TRUE(d.GetControl(res::kIdcVexaCyclesNote)->IsVisible());
        EXPECT_EQ(d.GetControl(CIconDialog::kIdcUnits)->GetText(), "Hz");
        EXPECT_EQ(d.Title(), "VEXA-2; Frequency Output [Address 5]  Chan: DO_T");
        Click(d, res::kIdcVexaPullUp);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon.ChannelWord(), 0x8020);
    EXPECT_EQ(icon.InputCount(), 1);
    EXPECT_EQ(icon.OutputCount(), 0);
    EXPECT_EQ(icon.Input(0).GetDataType(), data_type::kData);
    EXPECT_EQ(icon.GetInputLinks()[0].flags, kInputLinkPlainFlags);
    EXPECT_EQ(icon.BitmapId(), res::kBitmapFrequencyOutput);
    EXPECT_FALSE(icon.TriggerInput().IsActive());
}

TEST_F(VexaFreqOutDialog, RefusesASourceOfTheWrongTypeBeforeChangingAnything)
{
    auto& icon = Place<CVEXA2FreqOutIcon>(doc, kDrop, 5, 26);
    auto& clock = Place<test::ClockIcon>(doc);
    Link(clock, 0, icon, 0);
    const auto before = Saved(icon);
    EXPECT_FALSE(Run(icon, [&](CVEXA2FreqOutDialog& d) {
        Click(d, res::kIdcVexaFrequencyOutput);
        Click(d, kIdOk);
        EXPECT_TRUE(d.IsOpen());
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, CVEXA2FreqOutDialog::kTypeMismatch);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "Warning");
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(Saved(icon), before) << "record and connectors stay as they were";
    EXPECT_EQ(icon.Input(0).GetDataType(), data_type::kLogic);
    EXPECT_EQ(clock.FindLinkedInputs(0).size(), 1u);
}

// Each mode's picture button shows the picture of its mode, and in each
// mode the buttons have room for their pictures without covering anything.
TEST_F(VexaFreqOutDialog, PictureButtonsShowTheirModesPicturesWithRoomAroundThem)
{
    constexpr std::array kButtons{test::PictureButton{res::kIdcVexaEventPicture, res::kBitmapDigitalOutput},
        test::PictureButton{res::kIdcVexaCounterPicture, res::kBitmapFrequencyOutput}};
    res::RegisterPictures(App().Bitmaps());
    auto& icon = Place<CVEXA2FreqOutIcon>(doc, kDrop, 5, 26);
    const DialogFontScope font(test::kPinnedDialogFont);
    Run(icon, [&](CVEXA2FreqOutDialog& d) {
        test::ExpectPictureButtonsWithRoom(d, kButtons);
        Click(d, kIdCancel);
    });
}

}  // namespace
}  // namespace cvexa2_freq_out_dialog_test
}  // namespace corvane
