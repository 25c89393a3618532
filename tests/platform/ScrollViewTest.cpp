#include "platform/ScrollView.h"

#include "FrameTestSupport.h"
#include "ScratchFolder.h"
#include "platform/FrameAutomation.h"
#include "platform/PromptAutomation.h"

#include <functional>

namespace corvane {
namespace scroll_view_test {
namespace {

using test::FrameTest;
using test::TestDocument;
using test::TestView;
namespace fa = frame_automation;

class ScrollViewTest : public FrameTest {
protected:
    ScrollViewTest()
    {
        frame_.ShowNormal();
        TestDocument* net = OpenNet();
        if (net == nullptr) {
            ADD_FAILURE() << "no document";
            return;
        }
        view_ = &ViewOf(*net);
        netTemplate_->Frame()->ShowMaximized();
        App().ProcessPending();
    }
    TestView* view_ = nullptr;
};

TEST_F(ScrollViewTest, MouseComesInClientCoordinatesAndConvertsThroughZoomAndScroll)
{
    ASSERT_NE(view_, nullptr);
    view_->zoom = 200;
    view_->ScrollTo({40, 30});
    ASSERT_EQ(view_->ScrollPosition(), (Point{40, 30}));

    fa::SendMouse(*view_, fa::MouseAction::Press, MouseButton::Left, {100, 60}, key_modifier::kShift);
    fa::SendMouse(*view_, fa::MouseAction::Move, MouseButton::Left, {120, 64});
    fa::SendMouse(*view_, fa::MouseAction::Release, MouseButton::Left, {120, 64});
    ASSERT_EQ(view_->mice.size(), 3u);
    const TestView::Mouse& down = view_->mice[0];
    EXPECT_EQ(down.kind, 'd');
    EXPECT_EQ(down.event.button, MouseButton::Left);
    EXPECT_EQ(down.event.point, (Point{100, 60}));
    EXPECT_EQ(down.event.flags, mouse_flag::kLeft | mouse_flag::kShift);
    EXPECT_EQ(down.logical, (Point{70, 45})) << "(client + scroll) / 2";
    EXPECT_EQ(view_->mice[1].event.flags, mouse_flag::kLeft) << "held while moving";
    EXPECT_EQ(view_->mice[1].logical, (Point{80, 47}));
    EXPECT_EQ(view_->mice[2].event.flags, 0u) << "released";

    EXPECT_EQ(view_->LogicalToClient(Point{70, 45}), (Point{100, 60}));
    EXPECT_EQ(view_->LogicalToClient(Rect{70, 45, 80, 55}), (Rect{100, 60, 120, 80}));
    EXPECT_EQ(view_->ClientToLogical(Rect{120, 80, 100, 60}), (Rect{70, 45, 80, 55})) << "normalised";
}

TEST_F(ScrollViewTest, ScrollingStaysWithinTheArea)
{
    ASSERT_NE(view_, nullptr);
    const Point most = view_->MaxScrollPosition();
    const Size client = view_->ClientSize();
    EXPECT_EQ(most, (Point{2000 - client.width, 1500 - client.height}));
    view_->ScrollTo({-5, 100000});
    EXPECT_EQ(view_->ScrollPosition(), (Point{0, most.y}));
    view_->SetScrollSizes({10, 10});
    EXPECT_EQ(view_->ScrollPosition(), (Point{0, 0})) << "an area that fits scrolls back";
    EXPECT_EQ(view_->MaxScrollPosition(), (Point{0, 0}));
}

TEST_F(ScrollViewTest, AnAreaSetWhenNeededIsSetOnItsFirstUseOnlyOnce)
{
    ASSERT_NE(view_, nullptr);
    int settled = 0;
    const auto settleLater = [&] {
        view_->SetScrollSizes({10, 10});
        view_->SetScrollSizesWhenNeeded([&] {
            ++settled;
            view_->SetScrollSizes({3000, 2000});
            (void)view_->TotalSize();  // the area's own use while it is set
        });
    };
    // Each first use settles the area before it answers.
    const struct {
        const char* use;
        std::function<void()> run;
    } uses[] = {
        {"its size", [&] { EXPECT_EQ(view_->TotalSize(), (Size{3000, 2000})); }},
        {"the position", [&] { EXPECT_EQ(view_->ScrollPosition(), (Point{0, 0})); }},
        {"scrolling", [&] {
             view_->ScrollTo({500, 400});
             EXPECT_EQ(view_->ScrollPosition(), (Point{500, 400}));
         }},
        {"converting a point", [&] { (void)view_->ClientToLogical(Point{1, 1}); }},
    };
    for (const auto& use : uses) {
        SCOPED_TRACE(use.use);
        settled = 0;
        settleLater();
        EXPECT_EQ(settled, 0);
        use.run();
        EXPECT_EQ(settled, 1);
        EXPECT_EQ(view_->TotalSize(), (Size{3000, 2000}));
        EXPECT_EQ(settled, 1) << "once";
    }
    // An area set in the meantime replaces the one still to come.
    settled = 0;
    settleLater();
    view_->SetScrollSizes({20, 20});
    EXPECT_EQ(view_->TotalSize(), (Size{20, 20}));
    EXPECT_EQ(settled, 0);
}

TEST_F(ScrollViewTest, TheUsersScrollingGoesThroughOnScrollBy)
{
    ASSERT_NE(view_, nullptr);
    view_->ScrollTo({0, 300});
    EXPECT_TRUE(view_->scrolls.empty()) << "the program's own scrolling is not the user's";
    fa::TurnWheel(*view_, {50, 50}, 1);
    ASSERT_EQ(view_->scrolls.size(), 1u);
    const int step = view_->scrolls[0].height;
    EXPECT_LT(step, 0) << "up";
    EXPECT_EQ(view_->scrolls[0].width, 0);
    EXPECT_EQ(view_->ScrollPosition(), (Point{0, 300 + step}));

    view_->refuseScrolling = true;
    fa::TurnWheel(*view_, {50, 50}, -1);
    ASSERT_EQ(view_->scrolls.size(), 2u);
    EXPECT_EQ(view_->scrolls[1].height, -step);
    EXPECT_EQ(view_->ScrollPosition(), (Point{0, 300 + step})) << "refused";
}

TEST_F(ScrollViewTest, DrawingGoesThroughThePreparedContext)
{
    ASSERT_NE(view_, nullptr);
    view_->zoom = 200;
    view_->ScrollTo({20, 10});
    view_->onDraw = [](DeviceContext& dc) { dc.FillRect({30, 20, 40, 30}, SolidBrush({200, 0, 0})); };
    const Bitmap picture = view_->RenderToBitmap();
    ASSERT_EQ(picture.Extent(), view_->ClientSize());
    // Logical (30, 20)-(40, 30) lands on client (40, 30)-(60, 50).
    EXPECT_EQ(picture.PixelAt(40, 30), (RgbColour{200, 0, 0}));
    EXPECT_EQ(picture.PixelAt(59, 49), (RgbColour{200, 0, 0}));
    EXPECT_EQ(picture.PixelAt(39, 30), (RgbColour{255, 255, 255}));
    EXPECT_EQ(picture.PixelAt(60, 49), (RgbColour{255, 255, 255}));
}

TEST_F(ScrollViewTest, ACapturedMouseKeepsComingFromOutside)
{
    ASSERT_NE(view_, nullptr);
    view_->onMouseDown = [this](const MouseEvent&) { view_->SetCapture(); };
    fa::SendMouse(*view_, fa::MouseAction::Press, MouseButton::Left, {50, 50});
    EXPECT_TRUE(view_->HasCapture());
    fa::SendMouse(*view_, fa::MouseAction::Move, MouseButton::Left, {-30, view_->ClientSize().height + 40});
    EXPECT_EQ(view_->mice.back().event.point, (Point{-30, view_->ClientSize().height + 40}));
    view_->ReleaseCapture();
    EXPECT_FALSE(view_->HasCapture());
}

TEST_F(ScrollViewTest, DoubleClicksKeysAndTimersReachTheView)
{
    ASSERT_NE(view_, nullptr);
    fa::SendMouse(*view_, fa::MouseAction::DoubleClick, MouseButton::Left, {15, 25}, key_modifier::kCtrl);
    ASSERT_FALSE(view_->mice.empty());
    EXPECT_EQ(view_->mice.back().kind, '2');
    EXPECT_EQ(view_->mice.back().event.flags, mouse_flag::kLeft | mouse_flag::kCtrl);

    fa::SendKey(*view_, 'Z');
    fa::SendKey(*view_, key_code::kPageDown, key_modifier::kShift);
    ASSERT_EQ(view_->keys.size(), 2u);
    EXPECT_EQ(view_->keys[0].key, 'Z');
    EXPECT_EQ(view_->keys[0].text, "z");
    EXPECT_EQ(view_->keys[1].key, key_code::kPageDown);
    EXPECT_EQ(view_->keys[1].modifiers, key_modifier::kShift);

    ASSERT_TRUE(view_->SetTimer(1, 100));
    TestClock().Advance(100);
    App().ProcessPending();
    TestClock().Advance(100);
    App().ProcessPending();
    EXPECT_EQ(view_->timers, (std::vector<std::uint32_t>{1, 1}));
    view_->KillTimer(1);
}

TEST_F(ScrollViewTest, ToolTipsAskTheViewForTheirText)
{
    ASSERT_NE(view_, nullptr);
    view_->toolTipText = [](int id) { return id == 7 ? std::string("Comparator") : std::string(); };
    view_->AddToolTip(7, {10, 10, 42, 42});
    view_->AddToolTip(8, {100, 10, 132, 42});
    EXPECT_EQ(fa::ToolTipAt(*view_, {20, 20}), "Comparator");
    EXPECT_EQ(fa::ToolTipAt(*view_, {110, 20}), "") << "an empty text shows no tip";
    EXPECT_EQ(fa::ToolTipAt(*view_, {60, 20}), "");
    view_->RemoveToolTip(7);
    EXPECT_EQ(fa::ToolTipAt(*view_, {20, 20}), "");
}

constexpr int kDeleteIcon = 501;
constexpr int kProperties = 502;
constexpr int kDisabled = 503;
constexpr std::array kIconMenu = {MenuCommand(kProperties, "&Properties..."), MenuSeparator(),
    MenuCommand(kDeleteIcon, "&Delete"), MenuCommand(kDisabled, "&Nothing")};

TEST_F(ScrollViewTest, ContextMenuReturnsTheChosenCommand)
{
    ASSERT_NE(view_, nullptr);
    view_->AddCommand(kDeleteIcon, [](int) {});
    view_->AddCommand(kProperties, [](int) {});
    int chosen = -1;
    std::vector<std::string> shown;
    view_->onContextMenu = [&](Point point) {
        test::RecordingWindow driver;
        driver.onMessage = [&](Message&) {
            shown = fa::OpenPopupTexts();
            EXPECT_FALSE(fa::ChooseOpenPopupItem(kDisabled));
            EXPECT_TRUE(fa::ChooseOpenPopupItem(kDeleteIcon));
            return 0;
        };
        driver.PostMessage(kUserMessage);
        chosen = view_->TrackPopupMenu(kIconMenu, point);
    };
    fa::SendMouse(*view_, fa::MouseAction::Press, MouseButton::Right, {80, 90});
    fa::SendMouse(*view_, fa::MouseAction::Release, MouseButton::Right, {80, 90});
    ASSERT_EQ(view_->contextMenus, std::vector<Point>{(Point{80, 90})});
    EXPECT_EQ(chosen, kDeleteIcon);
    EXPECT_EQ(shown, (std::vector<std::string>{"&Properties...", "", "&Delete", "&Nothing"}));

    // Dismissed: nothing chosen.
    view_->onContextMenu = [&](Point point) {
        test::RecordingWindow driver;
        driver.onMessage = [&](Message&) {
            fa::DismissOpenPopup();
            return 0;
        };
        driver.PostMessage(kUserMessage);
        chosen = view_->TrackPopupMenu(kIconMenu, point);
    };
    fa::SendMouse(*view_, fa::MouseAction::Release, MouseButton::Right, {80, 90});
    EXPECT_EQ(chosen, 0);
}

// Counts the pages it is asked for and draws a mark on each.
class PrintedView : public test::TestView {
public:
    int begins = 0;
    int ends = 0;
    std::vector<bool> printingContexts;

protected:
    void OnBeginPrinting() override { ++begins; }
    void OnEndPrinting() override { ++ends; }
    bool OnPrint(DeviceContext& page, int pageNumber) override
    {
        printingContexts.push_back(page.IsPrinting());
        page.FillRect({100, 100, 400, 300}, SolidBrush({0, 0, 0}));
        return pageNumber < 2;
    }
};

TEST_F(ScrollViewTest, PrintsItsPagesToAFileAndInAPreview)
{
    PrintedView view;
    test::ScratchFolder folder;
    PrintSettings settings;
    settings.pdfPath = folder.Path() / "net.pdf";
    settings.resolution = 150;
    const PrintResult printed = view.Print(settings);
    EXPECT_TRUE(printed.ok) << printed.error;
    EXPECT_EQ(printed.pages, 2);
    EXPECT_TRUE(std::filesystem::exists(settings.pdfPath));
    EXPECT_EQ(view.printingContexts, (std::vector<bool>{true, true}));
    EXPECT_EQ(view.begins, 1);
    EXPECT_EQ(view.ends, 1);

    test::RecordingWindow driver;
    driver.onMessage = [&](Message&) {
        prompt_automation::PressPromptButton(kIdCancel);
        return 0;
    };
    driver.PostMessage(kUserMessage);
    EXPECT_FALSE(view.RunPrintPreview(settings));
    EXPECT_GE(view.printingContexts.size(), 3u) << "the preview drew the view's pages";
    EXPECT_EQ(view.begins, 2);
    EXPECT_EQ(view.ends, 2);
}

}  // namespace
}  // namespace scroll_view_test
}  // namespace corvane
