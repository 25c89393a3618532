#include "platform/Cursor.h"
#include "platform/CursorCatalog.h"
#include "platform/FrameAutomation.h"
#include "platform/WaitCursor.h"
#include "platform/internal/ToolkitCursor.h"

#include "PlatformTestSupport.h"

#include <stdexcept>
#include <vector>

namespace corvane {
namespace cursor_test {
namespace {

constexpr RgbColour kBlack{0, 0, 0};
constexpr RgbColour kWhite{255, 255, 255};
constexpr RgbColour kGreen{0, 160, 0};
constexpr RgbColour kMagenta{255, 0, 255};

// A 16 by 16 green picture whose left half shows: the mask is black there.
Cursor HalfMaskedCursor(Point hotSpot)
{
    Bitmap image(16, 16);
    image.Fill(kGreen);
    Bitmap mask(16, 16);
    mask.Fill(kWhite);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x)
            mask.SetPixel(x, y, kBlack);
    return Cursor::FromMaskedBitmap(image, mask, hotSpot);
}

using CursorTest = test::PlatformTest;

TEST_F(CursorTest, UnknownIdsAndFailingMakersGiveTheArrow)
{
    CursorCatalog& catalog = App().Cursors();
    catalog.Register(154, []() -> Cursor { throw std::runtime_error("broken"); });
    catalog.Register(155, [] { return Cursor::FromColourKey(Bitmap(), kMagenta, {0, 0}); });
    for (int id : {154, 155, 9999}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(catalog.Get(id), Cursor());
        EXPECT_EQ(catalog.Get(id).Shape(), CursorShape::Arrow);
    }
}

TEST_F(CursorTest, TheToolkitsOwnIdsGiveTheirShapes)
{
    struct Case {
        int id;
        CursorShape shape;
    };
    CursorCatalog catalog;
    for (const Case& c :
        std::vector<Case>{{32512, CursorShape::Arrow}, {32513, CursorShape::IBeam}, {32514, CursorShape::Wait},
            {32515, CursorShape::Cross}, {32642, CursorShape::SizeDiagonalDown}, {32643, CursorShape::SizeDiagonalUp},
            {32644, CursorShape::SizeHorizontal}, {32645, CursorShape::SizeVertical}, {0x7F86, CursorShape::SizeAll},
            {32648, CursorShape::No}, {32649, CursorShape::Hand}}) {
        SCOPED_TRACE(c.id);
        EXPECT_TRUE(catalog.Has(c.id));
        EXPECT_EQ(catalog.Get(c.id).Shape(), c.shape);
    }
}

TEST_F(CursorTest, RegisteredCursorIsMadeOnceAndKeepsItsHotSpotAndMask)
{
    CursorCatalog& catalog = App().Cursors();
    int made = 0;
    catalog.Register(154, [&made] {
        ++made;
        return HalfMaskedCursor({5, 9});
    });
    const Cursor first = catalog.Get(154);
    const Cursor second = catalog.Get(154);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.Shape(), CursorShape::Picture);
    EXPECT_EQ(first.HotSpot(), (Point{5, 9}));
    EXPECT_TRUE(first.IsOpaqueAt(0, 0));
    EXPECT_TRUE(first.IsOpaqueAt(7, 15));
    EXPECT_FALSE(first.IsOpaqueAt(8, 0));
    EXPECT_FALSE(first.IsOpaqueAt(16, 0));
    EXPECT_EQ(first.Image().PixelAt(3, 3), kGreen);
    // A picture made again is another cursor, though it looks the same.
    EXPECT_FALSE(first == HalfMaskedCursor({5, 9}));
}

TEST_F(CursorTest, KeyColourIsTransparentAndHotSpotStaysOnThePicture)
{
    Bitmap image(32, 32);
    image.Fill(kMagenta);
    image.SetPixel(10, 12, kBlack);
    struct Case {
        Point given;
        Point kept;
    };
    for (const Case& c : std::vector<Case>{{{10, 12}, {10, 12}}, {{0, 31}, {0, 31}}, {{40, -3}, {31, 0}}}) {
        const Cursor cursor = Cursor::FromColourKey(image, kMagenta, c.given);
        EXPECT_EQ(cursor.HotSpot(), c.kept);
        EXPECT_TRUE(cursor.IsOpaqueAt(10, 12));
        EXPECT_FALSE(cursor.IsOpaqueAt(11, 12));
    }
}

TEST_F(CursorTest, PictureShapeAloneIsTheArrow)
{
    EXPECT_EQ(Cursor(CursorShape::Picture), Cursor());
    EXPECT_EQ(Cursor(CursorShape::Cross).HotSpot(), (Point{0, 0}));
    EXPECT_TRUE(Cursor(CursorShape::Cross).Image().IsNull());
}

TEST_F(CursorTest, WaitCursorShowsUntilTheLastPop)
{
    EXPECT_FALSE(internal::ToolkitShowsWaitCursor());
    App().PushWaitCursor();
    App().PushWaitCursor();
    EXPECT_TRUE(internal::ToolkitShowsWaitCursor());
    App().PopWaitCursor();
    EXPECT_EQ(App().WaitCursorDepth(), 1);
    EXPECT_TRUE(internal::ToolkitShowsWaitCursor());
    App().PopWaitCursor();
    EXPECT_EQ(App().WaitCursorDepth(), 0);
    EXPECT_FALSE(internal::ToolkitShowsWaitCursor());
    // One pop too many changes nothing, and the next push still shows it.
    App().PopWaitCursor();
    EXPECT_EQ(App().WaitCursorDepth(), 0);
    App().PushWaitCursor();
    EXPECT_TRUE(internal::ToolkitShowsWaitCursor());
    App().PopWaitCursor();
    EXPECT_FALSE(internal::ToolkitShowsWaitCursor());
}

TEST_F(CursorTest, WaitCursorGuardsNest)
{
    {
        WaitCursor outer;
        {
            WaitCursor inner(App());
            EXPECT_EQ(App().WaitCursorDepth(), 2);
        }
        EXPECT_TRUE(internal::ToolkitShowsWaitCursor());
    }
    EXPECT_EQ(App().WaitCursorDepth(), 0);
    EXPECT_FALSE(internal::ToolkitShowsWaitCursor());
}

TEST_F(CursorTest, ScreenPositionFollowsThePointer)
{
    for (const Point at : {Point{120, 340}, Point{0, 0}, Point{777, 15}}) {
        ASSERT_TRUE(frame_automation::MovePointer(at));
        EXPECT_EQ(CursorScreenPosition(), at);
    }
}

TEST(WaitCursorLifetimeTest, ApplicationMayEndWhileTheWaitCursorShows)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    auto app = std::make_unique<Application>(std::vector<std::string>{"corvane-test"});
    app->PushWaitCursor();
    app->PushWaitCursor();
    EXPECT_TRUE(internal::ToolkitShowsWaitCursor());
    app.reset();
    EXPECT_FALSE(internal::ToolkitShowsWaitCursor());
}

}  // namespace
}  // namespace cursor_test
}  // namespace corvane
