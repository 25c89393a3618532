// The logger's clock and reset through the whole program against the
// simulated logger: Set Logger Time from the menu and the toolbar (an offset
// sent, read-only while the logger is enabled, an Internet time change that
// resets the logger and reconnects), and Reset Logger (the logger back, or
// the failure left for the user to read).
#include "LoggerConnectionTest.h"

#include "TestOutput.h"
#include "halvix/protocol/RequestTypes.h"
#include "logger/CLoggerTimeDlg.h"
#include "logger/CResetLoggerDialog.h"
#include "platform/FrameAutomation.h"
#include "res/ClockIds.h"
#include "res/ToolbarCommands.h"
#include "shell/Waits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace corvane::test {
namespace logger_clock_test {
namespace {

namespace fa = frame_automation;

class LoggerClockTest : public LoggerConnectionTest {
protected:
    void Connect(const std::function<void(LoggerState&)>& adjust = {})
    {
        StartLogger(false, false, LoggerState{}.firmwareVersion, adjust);
        SaveConnections();
        StartProgram();
        ConnectThroughTheDialog("Plant network");
        ASSERT_TRUE(Shell().Connection().IsConnected());
    }

    // Runs the command, then lets the program run, with drive called every
    // 50 ms on the logger dialog the command opened, until finished() holds
    // after the dialog has gone (a bound only keeps a broken build from
    // hanging).
    template <class D>
    void RunCommand(int command, const std::function<void(D&)>& drive, bool viaToolbar = false)
    {
        RunDialog<D>(
            [&] {
                CMainFrame& frame = *Shell().MainFrame();
                return viaToolbar ? fa::ClickToolBarButton(frame, command) : fa::ChooseMenuItem(frame, command);
            },
            drive);
    }

    // The same, with the dialog opened by start.
    template <class D> void RunDialog(const std::function<bool()>& start, const std::function<void(D&)>& drive)
    {
        RecordingWindow driver;
        bool seen = false;
        driver.onMessage = [&](Message&) {
            if (auto* dialog = dynamic_cast<D*>(view_->OpenLoggerDialog())) {
                seen = true;
                drive(*dialog);
            }
            return std::intptr_t{0};
        };
        driver.SetTimer(1, 50);
        ASSERT_TRUE(start());
        for (int round = 0; round < 1200 && (!seen || view_->OpenLoggerDialog() != nullptr); ++round)
            WaitMilliseconds(50);
        driver.KillTimer(1);
        EXPECT_TRUE(seen) << "the dialog did not open";
        if (Dialog* left = view_->OpenLoggerDialog()) {
            ADD_FAILURE() << "the dialog stayed open";
            left->EndDialog(kIdAbort);
        }
        App().ProcessPending();
    }

    bool Boxed(std::string_view text) const
    {
        const auto& boxes = const_cast<LoggerClockTest*>(this)->Prompts().messageBoxes;
        return std::any_of(boxes.begin(), boxes.end(), [&](const MessageBoxRequest& box) { return box.text == text; });
    }

    bool Took(std::uint16_t type) const
    {
        const auto types = logger_->RequestTypes();
        return std::find(types.begin(), types.end(), type) != types.end();
    }

