// The logger firmware reflash through the whole program against the
// simulated logger: Reflash Firmware from the Communication Window's menu,
// the file refused for another logger type, a 1 MiB file sent in blocks,
// the logger restarting and the program reconnecting (also on the
// two-minute path of a logger on a cell modem), each failure, and the
// refusal for a user without the right. The dialog's one-second timer runs
// on a clock the test moves on, so the waits of minutes take moments while
// the link keeps real time.
#include "LoggerConnectionTest.h"

#include "halvix/HalvixLib.h"
#include "loggersim/SimFault.h"
#include "logger/CReflashDialog.h"
#include "platform/FrameAutomation.h"
#include "platform/LogBoxControl.h"
#include "res/ReflashIds.h"
#include "tests/logger/FirmwareImages.h"
#include "tests/platform/ShiftableSteadyClock.h"
#include "tests/platform/TestOutput.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace corvane::test {
namespace logger_reflash_test {
namespace {

namespace fa = frame_automation;
using SteadyTime = std::chrono::steady_clock;

constexpr std::size_t kMiB = 1024 * 1024;
constexpr int kRealSecondsBeforePolling = 8;

class LoggerReflashTest : public LoggerConnectionTest {
protected:
    LoggerReflashTest() : LoggerConnectionTest(std::make_unique<ShiftableSteadyClock>()) {}

    ShiftableSteadyClock& Clock() { return dynamic_cast<ShiftableSteadyClock&>(App().GetClock()); }

    // The program connected over the network to a logger; adjust changes
    // the logger's state first.
    void Connect(const std::function<void(LoggerState&)>& adjust = {})
    {
        StartProgram();
        StartLogger(false, false, LoggerState{}.firmwareVersion, adjust);
        SaveConnections();
        ConnectThroughTheDialog("Plant network");
        ASSERT_TRUE(Shell().Connection().IsConnected());
        Prompts().messageBoxes.clear();
    }

    void ChooseFile(const std::filesystem::path& path)
    {
        FileDialogResult result;
        result.paths = {path.string()};
        Prompts().fileDialogAnswers.push_back(result);
    }

    // Runs Reflash Firmware from the menu; each round of the 50 ms driver
    // while the dialog is open calls drive with it until drive returns
    // false, then the dialog is closed with its OK button. Most of the wait
    // for the logger's restart is skipped.
    void RunReflash(const std::function<bool(CReflashDialog&)>& drive)
    {
        RecordingWindow driver;
        const auto started = SteadyTime::now();
        driver.onMessage = [&](Message&) {
            CReflashDialog* dialog = view_->OpenReflashDialog();
            // A closed dialog may still wait for its hidden connect dialog
            // to come out of a wait of its own.
            if (dialog != nullptr && !dialog->IsOpen() && shiftAlways_)
                Clock().Shift(1000);
            if (dialog == nullptr || !dialog->IsOpen())
                return std::intptr_t{0};
            const LoggerReflash& reflash = dialog->Reflash();
            // The last seconds before the polling run in real time, longer
            // than the simulated logger takes to restart.
            if (shiftAlways_
                || (reflash.State() == LoggerReflash::kWaitReconnect
                    && reflash.TickCount() < reflash.WaitSeconds() - kRealSecondsBeforePolling))
                Clock().Shift(1000);
            if (!drive(*dialog)) {
                dialog->GetControlAs<ButtonControl>(kIdOk)->Click();
                return std::intptr_t{0};
            }
            // A bound that only keeps a broken build from hanging.
            if (SteadyTime::now() - started > std::chrono::seconds(150)) {
                ADD_FAILURE() << "the reflash dialog did not finish";
                dialog->EndDialog(kIdAbort);
            }
            return std::intptr_t{0};
        };
        driver.SetTimer(1, 50);
        ASSERT_TRUE(fa::ChooseMenuItem(*Shell().MainFrame(), CLaunchView::kReflashFirmwareCommand));
        driver.KillTimer(1);
        App().ProcessPending();
    }

    static std::vector<std::string> Log(const CReflashDialog& dialog)
    {
        std::vector<std::string> lines;
        const auto* log = dialog.GetControlAs<LogBoxControl>(res::kIdcReflashLog);
        for (int i = 0; log != nullptr && i < log->GetLineCount(); ++i)
            lines.push_back(log->GetLine(i));
        return lines;
    }

