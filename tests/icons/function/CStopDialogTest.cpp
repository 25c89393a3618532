#include "icons/function/CStopDialog.h"

#include "MiscIconTestSupport.h"
#include "ModalDriver.h"

#include "icons/function/CConstIcon.h"
#include "icons/function/CStopIcon.h"
#include "platform/ButtonControl.h"
#include "res/ResourceIds.h"

namespace corvane {
namespace c_stop_dialog_test {
namespace {

constexpr Rect kDrop{100, 100, 132, 132};

class StopDialog : public test::FunctionIconNetTest {};

TEST_F(StopDialog, NamesTheInputThatStopsTheNetAndStoresOnlyTheName)
{
    auto& stop = test::Place<CStopIcon>(doc, kDrop);
    const auto explanation = [&] {
        std::string text;
        CStopDialog dialog(stop);
        test::ModalDriver driver(dialog, [&] {
            text = dialog.GetControl(res::kIdcStopExplanation)->GetText();
            dialog.GetControlAs<ButtonControl>(kIdCancel)->Click();
        });
        dialog.RunModal();
        return text;
    };
    EXPECT_EQ(explanation(), "Upon HIGH input from [Unconnected], Program Net execution STOPS.");
    auto& alarm = test::Place<CConstIcon>(doc, kDrop, res::kBitmapRemoteSwitch);
    alarm.SetName("Alarm");
    test::Link(alarm, 0, stop, 0);
    EXPECT_EQ(explanation(), "Upon HIGH input from [Alarm], Program Net execution STOPS.");

    const auto before = Saved(stop);
    CStopDialog dialog(stop);
    test::ModalDriver driver(dialog, [&] {
        dialog.GetControl(CIconDialog::kIdcName)->SetText("Halt");
        dialog.GetControlAs<ButtonControl>(kIdHelp)->Click();
        dialog.GetControlAs<ButtonControl>(kIdOk)->Click();
    });
    EXPECT_TRUE(dialog.RunModal());
    EXPECT_EQ(stop.Header().name, "Halt");
    auto after = Saved(stop);
    EXPECT_EQ(std::vector<std::uint8_t>(after.begin() + 72, after.end()),
        std::vector<std::uint8_t>(before.begin() + 72, before.end()));
    EXPECT_EQ(Prompts().helpIds, std::vector<std::uint32_t>{0x20000 + 340});
}

}  // namespace
}  // namespace c_stop_dialog_test
}  // namespace corvane