    static std::string Text(const Dialog& dialog, int id) { return dialog.GetControl(id)->GetText(); }
};

TEST_F(LoggerClockTest, AnOffsetTypedInTheClockDialogOpenedFromThePictureReachesTheLoggerAndTheProgram)
{
    Connect();
    int phase = 0;
    // A double-click on the logger's clock in the picture.
    const auto doubleClick = [&] {
        const Point clock{596, 296};
        return fa::SendMouse(*view_, fa::MouseAction::Press, MouseButton::Left, clock)
            && fa::SendMouse(*view_, fa::MouseAction::Release, MouseButton::Left, clock)
            && fa::SendMouse(*view_, fa::MouseAction::DoubleClick, MouseButton::Left, clock);
    };
    RunDialog<CLoggerTimeDlg>(doubleClick, [&](CLoggerTimeDlg& dialog) {
        if (phase == 0 && Text(dialog, res::kIdcTimeServerName) == "pool.ntp.org") {
            dialog.GetControl(res::kIdcLoggerOffsetHours)->SetText("+2");
            phase = 1;
        } else if (phase == 1 && Text(dialog, res::kIdcLoggerOffsetText) == "+2") {
            dialog.GetControlAs<ButtonControl>(res::kIdcDaylightCheck)->Click();
            (void)dialog.SaveImage(OutputFile("ProgramSetLoggerClock.png").string());
            phase = 2;
            dialog.GetControlAs<ButtonControl>(res::kIdcUpdateClock)->Click();
        }
    });
    EXPECT_EQ(phase, 2);
    EXPECT_EQ(logger_->State().timeZoneMinutes, -120);
    EXPECT_EQ(logger_->State().daylightRule, 1);
    EXPECT_EQ(Shell().TimeZone().OffsetMinutes(), -120);
    EXPECT_EQ(Shell().TimeZone().Flags(), 1u);
    EXPECT_FALSE(Took(kRequestReset));
    EXPECT_TRUE(Took(kRequestGetRunState));
    EXPECT_TRUE(Shell().Connection().IsConnected());
}

TEST_F(LoggerClockTest, AnEnabledLoggersClockIsShownReadOnlyAfterTheQuestion)
{
    Connect([](LoggerState& state) { state.running = true; });
    bool disabled = false;
    RunCommand<CLoggerTimeDlg>(
        res::toolbar_command::kSetLoggerTime,
        [&](CLoggerTimeDlg& dialog) {
            if (Text(dialog, res::kIdcLoggerTimeText).empty())
                return;
            disabled = !dialog.GetControl(res::kIdcUpdateClock)->IsEnabled();
            (void)dialog.SaveImage(OutputFile("ProgramSetLoggerClockReadOnly.png").string());
            dialog.GetControlAs<ButtonControl>(kIdCancel)->Click();
        },
        true);
    EXPECT_TRUE(disabled);
    EXPECT_TRUE(Boxed("The clock time cannot be updated while the logger is enabled\nsince it may disrupt the "
                      "behavior of program net timing icons.\n\nClick OK to show the current logger time and clock "
                      "settings."));
    EXPECT_FALSE(Took(kRequestQuvTimeSet));
}

TEST_F(LoggerClockTest, AnInternetTimeChangeResetsTheLoggerAndTheProgramReconnects)
{
    Connect();
    bool clicked = false;
    RunCommand<CLoggerTimeDlg>(CLaunchView::kSetLoggerTimeCommand, [&](CLoggerTimeDlg& dialog) {
        if (clicked || Text(dialog, res::kIdcTimeServerName) != "pool.ntp.org")
            return;
        clicked = true;
        dialog.GetControlAs<ButtonControl>(res::kIdcInternetTimeCheck)->Click();
        dialog.GetControlAs<ButtonControl>(res::kIdcUpdateClock)->Click();
    });
    EXPECT_TRUE(Boxed(CLoggerTimeDlg::kRebootText));
    EXPECT_TRUE(Boxed(CResetLoggerDialog::kQuestionText));
    EXPECT_TRUE(Took(kRequestReset));
    EXPECT_EQ(logger_->State().daylightRule & 2, 2);
    EXPECT_TRUE(Shell().Connection().IsConnected());
    EXPECT_TRUE(view_->IsConnected());
    EXPECT_TRUE(Shell().MainFrame()->UsbLinkCheckEnabled());
    EXPECT_FALSE(Boxed("Network comm with the logger has been lost. Please try to reconnect."));
}

TEST_F(LoggerClockTest, AResetUsbLoggerIsNotReportedLostWhileItRestarts)
{
    // A USB logger whose device comes back on a new pseudo-terminal after
    // the restart, as a plugged logger does.
    LoggerState state = LoggerState::Fresh();
    state.fullAccess = 0;
    const std::filesystem::path folder = Scratch() / "logger";
    std::filesystem::create_directories(folder);
    ASSERT_FALSE(SaveLoggerState(folder, state));
    SimulatorOptions options;
    options.stateFolder = folder;
    options.pty = true;
    options.onPtyPath = [tree = UsbTree()](const std::string& path) { EXPECT_EQ(tree.Write(path), ""); };
    logger_ = std::make_unique<SimulatedLogger>(options);
    ASSERT_TRUE(logger_->Start()) << logger_->StartError();
    SaveConnections();
    StartProgram();
    ConnectThroughTheDialog("Bench USB");
    ASSERT_TRUE(Shell().Connection().IsConnected());

    RunCommand<CResetLoggerDialog>(CLaunchView::kResetLoggerCommand, [](CResetLoggerDialog& dialog) {
        if (dialog.Sequence().Current() == ResetSequence::State::Failed) {
            ADD_FAILURE() << dialog.StatusText();
            dialog.GetControlAs<ButtonControl>(kIdOk)->Click();
        }
    });
    EXPECT_TRUE(Took(kRequestReset));
    EXPECT_TRUE(Shell().Connection().IsConnected());
    EXPECT_FALSE(Boxed("USB comm with the logger has been lost. Please try to reconnect."));
    EXPECT_TRUE(Shell().MainFrame()->UsbLinkCheckEnabled());
}

TEST_F(LoggerClockTest, AResetLoggerComesBackOrItsFailureIsLeftToRead)
{
    Connect();
    RunCommand<CResetLoggerDialog>(CLaunchView::kResetLoggerCommand, [](CResetLoggerDialog&) {});
    EXPECT_TRUE(Took(kRequestReset));
    EXPECT_TRUE(Shell().Connection().IsConnected());
    EXPECT_TRUE(Shell().MainFrame()->UsbLinkCheckEnabled());

    // The logger comes back but refuses the handshake's state request.
    SimFault refusal;
    refusal.kind = SimFault::Kind::ErrorReply;
    refusal.requestType = kRequestStateGet;
    refusal.code = 0x77;
    refusal.text = "Not ready";
    refusal.count = 1;
    logger_->InjectFault(refusal);
    bool failedShown = false;
    RunCommand<CResetLoggerDialog>(CLaunchView::kResetLoggerCommand, [&](CResetLoggerDialog& dialog) {
        if (dialog.Sequence().Current() != ResetSequence::State::Failed)
            return;
        failedShown = dialog.StatusText() == ResetSequence::kFailedText;
        (void)dialog.SaveImage(OutputFile("ProgramResetLoggerFailed.png").string());
        dialog.GetControlAs<ButtonControl>(kIdOk)->Click();
    });
    EXPECT_TRUE(failedShown);
    EXPECT_FALSE(Shell().Connection().IsConnected());
    EXPECT_FALSE(view_->IsConnected());
    EXPECT_TRUE(Shell().MainFrame()->UsbLinkCheckEnabled());
}

}  // namespace
}  // namespace logger_clock_test
}  // namespace corvane::test
