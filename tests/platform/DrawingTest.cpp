#include "platform/DeviceContext.h"

#include "DrawingTestSupport.h"
#include "PlatformTestSupport.h"

#include <array>
#include <climits>
#include <functional>
#include <string>
#include <vector>

namespace corvane {
namespace drawing_test {
namespace {

using test::kBlack;
using test::kBlue;
using test::kMagenta;
using test::kRed;
using test::kWhite;

using Drawing = std::function<void(DeviceContext&)>;

class DrawingTest : public test::PlatformTest {
protected:
    // What the drawing leaves on a white canvas.
    static Bitmap Drawn(const Drawing& draw, int width = 40, int height = 30)
    {
        Bitmap canvas(width, height);
        MemoryContext dc(canvas);
        draw(dc);
        return canvas;
    }
};

// ------------------------------------------------------------ coverage

TEST_F(DrawingTest, RectangleOutlinesItsLastPixelsAndFillsInside)
{
    const Bitmap drawn = Drawn([](DeviceContext& dc) {
        dc.SelectPen(SolidPen(kBlack));
        dc.SelectBrush(SolidBrush(kRed));
        dc.Rectangle({0, 0, 10, 10});
    });
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = x <= 9 && y <= 9;
            const bool edge = inside && (x == 0 || x == 9 || y == 0 || y == 9);
            const RgbColour expected = edge ? kBlack : inside ? kRed : kWhite;
            EXPECT_EQ(drawn.PixelAt(x, y), expected) << x << "," << y;
        }
    }
}

TEST_F(DrawingTest, RectangleWithoutPenLeavesTheLastRowAndColumn)
{
    const Bitmap drawn = Drawn([](DeviceContext& dc) {
        dc.SelectPen(NullPen());
        dc.SelectBrush(SolidBrush(kRed));
        dc.Rectangle({2, 3, 6, 8});
    });
    EXPECT_EQ(test::InkBox(drawn, kWhite), (Rect{2, 3, 5, 7}));
    EXPECT_EQ(test::PixelsOf(drawn, kRed).size(), 12u);
}

TEST_F(DrawingTest, LinesLeaveOutTheirEndPixel)
{
    using Pixels = std::set<std::pair<int, int>>;
    struct Case {
        Point from;
        Point to;
        Pixels expected;
    };
    const std::vector<Case> cases{
        {{2, 5}, {6, 5}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        {{6, 5}, {2, 5}, {{6, 5}, {5, 5}, {4, 5}, {3, 5}}},
        {{3, 1}, {3, 4}, {{3, 1}, {3, 2}, {3, 3}}},
        {{0, 0}, {4, 4}, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
        {{4, 0}, {0, 4}, {{4, 0}, {3, 1}, {2, 2}, {1, 3}}},
        {{0, 0}, {6, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}}},
        {{5, 5}, {5, 5}, {}},
    };
    for (const Case& c : cases) {
        const Bitmap drawn = Drawn([&](DeviceContext& dc) {
            dc.SelectPen(SolidPen(kBlack));
            dc.MoveTo(c.from);
            dc.LineTo(c.to);
        });
        EXPECT_EQ(test::PixelsOf(drawn, kBlack), c.expected)
            << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
    }
}

TEST_F(DrawingTest, PolylineSharesEachCornerPixelOnce)
{
    // Drawn twice with XOR, a pixel touched by two segments would be lost.
    const std::array<Point, 4> points{Point{2, 2}, Point{12, 2}, Point{12, 9}, Point{2, 9}};
    const Bitmap drawn = Drawn([&](DeviceContext& dc) {
        dc.SelectPen(SolidPen(kWhite));
        dc.SetMixMode(MixMode::XorPen);
        dc.Polyline(points);
    });
    EXPECT_EQ(test::PixelsOf(drawn, kBlack).size(), 10u + 7u + 10u);
    EXPECT_EQ(drawn.PixelAt(2, 9), kWhite);  // the last point is left out
}

TEST_F(DrawingTest, DashedPenFillsItsGapsOnlyWhenOpaque)
{
    for (const BackgroundMode mode : {BackgroundMode::Opaque, BackgroundMode::Transparent}) {
        const Bitmap drawn = Drawn([&](DeviceContext& dc) {
            dc.FillRect({0, 0, 40, 30}, SolidBrush(kBlue));
            dc.SelectPen({PenStyle::Dot, 1, kBlack});
            dc.SetBackgroundColour(kRed);
            dc.SetBackgroundMode(mode);
            dc.MoveTo({0, 4});
            dc.LineTo({12, 4});
        });
        // Dots of three pixels and gaps of three.
        for (int x = 0; x < 12; ++x) {
            const RgbColour gap = mode == BackgroundMode::Opaque ? kRed : kBlue;
            EXPECT_EQ(drawn.PixelAt(x, 4), (x / 3) % 2 == 0 ? kBlack : gap) << x;
        }
    }
}

// ------------------------------------------------------------ combining mixes

TEST_F(DrawingTest, XorTwiceRestoresThePixels)
{
    const Bitmap stamp = test::Patterned(7, 5);
    const std::vector<std::pair<std::string, Drawing>> cases{
        {"line",
            [](DeviceContext& dc) {
                dc.MoveTo({1, 1});
                dc.LineTo({33, 17});
            }},
        {"steep line",
            [](DeviceContext& dc) {
                dc.MoveTo({30, 28});
                dc.LineTo({25, 0});
            }},
        {"crossing polyline",
            [](DeviceContext& dc) {
                const std::array<Point, 4> points{Point{0, 0}, Point{30, 20}, Point{30, 0}, Point{0, 20}};
                dc.Polyline(points);
            }},
        {"dashed line",
            [](DeviceContext& dc) {
                dc.SelectPen({PenStyle::DashDot, 1, kRed});
                dc.MoveTo({0, 25});
                dc.LineTo({39, 3});
            }},
        {"wide line",
            [](DeviceContext& dc) {
                dc.SelectPen(SolidPen(kRed, 3));
                dc.MoveTo({4, 4});
                dc.LineTo({30, 20});
            }},
        {"rectangle",
            [](DeviceContext& dc) {
                dc.Rectangle({3, 4, 25, 20});
            }},
        {"thin rectangle",
            [](DeviceContext& dc) {
                dc.Rectangle({3, 4, 4, 20});
            }},
        {"rubber band",
            [](DeviceContext& dc) {
                dc.SetMixMode(MixMode::NotDest);
                dc.SelectBrush(NullBrush());
                dc.Rectangle({30, 25, 5, 2});
            }},
        {"ellipse",
            [](DeviceContext& dc) {
                dc.Ellipse({2, 2, 30, 25});
            }},
        {"round rectangle",
            [](DeviceContext& dc) {
                dc.RoundRect({2, 2, 30, 25}, {10, 8});
            }},
        {"polygon",
            [](DeviceContext& dc) {
                const std::array<Point, 5> star{Point{20, 0}, Point{8, 28}, Point{38, 10}, Point{2, 10}, Point{32, 28}};
                dc.Polygon(star, Region::FillRule::Winding);
            }},
        {"focus rectangle",
            [](DeviceContext& dc) {
                dc.DrawFocusRect({3, 3, 30, 22});
            }},
        {"inverted rectangle",
            [](DeviceContext& dc) {
                dc.InvertRect({5, 6, 20, 29});
            }},
        {"pattern inverting the surface",
            [](DeviceContext& dc) {
                dc.PatternBlt({-5, 6, 20, 29}, RasterOp::DestInvert);
            }},
        {"pattern of a hatched brush",
            [](DeviceContext& dc) {
                dc.SelectBrush({BrushStyle::Hatched, kRed, HatchStyle::DiagonalCross});
                dc.PatternBlt({1, 2, 33, 27}, RasterOp::SourceInvert);
            }},
        {"inverting copy",
            [&](DeviceContext& dc) {
                dc.CopyBitmap({9, 9}, stamp, {0, 0, 7, 5}, RasterOp::SourceInvert);
            }},
    };
    const Bitmap original = test::Patterned(40, 30);
    for (const auto& [name, draw] : cases) {
        Bitmap canvas = original;
        MemoryContext dc(canvas);
        dc.SetMixMode(MixMode::XorPen);
        dc.SelectPen(SolidPen(kBlue));
        dc.SelectBrush(SolidBrush({0, 255, 0}));
        dc.Save();
        draw(dc);
        EXPECT_NE(test::Differences(canvas, original), "") << name << " drew nothing";
        dc.Restore(-1);
        draw(dc);
        EXPECT_EQ(test::Differences(canvas, original), "") << name;
    }
}

TEST_F(DrawingTest, FocusRectangleInvertsEveryOtherPixelOfItsFrame)
{
    const Bitmap drawn = Drawn([](DeviceContext& dc) { dc.DrawFocusRect({2, 2, 10, 8}); });
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 14; ++x) {
            const bool frame = x >= 2 && x <= 9 && y >= 2 && y <= 7 && (x == 2 || x == 9 || y == 2 || y == 7);
            EXPECT_EQ(drawn.PixelAt(x, y), frame && (x + y) % 2 == 0 ? kBlack : kWhite) << x << "," << y;
        }
    }
}

