#include "logger/CResetLoggerDialog.h"

#include "LoggerLinkTestSupport.h"
#include "TestOutput.h"

#include "halvix/protocol/RequestTypes.h"
#include "platform/ButtonControl.h"
#include "platform/ProgressControl.h"
#include "res/ClockIds.h"

#include <gtest/gtest.h>

namespace corvane::test {
namespace c_reset_logger_dialog_test {
namespace {

// The dialog's one-second ticks run on the test clock; the link on real time.
class CResetLoggerDialogTest : public LoggerLinkTest {
protected:
    CResetLoggerDialogTest() : LoggerLinkTest(false) {}

    void Tick()
    {
        TestClock().Advance(CResetLoggerDialog::kTickMs);
        App().ProcessPending();
    }
};

TEST_F(CResetLoggerDialogTest, TheResetEndsWhenTheHiddenConnectDialogReportsAndAFailureStaysToBeRead)
{
    const struct {
        int result;  // the connect dialog's result once polled
        int endCode;
        std::string_view status;
    } cases[] = {
        {1, kIdOk, ResetSequence::kPollingText},
        {-1, kIdAbort, ResetSequence::kFailedText},
    };
    StartLogger();
    for (const auto& c : cases) {
        // The logger reset by the case before is back and linked again.
        ASSERT_TRUE(RunUntil([&] { return !logger_->Restarting(); }));
        ASSERT_EQ(CxLoggerConnect(1), kCxOk);
        reconnects.result = 0;
        reconnects.connectPosts = 0;
        usbLinkCheck.calls.clear();
        CResetLoggerDialog dialog(connection, reconnects, usbLinkCheck);
        ASSERT_TRUE(dialog.Create());
        ASSERT_EQ(Prompts().messageBoxes.back().text, CResetLoggerDialog::kQuestionText);
        EXPECT_EQ(dialog.StatusText(), ResetSequence::kWaitingText);
        EXPECT_EQ(usbLinkCheck.calls, std::vector<bool>{false});
        ASSERT_TRUE(RunUntil([&] { return dialog.Sequence().Current() == ResetSequence::State::Acknowledged; }));
        for (int tick = 1; tick < ResetSequence::kFirstPollTick; ++tick)
            Tick();
        EXPECT_EQ(reconnects.connectPosts, 0);
        EXPECT_EQ(dialog.StatusText(), ResetSequence::kDelayText);
        Tick();
        EXPECT_EQ(reconnects.connectPosts, 1);
        EXPECT_EQ(dialog.StatusText(), ResetSequence::kPollingText);
        EXPECT_TRUE(dialog.IsOpen());
        EXPECT_FALSE(usbLinkCheck.On());
        reconnects.result = c.result;
        Tick();
        EXPECT_EQ(dialog.GetControlAs<ProgressControl>(res::kIdcResetProgress)->GetPos(), 6);
        EXPECT_EQ(dialog.StatusText(), c.status);
        EXPECT_TRUE(usbLinkCheck.On());
        if (c.result < 0) {
            // The failure is left on screen; closing it reports it.
            (void)dialog.SaveImage(OutputFile("ResetLoggerFailed.png").string());
            Tick();
            ASSERT_TRUE(dialog.IsOpen());
            dialog.GetControlAs<ButtonControl>(kIdOk)->Click();
        }
        EXPECT_FALSE(dialog.IsOpen());
        EXPECT_EQ(dialog.EndCode(), c.endCode);
        EXPECT_EQ(dialog.Reconnected(), c.result == 1);
        EXPECT_EQ(reconnects.connectPosts, 1);
    }
    EXPECT_TRUE(Took(kRequestReset));
}

TEST_F(CResetLoggerDialogTest, AnEnabledLoggerOrACancelledQuestionSendsNothing)
{
    StartLogger();
    const struct {
        bool enabled;
        int answer;
        std::string_view box;
    } cases[] = {
        {true, kIdOk, CResetLoggerDialog::kEnabledText},
        {false, kIdCancel, CResetLoggerDialog::kQuestionText},
    };
    for (const auto& c : cases) {
        connection.SetLoggerEnabled(c.enabled);
        Prompts().messageBoxAnswers = {c.answer};
        CResetLoggerDialog dialog(connection, reconnects, usbLinkCheck);
        (void)dialog.Create();
        EXPECT_FALSE(dialog.IsOpen());
        EXPECT_EQ(dialog.EndCode(), kIdCancel);
        EXPECT_EQ(Prompts().messageBoxes.back().text, c.box);
        EXPECT_FALSE(dialog.Reconnected());
    }
    EXPECT_EQ(reconnects.made, 0);
    EXPECT_FALSE(Took(kRequestReset));
    EXPECT_TRUE(usbLinkCheck.On());
}

TEST_F(CResetLoggerDialogTest, AResetTheLoggerNeverAnswersIsReportedNotTakenForSuccess)
{
    SimFault silent;
    silent.kind = SimFault::Kind::NoReply;
    silent.requestType = kRequestReset;
    StartLogger({}, {silent});
    CResetLoggerDialog dialog(connection, reconnects, usbLinkCheck);
    ASSERT_TRUE(dialog.Create());
    ASSERT_TRUE(RunUntil([&] { return dialog.Sequence().Current() == ResetSequence::State::Failed; }));
    EXPECT_EQ(dialog.StatusText(), ResetSequence::kNotSentText);
    EXPECT_TRUE(usbLinkCheck.On());
    Tick();
    EXPECT_EQ(reconnects.connectPosts, 0);
    ASSERT_TRUE(dialog.IsOpen());
    dialog.GetControlAs<ButtonControl>(kIdOk)->Click();
    EXPECT_EQ(dialog.EndCode(), kIdAbort);
}

}  // namespace
}  // namespace c_reset_logger_dialog_test
}  // namespace corvane::test
