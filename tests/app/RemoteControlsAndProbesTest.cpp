// Remote controls and probe-point values through the whole program: the
// Communication Window's toolbar and picture open the dialogs, which talk to
// the simulated logger holding a net with remote icons and a Probe icon.
#include "LoggerConnectionTest.h"

#include "TestOutput.h"

#include "controls/CTreeOptionsCtrl.h"
#include "halvix/HalvixLib.h"
#include "logger/CQuickProbesDialog.h"
#include "logger/CRemoteCtrlDialog.h"
#include "loggersim/NetImageFile.h"
#include "platform/FrameAutomation.h"
#include "platform/ListViewControl.h"
#include "res/RemoteProbeIds.h"
#include "res/ToolbarCommands.h"
#include "tests/loggersim/RemoteIconNet.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>

namespace corvane::test {
namespace remote_controls_and_probes_test {
namespace {

namespace fa = frame_automation;

const std::vector<NetRemoteIcon> kIcons{
    {40, "Flow limit", false, 12.5f}, {41, "Alarm level", false, -3.0f}, {42, "Pump", true, 0, true}};
// Six listed tags: more than one part of descriptors and values; nothing
// feeds "Spare", which never has a reading.
const std::vector<NetDataTag> kTags{{30, "Tank level", 2}, {31, "Pump starts", 0x0800}, {32, "Spare", 2, false},
    {33, "Flow", 1}, {34, "Inlet temp", 3}, {35, "Outlet temp", 3}};
const std::vector<std::uint32_t> kProbeList{30, 31, 32, 33, 34, 35};

class RemoteControlsAndProbesTest : public LoggerConnectionTest {
protected:
    void ConnectToARunningNet()
    {
        const std::filesystem::path folder = Scratch() / "logger";
        std::filesystem::create_directories(folder);
        ASSERT_FALSE(SaveNetImage(folder, MakeRemoteIconNet(kIcons, kTags, kProbeList)));
        ASSERT_NO_FATAL_FAILURE(StartProgram());
        ASSERT_NO_FATAL_FAILURE(
            StartLogger(false, false, LoggerState{}.firmwareVersion, [](LoggerState& state) { state.running = true; }));
        ASSERT_NO_FATAL_FAILURE(SaveConnections());
        ConnectThroughTheDialog("Plant network");
        ASSERT_TRUE(view_->IsConnected());
    }

    bool WaitFor(const std::function<bool()>& done)
    {
        for (int i = 0; i < 500 && !done(); ++i)
            App().WaitMilliseconds(20);
        return done();
    }

    void Picture(std::string_view name, const Dialog& dialog)
    {
        EXPECT_TRUE(dialog.SaveImage(OutputFile(std::string(name) + ".png").string())) << name;
    }
};

TEST_F(RemoteControlsAndProbesTest, RemoteControlsFromTheToolbarAreEditedVerifiedAndCommitted)
{
    ASSERT_NO_FATAL_FAILURE(ConnectToARunningNet());
    CMainFrame& frame = *Shell().MainFrame();
    frame.UpdateCommandUi();
    ASSERT_TRUE(fa::ClickToolBarButton(frame, res::toolbar_command::kRemoteControls));
    CRemoteCtrlDialog* dialog = view_->RemoteControlsDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitFor([&] { return dialog->Constants().size() == 2 && dialog->Switches().size() == 1; }));
    App().ProcessPending();
    Picture("app-remote-controls", *dialog);

    CTreeOptionsCtrl& tree = *dialog->Tree();
    tree.SetEditText(dialog->Constants()[1]->Item, "-7.75");
    ASSERT_TRUE(tree.SelectRadioButton(dialog->Switches()[0]->LowItem));
    Prompts().messageBoxAnswers = {kIdYes};
    dialog->GetControlAs<ButtonControl>(res::kIdcRemoteSend)->Click();
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Remote Control");
    ASSERT_TRUE(WaitFor([&] { return dialog->AcksReceived() == 3; }));
    EXPECT_EQ(dialog->Constants()[1]->ConstantValue, -7.75f);
    EXPECT_EQ(dialog->Switches()[0]->SwitchState, 0);
    const LoggerState state = logger_->State();
    EXPECT_EQ(state.remoteValues.at(41), (std::bit_cast<std::array<std::uint8_t, 4>>(-7.75f)));
    EXPECT_EQ(state.remoteValues.at(42), (std::array<std::uint8_t, 4>{0, 0, 0, 0}));

