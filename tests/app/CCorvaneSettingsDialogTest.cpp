#include "app/CCorvaneSettingsDialog.h"

#include "ModalDriver.h"
#include "PlatformTestSupport.h"
#include "RecordingPoster.h"
#include "app/ProgramSettings.h"
#include "comms/CConnectionDetails.h"
#include "comms/CommsSettings.h"
#include "platform/ButtonControl.h"
#include "platform/SettingsStore.h"
#include "res/ResourceIds.h"
#include "tests/platform/TestOutput.h"

#include <filesystem>
#include <string>

namespace corvane {
namespace c_corvane_settings_dialog_test {
namespace {

class FixedCommsSettings final : public CommsSettings {
public:
    std::uint32_t LoggerRetryTime() const override { return 5000; }
};

class CCorvaneSettingsDialogTest : public test::PlatformTest {
protected:
    CCorvaneSettingsDialog::Context Context(const CConnectionDetails* connection = nullptr)
    {
        return {store_, messageMs_, socketMs_, connection};
    }
    std::string Text(Dialog& dialog, int id) { return dialog.GetControl(id)->GetText(); }
    void Click(Dialog& dialog, int id) { dialog.GetControlAs<ButtonControl>(id)->Click(); }
    std::optional<SettingsValue> Product(std::string_view name) { return store_.GetValue(kProductKey, name); }

    SettingsStore store_;
    std::uint32_t messageMs_ = 7500;
    std::uint32_t socketMs_ = 5000;
};

TEST_F(CCorvaneSettingsDialogTest, ShowsTheSettingsAndWritesThemBackOnOk)
{
    CCorvaneSettingsDialog dialog(Context());
    const std::filesystem::path png = test::OutputFile("CorvaneSettingsDialog.png");
    test::ModalDriver driver(dialog, [&] {
        EXPECT_EQ(Text(dialog, res::kIdcMessageTimeout), "7");
        EXPECT_EQ(Text(dialog, res::kIdcConnectionTimeout), "5");
        EXPECT_EQ(Text(dialog, res::kIdcCardDriveLetter), "") << "no mount point stored";
        EXPECT_EQ(dialog.GetControlAs<ButtonControl>(res::kIdcCommTrace)->GetCheck(), 0);
        EXPECT_TRUE(dialog.SaveImage(png.string()));
        Click(dialog, kIdOk);
    });
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    EXPECT_EQ(messageMs_, 7000u);
    EXPECT_EQ(*Product("LoggerRetryTime")->AsDword(), 7000u);
    EXPECT_EQ(*Product("SocketTimeout")->AsDword(), 5000u);
    EXPECT_EQ(*Product("CommTrace")->AsDword(), 0u);
    EXPECT_TRUE(store_.KeyExists(kSdCardKey));
    EXPECT_EQ(store_.ValueCount(kSdCardKey), 0u) << "no mount point chosen: nothing written";
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_TRUE(std::filesystem::file_size(png) > 0);
}

TEST_F(CCorvaneSettingsDialogTest, OutOfRangeTimeoutsKeepTheDialogOpenButSaveTheOtherSettings)
{
    CCorvaneSettingsDialog dialog(Context());
    Prompts().folderAnswer = "/media/ann/CARD";
    test::ModalDriver driver(dialog, [&] {
        Click(dialog, res::kIdcCardFolderBrowse);
        EXPECT_EQ(Text(dialog, res::kIdcCardDriveLetter), "/media/ann/CARD");
        dialog.GetControlAs<ButtonControl>(res::kIdcCommTrace)->SetCheck(1);
        dialog.GetControl(res::kIdcMessageTimeout)->SetText("31");
        Click(dialog, kIdOk);
        EXPECT_TRUE(dialog.IsOpen());
        dialog.GetControl(res::kIdcMessageTimeout)->SetText("4");
        Click(dialog, kIdOk);
        dialog.GetControl(res::kIdcMessageTimeout)->SetText("30");
        dialog.GetControl(res::kIdcConnectionTimeout)->SetText("61");
        Click(dialog, kIdOk);
        EXPECT_TRUE(dialog.IsOpen());
        dialog.GetControl(res::kIdcConnectionTimeout)->SetText("60");
        Click(dialog, kIdOk);
    });
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    ASSERT_EQ(Prompts().messageBoxes.size(), 3u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Valid message timeout is between 5 and 30 seconds");
    EXPECT_EQ(Prompts().messageBoxes[1].text, "Valid message timeout is between 5 and 30 seconds");
    EXPECT_EQ(Prompts().messageBoxes[2].text, "Valid connection timeout is between 5 and 60 seconds");
    EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::None);
    EXPECT_EQ(*store_.GetValue(kSdCardKey, "DriveLetter")->AsString(), "/media/ann/CARD");
    EXPECT_EQ(*Product("CommTrace")->AsDword(), 1u);
    EXPECT_EQ(messageMs_, 30000u);
    EXPECT_EQ(socketMs_, 60000u);
    EXPECT_EQ(*Product("SocketTimeout")->AsDword(), 60000u);
}

TEST_F(CCorvaneSettingsDialogTest, StoredMountPointAndTraceAreShownAndAConnectedLoggerIsTold)
{
    ASSERT_FALSE(store_.CreateKey(kSdCardKey));
    ASSERT_FALSE(store_.SetValue(kSdCardKey, "DriveLetter", SettingsValue::String("/mnt/sd")));
    ASSERT_FALSE(store_.SetValue(kProductKey, "CommTrace", SettingsValue::Dword(1)));
    test::RecordingPoster poster;
    FixedCommsSettings settings;
    CConnectionDetails connection(poster, settings);
    connection.SetConnected(true);
    CCorvaneSettingsDialog dialog(Context(&connection));
    test::ModalDriver driver(dialog, [&] {
        EXPECT_EQ(Text(dialog, res::kIdcCardDriveLetter), "/mnt/sd");
        EXPECT_EQ(dialog.GetControlAs<ButtonControl>(res::kIdcCommTrace)->GetCheck(), 1);
        Click(dialog, kIdHelp);
        Click(dialog, kIdOk);
    });
    EXPECT_EQ(dialog.DoModal(), kIdOk);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Settings applied after logger disconnect/reconnect");
    EXPECT_EQ(Prompts().helpIds, (std::vector<std::uint32_t>{CCorvaneSettingsDialog::kHelpId}));
}

TEST_F(CCorvaneSettingsDialogTest, AnOldDriveLetterIsNotShownAndCancelChangesNothing)
{
    ASSERT_FALSE(store_.CreateKey(kSdCardKey));
    ASSERT_FALSE(store_.SetValue(kSdCardKey, "DriveLetter", SettingsValue::String("E:")));
    CCorvaneSettingsDialog dialog(Context());
    test::ModalDriver driver(dialog, [&] {
        EXPECT_EQ(Text(dialog, res::kIdcCardDriveLetter), "");
        dialog.GetControl(res::kIdcMessageTimeout)->SetText("20");
        Click(dialog, kIdCancel);
    });
    EXPECT_EQ(dialog.DoModal(), kIdCancel);
    EXPECT_EQ(messageMs_, 7500u);
    EXPECT_FALSE(Product("LoggerRetryTime"));
    EXPECT_EQ(*Product("CommTrace")->AsDword(), 0u) << "a missing trace setting is created at opening";
    EXPECT_EQ(*store_.GetValue(kSdCardKey, "DriveLetter")->AsString(), "E:");
}

}  // namespace
}  // namespace c_corvane_settings_dialog_test
}  // namespace corvane
