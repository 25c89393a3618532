#include "AppTestSupport.h"

#include "app/CMainFrame.h"
#include "app/CSplashWnd.h"
#include "app/ProgramSettings.h"
#include "app/ShellMessages.h"
#include "comms/ConnectionKind.h"
#include "comms/MainFrameMessages.h"
#include "comms/RealTimeDataBlock.h"
#include "halvix/CReplyMessage.h"
#include "halvix/HalvixMessages.h"
#include "platform/ChildFrame.h"
#include "platform/FrameAutomation.h"
#include "platform/PopupWindow.h"
#include "platform/StatusProgress.h"

#include <gtest/gtest.h>

namespace corvane::test {
namespace c_main_frame_test {
namespace {

// A value cache that records what reaches it.
struct CacheRecord {
    std::vector<std::size_t> counts;
    std::vector<std::size_t> sizes;
    int disabled = 0;
};

class RecordingCache final : public ValueCache {
public:
    explicit RecordingCache(CacheRecord& record) : record_(record) {}
    void AddData(std::size_t count, std::span<const std::uint8_t> block) override
    {
        record_.counts.push_back(count);
        record_.sizes.push_back(block.size());
    }
    void Disable() override { ++record_.disabled; }

private:
    CacheRecord& record_;
};

class CMainFrameTest : public ShellTest {
protected:
    CMainFrame& Frame() { return *Shell().MainFrame(); }
    void Post(MessageId id, std::uintptr_t wParam, std::intptr_t lParam = 0, std::unique_ptr<Payload> payload = {})
    {
        ASSERT_TRUE(Frame().PostMessage(id, wParam, lParam, std::move(payload)));
        App().ProcessPending();
    }
};

TEST_F(CMainFrameTest, NoticeShowsItsTextUnderTheChosenCaption)
{
    Start();
    struct Case {
        std::uintptr_t selector;
        const char* caption;
    };
    for (const Case& c : {Case{0, "Save File"}, Case{1, "Open File"}, Case{2, "Uploading"},
             Case{3, "Version Compatibility Warning"}, Case{7, "Warning"}, Case{kNoticeCaptionWarning, "Warning"}}) {
        Prompts().messageBoxes.clear();
        Post(kShowNoticeMessage, c.selector, 0, std::make_unique<ValuePayload<std::string>>("file is read-only"));
        ASSERT_EQ(Prompts().messageBoxes.size(), 1u) << c.caption;
        EXPECT_EQ(Prompts().messageBoxes[0].caption, c.caption);
        EXPECT_EQ(Prompts().messageBoxes[0].text, "file is read-only");
        EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::Warning);
        EXPECT_TRUE(Prompts().messageBoxes[0].beep);
    }
}

TEST_F(CMainFrameTest, ActivateMessageSwitchesTheToolbar)
{
    Start();
    Post(kActivateKindMessage, 0, static_cast<std::intptr_t>(WindowKind::ProgramDevelopment));
    EXPECT_TRUE(Frame().GetToolBar(1)->IsShown());
    EXPECT_FALSE(Frame().GetToolBar(0)->IsShown());
    EXPECT_EQ(Frame().ActiveDocument(), Shell().NetDocument());
    Post(kActivateKindMessage, 0, static_cast<std::intptr_t>(WindowKind::Trending));
    EXPECT_TRUE(Frame().GetToolBar(2)->IsShown());
    EXPECT_EQ(Frame().ActiveDocument(), Shell().TrendingDocument());
}

TEST_F(CMainFrameTest, BusyProgressRunsAndGoesAfterTheDestroyMessage)
{
    Start();
    Frame().SetProgress(5);
    ASSERT_TRUE(Frame().HasProgress());
    EXPECT_EQ(Frame().GetStatusBar()->Progress()->GetPos(), 0);  // the first call only makes the bar
    Frame().SetProgress(5);
    EXPECT_EQ(Frame().GetStatusBar()->Progress()->GetPos(), 5);
    Frame().ShowBusy(true);
    TestClock().Advance(CMainFrame::kProgressMs);
    App().ProcessPending();
    EXPECT_EQ(Frame().GetStatusBar()->Progress()->GetPos(), 6);
    Frame().ShowBusy(false);
    EXPECT_TRUE(Frame().HasProgress());
    App().ProcessPending();
    EXPECT_FALSE(Frame().HasProgress());
}

TEST_F(CMainFrameTest, FailedReplyShowsTheLoggerErrorAndASucceededOneNothing)
{
    Start();
    Post(kReplyMessage, 5, 0, std::make_unique<CReplyMessage>(5, 0, false, "", std::vector<std::uint8_t>{}));
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    const std::vector<std::uint8_t> data = {0x12, 0x00, 'B', 'a', 'd', 0};
    Post(kReplyMessage, 5, 0, std::make_unique<CReplyMessage>(5, 0x12, true, "", data));
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_NE(Prompts().messageBoxes[0].text.find("Bad"), std::string::npos);
}

TEST_F(CMainFrameTest, TimeoutTexts)
{
    Start();
    Post(kTimeoutMessage, 12, 12);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "** TIMEOUT **");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Communication Timeout");
    EXPECT_EQ(Prompts().messageBoxes[0].icon, MessageBoxIcon::Error);
    StatusBar* bar = Frame().GetStatusBar();
    EXPECT_EQ(bar->PaneText(bar->IndexOf(kPaneStatus)), "Timeout");

