#include "TestOutput.h"
#include "netmodel/CIconBar.h"

#include "EditorTestSupport.h"
#include "netmodel/PaletteMessages.h"
#include "platform/CursorCatalog.h"
#include "res/Pictures.h"
#include "res/ResourceIds.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace corvane {
namespace c_icon_bar_test {
namespace {

namespace fa = frame_automation;

// A view that keeps the palette drops it receives.
class DropView : public ScrollView {
public:
    struct Drop {
        std::uintptr_t cell;
        std::optional<Point> point;
    };
    std::vector<Drop> drops;

    void OnInitialUpdate() override { SetScrollSizes({2000, 1500}); }
    void OnDraw(DeviceContext&) override {}
    std::intptr_t OnMessage(Message& message) override
    {
        if (message.id != kPaletteDropMessage)
            return ScrollView::OnMessage(message);
        const auto payload = message.TakePayload<PaletteDropPayload>();
        drops.push_back({message.wParam, payload ? std::optional<Point>(payload->value) : std::nullopt});
        return 0;
    }
};

// The palette floating over an offscreen main frame whose one document
// shows a DropView, the palette's target.
class CIconBarTest : public test::PlatformTest {
protected:
    CIconBarTest()
    {
        res::RegisterPictures(App().Bitmaps());
        res::RegisterCursors(App().Cursors());
        frame_.Create("Corvane", test::kMainMenu, &test::kMainAccelerators);
        frame_.MoveTo({100, 80, 900, 680});
        frame_.ShowNormal();
        auto& docTemplate = frame_.AddDocTemplate(std::make_unique<DocTemplate>(
            DocTemplateResources{132, &test::kNetMenu, nullptr, "Net", {}, {}},
            [] { return std::make_unique<test::TestDocument>(); }, [] { return std::make_unique<ChildFrame>(); },
            [] { return std::make_unique<DropView>(); }));
        Document* document = docTemplate.OpenNew();
        view_ = document != nullptr ? dynamic_cast<DropView*>(document->FirstView()) : nullptr;
        if (view_ != nullptr)
            docTemplate.Frame()->ShowMaximized();
        // Every cell but e-mail, FTP and the Modbus cells has its class.
        for (int cell = 0; cell < kPaletteCellCount; ++cell) {
            if (cell != 11 && cell != 12 && cell != 40 && cell != 47)
                environment_.makers.Register(cell, test::SourceIconMaker(300));
        }
        bar_ = std::make_unique<CIconBar>(frame_, environment_);
        bar_->MoveTo(frame_.WindowRect().TopLeft() + Point{14, 79});
        bar_->SetTargetView(view_);
        bar_->Show(true);
        App().ProcessPending();
    }

    void SetUp() override { ASSERT_NE(view_, nullptr); }

    void Expand()
    {
        bar_->TogglePalette();
        App().ProcessPending();
        ASSERT_FALSE(bar_->State().IsCollapsed());
    }
    // A point of the view's client area in the palette's client coordinates.
    Point BarPointOverView(Point inView) const { return bar_->ScreenToClient(view_->ClientToScreen(inView)); }
    void Tick(std::uint32_t milliseconds)
    {
        TestClock().Advance(milliseconds);
        App().ProcessPending();
    }