// ------------------------------------------------------------ clipping

TEST_F(DrawingTest, NothingIsDrawnOutsideTheClip)
{
    struct Case {
        std::string name;
        Drawing clip;
        Region visible;  // device pixels
        Rect clipBox;    // logical
    };
    const Region ellipse = Region::FromEllipse({2, 2, 20, 16});
    const std::vector<Case> cases{
        {"intersected rectangle",
            [](DeviceContext& dc) {
                dc.IntersectClipRect({5, 5, 15, 12});
            },
            Region::FromRect({5, 5, 15, 12}), {5, 5, 15, 12}},
        {"excluded rectangle",
            [](DeviceContext& dc) {
                dc.ExcludeClipRect({5, 5, 15, 12});
            },
            Region::FromRect({0, 0, 40, 30}).Combined(Region::FromRect({5, 5, 15, 12}), Region::Combine::Diff),
            {0, 0, 40, 30}},
        {"selected region", [&](DeviceContext& dc) { dc.SelectClipRegion(ellipse); }, ellipse, ellipse.BoundingRect()},
        {"two intersections",
            [](DeviceContext& dc) {
                dc.IntersectClipRect({0, 0, 20, 20});
                dc.IntersectClipRect({10, 10, 60, 60});
            },
            Region::FromRect({10, 10, 20, 20}), {10, 10, 20, 20}},
        {"logical rectangle under an origin",
            [](DeviceContext& dc) {
                dc.SetViewportOrigin({3, 4});
                dc.IntersectClipRect({0, 0, 10, 10});
            },
            Region::FromRect({3, 4, 13, 14}), {0, 0, 10, 10}},
        {"reset",
            [](DeviceContext& dc) {
                dc.IntersectClipRect({0, 0, 1, 1});
                dc.ResetClip();
            },
            Region::FromRect({0, 0, 40, 30}), {0, 0, 40, 30}},
        {"empty", [](DeviceContext& dc) { dc.SelectClipRegion(Region()); }, Region(), {}},
    };
    for (const Case& c : cases) {
        Rect clipBox;
        const Bitmap drawn = Drawn([&](DeviceContext& dc) {
            c.clip(dc);
            clipBox = dc.ClipBox();
            dc.TextOut({0, 0}, "clipped");
            dc.SelectPen(SolidPen(kRed, 5));
            dc.SelectBrush(SolidBrush(kRed));
            dc.FillRect({-1000, -1000, 1000, 1000}, SolidBrush(kRed));
            dc.MoveTo({-100, -50});
            dc.LineTo({200, 120});
        });
        EXPECT_EQ(clipBox, c.clipBox) << c.name;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                ASSERT_EQ(drawn.PixelAt(x, y) == kRed, c.visible.Contains({x, y})) << c.name << " " << x << "," << y;
    }
}