    static bool Logged(const CReflashDialog& dialog, std::string_view line)
    {
        const auto lines = Log(dialog);
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    // The clock moves on a second every round while the dialog runs.
    bool shiftAlways_ = false;

    std::vector<std::string> BoxTexts()
    {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& box : Prompts().messageBoxes)
            texts.push_back(box.caption + "|" + box.text);
        return texts;
    }
};

TEST_F(LoggerReflashTest, AMegabyteOfFirmwareRestartsTheLoggerAndTheProgramReconnects)
{
    Connect([](LoggerState& state) { state.running = true; });
    ASSERT_TRUE(Shell().Connection().IsLoggerEnabled());
    ASSERT_EQ(CxSetRetryTime(3000), kCxOk);
    const auto wrongType = WriteFirmwareFile("reflash-type4.bin", FirmwareImage(kMiB, 4));
    const auto good = WriteFirmwareFile("reflash-1mib.bin", FirmwareImage(kMiB, 3));
    ChooseFile(wrongType);
    ChooseFile(good);
    // Yes to stopping the logger; the rest take their first button.
    Prompts().messageBoxAnswers = {kIdYes};
    int presses = 0;
    std::uint32_t retryDuring = 0;
    std::vector<std::string> log;
    RunReflash([&](CReflashDialog& dialog) {
        const LoggerReflash& reflash = dialog.Reflash();
        if (reflash.State() == LoggerReflash::kSelect && presses < 2 && !logger_->State().running) {
            ++presses;
            dialog.GetControlAs<ButtonControl>(res::kIdcReflashStart)->Click();
            // The file of another logger type leaves the dialog waiting for another choice.
            if (presses == 1) {
                EXPECT_EQ(reflash.State(), LoggerReflash::kSelect);
            }
            return true;
        }
        if (reflash.State() == LoggerReflash::kBlocks && retryDuring == 0)
            (void)CxGetRetryTime(retryDuring);
        if (reflash.State() != LoggerReflash::kComplete && reflash.State() != LoggerReflash::kFailed)
            return true;
        log = Log(dialog);
        EXPECT_EQ(dialog.GetControl(kIdOk)->GetText(), "Close");
        EXPECT_TRUE(dialog.SaveImage(OutputFile("ReflashDialog.png").string()));
        return false;
    });
    EXPECT_EQ(retryDuring, 2400u);
    std::uint32_t retryAfter = 0;
    ASSERT_EQ(CxGetRetryTime(retryAfter), kCxOk);
    EXPECT_EQ(retryAfter, 3000u);

    const std::vector<std::string> boxes = BoxTexts();
    ASSERT_GE(boxes.size(), 3u);
    EXPECT_EQ(boxes[0], "Reflash|The logger cannot be reflashed while enabled. \n\nDo you want to stop the logging "
                        "session and\ncontinue the reflash operation?");
    EXPECT_EQ(boxes[1], "Reflash|error, bin file does not match logger type");
    EXPECT_EQ(boxes[2], "Reflash|Reflash file 03.01.02.03 is selected.\n\nContinue?");
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "Opening File " + wrongType.string());
    EXPECT_EQ(log.back(), "Reflash Complete...");
    EXPECT_NE(std::find(log.begin(), log.end(), "Begin poll for reflash completion"), log.end());
    // The logger took the new firmware; the program is connected to it again.
    EXPECT_EQ(logger_->State().firmwareVersion, 0x03010203u);
    EXPECT_TRUE(Shell().Connection().IsConnected());
    EXPECT_FALSE(Shell().Connection().IsReflashing());
    EXPECT_EQ(Shell().Connection().GetFirmwareVersion(), 0x03010203u);
    EXPECT_EQ(Prompts().fileDialogs.at(0).filter, "Firmware Files (*.bin)| *.bin||");
    // The folder of the chosen file is where the next choice starts.
    ChooseFile(good);
    Prompts().messageBoxAnswers = {kIdCancel};
    RunReflash([&](CReflashDialog& dialog) {
        if (dialog.Reflash().State() == LoggerReflash::kSelect && Prompts().fileDialogs.size() < 3) {
            dialog.GetControlAs<ButtonControl>(res::kIdcReflashStart)->Click();
            EXPECT_TRUE(Logged(dialog, "Reflash Terminated."));
        }
        return Prompts().fileDialogs.size() < 3;
    });
    ASSERT_EQ(Prompts().fileDialogs.size(), 3u);
    EXPECT_EQ(std::filesystem::path(Prompts().fileDialogs[2].folder), good.parent_path() / "");
}

TEST_F(LoggerReflashTest, ALoggerOnACellModemIsGivenTwoMinutesBeforeThePolling)
{
    // Interface kind 3: a cell modem.
    Connect([](LoggerState& state) { state.hardwareType = 3; });
    ChooseFile(WriteFirmwareFile("reflash-cell.bin", FirmwareImage(LoggerFirmwareFile::kVersionOffset + 4)));
    bool pressed = false;
    std::vector<std::string> log;
    int waitSeconds = 0;
    RunReflash([&](CReflashDialog& dialog) {
        const LoggerReflash& reflash = dialog.Reflash();
        if (!pressed) {
            pressed = true;
            dialog.GetControlAs<ButtonControl>(res::kIdcReflashStart)->Click();
        }
        if (reflash.State() != LoggerReflash::kComplete && reflash.State() != LoggerReflash::kFailed)
            return true;
        log = Log(dialog);
        waitSeconds = reflash.WaitSeconds();
        return false;
    });
    EXPECT_EQ(waitSeconds, 120);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Cell modem delay..."), 7);
    EXPECT_NE(std::find(log.begin(), log.end(),
                  "    Reflashing a logger connected to the network via a cell modem may require as much as two"),
        log.end());
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "Reflash Complete...") << ::testing::PrintToString(log);
    EXPECT_TRUE(Shell().Connection().IsConnected());
}

