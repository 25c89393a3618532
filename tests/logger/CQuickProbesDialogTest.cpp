#include "logger/CQuickProbesDialog.h"

#include "LoggerDialogTestSupport.h"

#include "halvix/HalvixLib.h"
#include "halvix/protocol/RequestTypes.h"
#include "loggersim/SimFault.h"
#include "platform/ButtonControl.h"
#include "platform/ListViewControl.h"
#include "res/RemoteProbeIds.h"
#include "tests/loggersim/RemoteIconNet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::test {
namespace c_quick_probes_dialog_test {
namespace {

// Six listed tags: more than one part of descriptors and of values.
const std::vector<NetDataTag> kTags{
    {30, "Tank level", 2}, {31, "Pump starts", 0x0800}, {32, "Spare", 2, false},
    {33, "Flow", 1}, {34, "Inlet temp", 3}, {35, "Outlet temp", 3}};
const std::vector<std::uint32_t> kProbeList{30, 31, 32, 33, 34, 35};

class CQuickProbesDialogTest : public LoggerDialogTest {
protected:
    void Open(bool running)
    {
        ASSERT_NO_FATAL_FAILURE(StartLogger(MakeRemoteIconNet({}, kTags, kProbeList), running));
        dialog = std::make_unique<CQuickProbesDialog>(connection, status);
        ASSERT_TRUE(dialog->Create());
    }

    ListViewControl& List() { return *dialog->GetControlAs<ListViewControl>(res::kIdcProbeList); }
    bool Visible(int id) { return dialog->GetControl(id)->IsVisible(); }
    std::string Cell(int row, int column) { return List().GetItemText(row, column); }

    std::unique_ptr<CQuickProbesDialog> dialog;
};

TEST_F(CQuickProbesDialogTest, ListsEveryProbeAndFollowsTheChangingValues)
{
    ASSERT_NO_FATAL_FAILURE(Open(true));
    ASSERT_TRUE(WaitFor([&] { return List().GetItemCount() == 6; }));
    EXPECT_EQ(Cell(0, 0), "Tank level");
    EXPECT_EQ(Cell(2, 1), "---");
    EXPECT_EQ(Cell(2, 3), "No Reading Yet");
    EXPECT_NE(Cell(0, 3), "No Reading Yet");
    EXPECT_EQ(Cell(1, 1).find('.'), std::string::npos);  // a whole number
    EXPECT_EQ(Cell(4, 1).size() - Cell(4, 1).find('.'), 4u);  // three digits after the point
    EXPECT_NE(dialog->GetControl(res::kIdcProbePollTime)->GetText(), "[ Unknown Time/Date ]");
    const std::string first = Cell(0, 3);
    ASSERT_TRUE(WaitFor([&] { return List().GetItemCount() == 6 && Cell(0, 3) != first; }));
    EXPECT_FALSE(Visible(res::kIdcProbeStoppedNote));
    ASSERT_TRUE(dialog->SaveImage(OutputFile("probe-values-dialog.png").string()));

    // Paused: no passes, the note shows and the button offers Start.
    dialog->GetControlAs<ButtonControl>(res::kIdcProbePauseStart)->Click();
    EXPECT_EQ(dialog->GetControl(res::kIdcProbePauseStart)->GetText(), "Start");
    EXPECT_TRUE(Visible(res::kIdcProbePausedNote));
    App().WaitMilliseconds(1200);
    const std::string paused = Cell(0, 3);
    App().WaitMilliseconds(1200);
    EXPECT_EQ(Cell(0, 3), paused);
    ASSERT_TRUE(dialog->SaveImage(OutputFile("probe-values-paused.png").string()));
    dialog->GetControlAs<ButtonControl>(res::kIdcProbePauseStart)->Click();
    EXPECT_EQ(dialog->GetControl(res::kIdcProbePauseStart)->GetText(), "Pause");
    ASSERT_TRUE(WaitFor([&] { return Cell(0, 3) != paused; }));
}

TEST_F(CQuickProbesDialogTest, AStoppedLoggerShowsTheNoteAndIsNotPolledForValues)
{
    ASSERT_NO_FATAL_FAILURE(Open(false));
    ASSERT_TRUE(WaitFor([&] { return Visible(res::kIdcProbeStoppedNote); }));
    EXPECT_FALSE(Visible(res::kIdcProbePauseStart));
    // The pass sent with the descriptors, before the run state was known,
    // is the only one: a stopped logger has no readings.
    App().WaitMilliseconds(800);
    ASSERT_EQ(List().GetItemCount(), 6);
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(Cell(row, 3), "No Reading Yet") << row;
    EXPECT_EQ(dialog->Poll().ValuePoll(), 2);
    ASSERT_TRUE(dialog->SaveImage(OutputFile("probe-values-stopped.png").string()));
}

TEST_F(CQuickProbesDialogTest, AfterATimeOutStartSendsTheInterruptedRequestAgain)
{
    ASSERT_NO_FATAL_FAILURE(Open(true));
    ASSERT_TRUE(WaitFor([&] { return List().GetItemCount() == 6; }));
    ASSERT_EQ(CxSetRetryTime(300), kCxOk);
    SimFault fault;
    fault.kind = SimFault::Kind::NoReply;
    fault.requestType = kRequestRtGet;
    fault.count = 1;
    link.Logger().InjectFault(fault);
    ASSERT_TRUE(WaitFor([&] { return dialog->Poll().Paused(); }));
    ASSERT_FALSE(Prompts().messageBoxes.empty());
    EXPECT_EQ(Prompts().messageBoxes.back().text, "** TIMEOUT **");
    EXPECT_EQ(Prompts().messageBoxes.back().caption, "Communication Timeout");
    EXPECT_EQ(status.Last(), "Timeout");
    EXPECT_EQ(dialog->GetControl(res::kIdcProbePauseStart)->GetText(), "Pause");
    const std::string before = Cell(0, 3);
    dialog->GetControlAs<ButtonControl>(res::kIdcProbePauseStart)->Click();
    EXPECT_FALSE(dialog->Poll().Paused());
    ASSERT_TRUE(WaitFor([&] { return Cell(0, 3) != before; }));
}

TEST_F(CQuickProbesDialogTest, AnErrorReplyToTheValuesEndsThePolling)
{
    ASSERT_NO_FATAL_FAILURE(Open(true));
    SimFault fault;
    fault.kind = SimFault::Kind::ErrorReply;
    fault.requestType = kRequestRtGet;
    fault.code = 0x4321;
    fault.text = "Probe table busy";
    link.Logger().InjectFault(fault);
    ASSERT_TRUE(WaitFor([&] { return !Prompts().messageBoxes.empty(); }));
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Error (0x4321) encountered while processing request\n\nProbe table busy");
    App().WaitMilliseconds(1200);
    EXPECT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(List().GetItemCount(), 0);
}

}  // namespace
}  // namespace c_quick_probes_dialog_test
}  // namespace corvane::test
