#include "logger/CRemoteCtrlDialog.h"

#include "LoggerDialogTestSupport.h"

#include "controls/CTreeOptionsCtrl.h"
#include "halvix/CReplyMessage.h"
#include "loggersim/SimFault.h"
#include "platform/ButtonControl.h"
#include "platform/TreeViewControl.h"
#include "res/RemoteProbeIds.h"
#include "tests/loggersim/RemoteIconNet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::test {
namespace c_remote_ctrl_dialog_test {
namespace {

// Notes, after each reply, how many acknowledgements were counted and the
// values the dialog holds as the logger's.
class WatchedRemoteDialog final : public CRemoteCtrlDialog {
public:
    using CRemoteCtrlDialog::CRemoteCtrlDialog;
    struct Seen {
        int acks;
        float firstConstant;
        int switchState;
    };
    std::vector<Seen> seen;

protected:
    void OnCommReply(std::unique_ptr<CReplyMessage> reply) override
    {
        const bool ack = reply->RequestType() == 129;
        CRemoteCtrlDialog::OnCommReply(std::move(reply));
        if (ack)
            seen.push_back({AcksReceived(), Constants()[0]->ConstantValue, Switches()[0]->SwitchState});
    }
};

const std::vector<NetRemoteIcon> kIcons{
    {40, "Flow limit", false, 12.5f},
    {41, "Alarm level", false, -3.0f},
    {42, "Pump", true, 0, true},
    {43, "Fixed gain", false, 2.0f, false, false},
};

class CRemoteCtrlDialogTest : public LoggerDialogTest {
protected:
    void Open()
    {
        ASSERT_NO_FATAL_FAILURE(StartLogger(MakeRemoteIconNet(kIcons, {}, {}), true));
        dialog = std::make_unique<WatchedRemoteDialog>(connection, status, verifyChoice);
        ASSERT_TRUE(dialog->Create());
        ASSERT_TRUE(WaitFor([&] { return dialog->Constants().size() == 2 && dialog->Switches().size() == 1; }));
        App().ProcessPending();
    }

    void ClickSend() { dialog->GetControlAs<ButtonControl>(res::kIdcRemoteSend)->Click(); }

    bool verifyChoice = true;
    std::unique_ptr<WatchedRemoteDialog> dialog;
};

TEST_F(CRemoteCtrlDialogTest, EditedValuesAreSentAndTakenOnlyAfterTheLastAcknowledgement)
{
    ASSERT_NO_FATAL_FAILURE(Open());
    CTreeOptionsCtrl& tree = *dialog->Tree();
    const CRemoteControlInfo& flow = *dialog->Constants()[0];
    const CRemoteControlInfo& pump = *dialog->Switches()[0];
    EXPECT_EQ(tree.GetEditText(flow.Item), "12.500000");
    EXPECT_EQ(tree.View().GetItemText(tree.View().GetRootItem()), "Remote Constants");
    bool high = false;
    ASSERT_TRUE(tree.GetRadioButton(pump.HighItem, high));
    EXPECT_TRUE(high);
    ASSERT_TRUE(dialog->SaveImage(OutputFile("remote-controls-dialog.png").string()));

    tree.SetEditText(flow.Item, " 1e3 ");
    ASSERT_TRUE(tree.SelectRadioButton(pump.LowItem));
    Prompts().messageBoxAnswers = {kIdYes};
    ClickSend();
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Are you sure you want to change Remote Icon values");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Remote Control");
    EXPECT_EQ(dialog->RequestsSent(), 3);
    ASSERT_TRUE(WaitFor([&] { return dialog->AcksReceived() == 3; }));
    ASSERT_EQ(dialog->seen.size(), 3u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(dialog->seen[i].firstConstant, 12.5f) << i;
        EXPECT_EQ(dialog->seen[i].switchState, 1) << i;
    }
    EXPECT_EQ(dialog->seen[2].firstConstant, 1000.0f);
    EXPECT_EQ(dialog->seen[2].switchState, 0);