TEST_F(DrawingTest, RestoreBringsBackToolsMappingAndClip)
{
    Bitmap canvas(20, 20);
    MemoryContext dc(canvas);
    dc.SelectPen(SolidPen(kRed));
    const int outer = dc.Save();
    dc.SelectPen(SolidPen(kBlue, 3));
    dc.SetViewportOrigin({5, 5});
    dc.IntersectClipRect({0, 0, 2, 2});
    dc.Save();
    dc.SetMapMode(MapMode::Anisotropic);
    dc.Restore(-1);
    EXPECT_EQ(dc.CurrentMapMode(), MapMode::Text);
    EXPECT_EQ(dc.ClipBox(), (Rect{0, 0, 2, 2}));
    dc.Restore(outer);
    EXPECT_EQ(dc.CurrentPen(), SolidPen(kRed));
    EXPECT_EQ(dc.ViewportOrigin(), (Point{0, 0}));
    EXPECT_EQ(dc.ClipBox(), (Rect{0, 0, 20, 20}));
    dc.Restore(outer);  // already restored: nothing happens
    dc.Restore(-1);
    EXPECT_EQ(dc.CurrentPen(), SolidPen(kRed));
}

// ------------------------------------------------------------ mapping

TEST_F(DrawingTest, TextMappingMovesByTheOriginsExactly)
{
    Bitmap canvas(10, 10);
    MemoryContext dc(canvas);
    dc.SetWindowOrigin({5, 7});
    dc.SetViewportOrigin({-100, 20});
    EXPECT_EQ(dc.SetWindowExtent({3, 3}), (Size{1, 1}));  // ignored in text mode
    for (const Point p : {Point{10, 10}, Point{-7, 3}, Point{0, 0}, Point{1000001, -999999}}) {
        const Point device = dc.LogicalToDevice(p);
        EXPECT_EQ(device, (Point{p.x - 5 - 100, p.y - 7 + 20}));
        EXPECT_EQ(dc.DeviceToLogical(device), p);
    }
}

TEST_F(DrawingTest, ScaledMappingRoundsToTheNearestPixel)
{
    struct Case {
        Size window;
        Size viewport;
        Point logical;
        Point device;
    };
    const std::vector<Case> cases{
        {{3, 3}, {1, 1}, {4, 5}, {1, 2}},
        {{3, 3}, {1, 1}, {-4, -5}, {-1, -2}},
        {{2, 2}, {1, 1}, {3, -3}, {2, -1}},  // halves go up
        {{100, 100}, {250, 50}, {3, 3}, {8, 2}},
        {{1, 1}, {2, -2}, {10, 10}, {20, -20}},
    };
    Bitmap canvas(10, 10);
    MemoryContext dc(canvas);
    dc.SetMapMode(MapMode::Anisotropic);
    for (const Case& c : cases) {
        dc.SetWindowExtent(c.window);
        dc.SetViewportExtent(c.viewport);
        EXPECT_EQ(dc.LogicalToDevice(c.logical), c.device) << c.logical.x << "," << c.logical.y;
    }
}