    // A keep-alive time-out without a connection, or during a reflash, shows nothing.
    Prompts().messageBoxes.clear();
    Post(kTimeoutMessage, kPingRequestType, kPingRequestType);
    Shell().Connection().SetConnected(true);
    Shell().Connection().SetReflashing(true);
    Post(kTimeoutMessage, kOobRequestType, kOobRequestType);
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_TRUE(Shell().Connection().IsConnected());

    Shell().Connection().SetReflashing(false);
    Post(kTimeoutMessage, kPingRequestType, kPingRequestType);
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text,
        "** Communication with the Ombrelix has been lost. Please check that the logger is still connected and retry "
        "communication**");
    EXPECT_FALSE(Shell().Connection().IsConnected());
}

TEST_F(CMainFrameTest, ConnectionPaneNamesTheConnection)
{
    Start();
    Shell().Connection().SetConnectionName("Plant room");
    Shell().Connection().SetConnected(true);
    Frame().UpdateCommandUi();
    StatusBar* bar = Frame().GetStatusBar();
    EXPECT_EQ(bar->PaneText(bar->IndexOf(kPaneConnection)), "Connected: Plant room");
}

TEST_F(CMainFrameTest, LostNetworkLinkIsReportedOnceWhileNoRestartIsUnderWay)
{
    Start();
    Shell().Connection().SetConnected(true);  // the library has no link: the poll says lost
    // A dialog restarting the logger switches the check off: nothing is reported.
    Frame().EnableUsbLinkCheck(false);
    TestClock().Advance(CMainFrame::kLinkWatchMs);
    App().ProcessPending();
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_TRUE(Shell().Connection().IsConnected());
    Frame().EnableUsbLinkCheck(true);
    Shell().Connection().SetReflashing(true);  // a reflash restarting the logger: nothing either
    TestClock().Advance(CMainFrame::kLinkWatchMs);
    App().ProcessPending();
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    Shell().Connection().SetReflashing(false);
    TestClock().Advance(CMainFrame::kLinkWatchMs);
    App().ProcessPending();
    TestClock().Advance(CMainFrame::kLinkWatchMs);
    App().ProcessPending();
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "Network comm with the logger has been lost. Please try to reconnect.");
    EXPECT_FALSE(Shell().Connection().IsConnected());
    EXPECT_EQ(Frame().CommStatePicture(), 285);
}

TEST_F(CMainFrameTest, UsbLinkWatchReportsAVanishedPortUnlessTheCheckIsOff)
{
    std::filesystem::path device = "/dev/null";  // opens: present
    ShellNeighbours neighbours = MakePlaceholderNeighbours();
    neighbours.usbDevice = [&device] { return device; };
    Start(std::move(neighbours));
    Shell().Connection().SetConnectionKind(ConnectionKind::Usb);
    Shell().Connection().SetConnected(true);
    const auto tick = [this] {
        TestClock().Advance(CMainFrame::kLinkWatchMs);
        App().ProcessPending();
    };
    tick();
    EXPECT_EQ(Frame().CommStatePicture(), 286);

    device = Scratch() / "ttyACM0";  // unplugged
    Frame().EnableUsbLinkCheck(false);
    tick();
    EXPECT_TRUE(Prompts().messageBoxes.empty());
    EXPECT_TRUE(Shell().Connection().IsConnected());

    Frame().EnableUsbLinkCheck(true);
    tick();
    ASSERT_EQ(Prompts().messageBoxes.size(), 1u);
    EXPECT_EQ(Prompts().messageBoxes[0].text, "USB comm with the logger has been lost. Please try to reconnect.");
    EXPECT_EQ(Prompts().messageBoxes[0].caption, "Communication Timeout");
    EXPECT_FALSE(Shell().Connection().IsConnected());
    EXPECT_EQ(Frame().CommStatePicture(), 285);
}

