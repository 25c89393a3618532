#include "PlatformTestSupport.h"

#include "comms/CConnectionDetails.h"
#include "comms/CommsSettings.h"
#include "comms/MainFramePoster.h"
#include "logger/CReflashDialog.h"
#include "logger/HiddenReconnect.h"
#include "logger/ReflashFolder.h"
#include "platform/ButtonControl.h"
#include "res/ReflashIds.h"
#include "shell/StatusSink.h"
#include "tests/logger/FirmwareImages.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace corvane::test {
namespace c_reflash_dialog_test {
namespace {

struct QuietPoster final : MainFramePoster {
    bool PostToMainFrame(MessageId, std::uintptr_t, std::unique_ptr<Payload>) override { return true; }
};

struct FixedSettings final : CommsSettings {
    std::uint32_t LoggerRetryTime() const override { return 5000; }
};

struct QuietStatus final : StatusSink {
    void SetStatusText(std::string_view) override {}
    void SetStatusMessage(std::string_view) override {}
    bool HasProgress() const override { return false; }
    void CreateProgress() override {}
    void SetProgressPos(int) override {}
    void SetProgressRange(std::uint16_t) override {}
    void StartProgressAnimation() override {}
    void StopProgressAnimation() override {}
};

struct NoReconnects final : HiddenReconnectMaker {
    std::unique_ptr<HiddenReconnect> MakeHiddenReconnect(Window&) override { return nullptr; }
};

struct KeptFolder final : ReflashFolder {
    std::string folder = "/fw/";
    std::vector<std::string> kept;
    std::string Folder() const override { return folder; }
    void KeepFolderOf(std::string_view path) override { kept.emplace_back(path); }
};

class CReflashDialogTest : public PlatformTest {
protected:
    QuietPoster poster;
    FixedSettings settings;
    CConnectionDetails connection{poster, settings};
    QuietStatus status;
    NoReconnects reconnects;
    KeptFolder folder;

    // Runs the dialog modally; while it runs, act is called with it once.
    int Run(const std::function<void(CReflashDialog&)>& act)
    {
        CReflashDialog dialog(connection, reconnects, &folder, status);
        RecordingWindow driver;
        driver.onMessage = [&](Message&) {
            if (dialog.IsOpen())
                act(dialog);
            return std::intptr_t{0};
        };
        driver.PostMessage(kUserMessage);
        return dialog.DoModal();
    }
};

TEST_F(CReflashDialogTest, AnEnabledLoggerKeepsTheDialogClosedUnlessTheUserStopsIt)
{
    connection.SetLoggerEnabled(true);
    Prompts().messageBoxAnswers = {kIdNo};
    EXPECT_EQ(Run([](CReflashDialog& dialog) { dialog.EndDialog(kIdAbort); }), kIdCancel);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    const MessageBoxRequest& box = Prompts().messageBoxes[0];
    EXPECT_EQ(box.caption, "Reflash");
    EXPECT_EQ(box.buttons, MessageBoxButtons::YesNo);
    EXPECT_EQ(box.icon, MessageBoxIcon::Question);
    EXPECT_TRUE(Prompts().fileDialogs.empty());
}

TEST_F(CReflashDialogTest, TheFileIsChosenFromTheReflashFolderAndNoChoiceClosesTheDialog)
{
    std::string info;
    bool retainChecked = false;
    EXPECT_EQ(Run([&](CReflashDialog& dialog) {
        info = dialog.GetControl(res::kIdcReflashInfo)->GetText();
        retainChecked = dialog.GetControlAs<ButtonControl>(res::kIdcReflashRetainRelay)->GetCheck() != 0;
        dialog.GetControlAs<ButtonControl>(res::kIdcReflashStart)->Click();
    }),
        kIdCancel);
    EXPECT_TRUE(retainChecked);
    EXPECT_EQ(info.rfind("This Reflash operation will update the operating firmware", 0), 0u);
    ASSERT_EQ(Prompts().fileDialogs.size(), 1u);
    const FileDialogRequest& request = Prompts().fileDialogs[0];
    EXPECT_TRUE(request.open);
    EXPECT_EQ(request.folder, "/fw/");
    EXPECT_EQ(request.fileName, "*.bin");
    EXPECT_EQ(request.filter, "Firmware Files (*.bin)| *.bin||");
    EXPECT_EQ(request.defaultExtension, "bin");
    EXPECT_TRUE(folder.kept.empty());

    // A chosen file's folder is kept; a file for another logger type is
    // refused and the dialog stays open for another choice.
    const auto wrong = WriteFirmwareFile("dialog-type5.bin", FirmwareImage(LoggerFirmwareFile::kVersionOffset + 4, 5));
    FileDialogResult chosen;
    chosen.paths = {wrong.string()};
    Prompts().fileDialogAnswers.push_back(chosen);
    bool stayedOpen = false;
    EXPECT_EQ(Run([&](CReflashDialog& dialog) {
        dialog.GetControlAs<ButtonControl>(res::kIdcReflashStart)->Click();
        stayedOpen = dialog.IsOpen() && dialog.Reflash().State() == LoggerReflash::kSelect;
        dialog.GetControlAs<ButtonControl>(kIdOk)->Click();
    }),
        kIdOk);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(folder.kept, std::vector<std::string>{wrong.string()});
    EXPECT_EQ(Prompts().messageBoxes.back().text, "error, bin file does not match logger type");
}

}  // namespace
}  // namespace c_reflash_dialog_test
}  // namespace corvane::test