TEST_F(DrawingTest, DeviceToLogicalUndoesLogicalToDevice)
{
    struct Case {
        MapMode mode;
        Size window;
        Size viewport;
    };
    const std::vector<Case> cases{
        {MapMode::Text, {1, 1}, {1, 1}},
        {MapMode::Anisotropic, {100, 100}, {200, 200}},
        {MapMode::Anisotropic, {90, 90}, {96, 96}},
        {MapMode::Anisotropic, {100, 100}, {137, 251}},
        {MapMode::Isotropic, {850, 1100}, {5100, 6600}},
        {MapMode::Anisotropic, {1, -1}, {3, 3}},
    };
    for (const Case& c : cases) {
        Bitmap canvas(10, 10);
        MemoryContext dc(canvas);
        dc.SetMapMode(c.mode);
        dc.SetWindowExtent(c.window);
        dc.SetViewportExtent(c.viewport);
        dc.SetWindowOrigin({13, -17});
        dc.SetViewportOrigin({-250, 40});
        for (int x = -60; x <= 60; x += 7)
            for (int y = -40; y <= 40; y += 9)
                ASSERT_EQ(dc.DeviceToLogical(dc.LogicalToDevice(Point{x, y})), (Point{x, y}))
                    << x << "," << y << " viewport " << c.viewport.width;
    }
}

TEST_F(DrawingTest, ZoomMapsALogicalRectangleToTheScaledPixels)
{
    const auto zoomed = [](MapMode mode, Size window, Size viewport) {
        return Drawn([=](DeviceContext& dc) {
            dc.SetMapMode(mode);
            dc.SetWindowExtent(window);
            dc.SetViewportExtent(viewport);
            dc.FillRect({2, 3, 5, 6}, SolidBrush(kRed));
        });
    };
    EXPECT_EQ(test::InkBox(zoomed(MapMode::Anisotropic, {100, 100}, {200, 200}), kWhite), (Rect{4, 6, 10, 12}));
    EXPECT_EQ(test::InkBox(zoomed(MapMode::Anisotropic, {100, 100}, {200, 300}), kWhite), (Rect{4, 9, 10, 18}));
    // Isotropic: 4 pixels per unit across and 8 down; the smaller scale wins.
    EXPECT_EQ(test::InkBox(zoomed(MapMode::Isotropic, {100, 50}, {400, 400}), kWhite), (Rect{8, 12, 20, 24}));
}

TEST_F(DrawingTest, IsotropicMappingShrinksTheViewportToKeepTheAspect)
{
    struct Case {
        Size window;
        Size viewport;
        Size adjusted;
    };
    const std::vector<Case> cases{
        {{800, 600}, {5100, 6600}, {5100, 3825}},
        {{800, 600}, {1000, 300}, {400, 300}},
        {{85, 110}, {5100, 6600}, {5100, 6600}},
        {{100, 100}, {-300, 200}, {-200, 200}},
    };
    for (const Case& c : cases) {
        Bitmap canvas(4, 4);
        MemoryContext dc(canvas);
        dc.SetMapMode(MapMode::Isotropic);
        dc.SetWindowExtent(c.window);
        dc.SetViewportExtent(c.viewport);
        EXPECT_EQ(dc.ViewportExtent(), c.adjusted) << c.viewport.width << "x" << c.viewport.height;
        EXPECT_EQ(dc.WindowExtent(), c.window);
    }
}

TEST_F(DrawingTest, DoubleBufferedDrawingMatchesDirectDrawing)
{
    const Drawing scene = [](DeviceContext& dc) {
        dc.SetMapMode(MapMode::Anisotropic);
        dc.SetWindowExtent({10, 10});
        dc.SetViewportExtent({15, 15});
        dc.SelectPen(SolidPen(kBlue));
        dc.SelectBrush({BrushStyle::Hatched, kRed, HatchStyle::Cross});
        dc.Rectangle({8, 9, 22, 19});
        dc.MoveTo({0, 0});
        dc.LineTo({26, 17});
        dc.Ellipse({13, 3, 25, 13});
    };
    const Bitmap direct = Drawn(scene);
    const Rect update{10, 7, 35, 27};
    Bitmap buffer(update.Width(), update.Height());
    {
        MemoryContext dc(buffer);
        // The buffer stands at the update rectangle; the hatch keeps its lattice.
        dc.SetViewportOrigin({-update.left, -update.top});
        dc.SetBrushOrigin({-update.left, -update.top});
        scene(dc);
    }
    const Bitmap screen = Drawn([&](DeviceContext& dc) {
        dc.CopyBitmap(update.TopLeft(), buffer, {0, 0, update.Width(), update.Height()});
    });
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(screen.PixelAt(x, y), update.Contains({x, y}) ? direct.PixelAt(x, y) : kWhite) << x << "," << y;
}

// ------------------------------------------------------------ brushes

