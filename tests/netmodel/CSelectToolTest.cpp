#include "EditorTestSupport.h"

#include "netmodel/CConnectionTool.h"
#include "netmodel/CSelectTool.h"
#include "netmodel/PaletteCells.h"
#include "platform/KeyCodes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane {
namespace c_select_tool_test {
namespace {

using test::Place;
using test::SourceIcon;

// A plain object with sizing handles that counts how often it is opened.
class HandledObject final : public CCorvaneObj {
public:
    explicit HandledObject(const Rect& position) : CCorvaneObj(position) { SetType(object_type::kIconOrControl); }
    void OnOpen() override { ++opened; }
    int opened = 0;
};

bool SamePixels(const Bitmap& a, const Bitmap& b)
{
    if (a.Extent() != b.Extent())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.PixelAt(x, y) != b.PixelAt(x, y))
                return false;
    return true;
}

class SelectTool : public test::EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        a_ = &Place<SourceIcon>(Doc(), std::uint16_t{40}, 100, 100);
        b_ = &Place<SourceIcon>(Doc(), std::uint16_t{40}, 300, 100);
        Doc().SetModified(false);
    }

    HandledObject& AddHandled(const Rect& position)
    {
        return static_cast<HandledObject&>(Doc().AddObject(std::make_unique<HandledObject>(position)));
    }
    void Click(Point point, unsigned modifiers = 0)
    {
        Press(point, modifiers);
        Release(point, modifiers);
    }
    CSelectTool& Tool() { return static_cast<CSelectTool&>(*Environment().tools.FindTool(tool_kind::kSelect)); }
    static std::vector<CCorvaneObj*> Sorted(std::vector<CCorvaneObj*> objects)
    {
        std::sort(objects.begin(), objects.end());
        return objects;
    }
    std::vector<CCorvaneObj*> Selected() const { return Sorted(view_->Selection()); }

    static constexpr Point kBodyA{116, 116};
    static constexpr Point kBodyB{316, 116};
    SourceIcon* a_ = nullptr;
    SourceIcon* b_ = nullptr;
};

TEST_F(SelectTool, PressBringsTheObjectToTheTopSelectsItAndDragMovesIt)
{
    Press(kBodyA);
    EXPECT_EQ(Doc().GetObjects().back().get(), a_);
    EXPECT_EQ(Selected(), std::vector<CCorvaneObj*>{a_});
    EXPECT_EQ(Tool().GetMode(), CSelectTool::Mode::Move);

    DragTo({136, 126});
    DragTo({146, 131});
    EXPECT_EQ(a_->Position().TopLeft(), (Point{130, 115}));
    EXPECT_EQ(a_->Header().x, 130);
    Release({146, 131});
    EXPECT_EQ(a_->Position().TopLeft(), (Point{130, 115}));
    EXPECT_EQ(b_->Position().TopLeft(), (Point{300, 100}));
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_FALSE(View().HasCapture());
    EXPECT_EQ(Tool().GetMode(), CSelectTool::Mode::None);
}

TEST_F(SelectTool, RubberBandReplacesTheSelectionOrWithShiftAddsToIt)
{
    struct Case {
        unsigned modifiers;
        bool keepsA;
    };
    for (const Case c : {Case{0, false}, Case{key_modifier::kShift, true}}) {
        Click(kBodyA);
        ASSERT_EQ(Selected(), std::vector<CCorvaneObj*>{a_});
        Press({250, 50}, c.modifiers);
        DragTo({350, 180}, c.modifiers);
        EXPECT_EQ(Tool().RubberBand(), (Rect{250, 50, 350, 180}));
        Release({350, 180}, c.modifiers);
        EXPECT_EQ(Selected(), c.keepsA ? Sorted({a_, b_}) : std::vector<CCorvaneObj*>{b_}) << c.modifiers;
        EXPECT_FALSE(Tool().RubberBand().has_value());
    }
}

TEST_F(SelectTool, ReleaseSnapsOnlyTheObjectUnderThePoint)
{
    Click(kBodyA);
    Click(kBodyB, key_modifier::kShift);
    ASSERT_EQ(Selected(), Sorted({a_, b_}));
    View().RouteCommand(view_command::kSnapToGrid);
    ASSERT_TRUE(View().IsSnapToGrid());

    Press(kBodyB, key_modifier::kShift);
    DragTo({336, 131}, key_modifier::kShift);
    EXPECT_EQ(a_->Position().TopLeft(), (Point{120, 115}));
    EXPECT_EQ(b_->Position().TopLeft(), (Point{320, 115}));
    Release({336, 131}, key_modifier::kShift);
    EXPECT_EQ(b_->Position().TopLeft(), SnapToIconGrid({320, 115}));
    EXPECT_EQ(b_->Position().TopLeft(), (Point{290, 90}));
    EXPECT_EQ(a_->Position().TopLeft(), (Point{120, 115}));
}

