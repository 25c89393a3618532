#include "platform/InputPressWatch.h"

#include "PlatformTestSupport.h"
#include "platform/FrameAutomation.h"
#include "platform/PopupWindow.h"

namespace corvane {
namespace input_press_watch_test {
namespace {

namespace fa = frame_automation;
using InputPressWatchTest = test::PlatformTest;

class PressCounter final : public PopupWindow {
public:
    int presses = 0;

protected:
    void OnMouseDown(const MouseEvent&) override { ++presses; }
    void OnKeyDown(const KeyEvent&) override { ++presses; }
};

TEST_F(InputPressWatchTest, SeesEveryPressFirstAndKeepsThoseItTakes)
{
    PressCounter window;
    int seen = 0;
    bool take = true;
    {
        InputPressWatch watch([&] {
            ++seen;
            return take;
        });
        ASSERT_TRUE(fa::SendMouse(window, fa::MouseAction::Press, MouseButton::Left, {1, 1}));
        ASSERT_TRUE(fa::SendKey(window, 'A'));
        EXPECT_EQ(seen, 2);
        EXPECT_EQ(window.presses, 0);
        // Moves and releases are not presses.
        ASSERT_TRUE(fa::SendMouse(window, fa::MouseAction::Move, MouseButton::None, {3, 3}));
        ASSERT_TRUE(fa::SendMouse(window, fa::MouseAction::Release, MouseButton::Left, {3, 3}));
        EXPECT_EQ(seen, 2);

        take = false;
        ASSERT_TRUE(fa::SendMouse(window, fa::MouseAction::Press, MouseButton::Right, {1, 1}));
        EXPECT_EQ(seen, 3);
        EXPECT_EQ(window.presses, 1);
    }
    ASSERT_TRUE(fa::SendKey(window, 'B'));
    EXPECT_EQ(seen, 3) << "a watch that has gone sees nothing";
    EXPECT_EQ(window.presses, 2);
}

}  // namespace
}  // namespace input_press_watch_test
}  // namespace corvane
