// The diagnostic log through the whole program against the simulated
// logger, from the Communication Window's menu: the levels are read,
// changed and the log started; the log is downloaded, converted and listed,
// a saved file is viewed, and the log is cleared.
#include "LoggerConnectionTest.h"

#include "app/CFolderOptions.h"
#include "halvix/HalvixLib.h"
#include "halvix/protocol/RequestTypes.h"
#include "logger/CDiagnosticFilesDialog.h"
#include "logger/CDiagnosticLogSettingsDlgQuv.h"
#include "logger/CDiagnosticLogViewer.h"
#include "loggersim/DiagnosticLogFile.h"
#include "platform/ComboBoxControl.h"
#include "platform/ControlAutomation.h"
#include "platform/FrameAutomation.h"
#include "res/DiagnosticLogIds.h"
#include "PinnedTimeZone.h"
#include "TestOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace corvane::test {
namespace diagnostic_log_road_test {
namespace {

namespace fa = frame_automation;
using DiagnosticLogRoadTest = LoggerConnectionTest;

std::vector<std::string> ListRows(const CDiagnosticLogViewer& viewer)
{
    std::vector<std::string> rows;
    const auto* list = viewer.GetControlAs<ListViewControl>(res::kIdcDiagnosticEventList);
    for (int row = 0; list != nullptr && row < list->GetItemCount(); ++row)
        rows.push_back(list->GetItemText(row, 0) + "  " + list->GetItemText(row, 1));
    return rows;
}

std::vector<std::string> FileLines(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST_F(DiagnosticLogRoadTest, LevelsDownloadViewAndClearFromTheMenu)
{
    const PinnedTimeZone zone("UTC0");
    const std::filesystem::path loggerFolder = Scratch() / "logger";
    std::filesystem::create_directories(loggerFolder);
    ASSERT_FALSE(SaveDiagnosticLog(loggerFolder, GenerateDiagnosticLog(1, 1500)));
    StartLogger(false, false);
    StartProgram();
    SaveConnections();
    ConnectThroughTheDialog("Plant network");
    ASSERT_TRUE(Shell().Connection().IsConnected());
    CMainFrame& frame = *Shell().MainFrame();
    ASSERT_TRUE(fa::LookAtMenuItem(frame, CLaunchView::kLoggerDiagnosticsCommand).enabled);

    const std::filesystem::path saved = Scratch() / "events.dlf";
    auto answerFile = [&] {
        FileDialogResult result;
        result.paths = {saved.string()};
        Prompts().fileDialogAnswers.push_back(result);
    };
    // Clicks that open a dialog run from a posted message, so that the
    // watcher's timer goes on while the dialog is open.
    RecordingWindow clicker;
    std::deque<std::function<void()>> clicks;
    clicker.onMessage = [&](Message&) {
        if (!clicks.empty()) {
            auto click = std::move(clicks.front());
            clicks.pop_front();
            click();
        }
        return std::intptr_t{0};
    };
    auto clickLater = [&](Dialog& dialog, int id) {
        clicks.push_back([&dialog, id] { dialog.GetControlAs<ButtonControl>(id)->Click(); });
        clicker.PostMessage(kUserMessage);
    };

    int step = 0;
    int rounds = 0;
    std::vector<std::string> converted;
    std::vector<std::string> viewed;
    RecordingWindow watcher;
    watcher.onMessage = [&](Message&) {
        Dialog* modal = control_automation::OpenModalDialog();
        auto* settings = dynamic_cast<CDiagnosticLogSettingsDlgQuv*>(modal);
        auto* files = dynamic_cast<CDiagnosticFilesDialog*>(modal);
        auto* viewer = dynamic_cast<CDiagnosticLogViewer*>(modal);
        if (++rounds > 2000 && modal != nullptr) {
            ADD_FAILURE() << "stuck at step " << step;
            modal->EndDialog(kIdAbort);
            return std::intptr_t{0};
        }
        switch (step) {
        case 0:  // the levels have come: the files dialog
            if (settings == nullptr || settings->PendingOp() != CDiagnosticLogSettingsDlgQuv::Pending::None)
                break;
            EXPECT_TRUE(settings->GetControl(res::kIdcDiagnosticLevelFirst + 1)->IsEnabled());
            EXPECT_TRUE(settings->SaveImage(OutputFile("DiagnosticLogSettingsInProgram.png").string()));
            step = 1;
            clickLater(*settings, res::kIdcDiagnosticFiles);
            break;
        case 1:  // download the logger's log into the chosen file
            if (files == nullptr)
                break;
            EXPECT_TRUE(files->SaveImage(OutputFile("DiagnosticFilesInProgram.png").string()));
            answerFile();
            step = 2;
            files->GetControlAs<ButtonControl>(res::kIdcDiagnosticDownload)->Click();
            break;
        case 2:  // converted and listed
            if (viewer == nullptr || !viewer->Finished())
                break;
            converted = ListRows(*viewer);
            EXPECT_TRUE(viewer->SaveImage(OutputFile("DiagnosticLogViewerInProgram.png").string()));
            step = 3;
            viewer->EndDialog(kIdOk);
            break;
        case 3:  // back in the settings: the files dialog again, to view the saved file
            if (settings == nullptr)
                break;
            step = 4;
            clickLater(*settings, res::kIdcDiagnosticFiles);
            break;
        case 4:
            if (files == nullptr)
                break;
            answerFile();
            step = 5;
            clickLater(*files, res::kIdcDiagnosticViewSaved);
            break;
        case 5:
            if (viewer == nullptr || !viewer->Finished())
                break;
            viewed = ListRows(*viewer);
            step = 6;
            viewer->EndDialog(kIdOk);
            break;
        case 6:  // clear the log, change a level and start
            if (settings == nullptr)
                break;
            step = 7;
            settings->GetControlAs<ButtonControl>(res::kIdcDiagnosticClearLog)->Click();
            break;
        case 7:
            if (settings == nullptr || Prompts().messageBoxes.empty())
                break;
            settings->GetControlAs<ComboBoxControl>(res::kIdcDiagnosticLevelFirst + 4)->SetCurSel(3);
            step = 8;
            clickLater(*settings, kIdOk);
            break;
        default: break;
        }
        return std::intptr_t{0};
    };
    watcher.SetTimer(1, 20);
    ASSERT_TRUE(fa::ChooseMenuItem(frame, CLaunchView::kLoggerDiagnosticsCommand));
    watcher.KillTimer(1);
    EXPECT_EQ(step, 8);

    const std::vector<std::string> lines = FileLines(saved);
    EXPECT_FALSE(lines.empty());
    EXPECT_EQ(converted, lines);
    EXPECT_EQ(viewed, lines);
    EXPECT_FALSE(std::filesystem::exists(saved.string() + "~"));
    const auto types = logger_->RequestTypes();
    EXPECT_EQ(std::count(types.begin(), types.end(), kRequestDbFGet), 2);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Diagnostic log file is cleared.");
    EXPECT_EQ(logger_->State().diagnosticLevels[4], 3);
    // The log was emptied, then the start left its event in it.
    const std::vector<std::uint8_t> log = LoadDiagnosticLog(loggerFolder).bytes;
    EXPECT_GT(log.size(), 6u);
    EXPECT_LT(log.size(), 100u);
    // The chosen file's folder is where the file dialogs open next.
    ASSERT_NE(Shell().FolderOptions(), nullptr);
    EXPECT_EQ(Shell().FolderOptions()->MakeDiagnosticLogFilePath("*.dlf"), (Scratch() / "*.dlf").string());
}

TEST_F(DiagnosticLogRoadTest, AnErrorReplyAndATimeOutShowTheirTexts)
{
    StartLogger(false, false);
    StartProgram();
    SaveConnections();
    ConnectThroughTheDialog("Plant network");
    ASSERT_TRUE(Shell().Connection().IsConnected());
    CMainFrame& frame = *Shell().MainFrame();

    // Ends the settings dialog once a box has come, or after a bound that
    // only keeps a broken build from hanging.
    int rounds = 0;
    RecordingWindow watcher;
    watcher.onMessage = [&](Message&) {
        auto* settings = dynamic_cast<CDiagnosticLogSettingsDlgQuv*>(control_automation::OpenModalDialog());
        if (settings != nullptr && (!Prompts().messageBoxes.empty() || ++rounds > 1000))
            settings->EndDialog(kIdAbort);
        return std::intptr_t{0};
    };
    watcher.SetTimer(1, 20);

    SimFault refused;
    refused.kind = SimFault::Kind::ErrorReply;
    refused.requestType = kRequestQuvDbFCtl;
    refused.count = 1;
    refused.code = 0x4101;
    refused.text = "Diagnostics refused";
    logger_->InjectFault(refused);
    ASSERT_TRUE(fa::ChooseMenuItem(frame, CLaunchView::kLoggerDiagnosticsCommand));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_NE(Prompts().messageBoxes[0].text.find("Diagnostics refused"), std::string::npos)
        << Prompts().messageBoxes[0].text;

    Prompts().messageBoxes.clear();
    ASSERT_EQ(CxSetRetryTime(300), kCxOk);
    // The first sending and the library's two retries go unanswered.
    logger_->InjectFault(SimFault{SimFault::Kind::NoReply, kRequestQuvDbFCtl, 0, 0, {}, 3});
    rounds = 0;
    ASSERT_TRUE(fa::ChooseMenuItem(frame, CLaunchView::kLoggerDiagnosticsCommand));
    watcher.KillTimer(1);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "** TIMEOUT **");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Communication Timeout");
}

}  // namespace
}  // namespace diagnostic_log_road_test
}  // namespace corvane::test
