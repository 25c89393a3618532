#include "icons/hardware/CGpdiDialog.h"

#include "HardwareIconTestSupport.h"
#include "ModalDriver.h"
#include "PictureButtonChecks.h"

#include "icons/hardware/CGpdiIcon.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/DialogLayoutCheck.h"
#include "platform/SliderControl.h"
#include "res/Pictures.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"

#include <array>
#include <functional>
#include <gmock/gmock.h>
#include <limits>

namespace corvane {
namespace c_gpdi_dialog_test {
namespace {

using test::Link;
using test::Place;

constexpr Rect kDrop{108, 208, 140, 240};
constexpr std::uint8_t kBatteryNet = 0;

class GpdiDialog : public test::HardwareIconNetTest {
protected:
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static bool Visible(Dialog& d, int id) { return d.GetControl(id)->IsVisible(); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }
    // Moves the slider as the user does: the position, then its notification.
    static void Slide(Dialog& d, int position)
    {
        d.GetControlAs<SliderControl>(res::kIdcGpdiFrequencySlider)->SetPos(position);
        NotifyEvent event{Notification::Changed, res::kIdcGpdiFrequencySlider};
        d.Notify(event);
    }

    CGpdiIcon& PlaceGpdi(std::uint16_t mode = CGpdiIcon::kNewModeWord)
    {
        std::unique_ptr<CGpdiIcon> icon = CGpdiIcon::Place(kDrop, 0);
        CGpdiIcon& placed = *icon;
        doc.AddObject(std::move(icon));
        placed.Layout();
        placed.SetModeWord(mode);
        placed.RebuildConnectors();
        return placed;
    }

