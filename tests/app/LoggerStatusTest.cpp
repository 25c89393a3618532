// The logger's status, and enabling and stopping it, from the Communication
// Window's menu and picture, through the whole program against the
// simulated logger.
#include "LoggerConnectionTest.h"

#include "halvix/protocol/RequestTypes.h"
#include "logger/CEnableIntMem.h"
#include "logger/CStatusDialog.h"
#include "platform/ButtonControl.h"
#include "platform/FrameAutomation.h"
#include "platform/ListBoxControl.h"
#include "res/LoggerStatusIds.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace corvane::test {
namespace logger_status_test {
namespace {

namespace fa = frame_automation;

constexpr std::uint32_t kWatchdog = 0x20;
constexpr std::uint32_t kClockBatteryLow = 0x200;
constexpr std::uint32_t kInternalMemory = 0x80000;
// The logger status item of the picture.
constexpr Point kStatusItem{596, 261};
// Bounds that only keep a broken build from hanging; no timing is asserted.
constexpr int kLimitRounds = 600;

class LoggerStatusTest : public LoggerConnectionTest {
protected:
    void Connect(const std::function<void(LoggerState&)>& adjust)
    {
        ASSERT_NO_FATAL_FAILURE(StartLogger(false, false, LoggerState{}.firmwareVersion, adjust));
        ASSERT_NO_FATAL_FAILURE(StartProgram());
        ASSERT_NO_FATAL_FAILURE(SaveConnections());
        ConnectThroughTheDialog("Plant network");
        ASSERT_TRUE(Shell().Connection().IsConnected());
    }

    // Starts a command and, while the status or enable dialog it opens is
    // up, calls drive every 50 ms until the dialog is closed; a dialog still
    // open after the bound is ended. A dialog that opens on a reply, after
    // the command has returned, is waited for.
    void WhileDialogOpen(const std::function<void()>& start, const std::function<void(Dialog&)>& drive)
    {
        RecordingWindow driver;
        int rounds = 0;
        bool opened = false;
        driver.onMessage = [&](Message&) {
            Dialog* dialog = view_->OpenLoggerDialog();
            if (dialog == nullptr)
                return std::intptr_t{0};
            opened = true;
            drive(*dialog);
            if (++rounds > kLimitRounds && view_->OpenLoggerDialog() != nullptr) {
                ADD_FAILURE() << "the dialog did not close";
                dialog->EndDialog(kIdAbort);
            }
            return std::intptr_t{0};
        };
        driver.SetTimer(1, 50);
        start();
        for (int round = 0; round < kLimitRounds && !opened; ++round)
            App().WaitMilliseconds(20);
        EXPECT_TRUE(opened) << "no dialog opened";
        driver.KillTimer(1);
        App().ProcessPending();
    }

    // Runs the message loop until done, or a bound.
    void WaitUntil(const std::function<bool()>& done)
    {
        for (int round = 0; round < kLimitRounds && !done(); ++round)
            App().WaitMilliseconds(20);
        App().ProcessPending();
    }

    std::vector<std::uint16_t> RequestsSince(std::size_t start) const
    {
        const std::vector<std::uint16_t> all = logger_->RequestTypes();
        return {all.begin() + static_cast<std::ptrdiff_t>(std::min(start, all.size())), all.end()};
    }

    bool Choose(int command) { return fa::ChooseMenuItem(*Shell().MainFrame(), command); }
};

TEST_F(LoggerStatusTest, StatusFromTheMenuClearsASessionFlagAndThePictureShowsItCleared)
{
    ASSERT_NO_FATAL_FAILURE(Connect([](LoggerState& state) {
        state.serialNumber = 123456;
        state.statusWord |= kWatchdog | kClockBatteryLow;
        state.AddRuntimeMessage(1700000000, "Logger was reset by user");
        state.AddRuntimeMessage(1700000060, "Logging session halted by user");
    }));

    bool clicked = false;
    std::vector<std::string> lines;
    std::string mode;
    WhileDialogOpen([&] { EXPECT_TRUE(Choose(CLaunchView::kViewLoggerStatusCommand)); },
        [&](Dialog& dialog) {
            auto& status = dynamic_cast<CStatusDialog&>(dialog);
            if (status.Caption() != "Logger Status     SN 123456")
                return;
            if (!clicked) {
                clicked = true;
                auto* list = dialog.GetControlAs<ListBoxControl>(res::kIdcStatusMessages);
                for (int i = 0; i < list->GetCount(); ++i)
                    lines.push_back(list->GetText(i));
                mode = dialog.GetControl(res::kIdcStatusMode)->GetText();
                EXPECT_TRUE(dialog.SaveImage(OutputFile("LoggerStatusFromTheMenu.png").string()));
                dialog.GetControlAs<ButtonControl>(res::kIdcFlagWatchdog)->Click();
                dialog.GetControlAs<ButtonControl>(res::kIdcFlagClockLow)->Click();
            } else if ((logger_->State().statusWord & kWatchdog) == 0) {
                dialog.EndDialog(kIdOk);
            }
        });
    ASSERT_TRUE(clicked);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("Logger was reset by user"), std::string::npos);
    EXPECT_NE(lines[1].find("Logging session halted by user"), std::string::npos);
    EXPECT_EQ(mode, "Stopped. Using Internal Memory");
    EXPECT_EQ(logger_->State().statusWord & (kWatchdog | kClockBatteryLow), kClockBatteryLow);
    EXPECT_TRUE(Prompts().messageBoxes.empty());