TEST_F(SelectTool, DragOutsideScrollsTowardTheLastSideCrossed)
{
    const Size client = View().ClientSize();
    struct Case {
        Point point;
        int direction;
    };
    const Case cases[] = {
        {{client.width + 10, 200}, 3}, {{-10, 200}, 2}, {{300, -10}, 0}, {{300, client.height + 10}, 1},
        {{client.width + 10, client.height + 10}, 1},  // right, then bottom
        {{-10, -10}, 0},                               // left, then top
        {{client.width + 10, -10}, 0},                 // right, then top
    };
    for (const Case& c : cases) {
        View().ScrollTo({0, 0});
        Press(kBodyA);
        DragTo(c.point);
        EXPECT_EQ(View().AutoScrollDirection(), c.direction) << c.point.x << "," << c.point.y;
        Release(c.point);
        a_->MoveTo(Rect::FromPointAndSize({100, 100}, {32, 32}), nullptr);
    }
}

TEST_F(SelectTool, DragPastRightAndBottomScrollsDownUntilRelease)
{
    const Size client = View().ClientSize();
    const Point outside{client.width + 10, client.height + 10};
    Press(kBodyA);
    DragTo(outside);
    TestClock().Advance(CCorvaneView::kAutoScrollIntervalMs);
    App().ProcessPending();
    EXPECT_EQ(View().ScrollPosition(), (Point{0, CCorvaneView::kAutoScrollStep}));

    Release(outside);
    TestClock().Advance(3 * CCorvaneView::kAutoScrollIntervalMs);
    App().ProcessPending();
    EXPECT_EQ(View().ScrollPosition(), (Point{0, CCorvaneView::kAutoScrollStep}));
    EXPECT_FALSE(View().HasCapture());
}

TEST_F(SelectTool, CancelPutsMovedAndSizedObjectsBackExactly)
{
    HandledObject& box = AddHandled({400, 300, 460, 360});
    struct Case {
        const char* name;
        bool sizes;
        bool byKey;
    };
    for (const Case c : {Case{"move, Escape", false, true}, Case{"move, command", false, false},
             Case{"size, Escape", true, true}, Case{"size, command", true, false}}) {
        Click({430, 330});
        ASSERT_EQ(Selected(), std::vector<CCorvaneObj*>{&box});
        Doc().SetModified(false);
        const Point grab = c.sizes ? Point{458, 358} : Point{430, 330};
        Press(grab);
        EXPECT_EQ(Tool().GetMode(), c.sizes ? CSelectTool::Mode::Size : CSelectTool::Mode::Move) << c.name;
        DragTo({480, 390});
        DragTo({View().ClientSize().width + 5, 390});
        ASSERT_NE(box.Position(), (Rect{400, 300, 460, 360})) << c.name;
        if (c.byKey)
            frame_automation::SendKey(View(), key_code::kEscape);
        else
            View().RouteCommand(view_command::kCancel);
        EXPECT_EQ(box.Position(), (Rect{400, 300, 460, 360})) << c.name;
        EXPECT_FALSE(Doc().IsModified()) << c.name;
        EXPECT_FALSE(View().HasCapture()) << c.name;
        EXPECT_EQ(Tool().GetMode(), CSelectTool::Mode::None) << c.name;
        EXPECT_EQ(Environment().tools.CurrentKind(), tool_kind::kSelect) << c.name;
        // The auto-scroll stopped with it.
        const Point scrolled = View().ScrollPosition();
        TestClock().Advance(2 * CCorvaneView::kAutoScrollIntervalMs);
        App().ProcessPending();
        EXPECT_EQ(View().ScrollPosition(), scrolled) << c.name;
        View().ScrollTo({0, 0});
    }
}

