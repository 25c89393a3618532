#include "icons/hardware/COdioDialog.h"

#include "HardwareIconTestSupport.h"
#include "ModalDriver.h"
#include "PictureButtonChecks.h"

#include "icons/hardware/COdioIcon.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/DialogLayoutCheck.h"
#include "res/Pictures.h"
#include "res/ResourceIds.h"
#include "shell/CAdvisoryDlg.h"

#include <array>
#include <functional>
#include <gmock/gmock.h>

namespace corvane {
namespace c_odio_dialog_test {
namespace {

using test::Link;
using test::Place;

constexpr Rect kDrop{108, 208, 140, 240};
constexpr std::uint8_t kBatteryNet = 0;
constexpr std::uint8_t kMainsNet = 2;

class OdioDialog : public test::HardwareIconNetTest {
protected:
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static bool Visible(Dialog& d, int id) { return d.GetControl(id)->IsVisible(); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }

    bool Run(COdioIcon& odio, const std::function<void(COdioDialog&)>& drive)
    {
        COdioDialog dialog(odio);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }

    // A placed line loaded as a record of another mode word, as a net holds it.
    COdioIcon& PlaceWithMode(std::uint16_t mode)
    {
        auto& odio = Place<COdioIcon>(doc, kDrop, 0);
        odio.SetModeWord(mode);
        if (mode >= COdioIcon::kKindOutput)
            odio.SetChannelCounts(1, 0);
        odio.RebuildConnectors();
        odio.ApplySubtype(odio.Kind());
        return odio;
    }
};

TEST_F(OdioDialog, RelayRecordOpensWithTheRelayControlsOnly)
{
    auto& odio = PlaceWithMode(0xC400);
    const std::uint16_t before = odio.ModeWord();
    EXPECT_FALSE(Run(odio, [&](COdioDialog& d) {
        for (const int id : {res::kIdcOdioModeGroup, res::kIdcOdioEvent, res::kIdcOdioCounter, res::kIdcOdioOutput,
                 res::kIdcOdioEventPicture, res::kIdcOdioCounterPicture, res::kIdcOdioOutputPicture,
                 res::kIdcOdioPullUp, CIconDialog::kIdcUnits, res::kIdcOdioCountGroup})
            EXPECT_FALSE(Visible(d, id)) << id;
        for (const int id :
            {res::kIdcOdioHighWhenHigh, res::kIdcOdioLowWhenHigh, res::kIdcOdioRetain, res::kIdcOdioRetainNote})
            EXPECT_TRUE(Visible(d, id)) << id;
        EXPECT_EQ(Text(d, res::kIdcOdioHighWhenHigh), "Relay is CLOSED when input is HIGH");
        EXPECT_EQ(Text(d, res::kIdcOdioLowWhenHigh), "Relay is OPEN when input is HIGH");
        EXPECT_EQ(Text(d, res::kIdcOdioOptionsGroup), "When logger Stopped, Reset, or Reflashed");
        EXPECT_EQ(d.GetControlAs<ButtonControl>(res::kIdcOdioRetain)->GetCheck(), 1);
        EXPECT_EQ(d.Title(), "Digital I/O: Relay 2");
        EXPECT_FALSE(d.GetControl(kIdHelp)->IsEnabled()) << "the relay has no help page";
        Click(d, res::kIdcOdioClose);
        EXPECT_FALSE(Visible(d, res::kIdcOdioRetainNote));
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(odio.ModeWord(), before) << "Cancel writes nothing";

    EXPECT_TRUE(Run(odio, [&](COdioDialog& d) {
        Click(d, res::kIdcOdioLowWhenHigh);
        Click(d, res::kIdcOdioClose);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(odio.ModeWord(), 0xDC00);
}

TEST_F(OdioDialog, CounterModeOnABatteryNetAsksOnceAndNoGoesBack)
{
    PlaceProgramWith(kBatteryNet);
    auto& odio = Place<COdioIcon>(doc, kDrop, 0);
    services.advisoryAnswers = {kIdNo, kIdYes};
    EXPECT_TRUE(Run(odio, [&](COdioDialog& d) {
        EXPECT_EQ(d.Title(), "Digital I/O: Event Input");
        Click(d, res::kIdcOdioCounter);
        EXPECT_EQ(d.Mode(), COdioDialog::kEvent) << "No keeps the mode";
        EXPECT_EQ(d.GetControlAs<ButtonControl>(res::kIdcOdioEvent)->GetCheck(), 1);
        EXPECT_FALSE(Visible(d, res::kIdcOdioCounterNote));
        Click(d, res::kIdcOdioCounterPicture);
        EXPECT_EQ(d.Mode(), COdioDialog::kCounter);
        EXPECT_EQ(Text(d, CIconDialog::kIdcUnits), "Counts");
        EXPECT_EQ(d.Title(), "Digital I/O: Counter Input");
        EXPECT_TRUE(Visible(d, res::kIdcOdioCounterNote));
        EXPECT_FALSE(Visible(d, res::kIdcOdioLogicGroup));
        Click(d, res::kIdcOdioEvent);
        Click(d, res::kIdcOdioCounter);
        EXPECT_EQ(services.advisories.size(), 2u) << "once accepted, the question is not asked again";
        EXPECT_EQ((odio.Header().warningFlags & 0x1), 0x1) << "nothing is written before OK";
        Click(d, kIdOk);
    }));
    ASSERT_EQ(services.advisories.size(), 2u);
    EXPECT_EQ(services.advisories[0].first, CAdvisoryDlg::kYesNo);
    EXPECT_EQ(services.advisories[0].second, COdioDialog::kBatteryQuestion);
    EXPECT_EQ(odio.Header().warningFlags & 0x1, 0);
    EXPECT_EQ(odio.ModeWord(), 0x4000);
    EXPECT_EQ(odio.BitmapId(), res::kBitmapCounterInput);
    EXPECT_EQ(odio.Output(0).GetDataType(), data_type::kData);
    EXPECT_EQ(odio.GetOutputEntries()[0].flags, 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(odio.GetOutputEntries()[0].data.data()), 6), "Counts");
}

TEST_F(OdioDialog, ConfirmingCounterModeRebuildsTheModeWord)
{
    PlaceProgramWith(kMainsNet);
    auto& odio = PlaceWithMode(0x3000);  // event, pull-up, output LOW when HIGH
    EXPECT_TRUE(Run(odio, [&](COdioDialog& d) {
        Click(d, res::kIdcOdioCounter);
        Click(d, res::kIdcOdioClearOnEnable);
        Click(d, kIdOk);
    }));
    EXPECT_TRUE(services.advisories.empty()) << "a mains-powered net asks nothing";
    EXPECT_EQ(odio.ModeWord(), 0x6040) << "the output-logic bit goes";
    EXPECT_TRUE(odio.TriggerInput().IsActive());
}

TEST_F(OdioDialog, SwitchedOutputDropsTheLinksOfTheInputModes)
{
    auto& odio = Place<COdioIcon>(doc, kDrop, 0);
    auto& clock = Place<test::ClockIcon>(doc);
    auto& gate = Place<test::GateIcon>(doc);
    Link(clock, 0, odio, kTriggerSlot);
    Link(odio, 0, gate, 0);
    EXPECT_TRUE(Run(odio, [&](COdioDialog& d) {
        Click(d, res::kIdcOdioOutputPicture);
        EXPECT_TRUE(Visible(d, res::kIdcOdioRetain));
        EXPECT_FALSE(d.GetControl(CIconDialog::kIdcUnits)->IsEnabled());
        Click(d, res::kIdcOdioRetain);
        EXPECT_TRUE(Visible(d, res::kIdcOdioRetainNote));
        Click(d, kIdOk);
    }));
    EXPECT_EQ(odio.ModeWord(), 0x8400);
    EXPECT_EQ(odio.InputCount(), 1);
    EXPECT_EQ(odio.OutputCount(), 0);
    EXPECT_FALSE(odio.TriggerInput().IsActive());
    EXPECT_FALSE(odio.Header().trigger.IsConnected());
    EXPECT_FALSE(gate.GetInputLinks()[0].IsConnected());
    EXPECT_EQ(odio.BitmapId(), res::kBitmapDigitalOutput);

    Link(clock, 0, odio, 0);
    EXPECT_TRUE(Run(odio, [&](COdioDialog& d) {
        Click(d, res::kIdcOdioEvent);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(odio.ModeWord(), 0x0000);
    EXPECT_EQ(odio.InputCount(), 0);
    EXPECT_EQ(odio.OutputCount(), 1);
    for (const LinkedInput& fed : clock.FindLinkedInputs(0))
        EXPECT_NE(fed.icon, &odio) << "the data input's link goes";
    EXPECT_TRUE(odio.TriggerInput().IsActive());
}

TEST_F(OdioDialog, RefusesAnOutputTypeThatAnyFedInputCannotTake)
{
    auto& odio = Place<COdioIcon>(doc, kDrop, 0);
    auto& memory = Place<test::RelayIcon>(doc, "Memory", 1, std::uint16_t{60});
    auto& gate = Place<test::GateIcon>(doc);
    Link(odio, 0, gate, 0);
    Link(odio, 0, memory, 0);
    EXPECT_FALSE(Run(odio, [&](COdioDialog& d) {
        Click(d, kIdOk);
        EXPECT_TRUE(d.IsOpen()) << "the data input of the second fed icon refuses a logic output";
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, COdioDialog::kTypeMismatch);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "Warning");
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(odio.ModeWord(), 0);
}

TEST_F(OdioDialog, HelpOpensTheContextOfTheModeAtOpening)
{
    struct Case {
        std::uint16_t mode;
        std::uint32_t help;
    };
    for (const Case c : {Case{0x0000, 13}, Case{0x4000, 14}, Case{0x8000, 12}}) {
        auto& odio = PlaceWithMode(c.mode);
        Run(odio, [&](COdioDialog& d) {
            Click(d, kIdHelp);
            Click(d, kIdCancel);
        });
        ASSERT_FALSE(Prompts().helpIds.empty());
        EXPECT_EQ(Prompts().helpIds.back(), c.help) << c.mode;
    }
}

// Each mode's picture button shows the picture of its mode, and in each
// mode the buttons have room for their pictures without covering anything.
TEST_F(OdioDialog, PictureButtonsShowTheirModesPicturesWithRoomAroundThem)
{
    constexpr std::array kButtons{test::PictureButton{res::kIdcOdioEventPicture, res::kBitmapDigitalEvent},
        test::PictureButton{res::kIdcOdioCounterPicture, res::kBitmapCounterInput},
        test::PictureButton{res::kIdcOdioOutputPicture, res::kBitmapDigitalOutput}};
    res::RegisterPictures(App().Bitmaps());
    PlaceProgramWith(kMainsNet);
    auto& odio = Place<COdioIcon>(doc, kDrop, 0);
    const DialogFontScope font(test::kPinnedDialogFont);
    Run(odio, [&](COdioDialog& d) {
        test::ExpectPictureButtonsWithRoom(d, kButtons);
        Click(d, kIdCancel);
    });
}

}  // namespace
}  // namespace c_odio_dialog_test
}  // namespace corvane