    test::FakeEditorEnvironment environment_;
    MdiFrame frame_;
    DropView* view_ = nullptr;
    std::unique_ptr<CIconBar> bar_;
};

TEST_F(CIconBarTest, CellDroppedOnTheTargetViewPostsTheCellAndThePointInTheView)
{
    Expand();
    const Point inView{400, 300};
    ASSERT_FALSE(bar_->WindowRect().Contains(view_->ClientToScreen(inView))) << "the palette covers the spot";
    const Point cellCentre = PaletteBarState::CellRect(17).Centre();

    ASSERT_TRUE(fa::SendMouse(*bar_, fa::MouseAction::Press, MouseButton::Left, cellCentre));
    EXPECT_TRUE(bar_->IsDragging());
    EXPECT_TRUE(bar_->HasCapture());
    EXPECT_EQ(bar_->CurrentCursor(), App().Cursors().Get(res::kCursorPaletteDrag));
    fa::SendMouse(*bar_, fa::MouseAction::Move, MouseButton::Left, BarPointOverView(inView));
    fa::SendMouse(*bar_, fa::MouseAction::Release, MouseButton::Left, BarPointOverView(inView));
    EXPECT_FALSE(bar_->IsDragging());
    EXPECT_FALSE(bar_->HasCapture());
    EXPECT_EQ(bar_->CurrentCursor(), Cursor());
    EXPECT_TRUE(view_->drops.empty()) << "posted, not sent";
    App().ProcessPending();
    ASSERT_EQ(view_->drops.size(), 1u);
    EXPECT_EQ(view_->drops[0].cell, 17u);
    EXPECT_EQ(view_->drops[0].point, inView);
}

TEST_F(CIconBarTest, ReleaseAnywhereButOverTheTargetViewDropsNothingAndReleasesTheMouse)
{
    Expand();
    struct Case {
        const char* where;
        Point barPoint;
        bool withoutTarget;
    };
    const Case cases[] = {
        {"beyond the main frame", {-600, -400}, false},
        {"below the view", BarPointOverView({300, view_->ClientSize().height + 5}), false},
        {"on the palette itself", PaletteBarState::CellRect(30).Centre(), false},
        {"over the view with no target", BarPointOverView({400, 300}), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        if (c.withoutTarget)
            bar_->SetTargetView(nullptr);
        ASSERT_TRUE(
            fa::SendMouse(*bar_, fa::MouseAction::Press, MouseButton::Left, PaletteBarState::CellRect(3).Centre()));
        ASSERT_TRUE(bar_->HasCapture());
        fa::SendMouse(*bar_, fa::MouseAction::Release, MouseButton::Left, c.barPoint);
        App().ProcessPending();
        EXPECT_FALSE(bar_->IsDragging());
        EXPECT_FALSE(bar_->HasCapture());
        EXPECT_TRUE(view_->drops.empty());
    }
}

TEST_F(CIconBarTest, PressesThatStartNoDrag)
{
    struct Case {
        const char* what;
        Point point;
        bool expand;
    };
    const Case cases[] = {
        {"a cell without a class (e-mail)", PaletteBarState::CellRect(11).Centre(), true},
        {"a cell without a class (Modbus address map)", PaletteBarState::CellRect(47).Centre(), true},
        {"beside the cells", {196, 100}, true},
        {"below the cells", {100, 290}, true},
        {"the collapsed bar", {10, 10}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.expand != !bar_->State().IsCollapsed())
            bar_->TogglePalette();
        fa::SendMouse(*bar_, fa::MouseAction::Press, MouseButton::Left, c.point);
        EXPECT_FALSE(bar_->IsDragging());
        EXPECT_FALSE(bar_->HasCapture());
        fa::SendMouse(*bar_, fa::MouseAction::Release, MouseButton::Left, BarPointOverView({400, 300}));
        App().ProcessPending();
        EXPECT_TRUE(view_->drops.empty());
    }
    EXPECT_FALSE(bar_->IsCellEnabled(12));
    EXPECT_FALSE(bar_->IsCellEnabled(40));
    EXPECT_TRUE(bar_->IsCellEnabled(45));
}

TEST_F(CIconBarTest, FloatsAsANamedToolWindowThatTheUserCannotClose)
{
    EXPECT_EQ(bar_->Title(), "Icon Palette");
    EXPECT_TRUE(bar_->IsToolStyle());
    EXPECT_FALSE(bar_->HasCaptionButtons());
}

TEST_F(CIconBarTest, ToolTipsNameTheCellsOfTheExpandedBar)
{
    EXPECT_EQ(fa::ToolTipAt(*bar_, {10, 10}), "") << "collapsed";
    Expand();
    struct Case {
        Point point;
        const char* tip;
    };
    const Case cases[] = {
        {PaletteBarState::CellRect(0).Centre(), "Sample Rate Clock"},
        {PaletteBarState::CellRect(11).Centre(), "E-Mail"},
        {PaletteBarState::CellRect(29).Centre(), "Filter"},
        {PaletteBarState::CellRect(47).Centre(), "Modbus Address Map"},
        {{196, 40}, ""},
        {{60, 270}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tip);
        EXPECT_EQ(fa::ToolTipAt(*bar_, c.point), c.tip);
    }
}

TEST_F(CIconBarTest, RestingOnTheBarExpandsItAndLeavingItCollapsesIt)
{
    EXPECT_EQ(bar_->ClientSize(), (Size{40, 40}));
    const Rect window = bar_->WindowRect();
    ASSERT_TRUE(fa::MovePointer(bar_->ClientToScreen({20, 20})));
    fa::SendMouse(*bar_, fa::MouseAction::Move, MouseButton::None, {20, 20});
    EXPECT_TRUE(bar_->HasCapture());
    for (int tick = 0; tick < 3; ++tick)
        Tick(PaletteBarState::kHoverIntervalMs);
    EXPECT_TRUE(bar_->State().IsCollapsed()) << "150 ms on the bar";
    Tick(PaletteBarState::kHoverIntervalMs);
    EXPECT_FALSE(bar_->State().IsCollapsed());
    EXPECT_FALSE(bar_->HasCapture());
    EXPECT_EQ(bar_->ClientSize(), (Size{202, 301}));

    ASSERT_TRUE(fa::MovePointer({window.left - 300, window.top}));
    for (int tick = 0; tick < 3; ++tick)
        Tick(PaletteBarState::kCollapseIntervalMs);
    EXPECT_FALSE(bar_->State().IsCollapsed());
    Tick(PaletteBarState::kCollapseIntervalMs);
    EXPECT_TRUE(bar_->State().IsCollapsed()) << "four ticks away after a hover";
    EXPECT_EQ(bar_->ClientSize(), (Size{40, 40}));
}

TEST_F(CIconBarTest, KeepOpenBoxIsToggledByAClickAndHoldsTheBarOpen)
{
    Expand();
    const Point box{20, 271};
    fa::SendMouse(*bar_, fa::MouseAction::Press, MouseButton::Left, box);
    fa::SendMouse(*bar_, fa::MouseAction::Release, MouseButton::Left, box);
    EXPECT_TRUE(bar_->State().KeepOpen());
    ASSERT_TRUE(fa::MovePointer({0, 0}));
    for (int tick = 0; tick < 12; ++tick)
        Tick(PaletteBarState::kCollapseIntervalMs);
    EXPECT_FALSE(bar_->State().IsCollapsed());

    fa::SendMouse(*bar_, fa::MouseAction::Press, MouseButton::Left, box);
    fa::SendMouse(*bar_, fa::MouseAction::Release, MouseButton::Left, {100, 100});
    EXPECT_TRUE(bar_->State().KeepOpen()) << "released off the box: no click";
    fa::SendMouse(*bar_, fa::MouseAction::Press, MouseButton::Left, box);
    fa::SendMouse(*bar_, fa::MouseAction::Release, MouseButton::Left, box);
    EXPECT_FALSE(bar_->State().KeepOpen());
    Tick(PaletteBarState::kCollapseIntervalMs);
    EXPECT_TRUE(bar_->State().IsCollapsed());
}

TEST_F(CIconBarTest, NetworkCellsShowTheGreyedPicturesForALoggerWithoutNetworkFeatures)
{
    struct Case {
        bool connected;
        std::uint8_t capability;
        int email;
        int ftp;
        int mqtt;
    };
    const Case cases[] = {
        {false, 0x00, 10012, 10013, 10046},
        {true, 0x00, 579, 588, 589},
        {true, 0xF8, 579, 588, 589},
        {true, 0x01, 10012, 10013, 10046},
        {true, 0x04, 10012, 10013, 10046},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int{c.capability});
        environment_.connected = c.connected;
        environment_.capabilityByte = c.capability;
        bar_->LoadModelImages();
        EXPECT_EQ(bar_->CellPicture(11), c.email);
        EXPECT_EQ(bar_->CellPicture(12), c.ftp);
        EXPECT_EQ(bar_->CellPicture(45), c.mqtt);
        EXPECT_EQ(bar_->CellPicture(10), 10011);
    }
}

TEST_F(CIconBarTest, ExpandedBarDrawsItsCellsAndTheCheckBox)
{
    const Bitmap collapsed = bar_->RenderToBitmap();
    EXPECT_EQ(collapsed.Extent(), (Size{40, 40}));
    Expand();
    fa::SendMouse(*bar_, fa::MouseAction::Press, MouseButton::Left, {20, 271});
    fa::SendMouse(*bar_, fa::MouseAction::Release, MouseButton::Left, {20, 271});
    const Bitmap picture = bar_->RenderToBitmap();
    ASSERT_EQ(picture.Extent(), (Size{202, 301}));
    std::string error;
    EXPECT_TRUE(picture.SavePng(test::OutputFolder() / "icon-palette-expanded.png", &error))
        << error;

    const Bitmap& cell0 = App().Bitmaps().Get(10001);
    EXPECT_EQ(picture.Copy(PaletteBarState::CellRect(0)).PngBytes(), cell0.PngBytes());
    // The e-mail cell has no class: greyed, so no pixel keeps a colour.
    const Bitmap email = picture.Copy(PaletteBarState::CellRect(11));
    for (int y = 0; y < email.Height(); ++y) {
        for (int x = 0; x < email.Width(); ++x) {
            const RgbColour c = email.PixelAt(x, y);
            ASSERT_TRUE(c.red == c.green && c.green == c.blue) << x << "," << y;
        }
    }
    EXPECT_EQ(picture.PixelAt(11, 271), (RgbColour{255, 255, 255})) << "inside the box";
    EXPECT_EQ(picture.PixelAt(196, 100), (RgbColour{240, 240, 240})) << "beside the cells";
}

}  // namespace
}  // namespace c_icon_bar_test
}  // namespace corvane
