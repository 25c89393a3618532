#include "icons/hardware/CVEXA2EventCountTTLDialog.h"

#include "HardwareIconTestSupport.h"
#include "ModalDriver.h"
#include "PictureButtonChecks.h"

#include "icons/hardware/CVEXA2EventCountTTLIcon.h"
#include "platform/ButtonControl.h"
#include "platform/Control.h"
#include "platform/DialogLayoutCheck.h"
#include "res/Pictures.h"
#include "res/ResourceIds.h"

#include <array>
#include <functional>
#include <gmock/gmock.h>

namespace corvane {
namespace cvexa2_event_count_ttl_dialog_test {
namespace {

using test::Link;
using test::Place;

constexpr Rect kDrop{108, 208, 140, 240};

class VexaEventCountDialog : public test::HardwareIconNetTest {
protected:
    static void Click(Dialog& d, int id) { d.GetControlAs<ButtonControl>(id)->Click(); }
    static bool Visible(Dialog& d, int id) { return d.GetControl(id)->IsVisible(); }
    static std::string Text(Dialog& d, int id) { return d.GetControl(id)->GetText(); }

    bool Run(CVEXA2EventCountTTLIcon& icon, const std::function<void(CVEXA2EventCountTTLDialog&)>& drive)
    {
        CVEXA2EventCountTTLDialog dialog(icon);
        test::ModalDriver driver(dialog, [&] { drive(dialog); });
        return dialog.RunModal();
    }
};

TEST_F(VexaEventCountDialog, OffersTheDiscreteOutputOnlyOnUpperChannels)
{
    auto& lower = Place<CVEXA2EventCountTTLIcon>(doc, kDrop, 2, 3);
    Run(lower, [&](CVEXA2EventCountTTLDialog& d) {
        EXPECT_FALSE(Visible(d, res::kIdcVexaDiscreteOutput));
        EXPECT_FALSE(Visible(d, res::kIdcVexaOutputPicture));
        EXPECT_EQ(d.Title(), "VEXA-2; Event Input   [Address 2]  Chan: DI_D");
        Click(d, kIdCancel);
    });
    auto& upper = Place<CVEXA2EventCountTTLIcon>(doc, kDrop, 2, 18);
    Run(upper, [&](CVEXA2EventCountTTLDialog& d) {
        EXPECT_TRUE(Visible(d, res::kIdcVexaDiscreteOutput));
        EXPECT_TRUE(Visible(d, res::kIdcVexaOutputPicture));
        EXPECT_EQ(d.Title(), "VEXA-2; Event Input   [Address 2]  Chan: DI_K");
        EXPECT_TRUE(Visible(d, res::kIdcVexaLogicGroup));
        EXPECT_FALSE(Visible(d, res::kIdcVexaOutputOnDisable));
        Click(d, res::kIdcVexaOutputPicture);
        EXPECT_FALSE(Visible(d, res::kIdcVexaDebounce));
        EXPECT_FALSE(Visible(d, res::kIdcVexaSpecialGroup));
        EXPECT_FALSE(Visible(d, res::kIdcVexaLogicGroup));
        EXPECT_EQ(d.Title(), "VEXA-2; Discrete Output   [Address 2]  Chan: DI_K");
        Click(d, kIdCancel);
    });
    EXPECT_EQ(upper.ChannelWord(), 0) << "Cancel writes nothing";
}

TEST_F(VexaEventCountDialog, RefusesACounterWhoseOutputFeedsALogicInput)
{
    auto& icon = Place<CVEXA2EventCountTTLIcon>(doc, kDrop, 1, 2);
    auto& gate = Place<test::GateIcon>(doc);
    Link(icon, 0, gate, 0);
    EXPECT_FALSE(Run(icon, [&](CVEXA2EventCountTTLDialog& d) {
        Click(d, res::kIdcVexaCounter);
        Click(d, kIdOk);
        EXPECT_TRUE(d.IsOpen());
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
        EXPECT_EQ(Prompts().messageBoxes[0].text, CVEXA2EventCountTTLDialog::kTypeMismatch);
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "Warning");
        Click(d, kIdCancel);
    }));
    EXPECT_EQ(icon.ChannelWord(), 0);
    EXPECT_EQ(icon.FindLinkedInputs(0).size(), 1u);
}

TEST_F(VexaEventCountDialog, CounterUnitsAreSetOnceAndKeptWhileACounter)
{
    auto& icon = Place<CVEXA2EventCountTTLIcon>(doc, kDrop, 1, 2);
    EXPECT_TRUE(Run(icon, [&](CVEXA2EventCountTTLDialog& d) {
        Click(d, res::kIdcVexaCounter);
        EXPECT_EQ(Text(d, CIconDialog::kIdcUnits), "Counts");
        EXPECT_TRUE(d.GetControl(CIconDialog::kIdcUnits)->IsEnabled());
        EXPECT_TRUE(Visible(d, res::kIdcVexaClearAfterOutput));
        d.GetControl(CIconDialog::kIdcUnits)->SetText("Pulses");
        Click(d, res::kIdcVexaClearOnEnable);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon.ChannelWord(), 0x4400);
    EXPECT_EQ(icon.BitmapId(), res::kBitmapCounterInput);
    EXPECT_EQ(icon.Output(0).GetDataType(), data_type::kData);
    EXPECT_EQ(icon.GetOutputEntries()[0].flags, kInputLinkPlainFlags);
    EXPECT_TRUE(Run(icon, [&](CVEXA2EventCountTTLDialog& d) {
        EXPECT_EQ(Text(d, CIconDialog::kIdcUnits), "Pulses");
        Click(d, res::kIdcVexaCounter);
        EXPECT_EQ(Text(d, CIconDialog::kIdcUnits), "Pulses") << "typed units stay";
        Click(d, kIdOk);
    }));
}

TEST_F(VexaEventCountDialog, DiscreteOutputDropsTheOutputAndTriggerLinks)
{
    auto& icon = Place<CVEXA2EventCountTTLIcon>(doc, kDrop, 1, 20);
    auto& clock = Place<test::ClockIcon>(doc);
    auto& gate = Place<test::GateIcon>(doc);
    Link(clock, 0, icon, kTriggerSlot);
    Link(icon, 0, gate, 0);
    EXPECT_TRUE(Run(icon, [&](CVEXA2EventCountTTLDialog& d) {
        Click(d, res::kIdcVexaDiscreteOutput);
        Click(d, kIdOk);
    }));
    EXPECT_EQ(icon.Kind(), CVEXA_2Icon::kKindEventOut);
    EXPECT_EQ(icon.InputCount(), 1);
    EXPECT_EQ(icon.OutputCount(), 0);
    EXPECT_FALSE(icon.TriggerInput().IsActive());
    EXPECT_TRUE(clock.FindLinkedInputs(0).empty());
    EXPECT_FALSE(gate.Input(0).HasLinkEnd());
    EXPECT_EQ(icon.BitmapId(), res::kBitmapDigitalOutput);
}

TEST_F(VexaEventCountDialog, HelpFollowsChannelAndModeAtOpening)
{
    auto& lower = Place<CVEXA2EventCountTTLIcon>(doc, kDrop, 1, 2);
    auto& upper = Place<CVEXA2EventCountTTLIcon>(doc, kDrop, 1, 17);
    for (auto* icon : {&lower, &upper}) {
        Run(*icon, [&](CVEXA2EventCountTTLDialog& d) {
            Click(d, kIdHelp);
            Click(d, kIdCancel);
        });
    }
    EXPECT_EQ(Prompts().helpIds, (std::vector<std::uint32_t>{12315, 12375}));
}

// The event button shows the input picture on channels 0..7 and the
// input/output picture on 16..23; in each mode the channel offers, the
// buttons have room for their pictures without covering anything.
TEST_F(VexaEventCountDialog, PictureButtonsShowTheirModesPicturesWithRoomAroundThem)
{
    struct Case {
        int channel;
        int eventPicture;
    };
    res::RegisterPictures(App().Bitmaps());
    const DialogFontScope font(test::kPinnedDialogFont);
    for (const Case c : {Case{0, res::kBitmapDigitalEvent}, Case{7, res::kBitmapDigitalEvent},
             Case{16, res::kBitmapDigitalEventIo}, Case{23, res::kBitmapDigitalEventIo}}) {
        SCOPED_TRACE(c.channel);
        auto& icon = Place<CVEXA2EventCountTTLIcon>(doc, kDrop, 1, c.channel);
        Run(icon, [&](CVEXA2EventCountTTLDialog& d) {
            const std::array buttons{test::PictureButton{res::kIdcVexaEventPicture, c.eventPicture},
                test::PictureButton{res::kIdcVexaCounterPicture, res::kBitmapCounterInput},
                test::PictureButton{res::kIdcVexaOutputPicture, res::kBitmapDigitalOutput}};
            test::ExpectPictureButtonsWithRoom(d, buttons);
            Click(d, kIdCancel);
        });
    }
}

}  // namespace
}  // namespace cvexa2_event_count_ttl_dialog_test
}  // namespace corvane