TEST_F(DrawingTest, HatchFollowsTheBrushOriginOnAnEightPixelLattice)
{
    const std::vector<Point> origins{{0, 0}, {3, 5}, {-5, -3}, {-13, -11}, {11, 13}};
    for (const Point origin : origins) {
        for (const BackgroundMode mode : {BackgroundMode::Transparent, BackgroundMode::Opaque}) {
            const Bitmap drawn = Drawn([&](DeviceContext& dc) {
                dc.FillRect({0, 0, 40, 30}, SolidBrush(kBlue));
                dc.SetBrushOrigin(origin);
                dc.SetBackgroundMode(mode);
                dc.SetBackgroundColour(kMagenta);
                dc.FillRect({0, 0, 20, 30}, {BrushStyle::Hatched, kRed, HatchStyle::Horizontal});
                dc.FillRect({20, 0, 40, 30}, {BrushStyle::Hatched, kRed, HatchStyle::Vertical});
            });
            const RgbColour gap = mode == BackgroundMode::Opaque ? kMagenta : kBlue;
            for (int y = 0; y < 30; ++y) {
                for (int x = 0; x < 40; ++x) {
                    const int row = (((y - origin.y) % 8) + 8) % 8;
                    const int column = (((x - origin.x) % 8) + 8) % 8;
                    const bool line = x < 20 ? row == 3 : column == 4;
                    ASSERT_EQ(drawn.PixelAt(x, y), line ? kRed : gap)
                        << x << "," << y << " origin " << origin.x << "," << origin.y;
                }
            }
        }
    }
}

TEST_F(DrawingTest, RegionsAreFilledAndFramed)
{
    const Region region
        = Region::FromRect({4, 4, 14, 12}).Combined(Region::FromRect({10, 8, 20, 20}), Region::Combine::Or);
    const Bitmap filled = Drawn([&](DeviceContext& dc) { dc.FillRegion(region, SolidBrush(kRed)); });
    const Bitmap framed = Drawn([&](DeviceContext& dc) { dc.FrameRegion(region, SolidBrush(kRed), {2, 1}); });
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool in = region.Contains({x, y});
            EXPECT_EQ(filled.PixelAt(x, y) == kRed, in) << x << "," << y;
            // A pixel of the frame has a pixel outside within 2 across and 1 down.
            bool nearEdge = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    nearEdge = nearEdge || (in && !region.Contains({x + dx, y + dy}));
            EXPECT_EQ(framed.PixelAt(x, y) == kRed, nearEdge) << x << "," << y;
        }
    }
}

// ------------------------------------------------------------ block copies

TEST_F(DrawingTest, CopiesKeepOrSkipPixelsByKeyAndMask)
{
    Bitmap source(4, 4);
    Bitmap mask(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            source.SetPixel(x, y, x < 2 ? kMagenta : kBlue);
            mask.SetPixel(x, y, (x + y) % 2 == 0 ? kBlack : kWhite);
        }
    }
    const Bitmap keyed = Drawn([&](DeviceContext& dc) {
        dc.CopyBitmapColourKey({2, 2, 6, 6}, source, {0, 0, 4, 4}, kMagenta);
    });
    const Bitmap stretchedKey = Drawn([&](DeviceContext& dc) {
        dc.CopyBitmapColourKey({2, 2, 10, 10}, source, {0, 0, 4, 4}, kMagenta);
    });
    const Bitmap masked = Drawn([&](DeviceContext& dc) { dc.CopyBitmapMasked({2, 2}, source, mask, {0, 0, 4, 4}); });
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inCopy = x >= 2 && x < 6 && y >= 2 && y < 6;
            EXPECT_EQ(keyed.PixelAt(x, y), inCopy && x >= 4 ? kBlue : kWhite) << x << "," << y;
            const bool inStretch = x >= 2 && x < 10 && y >= 2 && y < 10;
            EXPECT_EQ(stretchedKey.PixelAt(x, y), inStretch && x >= 6 ? kBlue : kWhite) << x << "," << y;
            const bool copied = inCopy && (x + y) % 2 == 0;
            EXPECT_EQ(masked.PixelAt(x, y), copied ? source.PixelAt(x - 2, y - 2) : kWhite) << x << "," << y;
        }
    }
}

TEST_F(DrawingTest, StretchingRepeatsEachPixelAndMirrors)
{
    const Bitmap source = test::Patterned(3, 2);
    const Bitmap doubled = Drawn([&](DeviceContext& dc) { dc.StretchBitmap({1, 1, 7, 5}, source, {0, 0, 3, 2}); });
    const Bitmap mirrored = Drawn([&](DeviceContext& dc) { dc.StretchBitmap({7, 1, 1, 5}, source, {0, 0, 3, 2}); });
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 1 && x < 7 && y >= 1 && y < 5;
            EXPECT_EQ(doubled.PixelAt(x, y), inside ? source.PixelAt((x - 1) / 2, (y - 1) / 2) : kWhite)
                << x << "," << y;
            EXPECT_EQ(mirrored.PixelAt(x, y), inside ? source.PixelAt(2 - (x - 1) / 2, (y - 1) / 2) : kWhite)
                << x << "," << y;
        }
    }
}

