#include "TestOutput.h"
#include "res/ProgramSettingsDialog.h"

#include "PlatformTestSupport.h"
#include "platform/ButtonControl.h"
#include "platform/DataExchange.h"
#include "platform/Dialog.h"
#include "res/ResourceIds.h"

#include "base/ByteReader.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace corvane {
namespace program_settings_dialog_test {
namespace {

// Opens the table with plain members, as the settings dialog will.
class SettingsTableDialog : public Dialog {
public:
    SettingsTableDialog() : Dialog(res::kProgramSettingsDialog) {}
    std::string cardFolder = "/media/card";
    int trace = 1;
    int messageTimeout = 5;
    int connectionTimeout = 60;

protected:
    void DoDataExchange(DataExchange& dx) override
    {
        DdxText(dx, res::kIdcCardDriveLetter, cardFolder);
        DdxCheck(dx, res::kIdcCommTrace, trace);
        DdxInt(dx, res::kIdcMessageTimeout, messageTimeout);
        DdxInt(dx, res::kIdcConnectionTimeout, connectionTimeout);
    }
};

using ProgramSettingsDialogTest = test::PlatformTest;

TEST_F(ProgramSettingsDialogTest, OpensExchangesClosesAndIsDrawn)
{
    SettingsTableDialog dialog;
    const std::filesystem::path png = test::OutputFolder() / "ProgramSettingsDialog.png";
    dialog.On(Notification::Clicked, kIdHelp, [&](NotifyEvent&) {
        // Drawn while open, with the values moved in.
        EXPECT_EQ(dialog.GetControl(res::kIdcMessageTimeout)->GetText(), "5");
        EXPECT_EQ(dialog.GetControl(res::kIdcCardDriveLetter)->GetText(), "/media/card");
        EXPECT_TRUE(dialog.SaveImage(png.string()));
        dialog.GetControl(res::kIdcMessageTimeout)->SetText("12");
        dialog.GetControlAs<ButtonControl>(kIdOk)->Click();
    });
    // Press Help once the modal loop runs.
    test::RecordingWindow driver;
    driver.onMessage = [&](Message&) {
        dialog.GetControlAs<ButtonControl>(kIdHelp)->Click();
        return 0;
    };
    driver.PostMessage(kUserMessage);
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    EXPECT_EQ(dialog.messageTimeout, 12);
    EXPECT_EQ(dialog.cardFolder, "/media/card");
    // The PNG header holds the picture's size, big-endian, at offset 16.
    std::ifstream in(png, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ByteReader reader(bytes);
    reader.Seek(16);
    EXPECT_EQ(reader.U32BE("width"), static_cast<std::uint32_t>(res::kProgramSettingsDialog.width));
    EXPECT_EQ(reader.U32BE("height"), static_cast<std::uint32_t>(res::kProgramSettingsDialog.height));
    EXPECT_FALSE(reader.Failed());
}

}  // namespace
}  // namespace program_settings_dialog_test
}  // namespace corvane