TEST_F(SelectTool, CancelErasesTheRubberBand)
{
    const Bitmap before = View().RenderToBitmap();
    Press({250, 250});
    DragTo({400, 350});
    const Bitmap during = View().RenderToBitmap();
    during.SavePng(PicturePath("select-tool-rubber-band.png"));
    EXPECT_FALSE(SamePixels(before, during));
    EXPECT_NE(during.PixelAt(300, 250), before.PixelAt(300, 250));

    frame_automation::SendKey(View(), key_code::kEscape);
    EXPECT_FALSE(Tool().RubberBand().has_value());
    EXPECT_TRUE(SamePixels(before, View().RenderToBitmap()));
    EXPECT_TRUE(View().Selection().empty());
}

TEST_F(SelectTool, PressOnAConnectorHandsTheDragToTheConnectTool)
{
    const Point output = b_->Output(0).HotRect().Centre();
    Press(output);
    EXPECT_EQ(Environment().tools.CurrentKind(), tool_kind::kConnect);
    const auto& connect = static_cast<const CConnectionTool&>(*Environment().tools.CurrentTool());
    EXPECT_EQ(connect.SourceIcon(), b_);
    EXPECT_EQ(connect.SourceConnector(), &b_->Output(0));
    EXPECT_TRUE(View().HasCapture());
    Release(output);
    EXPECT_EQ(Environment().tools.CurrentKind(), tool_kind::kSelect);
}

TEST_F(SelectTool, HoverShowsTheCrossOverAHandleOfTheOnlySelection)
{
    AddHandled({400, 300, 460, 360});
    Click({430, 330});
    MoveTo({458, 358});
    EXPECT_EQ(View().CurrentCursor().Shape(), CursorShape::Cross);
    MoveTo({600, 500});
    EXPECT_EQ(View().CurrentCursor().Shape(), CursorShape::Arrow);
}

TEST_F(SelectTool, DoubleClickAndPropertiesOpenOnlyASingleSelection)
{
    HandledObject& box = AddHandled({400, 300, 460, 360});
    HandledObject& other = AddHandled({500, 300, 560, 360});
    Click({430, 330});
    DoubleClick({430, 330});
    EXPECT_EQ(box.opened, 1);
    View().RouteCommand(view_command::kProperties);
    EXPECT_EQ(box.opened, 2);

    Click({530, 330}, key_modifier::kShift);
    ASSERT_EQ(View().SelectionCount(), 2u);
    DoubleClick({430, 330});
    View().RouteCommand(view_command::kProperties);
    EXPECT_EQ(box.opened + other.opened, 2);

    // Shift double-click on a selected object makes it the only selection.
    DoubleClick({530, 330}, key_modifier::kShift);
    EXPECT_EQ(View().Selection(), std::vector<CCorvaneObj*>{&other});
    EXPECT_EQ(other.opened, 0);
}

// A view that keeps a selection of its own, as the program-net view does.
class NetLikeView final : public CCorvaneView {
public:
    using CCorvaneView::CCorvaneView;
    bool IsNetView() const override { return true; }
    void ClearNetSelection() override { netSelection.clear(); }
    void AddToNetSelection(CCorvaneObj& object) override { netSelection.push_back(&object); }
    std::vector<CCorvaneObj*> netSelection;
};

class SelectToolInNetView : public SelectTool {
protected:
    SelectToolInNetView()
    {
        makeView = [](EditorEnvironment& environment) { return std::make_unique<NetLikeView>(environment); };
    }
    NetLikeView& Net() { return static_cast<NetLikeView&>(View()); }
};

TEST_F(SelectToolInNetView, AConnectorPressFillsTheNetSelectionUnlessShiftIsHeld)
{
    struct Case {
        bool onConnector;
        unsigned modifiers;
        bool netSelectsB;
    };
    for (const Case c : {Case{true, 0, true}, Case{true, key_modifier::kShift, false}, Case{false, 0, false}}) {
        Click(kBodyA);
        Net().netSelection = {a_};
        const Point point = c.onConnector ? b_->Output(0).HotRect().Centre() : kBodyB;
        Press(point, c.modifiers);
        EXPECT_EQ(Net().netSelection, c.netSelectsB ? std::vector<CCorvaneObj*>{b_} : std::vector<CCorvaneObj*>{})
            << c.onConnector << " " << c.modifiers;
        // A connect drag starts with the base selection emptied.
        EXPECT_EQ(View().Selection(), c.onConnector ? std::vector<CCorvaneObj*>{} : std::vector<CCorvaneObj*>{b_});
        Release(point, c.modifiers);
    }
}

}  // namespace
}  // namespace c_select_tool_test
}  // namespace corvane