TEST_F(DrawingTest, CopyTakesOnlyTheSourcePixelsThatExist)
{
    const Bitmap source = test::Patterned(4, 4);
    const Bitmap drawn = Drawn([&](DeviceContext& dc) { dc.CopyBitmap({5, 5}, source, {-2, -2, 2, 2}); });
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool copied = x >= 7 && x < 9 && y >= 7 && y < 9;
            EXPECT_EQ(drawn.PixelAt(x, y), copied ? source.PixelAt(x - 7, y - 7) : kWhite) << x << "," << y;
        }
}

TEST_F(DrawingTest, RasterOperationsCombineSourceAndDestination)
{
    Bitmap source(1, 1);
    source.SetPixel(0, 0, {0x0F, 0xF0, 0x33});
    const RgbColour destination{0x55, 0x55, 0x55};
    struct Case {
        RasterOp op;
        RgbColour expected;
    };
    const std::vector<Case> cases{
        {RasterOp::SourceCopy, {0x0F, 0xF0, 0x33}},
        {RasterOp::SourceInvert, {0x5A, 0xA5, 0x66}},
        {RasterOp::SourceAnd, {0x05, 0x50, 0x11}},
        {RasterOp::SourcePaint, {0x5F, 0xF5, 0x77}},
        {RasterOp::DestInvert, {0xAA, 0xAA, 0xAA}},
        {RasterOp::Blackness, kBlack},
        {RasterOp::Whiteness, kWhite},
    };
    for (const Case& c : cases) {
        const Bitmap drawn = Drawn([&](DeviceContext& dc) {
            dc.SetPixel({0, 0}, destination);
            dc.CopyBitmap({0, 0}, source, {0, 0, 1, 1}, c.op);
        });
        EXPECT_EQ(drawn.PixelAt(0, 0), c.expected) << static_cast<int>(c.op);
    }
}

// ------------------------------------------------------------ text

TEST_F(DrawingTest, TextOutAlignsTheTextOnItsReferencePoint)
{
    struct Case {
        unsigned align;
        Rect box;  // where the ink must lie, given the text's extent w by h at (60, 40)
    };
    Size extent;
    int ascent = 0;
    {
        Bitmap probe(1, 1);
        MemoryContext dc(probe);
        extent = dc.TextExtent("Wg");
        ascent = dc.Metrics().ascent;
    }
    ASSERT_GT(extent.width, 0);
    const int w = extent.width;
    const int h = extent.height;
    const std::vector<Case> cases{
        {text_align::kLeft | text_align::kTop, {60, 40, 60 + w, 40 + h}},
        {text_align::kRight | text_align::kBottom, {60 - w, 40 - h, 60, 40}},
        {text_align::kCenter | text_align::kBaseline, {60 - w / 2 - 1, 40 - ascent, 60 + w / 2 + 1, 40 - ascent + h}},
    };
    for (const Case& c : cases) {
        const Bitmap drawn = Drawn(
            [&](DeviceContext& dc) {
                dc.SetTextAlign(c.align);
                dc.SetBackgroundMode(BackgroundMode::Transparent);
                dc.TextOut({60, 40}, "Wg");
            },
            120, 80);
        const Rect ink = test::InkBox(drawn, kWhite);
        EXPECT_FALSE(ink.IsEmpty());
        EXPECT_EQ(ink.United(c.box), c.box) << c.align;
    }
}

TEST_F(DrawingTest, OpaqueTextFillsItsBoxWithTheBackground)
{
    for (const BackgroundMode mode : {BackgroundMode::Opaque, BackgroundMode::Transparent}) {
        Size extent;
        const Bitmap drawn = Drawn(
            [&](DeviceContext& dc) {
                dc.SetBackgroundColour(kRed);
                dc.SetBackgroundMode(mode);
                dc.TextOut({10, 10}, "Opaque");
                extent = dc.TextExtent("Opaque");
            },
            100, 40);
        const Rect box = Rect::FromPointAndSize({10, 10}, extent);
        int red = 0;
        int white = 0;
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x) {
                red += drawn.PixelAt(x, y) == kRed ? 1 : 0;
                white += drawn.PixelAt(x, y) == kWhite ? 1 : 0;
            }
        if (mode == BackgroundMode::Opaque) {
            EXPECT_EQ(white, 0);
            EXPECT_GT(red, box.Width() * box.Height() / 3);
            EXPECT_EQ(test::InkBox(drawn, kWhite), box);
        } else {
            EXPECT_EQ(red, 0);
            EXPECT_GT(white, 0);
        }
    }
}

TEST_F(DrawingTest, ArialMeasuresLikeTheFaceWithItsMetrics)
{
    // Where Arial is missing, Liberation Sans (Arial's metrics) stands in
    // for it rather than whatever face the toolkit would choose.
    Bitmap probe(1, 1);
    MemoryContext dc(probe);
    for (const char* text : {"Global Settings", "Analog: CH A", "VEXA2 Freq/OC S", "iiiiWWWW mmm"}) {
        dc.SelectFont(FontSpec{"Liberation Sans", 8.7});
        const Size standIn = dc.TextExtent(text);
        dc.SelectFont(FontSpec{"Arial", 8.7});
        EXPECT_EQ(dc.TextExtent(text), standIn) << text;
    }
}

