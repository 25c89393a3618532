#include "shell/CXInfoTip.h"

#include "PlatformTestSupport.h"
#include "TestOutput.h"

#include "platform/Cursor.h"
#include "platform/FrameAutomation.h"
#include "platform/PopupWindow.h"
#include "platform/Screen.h"
#include "shell/StatusSink.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace corvane {
namespace cx_info_tip_test {
namespace {

namespace fa = frame_automation;

// Status pane 0 as the tip writes it.
class PaneZero final : public StatusSink {
public:
    std::vector<std::string> texts;
    void SetStatusText(std::string_view text) override { texts.emplace_back(text); }
    void SetStatusMessage(std::string_view) override {}
    bool HasProgress() const override { return false; }
    void CreateProgress() override {}
    void SetProgressPos(int) override {}
    void SetProgressRange(std::uint16_t) override {}
    void StartProgressAnimation() override {}
    void StopProgressAnimation() override {}
};

class CXInfoTipTest : public test::PlatformTest {
protected:
    CXInfoTipTest() { EXPECT_TRUE(tip_.Create(&owner_)); }

    void Advance(std::uint64_t ms)
    {
        TestClock().Advance(ms);
        App().ProcessPending();
    }
    // Shows the text at the point and lets the delay pass.
    void ShowAt(std::string_view text, Point at)
    {
        fa::MovePointer(at);
        tip_.Show(text, at);
        Advance(CXInfoTip::kShowDelayMs);
    }

    PaneZero status_;
    test::RecordingWindow owner_;
    CXInfoTip tip_{status_};
};

TEST_F(CXInfoTipTest, ShowsTheFirstLineAfterTheDelayAndTheRestInStatusPaneZero)
{
    const Point at{100, 120};
    fa::MovePointer(at);
    tip_.Show("Logger Status\nDisplay Logger Status", at);
    EXPECT_EQ(status_.texts, (std::vector<std::string>{"\nDisplay Logger Status"}));
    EXPECT_TRUE(tip_.IsWaiting());
    Advance(CXInfoTip::kShowDelayMs - 1);
    EXPECT_FALSE(tip_.IsShowing());
    EXPECT_TRUE(tip_.ScreenRect().IsEmpty());
    Advance(1);
    ASSERT_TRUE(tip_.IsShowing());
    EXPECT_EQ(tip_.TipText(), "Logger Status ");
    const Rect shown = tip_.ScreenRect();
    EXPECT_EQ(shown.left, at.x - CXInfoTip::kMargin) << "the pointer stands at the anchor";
    EXPECT_GT(shown.top, at.y) << "below the mouse pointer";
    EXPECT_FALSE(tip_.IsFlipped());
    EXPECT_EQ(tip_.RenderToBitmap().PixelAt(shown.Width() / 2, shown.Height() / 2), CXInfoTip::kFillColour);

    // A new Show while waiting starts the delay again.
    tip_.Hide();
    tip_.Show("One line", at);
    EXPECT_EQ(status_.texts.back(), "") << "nothing more for the status bar";
    Advance(300);
    tip_.Show("Another line", at);
    Advance(300);
    EXPECT_FALSE(tip_.IsShowing());
    Advance(200);
    EXPECT_TRUE(tip_.IsShowing());
    EXPECT_EQ(tip_.TipText(), "Another line ");
}

TEST_F(CXInfoTipTest, OpensToTheLeftNearTheRightEdgeOfTheScreen)
{
    ShowAt("Erase Logged Data\nClear All Data From Logger Memory", {100, 100});
    const int width = tip_.ScreenRect().Width();
    tip_.Hide();
    const int right = VirtualScreenRect().right;
    const Point nearEdge{right - width / 2, 100};
    ShowAt("Erase Logged Data\nClear All Data From Logger Memory", nearEdge);
    ASSERT_TRUE(tip_.IsShowing());
    EXPECT_TRUE(tip_.IsFlipped());
    EXPECT_EQ(tip_.ScreenRect().right, nearEdge.x + CXInfoTip::kMargin);
    EXPECT_LE(tip_.ScreenRect().right, right);
}

TEST_F(CXInfoTipTest, GoesWhenTheMouseMovesOrAButtonIsPressed)
{
    struct Case {
        const char* what;
        void (*act)(CXInfoTip&);
        std::uint64_t within;
    };
    const std::vector<Case> cases{
        {"one pixel, seen by the watch", [](CXInfoTip&) { fa::MovePointer({201, 150}); }, CXInfoTip::kWatchIntervalMs},
        {"one pixel, relayed",
            [](CXInfoTip& tip) {
                fa::MovePointer({200, 151});
                tip.RelayEvent(CXInfoTip::Relayed::MouseMove);
            },
            0},
        {"a button", [](CXInfoTip& tip) { tip.RelayEvent(CXInfoTip::Relayed::ButtonDown); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ShowAt("Logger\nhint", {200, 150});
        ASSERT_TRUE(tip_.IsShowing());
        Advance(CXInfoTip::kWatchIntervalMs * 3);
        EXPECT_TRUE(tip_.IsShowing()) << "the mouse has not moved";
        c.act(tip_);
        Advance(c.within);
        EXPECT_FALSE(tip_.IsShowing());
        EXPECT_TRUE(tip_.ScreenRect().IsEmpty());
    }
}

TEST_F(CXInfoTipTest, ShowsOnlyOverRegisteredWindowsThatStillExist)
{
    auto registered = std::make_unique<PopupWindow>();
    PopupWindow stranger;
    auto removed = std::make_unique<PopupWindow>();
    registered->ShowAt({300, 300, 400, 350});
    stranger.ShowAt({420, 300, 520, 350});
    removed->ShowAt({540, 300, 640, 350});
    tip_.AddTool(*registered, "Enable Net Execution\nBegin a new Logging Session");
    tip_.AddTool(*removed, "Removed");
    tip_.RemoveTool(*removed);

    struct Case {
        const char* what;
        Point at;
        bool shows;
    };
    const std::vector<Case> cases{
        {"registered", {350, 320}, true},
        {"never registered", {470, 320}, false},
        {"removed", {590, 320}, false},
        {"nothing there", {700, 320}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tip_.Hide();
        fa::MovePointer(c.at);
        tip_.RelayEvent(CXInfoTip::Relayed::MouseMove);
        Advance(CXInfoTip::kShowDelayMs);
        EXPECT_EQ(tip_.IsShowing(), c.shows);
        if (c.shows) {
            EXPECT_EQ(tip_.TipText(), "Enable Net Execution ") << "a registered tip keeps its first line";
            EXPECT_EQ(tip_.Anchor(), c.at);
        }
    }

    // A registered window that is destroyed shows nothing either.
    tip_.Hide();
    const Point over{350, 320};
    registered.reset();
    fa::MovePointer({0, 0});
    fa::MovePointer(over);
    tip_.RelayEvent(CXInfoTip::Relayed::MouseMove);
    Advance(CXInfoTip::kShowDelayMs);
    EXPECT_FALSE(tip_.IsShowing());
    EXPECT_FALSE(CXInfoTip(status_).Create(nullptr)) << "a tip needs a parent";
}

}  // namespace
}  // namespace cx_info_tip_test
}  // namespace corvane