    // The logger holds them: a new dialog lists them so.
    dialog.reset();
    dialog = std::make_unique<WatchedRemoteDialog>(connection, status, verifyChoice);
    ASSERT_TRUE(dialog->Create());
    ASSERT_TRUE(WaitFor([&] { return dialog->Switches().size() == 1; }));
    EXPECT_EQ(dialog->Constants()[0]->ConstantValue, 1000.0f);
    EXPECT_EQ(dialog->Constants()[1]->ConstantValue, -3.0f);
    EXPECT_EQ(dialog->Switches()[0]->SwitchState, 0);
}

TEST_F(CRemoteCtrlDialogTest, ATextThatIsNoNumberSendsNothing)
{
    ASSERT_NO_FATAL_FAILURE(Open());
    CTreeOptionsCtrl& tree = *dialog->Tree();
    for (const char* text : {"", "  ", "abc", "12 volts", "nan", "1e39"}) {
        Prompts().messageBoxes.clear();
        tree.SetEditText(dialog->Constants()[1]->Item, text);
        ClickSend();
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u) << text;
        EXPECT_EQ(Prompts().messageBoxes[0].text, "Enter a number") << text;
        EXPECT_EQ(Prompts().messageBoxes[0].caption, "Remote Control") << text;
        EXPECT_EQ(dialog->RequestsSent(), 0) << text;
    }
    // Answering No sends nothing either; without the check mark nobody is asked.
    tree.SetEditText(dialog->Constants()[1]->Item, "4");
    Prompts().messageBoxes.clear();
    Prompts().messageBoxAnswers = {kIdNo};
    ClickSend();
    EXPECT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(dialog->RequestsSent(), 0);
    dialog->GetControlAs<ButtonControl>(res::kIdcRemoteVerify)->SetCheck(0);
    ClickSend();
    EXPECT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(dialog->RequestsSent(), 3);
    EXPECT_FALSE(verifyChoice);
    ASSERT_TRUE(WaitFor([&] { return dialog->AcksReceived() == 3; }));
    EXPECT_EQ(dialog->Constants()[1]->ConstantValue, 4.0f);
}

TEST_F(CRemoteCtrlDialogTest, WithoutTheRightNothingIsSent)
{
    ASSERT_NO_FATAL_FAILURE(Open());
    connection.SetRightsLoaded(true);
    connection.SetAuthenticated(false);
    connection.SetFullAccessFlag(false);
    ClickSend();
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Modify Remote Control Settings");
    EXPECT_EQ(dialog->RequestsSent(), 0);
}

TEST_F(CRemoteCtrlDialogTest, AListInPartsFillsOneTreeAndAnErrorLeavesItAsItWas)
{
    std::vector<NetRemoteIcon> icons;
    for (std::uint16_t i = 0; i < 7; ++i)
        icons.push_back({static_cast<std::uint16_t>(60 + i), "Switch " + std::to_string(i), true, 0, i % 2 == 0});
    icons.push_back({70, "Gain", false, 0.25f});
    ASSERT_NO_FATAL_FAILURE(StartLogger(MakeRemoteIconNet(icons, {}, {}), true));
    dialog = std::make_unique<WatchedRemoteDialog>(connection, status, verifyChoice);
    ASSERT_TRUE(dialog->Create());
    ASSERT_TRUE(WaitFor([&] { return dialog->Switches().size() == 7 && dialog->Constants().size() == 1; }));
    App().ProcessPending();
    TreeViewControl& view = dialog->Tree()->View();
    const TreeItem switches = view.GetNextSiblingItem(view.GetRootItem());
    EXPECT_EQ(view.GetItemText(switches), "Remote Switches");
    int listed = 0;
    for (TreeItem item = view.GetChildItem(switches); item != 0; item = view.GetNextSiblingItem(item))
        ++listed;
    EXPECT_EQ(listed, 7);
    EXPECT_TRUE(view.IsExpanded(dialog->Switches()[6]->Item));

    // An error reply to the list: the logger error box, and nothing changes.
    SimFault fault;
    fault.kind = SimFault::Kind::ErrorReply;
    fault.requestType = 128;
    fault.code = 0x4455;
    fault.text = "Net not running";
    link.Logger().InjectFault(fault);
    WatchedRemoteDialog second(connection, status, verifyChoice);
    ASSERT_TRUE(second.Create());
    ASSERT_TRUE(WaitFor([&] { return !Prompts().messageBoxes.empty(); }));
    EXPECT_NE(Prompts().messageBoxes[0].text.find("Net not running"), std::string::npos);
    App().WaitMilliseconds(200);
    EXPECT_TRUE(second.Constants().empty());
    EXPECT_EQ(second.Tree()->View().GetCount(), 0);
}

}  // namespace
}  // namespace c_remote_ctrl_dialog_test
}  // namespace corvane::test