    bool Run(CGpdiIcon& gpdi, const std::function<void(CGpdiDialog&)>& drive)
    {
        CGpdiDialog dialog(gpdi);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
};

TEST_F(GpdiDialog, ShowsTheFrequencyAndDelayOfTheSlider)
{
    auto& gpdi = PlaceGpdi();
    EXPECT_FALSE(Run(gpdi, [&](CGpdiDialog& d) {
        EXPECT_EQ(Text(d, res::kIdcGpdiFrequencyValue), "10.00");
        EXPECT_EQ(Text(d, res::kIdcGpdiDelayValue), "0.20");
        auto* slider = d.GetControlAs<SliderControl>(res::kIdcGpdiFrequencySlider);
        EXPECT_EQ(slider->GetRangeMin(), 6505);
        EXPECT_EQ(slider->GetRangeMax(), 10000);
        EXPECT_EQ(slider->GetPos(), 7499);
        EXPECT_FALSE(Visible(d, res::kIdcGpdiFrequencySlider)) << "shown in frequency mode only";
        EXPECT_EQ(d.Title(), "General Purpose Digital Input [GPDI]: Event Mode   ");
        Click(d, res::kIdcGpdiFrequencyPicture);
        EXPECT_TRUE(Visible(d, res::kIdcGpdiFrequencySlider));
        EXPECT_EQ(Text(d, CIconDialog::kIdcUnits), "Hz");
        Slide(d, 6505);
        EXPECT_EQ(Text(d, res::kIdcGpdiFrequencyValue), "4.00");
        EXPECT_EQ(Text(d, res::kIdcGpdiDelayValue), "0.50");
        Slide(d, 10000);
        EXPECT_EQ(Text(d, res::kIdcGpdiFrequencyValue), "100.00");
        Click(d, kIdCancel);
    }));
    EXPECT_FLOAT_EQ(gpdi.MinimumFrequency(), 10.0F) << "Cancel writes nothing";
    EXPECT_EQ(gpdi.ModeWord(), CGpdiIcon::kNewModeWord);

    EXPECT_TRUE(Run(gpdi, [&](CGpdiDialog& d) {
        Click(d, res::kIdcGpdiFrequency);
        Slide(d, 6505);
        Click(d, kIdOk);
    }));
    EXPECT_NEAR(gpdi.MinimumFrequency(), 4.0F, 0.01F);
    EXPECT_EQ(gpdi.ModeWord(), 0x6920);
    EXPECT_EQ(gpdi.BitmapId(), res::kBitmapGpdiFrequency);
    EXPECT_EQ(gpdi.Output(0).GetDataType(), data_type::kData);
}

TEST_F(GpdiDialog, AStoredFrequencyThatIsNoPositiveNumberStartsAtTheLeftEnd)
{
    for (const float hz : {0.0F, -3.0F, std::numeric_limits<float>::quiet_NaN(), 1e30F})
        EXPECT_GE(CGpdiDialog::SliderPositionOf(hz), CGpdiDialog::kSliderMinimum) << hz;
    EXPECT_EQ(CGpdiDialog::SliderPositionOf(1e30F), CGpdiDialog::kSliderMaximum);
    auto& gpdi = PlaceGpdi();
    gpdi.SetMinimumFrequency(0.0F);
    EXPECT_FALSE(Run(gpdi, [&](CGpdiDialog& d) {
        EXPECT_EQ(Text(d, res::kIdcGpdiDelayValue), "");
        Click(d, kIdCancel);
    }));
}

TEST_F(GpdiDialog, CounterIconFeedingAnOnOffInputOpensInEventMode)
{
    auto& gpdi = PlaceGpdi(0x2920);
    auto& gate = Place<test::GateIcon>(doc);
    Link(gpdi, 0, gate, 0);
    EXPECT_TRUE(Run(gpdi, [&](CGpdiDialog& d) {
        EXPECT_EQ(d.Mode(), CGpdiDialog::kEvent);
        EXPECT_EQ(d.GetControlAs<ButtonControl>(res::kIdcGpdiEvent)->GetCheck(), 1);
        Click(d, kIdHelp);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{1581});
    EXPECT_EQ(gpdi.ModeWord(), 0x0920);
}

TEST_F(GpdiDialog, ConfirmingCounterModeKeepsTheChannelAndSetsBit0x100)
{
    auto& gpdi = PlaceGpdi(0x0003);
    EXPECT_TRUE(Run(gpdi, [&](CGpdiDialog& d) {
        Click(d, res::kIdcGpdiCounter);
        EXPECT_EQ(d.Title(), "General Purpose Digital Input [GPDI]: Counter Mode   ");
        EXPECT_EQ(Text(d, CIconDialog::kIdcUnits), "Counts");
        EXPECT_TRUE(d.GetControl(CIconDialog::kIdcUnits)->IsEnabled());
        EXPECT_TRUE(Visible(d, res::kIdcGpdiClearAfterOutput));
        EXPECT_FALSE(Visible(d, res::kIdcGpdiLogicGroup));
        Click(d, res::kIdcGpdiClearAfterOutput);
        Click(d, res::kIdcGpdiDebounce);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(gpdi.ModeWord(), 0x2343);
    EXPECT_EQ(gpdi.Output(0).GetDataType(), data_type::kData);
    EXPECT_EQ(gpdi.GetOutputEntries()[0].flags, 2);
    EXPECT_EQ(gpdi.BitmapId(), res::kBitmapGpdiCounter);
    EXPECT_EQ(gpdi.Header().warningFlags & CGpdiIcon::kBatteryQuestionPending, 0);
}

TEST_F(GpdiDialog, CounterModeOnABatteryNetAsksAndNoGoesBack)
{
    PlaceProgramWith(kBatteryNet);
    auto& gpdi = PlaceGpdi(0x6920);
    services.advisoryAnswers = {kIdNo};
    EXPECT_FALSE(Run(gpdi, [&](CGpdiDialog& d) {
        Click(d, res::kIdcGpdiCounterPicture);
        EXPECT_EQ(d.Mode(), CGpdiDialog::kFrequency);
        EXPECT_EQ(d.GetControlAs<ButtonControl>(res::kIdcGpdiFrequency)->GetCheck(), 1);
        EXPECT_TRUE(Visible(d, res::kIdcGpdiFrequencySlider));
        Click(d, kIdCancel);
    }));
    ASSERT_EQ(services.advisories.size(), 1u);
    EXPECT_EQ(services.advisories[0].first, CAdvisoryDlg::kYesNo);
    EXPECT_EQ(services.advisories[0].second, CGpdiDialog::kBatteryQuestion);
    EXPECT_EQ(gpdi.Header().warningFlags & CGpdiIcon::kBatteryQuestionPending, CGpdiIcon::kBatteryQuestionPending);
}

TEST_F(GpdiDialog, InputsThatAdaptTakeTheNewOutputType)
{
    auto& gpdi = PlaceGpdi();
    auto& memory = Place<test::RelayIcon>(doc, "Memory", 1, std::uint16_t{60});
    Link(gpdi, 0, memory, 0);
    memory.Input(0).SetDataType(data_type::kLogic | data_type::kAdapts);
    EXPECT_TRUE(Run(gpdi, [&](CGpdiDialog& d) {
        Click(d, res::kIdcGpdiCounter);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(memory.Input(0).GetDataType(), data_type::kData | data_type::kAdapts);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(GpdiDialog, RefusesAnOutputTypeThatAFedInputCannotTake)
{
    auto& gpdi = PlaceGpdi();
    auto& gate = Place<test::GateIcon>(doc);
    Link(gpdi, 0, gate, 0);
    EXPECT_FALSE(Run(gpdi, [&](CGpdiDialog& d) {
        Click(d, res::kIdcGpdiFrequency);
        Click(d, kIdOk);
        EXPECT_TRUE(d.IsOpen());
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, CGpdiDialog::kTypeMismatch);
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(gpdi.ModeWord(), CGpdiIcon::kNewModeWord);
}

// Each mode's picture button shows the picture of its mode, and in each
// mode the buttons have room for their pictures without covering anything.
TEST_F(GpdiDialog, PictureButtonsShowTheirModesPicturesWithRoomAroundThem)
{
    constexpr std::array kButtons{test::PictureButton{res::kIdcGpdiEventPicture, res::kBitmapGpdiEvent},
        test::PictureButton{res::kIdcGpdiCounterPicture, res::kBitmapGpdiCounter},
        test::PictureButton{res::kIdcGpdiFrequencyPicture, res::kBitmapGpdiFrequency}};
    res::RegisterPictures(App().Bitmaps());
    auto& gpdi = PlaceGpdi();
    const DialogFontScope font(test::kPinnedDialogFont);
    Run(gpdi, [&](CGpdiDialog& d) {
        test::ExpectPictureButtonsWithRoom(d, kButtons);
        Click(d, kIdCancel);
    });
}

}  // namespace
}  // namespace c_gpdi_dialog_test
}  // namespace corvane