TEST_F(DrawingTest, DrawTextMeasuresAndLaysOutLines)
{
    Bitmap canvas(200, 200);
    MemoryContext dc(canvas);
    const int lineHeight = dc.TextExtent("x").height;
    const std::string text = "one two three four five six seven";
    const int wordsWidth = dc.TextExtent("three four").width;

    Rect single{5, 5, 5, 5};
    EXPECT_EQ(dc.DrawText(single, text, text_format::kSingleLine | text_format::kCalcRect), lineHeight);
    EXPECT_EQ(single, (Rect{5, 5, 5 + dc.TextExtent(text).width, 5 + lineHeight}));

    Rect wrapped{0, 0, wordsWidth, 0};
    const int height = dc.DrawText(wrapped, text, text_format::kWordBreak | text_format::kCalcRect);
    EXPECT_GE(height, 3 * lineHeight);
    EXPECT_EQ(wrapped.bottom, height);
    EXPECT_LE(wrapped.right, wordsWidth);

    Rect lines{0, 0, 100, 0};
    EXPECT_EQ(dc.DrawText(lines, "a\nb\r\nc", text_format::kCalcRect), 3 * lineHeight);
    EXPECT_EQ(canvas.PixelAt(0, 0), kWhite);  // measuring draws nothing

    // Centred in both directions, the ink sits around the rectangle's centre.
    Rect box{20, 20, 180, 100};
    dc.SetBackgroundMode(BackgroundMode::Transparent);
    dc.DrawText(box, "centre", text_format::kCenter | text_format::kVCenter | text_format::kSingleLine);
    const Rect ink = test::InkBox(canvas, kWhite);
    EXPECT_NEAR(ink.Centre().x, 100, 3);
    EXPECT_NEAR(ink.Centre().y, 60, lineHeight / 2);

    // Clipped to its rectangle unless told otherwise.
    Bitmap small(60, 30);
    MemoryContext smallDc(small);
    Rect narrow{0, 0, 10, 30};
    smallDc.DrawText(narrow, "WWWWWWWW", text_format::kSingleLine);
    EXPECT_LE(test::InkBox(small, kWhite).right, 10);
}

TEST_F(DrawingTest, ZoomedTextKeepsItsLogicalSize)
{
    Bitmap canvas(10, 10);
    MemoryContext dc(canvas);
    dc.SelectFont({"Sans Serif", 12.0});
    const Size plain = dc.TextExtent("Measured text");
    const int plainHeight = dc.Metrics().height;
    dc.SetMapMode(MapMode::Anisotropic);
    dc.SetWindowExtent({100, 100});
    dc.SetViewportExtent({300, 300});
    const Size zoomed = dc.TextExtent("Measured text");
    EXPECT_NEAR(zoomed.width, plain.width, plain.width / 10 + 1);
    EXPECT_NEAR(zoomed.height, plain.height, 2);
    EXPECT_NEAR(dc.Metrics().height, plainHeight, 2);
}

TEST_F(DrawingTest, FractionalPointSizesRoundToWholePixels)
{
    Bitmap canvas(10, 10);
    MemoryContext dc(canvas);
    EXPECT_EQ(dc.PixelsPerInch(), (Size{96, 96}));
    // 8.7 points at 96 dpi is 11.6 pixels: the font of 12, as large as 9 points.
    dc.SelectFont({"Sans Serif", 8.7});
    const int small = dc.Metrics().height;
    dc.SelectFont({"Sans Serif", 9.0});
    EXPECT_EQ(dc.Metrics().height, small);
    dc.SelectFont({"Sans Serif", 18.0});
    EXPECT_GT(dc.Metrics().height, small * 3 / 2);
}

// ------------------------------------------------------------ robustness