    // Not asking again is the session's choice: the next dialog starts so.
    dialog->GetControlAs<ButtonControl>(res::kIdcRemoteVerify)->SetCheck(0);
    tree.SetEditText(dialog->Constants()[0]->Item, "1e3");
    dialog->GetControlAs<ButtonControl>(res::kIdcRemoteSend)->Click();
    EXPECT_EQ(Prompts().messageBoxes.size(), 1u);
    ASSERT_TRUE(WaitFor([&] { return dialog->AcksReceived() == 3 && dialog->Constants()[0]->ConstantValue == 1000.0f; }));
    EXPECT_TRUE(view_->RouteCommand(CLaunchView::kRemoteControlsCommand));
    CRemoteCtrlDialog* second = view_->RemoteControlsDialog();
    ASSERT_NE(second, dialog);
    EXPECT_EQ(second->GetControlAs<ButtonControl>(res::kIdcRemoteVerify)->GetCheck(), 0);
    ASSERT_TRUE(WaitFor([&] { return second->Constants().size() == 2; }));
    EXPECT_EQ(second->Constants()[0]->ConstantValue, 1000.0f);
}

TEST_F(RemoteControlsAndProbesTest, ProbeValuesFromThePictureChangePauseAndShowTheStoppedNote)
{
    ASSERT_NO_FATAL_FAILURE(ConnectToARunningNet());
    const Point probes = view_->LogicalToClient(Point{596, 226});
    fa::SendMouse(*view_, fa::MouseAction::Press, MouseButton::Left, probes);
    fa::SendMouse(*view_, fa::MouseAction::Release, MouseButton::Left, probes);
    fa::SendMouse(*view_, fa::MouseAction::DoubleClick, MouseButton::Left, probes);
    CQuickProbesDialog* dialog = view_->ProbeValuesDialog();
    ASSERT_NE(dialog, nullptr);
    auto& list = *dialog->GetControlAs<ListViewControl>(res::kIdcProbeList);
    ASSERT_TRUE(WaitFor([&] { return list.GetItemCount() == 6; }));
    EXPECT_EQ(list.GetItemText(5, 0), "Outlet temp");
    EXPECT_EQ(list.GetItemText(2, 3), "No Reading Yet");
    const std::string first = list.GetItemText(0, 1) + list.GetItemText(0, 3);
    ASSERT_TRUE(WaitFor([&] { return list.GetItemText(0, 1) + list.GetItemText(0, 3) != first; }));
    Picture("app-probe-values", *dialog);

    dialog->GetControlAs<ButtonControl>(res::kIdcProbePauseStart)->Click();
    ASSERT_TRUE(WaitFor([&] { return dialog->GetControl(res::kIdcProbePausedNote)->IsVisible(); }));
    Picture("app-probe-values-paused", *dialog);
    dialog->GetControlAs<ButtonControl>(res::kIdcProbePauseStart)->Click();

    // The logger stops: the values stay as they were, under the note.
    ASSERT_EQ(CxRun(view_->Handle(), 0, 0), kCxOk);
    ASSERT_TRUE(WaitFor([&] { return dialog->GetControl(res::kIdcProbeStoppedNote)->IsVisible(); }));
    EXPECT_FALSE(dialog->GetControl(res::kIdcProbePauseStart)->IsVisible());
    const std::string stopped = list.GetItemText(0, 3);
    App().WaitMilliseconds(1500);
    EXPECT_EQ(list.GetItemText(0, 3), stopped);
    Picture("app-probe-values-stopped", *dialog);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
}

}  // namespace
}  // namespace remote_controls_and_probes_test
}  // namespace corvane::test
