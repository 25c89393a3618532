#include "platform/PopupWindow.h"
#include "platform/ToolWindow.h"

#include "FrameTestSupport.h"
#include "platform/FrameAutomation.h"

namespace corvane {
namespace floating_window_test {
namespace {

using test::FrameTest;
namespace fa = frame_automation;
using FloatingWindowTest = FrameTest;

class Tip : public PopupWindow {
protected:
    void OnPaint(DeviceContext& dc) override { dc.FillRegion(Shape(), SolidBrush({255, 255, 222})); }
};

TEST_F(FloatingWindowTest, PopupShowsShapedWithoutTakingTheFocus)
{
    frame_.ShowNormal();
    frame_.ActivateChild(*netTemplate_->OpenNew()->FirstView()->ParentFrame());
    frame_.ActiveView()->SetFocus();
    App().ProcessPending();
    ASSERT_TRUE(frame_.ActiveView()->HasFocus());
    Tip tip;
    EXPECT_FALSE(tip.IsVisible());
    const Region shape = Region::FromRoundRect({0, 0, 60, 20}, {3, 3})
                             .Combined(Region::FromPolygon(std::array{Point{3, 20}, Point{13, 20}, Point{3, 28}}),
                                 Region::Combine::Or);
    tip.SetShape(shape);
    tip.ShowAt({300, 200, 360, 228});
    App().ProcessPending();
    EXPECT_TRUE(tip.IsVisible());
    EXPECT_EQ(tip.ScreenRect(), (Rect{300, 200, 360, 228}));
    EXPECT_TRUE(frame_.ActiveView()->HasFocus()) << "the tip does not take the focus";
    EXPECT_TRUE(tip.Shape().Contains({5, 25}));
    EXPECT_FALSE(tip.Shape().Contains({50, 25}));

    const Bitmap picture = tip.RenderToBitmap();
    EXPECT_EQ(picture.PixelAt(30, 10), (RgbColour{255, 255, 222}));
    tip.Hide();
    EXPECT_FALSE(tip.IsVisible());
    EXPECT_EQ(tip.ScreenRect(), Rect{});
}

class Palette : public ToolWindow {
public:
    using ToolWindow::ToolWindow;
    std::vector<MouseEvent> presses;

protected:
    void OnMouseDown(const MouseEvent& e) override { presses.push_back(e); }
};

TEST_F(FloatingWindowTest, ToolWindowFloatsAndMovesOnRequest)
{
    frame_.ShowNormal();
    Palette palette(frame_, "Icons");
    EXPECT_FALSE(palette.IsShown());
    EXPECT_EQ(palette.Title(), "Icons");
    EXPECT_TRUE(palette.IsToolStyle());
    EXPECT_FALSE(palette.HasCaptionButtons());
    palette.SetClientSize({202, 301});
    palette.MoveTo({114, 159});
    palette.Show(true);
    App().ProcessPending();
    EXPECT_TRUE(palette.IsShown());
    EXPECT_EQ(palette.ClientSize(), (Size{202, 301}));
    const Rect before = palette.WindowRect();
    EXPECT_EQ(before.TopLeft(), (Point{114, 159}));
    palette.MoveBy(30, -20);
    EXPECT_EQ(palette.WindowRect().TopLeft(), (Point{144, 139}));
    fa::SendMouse(palette, fa::MouseAction::Press, MouseButton::Left, {40, 70});
    ASSERT_EQ(palette.presses.size(), 1u);
    EXPECT_EQ(palette.presses[0].point, (Point{40, 70}));
    palette.Show(false);
    EXPECT_FALSE(palette.IsShown());
}

}  // namespace
}  // namespace floating_window_test
}  // namespace corvane