TEST_F(DrawingTest, AnyInputIsSafe)
{
    const Bitmap source = test::Patterned(5, 5);
    const Bitmap empty;
    const std::array<Point, 3> huge{Point{INT_MIN, INT_MIN}, Point{INT_MAX, 0}, Point{0, INT_MAX}};
    const Rect everything{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    const Drawing all = [&](DeviceContext& dc) {
        dc.SelectPen({PenStyle::Dash, INT_MAX, kRed});
        dc.Rectangle(everything);
        dc.SelectPen({PenStyle::Dash, -5, kRed});
        dc.Rectangle(everything);
        dc.Ellipse(everything);
        dc.RoundRect(everything, {INT_MAX, INT_MIN});
        dc.Polygon(huge, Region::FillRule::Winding);
        dc.Polygon({});
        dc.Polyline({});
        dc.MoveTo({INT_MIN, INT_MIN});
        dc.LineTo({INT_MAX, INT_MAX});
        dc.FillRect({10, 10, 0, 0}, {BrushStyle::Hatched, kRed, HatchStyle::Cross});
        dc.FrameRect(everything, SolidBrush(kRed));
        dc.InvertRect({5, 5, 5, 5});
        dc.DrawFocusRect(everything);
        dc.FrameRegion(Region::FromRect(everything), SolidBrush(kRed), {INT_MAX, INT_MAX});
        dc.FrameRegion(Region::FromRect({0, 0, 5, 5}), SolidBrush(kRed), {-3, 1000000});
        dc.SetBrushOrigin({INT_MIN, INT_MAX});
        dc.PatternBlt(everything, RasterOp::SourceInvert);
        dc.StretchBitmap(everything, source, {0, 0, 5, 5});
        dc.StretchBitmap({0, 0, 10, 10}, source, everything);
        dc.StretchBitmap({0, 0, 10, 10}, source, {3, 3, 3, 3});
        dc.CopyBitmap({INT_MAX, INT_MIN}, source, everything, RasterOp::SourcePaint);
        dc.CopyBitmap({0, 0}, empty, {0, 0, 5, 5});
        dc.CopyBitmapColourKey(everything, source, everything, kRed);
        dc.CopyBitmapMasked({INT_MIN, 0}, source, empty, everything);
        dc.SetPixel({INT_MAX, INT_MIN}, kRed);
        (void)dc.PixelAt({INT_MIN, INT_MAX});
        dc.TextOut({INT_MAX, INT_MIN}, "far away");
        dc.TextOut({0, 0}, "");
        dc.TextOut({0, 0}, std::string("\xff\xfe\x00\x80", 4));
        Rect r = everything;
        dc.DrawText(r, "long text that wraps", text_format::kWordBreak | text_format::kEndEllipsis);
        Rect nothing{};
        dc.DrawText(nothing, "", text_format::kCalcRect);
        dc.SelectFont({"No Such Face", -4.0, 5000});
        dc.TextOut({1, 1}, "x");
        dc.SelectFont({"", 1e300, -1});
        (void)dc.TextExtent("x");
        dc.IntersectClipRect(everything);
        dc.ExcludeClipRect(everything);
        (void)dc.ClipBox();
        dc.Restore(INT_MIN);
        dc.Restore(INT_MAX);
        dc.Restore(0);
    };
    const std::vector<std::pair<std::string, Drawing>> mappings{
        {"text", [](DeviceContext&) {}},
        {"origins",
            [](DeviceContext& dc) {
                dc.SetViewportOrigin({INT_MAX, INT_MIN});
                dc.SetWindowOrigin({INT_MIN, INT_MAX});
                dc.OffsetViewportOrigin(INT_MAX, INT_MIN);
            }},
        {"huge zoom",
            [](DeviceContext& dc) {
                dc.SetMapMode(MapMode::Anisotropic);
                dc.SetWindowExtent({1, -1});
                dc.SetViewportExtent({INT_MAX, INT_MIN});
            }},
        {"tiny zoom",
            [](DeviceContext& dc) {
                dc.SetMapMode(MapMode::Isotropic);
                dc.SetWindowExtent({INT_MAX, INT_MIN});
                dc.SetViewportExtent({0, 0});
                dc.SetViewportExtent({1, -1});
            }},
    };
    for (const auto& entry : mappings) {
        SCOPED_TRACE(entry.first);
        const Drawing& mapping = entry.second;
        Drawn([&](DeviceContext& dc) {
            mapping(dc);
            all(dc);
            dc.SetMixMode(MixMode::XorPen);
            all(dc);
        });
        Bitmap nothing;
        MemoryContext onNothing(nothing);
        mapping(onNothing);
        all(onNothing);
        EXPECT_EQ(onNothing.SurfaceSize(), (Size{0, 0}));
    }
}

TEST_F(DrawingTest, ContextStopsWhenItsBitmapIsReplaced)
{
    Bitmap canvas(10, 10);
    MemoryContext dc(canvas);
    dc.FillRect({0, 0, 5, 5}, SolidBrush(kRed));
    const Bitmap copy = canvas;  // a copy holds what was drawn so far, and stays so
    EXPECT_EQ(copy.PixelAt(1, 1), kRed);
    dc.FillRect({0, 0, 10, 10}, SolidBrush(kBlue));
    EXPECT_EQ(copy.PixelAt(1, 1), kRed);
    EXPECT_EQ(canvas.PixelAt(1, 1), kBlue);

    MemoryContext second(canvas);  // a second context on the same bitmap draws nothing
    second.FillRect({0, 0, 10, 10}, SolidBrush(kRed));
    EXPECT_EQ(canvas.PixelAt(1, 1), kBlue);

    canvas = Bitmap(6, 6);
    dc.FillRect({0, 0, 10, 10}, SolidBrush(kRed));
    EXPECT_EQ(canvas.PixelAt(1, 1), kWhite);
    EXPECT_EQ(dc.SurfaceSize(), (Size{0, 0}));
}

}  // namespace
}  // namespace drawing_test
}  // namespace corvane