    // A double-click on the picture's status item opens it again.
    std::vector<int> checks;
    WhileDialogOpen(
        [&] { EXPECT_TRUE(fa::SendMouse(*view_, fa::MouseAction::DoubleClick, MouseButton::Left, kStatusItem)); },
        [&](Dialog& dialog) {
            if (dynamic_cast<CStatusDialog&>(dialog).Caption().find("SN") == std::string::npos)
                return;
            checks = {dialog.GetControlAs<ButtonControl>(res::kIdcFlagWatchdog)->GetCheck(),
                dialog.GetControlAs<ButtonControl>(res::kIdcFlagClockLow)->GetCheck()};
            dialog.EndDialog(kIdOk);
        });
    EXPECT_EQ(checks, (std::vector<int>{0, 1}));
}

TEST_F(LoggerStatusTest, EnableWithACardAsksOnceRetriesABusyLoggerAndStopEndsTheSession)
{
    // The logger answers the first two enable requests busy.
    ASSERT_NO_FATAL_FAILURE(Connect([](LoggerState& state) { state.runBusyAnswers = 2; }));
    const std::size_t start = logger_->RequestTypes().size();
    Prompts().messageBoxAnswers = {kIdYes};
    EXPECT_TRUE(Choose(CLaunchView::kEnableLoggingCommand));
    WaitUntil([&] { return Shell().Connection().IsLoggerEnabled(); });
    EXPECT_TRUE(logger_->State().running);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Enable Logger?");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Enable Logger");
    const std::vector<std::uint16_t> sent = RequestsSince(start);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), kRequestRun), 3) << "two busy answers, then enabled";
    EXPECT_EQ(std::count(sent.begin(), sent.end(), kRequestEraseAll), 0);
    EXPECT_EQ(view_->EnableStep(), 5);
    EXPECT_EQ(view_->RunState(), CLaunchView::kRunEnabled);

    // Enabling an enabled logger, from the picture's Enable button, says so
    // and sends no enable request.
    Prompts().messageBoxes.clear();
    const std::size_t again = logger_->RequestTypes().size();
    EXPECT_TRUE(fa::SendMouse(*view_, fa::MouseAction::DoubleClick, MouseButton::Left, {947, 218}));
    WaitUntil([&] { return !Prompts().messageBoxes.empty(); });
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Logger is already enabled");
    const std::vector<std::uint16_t> second = RequestsSince(again);
    EXPECT_EQ(std::count(second.begin(), second.end(), kRequestRun), 0);

    // Stop, from the picture's Stop button.
    Prompts().messageBoxes.clear();
    Prompts().messageBoxAnswers = {kIdYes};
    EXPECT_TRUE(fa::SendMouse(*view_, fa::MouseAction::DoubleClick, MouseButton::Left, {947, 249}));
    WaitUntil([&] { return !Shell().Connection().IsLoggerEnabled(); });
    EXPECT_FALSE(logger_->State().running);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Stop Logger?");
    EXPECT_EQ(view_->RunState(), CLaunchView::kRunStopped);
    EXPECT_EQ(view_->RequestedRunChange(), 0);
    EXPECT_EQ(logger_->State().runtimeMessages.back().text, "Logging session halted by user");
}

TEST_F(LoggerStatusTest, EnableWithDataInTheInternalMemoryErasesFirstOrAppends)
{
    ASSERT_NO_FATAL_FAILURE(Connect([](LoggerState& state) {
        state.statusWord = kInternalMemory;  // no card in the logger
        state.logMemoryKb = 4096;
        state.logUsedKb = 1000;
    }));
    struct Case {
        const char* name;
        int button;
        std::vector<std::uint16_t> requests;  // erase and enable requests, in order
    };
    const Case cases[] = {
        {"enable and append", res::kIdcEnableAppend, {kRequestRun}},
        {"erase and enable", res::kIdcEnableErase, {kRequestEraseAll, kRequestRun}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t start = logger_->RequestTypes().size();
        std::string text;
        WhileDialogOpen([&] { EXPECT_TRUE(Choose(CLaunchView::kEnableLoggingCommand)); },
            [&](Dialog& dialog) {
                text = dialog.GetControl(res::kIdcEnableMemoryText)->GetText();
                EXPECT_TRUE(dialog.SaveImage(OutputFile("EnableIntMemWholeProgram.png").string()));
                dialog.GetControlAs<ButtonControl>(c.button)->Click();
            });
        EXPECT_NE(text.find("Internal memory size is 4096 KBytes and has 3096 KBytes free."), std::string::npos)
            << text;

        WaitUntil([&] { return Shell().Connection().IsLoggerEnabled(); });
        EXPECT_TRUE(logger_->State().running);
        std::vector<std::uint16_t> sent = RequestsSince(start);
        std::erase_if(sent, [](std::uint16_t type) { return type != kRequestEraseAll && type != kRequestRun; });
        EXPECT_EQ(sent, c.requests);
        EXPECT_TRUE(Prompts().messageBoxes.empty());

        // Stopped again for the next case, straight from the menu.
        Prompts().messageBoxAnswers = {kIdYes};
        EXPECT_TRUE(Choose(CLaunchView::kStopLoggingCommand));
        WaitUntil([&] { return !logger_->State().running && !Shell().Connection().IsLoggerEnabled(); });
        Prompts().messageBoxes.clear();
    }
    EXPECT_EQ(logger_->State().logUsedKb, 0u) << "erased";
}

}  // namespace
}  // namespace logger_status_test
}  // namespace corvane::test
