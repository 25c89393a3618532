#include "platform/ChildWindow.h"
#include "platform/ToolWindow.h"

#include "FrameTestSupport.h"
#include "TestOutput.h"
#include "platform/FrameAutomation.h"

#include <functional>
#include <memory>
#include <vector>

namespace corvane {
namespace child_window_test {
namespace {

namespace fa = frame_automation;
using ChildWindowTest = test::FrameTest;

// A parent that records the notifications of its children.
class ParentWindow : public ToolWindow {
public:
    explicit ParentWindow(MdiFrame& frame) : ToolWindow(frame, "Page")
    {
        SetClientSize({120, 90});
        SetBackgroundColour({255, 255, 255});
    }
    std::vector<ParentNotification> notices;
    std::function<void()> onNotice;

    std::intptr_t OnMessage(Message& message) override
    {
        if (message.id == kParentNotifyMessage) {
            notices.push_back(UnpackParentNotification(message.wParam, message.lParam));
            if (onNotice)
                onNotice();
            return 0;
        }
        return ToolWindow::OnMessage(message);
    }
};

// A child filled with one colour that records its own presses.
class Swatch : public ChildWindow {
public:
    Swatch(WindowHandle parent, const Rect& placement, RgbColour colour) : ChildWindow(parent, placement)
    {
        SetBackgroundColour(colour);
    }
    std::vector<MouseEvent> presses;

protected:
    void OnMouseDown(const MouseEvent& e) override { presses.push_back(e); }
};

constexpr RgbColour kWhite{255, 255, 255};
constexpr RgbColour kRed{255, 0, 0};
constexpr RgbColour kBlue{0, 0, 255};
constexpr RgbColour kGreen{0, 160, 0};

TEST_F(ChildWindowTest, ChildIsPlacedClippedStackedAndDrawnIntoTheParentsPicture)
{
    ParentWindow parent(frame_);
    parent.Show(true);
    // Red runs past the parent's right and bottom edges; blue and green overlap.
    Swatch red(parent.Handle(), {90, 60, 150, 130}, kRed);
    Swatch blue(parent.Handle(), {10, 10, 50, 50}, kBlue);
    Swatch green(parent.Handle(), {30, 30, 70, 70}, kGreen);
    App().ProcessPending();
    ASSERT_TRUE(red.IsAlive());
    EXPECT_EQ(red.Parent(), parent.Handle());
    EXPECT_EQ(red.Placement(), (Rect{90, 60, 150, 130}));
    EXPECT_EQ(red.ClientSize(), (Size{60, 70}));
    EXPECT_TRUE(blue.IsShown());

    struct Probe {
        Point at;
        RgbColour expected;
    };
    const auto check = [&](const char* name, std::initializer_list<Probe> probes) {
        const Bitmap picture = parent.RenderToBitmap();
        ASSERT_EQ(picture.Extent(), (Size{120, 90})) << name << ": the children stay inside the parent";
        picture.SavePng(test::OutputFile(std::string("child-window-") + name + ".png"));
        for (const Probe& p : probes)
            EXPECT_EQ(picture.PixelAt(p.at.x, p.at.y), p.expected) << name << " at " << p.at.x << "," << p.at.y;
    };
    check("placed", {{{5, 5}, kWhite}, {{15, 15}, kBlue}, {{40, 40}, kGreen}, {{65, 65}, kGreen},
                        {{89, 59}, kWhite}, {{90, 60}, kRed}, {{119, 89}, kRed}});

    blue.BringToTop();
    check("blue-on-top", {{{40, 40}, kBlue}, {{65, 65}, kGreen}});
    blue.SendToBottom();
    check("blue-below", {{{40, 40}, kGreen}});

    green.MoveTo({0, 0, 20, 20});
    green.Show(false);
    EXPECT_FALSE(green.IsShown());
    check("moved-and-hidden", {{{5, 5}, kWhite}, {{40, 40}, kBlue}, {{65, 65}, kWhite}});
    green.Show(true);
    EXPECT_EQ(green.Placement(), (Rect{0, 0, 20, 20}));
    check("moved", {{{5, 5}, kGreen}, {{15, 15}, kGreen}, {{25, 25}, kBlue}});
}

TEST_F(ChildWindowTest, ChildGoesWithItsParent)
{
    auto parent = std::make_unique<ParentWindow>(frame_);
    Swatch child(parent->Handle(), {10, 10, 40, 40}, kRed);
    Swatch grandchild(child.Handle(), {2, 2, 10, 10}, kBlue);
    ASSERT_TRUE(grandchild.IsAlive());
    EXPECT_EQ(parent->RenderToBitmap().PixelAt(13, 13), kBlue) << "a grandchild shows in the parent's picture";
    child.SetTimer(7, 10);

    parent.reset();
    for (const ChildWindow* w : {static_cast<ChildWindow*>(&child), static_cast<ChildWindow*>(&grandchild)}) {
        EXPECT_FALSE(w->IsAlive());
        EXPECT_FALSE(App().IsWindow(w->Handle()));
        EXPECT_EQ(w->Placement(), Rect{});
    }
    // What is left does nothing and breaks nothing.
    child.MoveTo({0, 0, 5, 5});
    child.BringToTop();
    child.Show(true);
    EXPECT_FALSE(child.IsShown());
    EXPECT_FALSE(child.PostMessage(kUserMessage));
    EXPECT_TRUE(child.RenderToBitmap().Width() == 0);
    App().ProcessPending();

    // A child of a handle that names no canvas is made destroyed.
    Swatch orphan(WindowHandle{}, {0, 0, 10, 10}, kRed);
    EXPECT_FALSE(orphan.IsAlive());
    Swatch ofGone(child.Handle(), {0, 0, 10, 10}, kRed);
    EXPECT_FALSE(ofGone.IsAlive());
}

TEST_F(ChildWindowTest, MouseOnAChildReachesTheParentFirst)
{
    ParentWindow parent(frame_);
    parent.Show(true);
    Swatch inside(parent.Handle(), {20, 30, 60, 70}, kRed);
    Swatch pastTheCorner(parent.Handle(), {-10, -10, 15, 15}, kBlue);
    App().ProcessPending();
    Swatch* current = nullptr;
    std::size_t childPressesWhenNotified = 0;
    parent.onNotice = [&] { childPressesWhenNotified = current->presses.size(); };

    struct Case {
        Swatch* child;
        fa::MouseAction action;
        MouseButton button;
        Point at;
        std::uint32_t event;
        Point inParent;
    };
    const Case cases[] = {
        {&inside, fa::MouseAction::Press, MouseButton::Left, {5, 6}, kParentNotifyLeftButtonDown, {25, 36}},
        {&inside, fa::MouseAction::Press, MouseButton::Right, {39, 1}, kParentNotifyRightButtonDown, {59, 31}},
        {&inside, fa::MouseAction::Move, MouseButton::None, {0, 0}, kParentNotifyMouseMove, {20, 30}},
        {&pastTheCorner, fa::MouseAction::Press, MouseButton::Left, {2, 3}, kParentNotifyLeftButtonDown, {-8, -7}},
    };
    for (const Case& c : cases) {
        parent.notices.clear();
        const std::size_t pressesBefore = c.child->presses.size();
        current = c.child;
        ASSERT_TRUE(fa::SendMouse(*c.child, c.action, c.button, c.at));
        ASSERT_EQ(parent.notices.size(), 1u) << c.event;
        EXPECT_EQ(parent.notices[0].event, c.event);
        EXPECT_EQ(parent.notices[0].child, c.child->Handle());
        EXPECT_EQ(parent.notices[0].point, c.inParent) << c.event;
        const bool press = c.action == fa::MouseAction::Press;
        EXPECT_EQ(childPressesWhenNotified, pressesBefore) << "the parent hears first";
        EXPECT_EQ(c.child->presses.size(), pressesBefore + (press ? 1u : 0u)) << "the child still gets its press";
    }

    // Releases, double clicks and the middle button are not told.
    parent.notices.clear();
    fa::SendMouse(inside, fa::MouseAction::Release, MouseButton::Left, {5, 6});
    fa::SendMouse(inside, fa::MouseAction::Press, MouseButton::Middle, {5, 6});
    EXPECT_TRUE(parent.notices.empty());

    // A parent that destroys the child when told of the press: the child
    // never sees it, and nothing is left of it.
    parent.notices.clear();
    parent.onNotice = [&] { inside.Destroy(); };
    const std::size_t before = inside.presses.size();
    fa::SendMouse(inside, fa::MouseAction::Press, MouseButton::Left, {5, 6});
    ASSERT_EQ(parent.notices.size(), 1u);
    EXPECT_EQ(inside.presses.size(), before);
    EXPECT_FALSE(inside.IsAlive());
    App().ProcessPending();
    EXPECT_EQ(parent.RenderToBitmap().PixelAt(30, 40), kWhite);
}

}  // namespace
}  // namespace child_window_test
}  // namespace corvane
