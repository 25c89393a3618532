// The Communication Window's commands through the whole program: the
// toolbar's buttons follow their commands and name them, and the program
// settings command sets the card reader's mount point that Scan Card reads
// and the message time-out that the next connection uses.
#include "LoggerConnectionTest.h"

#include "app/ProgramSettings.h"
#include "loggersim/CardImageWriter.h"
#include "loggersim/LoggedSessionGenerator.h"
#include "platform/FrameAutomation.h"
#include "platform/StatusBar.h"
#include "platform/ToolBar.h"
#include "res/ToolbarCommands.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace corvane::test {
namespace comm_window_commands_test {
namespace {

namespace fa = frame_automation;
using CommWindowCommandsTest = LoggerConnectionTest;

TEST_F(CommWindowCommandsTest, ToolbarButtonsOfAFreshProgramFollowTheirCommandsAndNameThem)
{
    StartProgram();
    CMainFrame& frame = *Shell().MainFrame();
    frame.UpdateCommandUi();
    const ToolBar& bar = *frame.GetToolBar(0);
    using namespace res::toolbar_command;
    struct Case {
        int command;
        bool enabled;  // not connected, nothing scanned
        const char* prompt;
    };
    const Case cases[] = {
        {kLoggerConnection, true, "Logger Connection..."},
        {kViewLoggerStatus, false, "View Logger Status"},
        {kViewProbePoints, false, "View Probe Point Values"},
        {kRemoteControls, false, "Access Remote Controls"},
        {kSetLoggerTime, false, "Set Logger Time"},
        {kDownloadData, false, "Download Data from Logger"},
        {kDownloadNet, false, "Download Net from Logger"},
        {kUploadNet, false, "Upload Net to Logger"},
        {kEnableLogging, false, "Enable Logging"},
        {kStopLogging, false, "Stop Logging"},
        {kClearMemory, false, "Clear Memory"},
        {kLoggerConfiguration, false, "Logger Configuration"},
        {kProgramDevelopment, true, "Program Development"},
        {kRealTimeTrending, true, "Real-Time Trending"},
    };
    ASSERT_EQ(bar.ButtonCount(), static_cast<int>(std::size(cases))) << "every button is in the table";
    for (int index = 0; index < bar.ButtonCount(); ++index) {
        const Case& c = cases[index];
        EXPECT_EQ(bar.CommandAt(index), c.command);
        EXPECT_EQ(bar.IsButtonEnabled(c.command), c.enabled) << c.prompt;
        EXPECT_EQ(bar.ButtonToolTip(c.command), c.prompt);
    }

    // A greyed button runs nothing but still says what it is.
    EXPECT_FALSE(fa::ClickToolBarButton(frame, kViewLoggerStatus));
    ASSERT_TRUE(fa::HoverToolBarButton(frame, kViewLoggerStatus));
    EXPECT_EQ(frame.GetStatusBar()->Prompt(), "View Logger Status");
    ASSERT_TRUE(fa::HoverToolBarButton(frame, kViewLoggerStatus, false));
    EXPECT_EQ(frame.GetStatusBar()->Prompt(), "");
    const fa::MenuItemLook status = fa::LookAtMenuItem(frame, kViewLoggerStatus);
    EXPECT_FALSE(status.enabled);
    EXPECT_EQ(status.prompt, "View Logger Status");
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

TEST_F(CommWindowCommandsTest, SettingsCommandAboveExitSetsTheMountPointScanCardReadsAndTheNextConnectionsTimeout)
{
    // A memory card with one session, in a folder that the mount table
    // shows as an SD card.
    const std::filesystem::path card = Scratch() / "card";
    LoggedSessionPlan plan;
    plan.startSeconds = 0x6720A000;
    plan.scanCount = 100;
    LoggedSessionGenerator session(LoggerState::Fresh(), plan);
    ASSERT_EQ(CardImageWriter(card).WriteSession(session), "");
    const std::filesystem::path media = Scratch() / "media";
    std::filesystem::create_directories(media / "block" / "mmcblk0");
    std::ofstream(media / "block" / "mmcblk0" / "size") << "62333952\n";
    std::ofstream(media / "mounts") << "/dev/mmcblk0 " << std::filesystem::canonical(card).string() << " vfat rw 0 0\n";
    StartProgram(media);
    CMainFrame& frame = *Shell().MainFrame();
    EXPECT_EQ(fa::MenuItemTexts(frame, "&File"), (std::vector<std::string>{"Corvane &Settings", "", "Recent File", "", "E&xit"}));

    ASSERT_TRUE(fa::ChooseMenuItem(frame, CLaunchView::kScanCardCommand));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Drive not Specified");
    EXPECT_EQ(Shell().Connection().GetMessageTimeout(), 5000u);

    bool drove = false;
    RecordingWindow driver;
    driver.onMessage = [&](Message&) {
        Dialog* dialog = Shell().OpenSettingsDialog();
        if (dialog == nullptr)
            return std::intptr_t{0};
        drove = true;
        dialog->GetControl(res::kIdcCardDriveLetter)->SetText(card.string());
        dialog->GetControl(res::kIdcMessageTimeout)->SetText("12");
        dialog->GetControlAs<ButtonControl>(kIdOk)->Click();
        if (dialog->IsOpen()) {
            ADD_FAILURE() << "the settings dialog stayed open";
            dialog->EndDialog(kIdAbort);
        }
        return std::intptr_t{0};
    };
    driver.PostMessage(kUserMessage);
    ASSERT_TRUE(fa::ChooseMenuItem(frame, CLaunchView::kProgramSettingsCommand));
    EXPECT_TRUE(drove);
    EXPECT_EQ(*Shell().Settings().GetValue(kSdCardKey, "DriveLetter")->AsString(), card.string());

    // Scan Card finds the card and its session; the card's download opens up.
    Prompts().messageBoxes.clear();
    ASSERT_TRUE(fa::ChooseMenuItem(frame, CLaunchView::kScanCardCommand));
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_TRUE(view_->IsCardAnalysed());
    EXPECT_TRUE(fa::LookAtMenuItem(frame, CLaunchView::kDownloadCardDataCommand).enabled);

    // The new message time-out counts from the next connection.
    EXPECT_EQ(Shell().Connection().GetMessageTimeout(), 5000u);
    StartLogger(false, false);
    SaveConnections();
    ConnectThroughTheDialog("Plant network");
    ASSERT_TRUE(Shell().Connection().IsConnected());
    EXPECT_EQ(Shell().Connection().GetMessageTimeout(), 12000u);
}

}  // namespace
}  // namespace comm_window_commands_test
}  // namespace corvane::test