TEST_F(CMainFrameTest, KeepAlivePingOnlyWhenTheSettingIsOn)
{
    // Off (missing): thirty seconds pass without a ping, so the picture is
    // only set by the link watch.
    Start();
    Shell().Connection().SetConnected(true);
    Shell().MainFrame()->KillTimer(kTimerLinkWatch);
    TestClock().Advance(CMainFrame::kKeepAliveMs);
    App().ProcessPending();
    EXPECT_EQ(Frame().CommStatePicture(), 285);
    Stop();

    {
        SettingsStore store;
        (void)store.Load(Options().settingsFile);
        (void)store.SetValue(kAdminKey, "SendKeepAlivePing", SettingsValue::Dword(1));
    }
    Start();
    Shell().Connection().SetConnected(true);
    Shell().MainFrame()->KillTimer(kTimerLinkWatch);
    TestClock().Advance(CMainFrame::kKeepAliveMs);
    App().ProcessPending();
    EXPECT_EQ(Frame().CommStatePicture(), 286);
}

TEST_F(CMainFrameTest, RealTimeBlocksReachTheValueCacheWhichIsDisabledAtClose)
{
    CacheRecord record;
    ShellNeighbours neighbours = MakePlaceholderNeighbours();
    neighbours.valueCache = [&record] { return std::make_unique<RecordingCache>(record); };
    Start(std::move(neighbours));
    std::vector<std::uint8_t> data(10 + 6 * 2, 0);
    Post(kDataCacheItemMessage, 2, 0, RealTimeDataBlock::FromStreamData(data));
    Post(kDataCacheItemMessage, 2, 0);  // no block: ignored
    EXPECT_EQ(record.counts, std::vector<std::size_t>{2});
    EXPECT_EQ(record.sizes, std::vector<std::size_t>{22});
    ASSERT_TRUE(Frame().Close());
    EXPECT_EQ(record.disabled, 1);
}

TEST_F(CMainFrameTest, SplashShowsAtStartAndGoesAfterItsTime)
{
    Start();
    ASSERT_NE(Frame().Splash(), nullptr);
    EXPECT_TRUE(Frame().Splash()->Showing());
    TestClock().Advance(CSplashWnd::kShowMilliseconds);
    App().ProcessPending();
    EXPECT_FALSE(Frame().Splash()->Showing());
}

// A window elsewhere in the program that counts the presses reaching it.
class PressCounter final : public PopupWindow {
public:
    int presses = 0;

protected:
    void OnMouseDown(const MouseEvent&) override { ++presses; }
    void OnKeyDown(const KeyEvent&) override { ++presses; }
};

TEST_F(CMainFrameTest, SplashGoesAtTheFirstKeyOrClickAnywhereWhichGoesNoFurther)
{
    Start();
    CSplashWnd& splash = *Frame().Splash();
    PressCounter other;
    ASSERT_TRUE(splash.Showing());
    ASSERT_TRUE(frame_automation::SendMouse(other, frame_automation::MouseAction::Press, MouseButton::Right, {2, 2}));
    EXPECT_FALSE(splash.Showing());
    EXPECT_EQ(other.presses, 0);

    splash.ShowOver(Frame());
    ASSERT_TRUE(frame_automation::SendKey(other, 'A'));
    EXPECT_FALSE(splash.Showing());
    EXPECT_EQ(other.presses, 0);

    splash.ShowOver(Frame());
    ASSERT_TRUE(frame_automation::PressKey(Frame(), key_code::kEscape));
    EXPECT_FALSE(splash.Showing());

    // Once the splash has gone, presses reach their windows again.
    ASSERT_TRUE(frame_automation::SendKey(other, 'A'));
    ASSERT_TRUE(frame_automation::SendMouse(other, frame_automation::MouseAction::Press, MouseButton::Left, {2, 2}));
    EXPECT_EQ(other.presses, 2);
}

TEST_F(CMainFrameTest, DocumentWindowsHaveNoSystemMenu)
{
    Start();
    for (ChildFrame* child : Frame().Children()) {
        EXPECT_FALSE(child->Style().systemMenu);
    }
}

}  // namespace
}  // namespace c_main_frame_test
}  // namespace corvane::test