TEST_F(LoggerReflashTest, AnErrorReplyOrATimeOutFailsTheReflashAndTheUserClosesIt)
{
    Connect();
    struct Case {
        const char* fault;
        std::string box;
    };
    const Case cases[] = {
        {"error:4070/1:16640:Flash write failed", "Error Encountered|Reflash Error Code (0x4100) Encountered\n\nFlash write failed"},
        {"no-reply:4069", "Communication Timeout|** TIMEOUT **"},
    };
    for (const Case& c : cases) {
        logger_->ClearFaults();
        logger_->InjectFault(*ParseSimFault(c.fault));
        Prompts().messageBoxes.clear();
        ChooseFile(WriteFirmwareFile("reflash-fault.bin", FirmwareImage(kMiB)));
        bool pressed = false;
        RunReflash([&](CReflashDialog& dialog) {
            if (!pressed) {
                pressed = true;
                dialog.GetControlAs<ButtonControl>(res::kIdcReflashStart)->Click();
            }
            if (dialog.Reflash().State() != LoggerReflash::kFailed)
                return true;
            EXPECT_EQ(Log(dialog).back(), "Reflash Failed") << c.fault;
            EXPECT_EQ(dialog.GetControl(kIdOk)->GetText(), "Close") << c.fault;
            return false;
        });
        EXPECT_EQ(BoxTexts().back(), c.box) << c.fault;
        EXPECT_EQ(logger_->State().firmwareVersion, LoggerState{}.firmwareVersion) << c.fault;
        EXPECT_FALSE(Shell().Connection().IsReflashing()) << c.fault;
    }
}

TEST_F(LoggerReflashTest, ALoggerThatDoesNotComeBackFailsTheReflashAtTheReconnectLimit)
{
    Connect();
    ChooseFile(WriteFirmwareFile("reflash-lost.bin", FirmwareImage(LoggerFirmwareFile::kVersionOffset + 4)));
    bool pressed = false;
    bool reflashingWhileWaiting = false;
    std::vector<std::string> log;
    int endTick = 0;
    RunReflash([&](CReflashDialog& dialog) {
        const LoggerReflash& reflash = dialog.Reflash();
        if (!pressed) {
            pressed = true;
            dialog.GetControlAs<ButtonControl>(res::kIdcReflashStart)->Click();
        }
        if (reflash.State() == LoggerReflash::kWaitReconnect && !shiftAlways_) {
            // The logger never comes back.
            logger_->Stop();
            reflashingWhileWaiting = Shell().Connection().IsReflashing();
            shiftAlways_ = true;
        }
        if (reflash.State() != LoggerReflash::kFailed)
            return true;
        log = Log(dialog);
        endTick = reflash.TickCount();
        return false;
    });
    EXPECT_TRUE(reflashingWhileWaiting);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "Reflash Failed");
    EXPECT_NE(std::find(log.begin(), log.end(), "Reconnect failed"), log.end());
    EXPECT_GE(endTick, 100);
    // Closing the failed reflash clears the mark, so the main window
    // watches the link again.
    EXPECT_FALSE(Shell().Connection().IsReflashing());
    EXPECT_FALSE(Shell().Connection().IsConnected());
}

TEST_F(LoggerReflashTest, AUserWithoutTheRightIsRefusedBeforeAnythingIsSent)
{
    Connect();
    // Passwords in use and nobody logged in: no right to reflash.
    Shell().Connection().SetRightsLoaded(true);
    ASSERT_TRUE(fa::ChooseMenuItem(*Shell().MainFrame(), CLaunchView::kReflashFirmwareCommand));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Reflash Firmware");
    EXPECT_EQ(Prompts().messageBoxes[0].text, CCommDialog::kNoRightsText);
    EXPECT_TRUE(Prompts().fileDialogs.empty());
}

}  // namespace
}  // namespace logger_reflash_test
}  // namespace corvane::test
