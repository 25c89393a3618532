#include "platform/DeviceContext.h"

#include "DrawingTestSupport.h"
#include "PlatformTestSupport.h"
#include "ReferencePictures.h"

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <set>
#include <string>
#include <vector>

namespace corvane {
namespace smooth_drawing_test {
namespace {

using test::kBlack;
using test::kBlue;
using test::kRed;
using test::kWhite;

constexpr RgbColour kGreen{0, 160, 0};

using Drawing = std::function<void(DeviceContext&)>;

class SmoothDrawingTest : public test::PlatformTest {
protected:
    static Bitmap Drawn(const Drawing& draw, int width = 60, int height = 60)
    {
        Bitmap canvas(width, height);
        MemoryContext dc(canvas);
        draw(dc);
        return canvas;
    }
};

// The distinct colours of a picture.
std::set<std::array<int, 3>> ColoursOf(const Bitmap& picture)
{
    std::set<std::array<int, 3>> colours;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const RgbColour c = picture.PixelAt(x, y);
            colours.insert({c.red, c.green, c.blue});
        }
    return colours;
}

std::array<int, 3> Channels(RgbColour c) { return {c.red, c.green, c.blue}; }

// ------------------------------------------------------------ reference pictures

struct ReferenceCase {
    const char* name;
    int width;
    int height;
    Drawing draw;
};

TEST_F(SmoothDrawingTest, NewShapesMatchTheirReferencePictures)
{
    const std::vector<ReferenceCase> cases{
        {"antialiased-arcs.png", 90, 60,
            [](DeviceContext& dc) {
                dc.SetAntialiasing(true);
                dc.SelectPen(SolidPen(kBlack));
                dc.Arc({4, 4, 56, 56}, {56, 30}, {30, 4});  // upper right quarter
                dc.SelectPen(CappedPen(kRed, 5, PenCap::Flat));
                dc.Arc({10, 10, 50, 50}, {10, 30}, {50, 30});  // lower half
                dc.SelectPen(CappedPen(kBlue, 3, PenCap::Round));
                dc.Arc({60, 5, 86, 55}, {73, 55}, {73, 5});  // right half of a tall ellipse
            }},
        {"pies-and-chords.png", 90, 50,
            [](DeviceContext& dc) {
                dc.SetAntialiasing(true);
                dc.SelectPen(SolidPen(kBlack));
                dc.SelectBrush(SolidBrush(kRed));
                dc.Pie({2, 2, 44, 44}, {44, 2}, {2, 2});  // from 45 to 135 degrees
                dc.SelectBrush(SolidBrush(kGreen));
                dc.Pie({2, 4, 44, 46}, {2, 46}, {44, 46});
                dc.SelectPen(CappedPen(kBlue, 2, PenCap::Round));
                dc.SelectBrush(SolidBrush(RgbColour{255, 220, 0}));
                dc.Chord({46, 4, 88, 46}, {46, 20}, {88, 20});
            }},
        {"gradients.png", 100, 50,
            [](DeviceContext& dc) {
                dc.SelectPen(NullPen());
                dc.FillRect({0, 0, 50, 50}, LinearGradientBrush(kRed, {0, 0}, kBlue, {50, 50}));
                dc.SetAntialiasing(true);
                dc.SelectPen(SolidPen(kBlack, 2));
                dc.SelectBrush(RadialGradientBrush(kWhite, {70, 20}, RgbColour{40, 40, 120}, 30));
                dc.Ellipse({52, 2, 98, 48});
            }},
        {"rotated-text.png", 100, 100,
            [](DeviceContext& dc) {
                dc.SetBackgroundMode(BackgroundMode::Transparent);
                FontSpec font{"DejaVu Sans", 10.0};
                for (const int angle : {0, 450, 900, 2700}) {
                    font.escapement = angle;
                    dc.SelectFont(font);
                    dc.TextOut({50, 50}, "Gauge");
                }
            }},
        {"polyline-and-caps.png", 100, 60,
            [](DeviceContext& dc) {
                std::vector<PointF> wave;
                for (int i = 0; i <= 80; ++i)
                    wave.push_back({5.0 + i, 15.0 + 10.0 * std::sin(i * std::numbers::pi / 20.0)});
                dc.SetAntialiasing(true);
                dc.SelectPen(SolidPen(kBlue, 2));
                dc.PolylineF(wave);
                dc.SetAntialiasing(false);
                int y = 35;
                for (const PenCap cap : {PenCap::Flat, PenCap::Square, PenCap::Round}) {
                    dc.SelectPen(CappedPen(kBlack, 7, cap));
                    dc.MoveTo({20, y});
                    dc.LineTo({80, y});
                    y += 10;
                }
            }},
    };
    for (const ReferenceCase& c : cases) {
        const Bitmap drawn = Drawn(c.draw, c.width, c.height);
        // Glyph shapes vary a little between font versions.
        const test::PictureTolerance tolerance{24, std::string(c.name) == "rotated-text.png" ? 40 : 4};
        EXPECT_TRUE(test::MatchesReference(drawn, c.name, tolerance));
    }
}

// ------------------------------------------------------------ exact checks

TEST_F(SmoothDrawingTest, PiesAndChordsFillOnlyTheirSide)
{
    // A quarter pie and a chord of the upper half, in the same circle.
    const Bitmap pie = Drawn([](DeviceContext& dc) {
        dc.SelectPen(SolidPen(kBlack));
        dc.SelectBrush(SolidBrush(kRed));
        dc.Pie({0, 0, 41, 41}, {40, 20}, {20, 0});
    });
    EXPECT_EQ(pie.PixelAt(27, 13), kRed);    // inside the upper right quarter
    EXPECT_EQ(pie.PixelAt(13, 13), kWhite);  // upper left: outside the sweep
    EXPECT_EQ(pie.PixelAt(27, 27), kWhite);  // lower right
    EXPECT_EQ(pie.PixelAt(5, 5), kWhite);    // outside the circle

    const Bitmap chord = Drawn([](DeviceContext& dc) {
        dc.SelectPen(SolidPen(kBlack));
        dc.SelectBrush(SolidBrush(kRed));
        dc.Chord({0, 0, 41, 41}, {40, 10}, {0, 10});
    });
    EXPECT_EQ(chord.PixelAt(20, 5), kRed);     // between the curve and the line
    EXPECT_EQ(chord.PixelAt(20, 20), kWhite);  // the centre lies beyond the chord
    EXPECT_EQ(chord.PixelAt(20, 30), kWhite);
}

TEST_F(SmoothDrawingTest, PieCentreIsFilledAtAnyAngle)
{
    struct Sweep {
        Point start;
        Point end;
    };
    const std::vector<Sweep> sweeps{{{50, 25}, {25, 0}}, {{0, 25}, {50, 25}}, {{0, 0}, {50, 50}}, {{25, 50}, {50, 0}}};
    for (const Sweep& sweep : sweeps) {
        const Bitmap drawn = Drawn([&](DeviceContext& dc) {
            dc.SelectPen(NullPen());
            dc.SelectBrush(SolidBrush(kBlue));
            dc.Pie({0, 0, 51, 51}, sweep.start, sweep.end);
        });
        // Just inside the centre, along the bisector of the sweep.
        const double from = std::atan2(25.0 - sweep.start.y, sweep.start.x - 25.0);
        double to = std::atan2(25.0 - sweep.end.y, sweep.end.x - 25.0);
        while (to <= from)
            to += 2 * std::numbers::pi;
        const double middle = (from + to) / 2;
        const int x = 25 + static_cast<int>(std::lround(10 * std::cos(middle)));
        const int y = 25 - static_cast<int>(std::lround(10 * std::sin(middle)));
        EXPECT_EQ(drawn.PixelAt(x, y), kBlue) << sweep.start.x << "," << sweep.start.y;
        // The opposite side is outside the sweep for these sweeps of at most half a turn.
        EXPECT_EQ(drawn.PixelAt(50 - x, 50 - y), kWhite) << sweep.start.x << "," << sweep.start.y;
    }
}

TEST_F(SmoothDrawingTest, ArcsRunCounterClockwiseAndCloseWhenTheirEndsMeet)
{
    const Bitmap quarter = Drawn([](DeviceContext& dc) {
        dc.SelectPen(SolidPen(kBlack));
        dc.Arc({0, 0, 41, 41}, {40, 20}, {20, 0});
    });
    const auto inkNear = [](const Bitmap& picture, int cx, int cy) {
        for (int y = cy - 2; y <= cy + 2; ++y)
            for (int x = cx - 2; x <= cx + 2; ++x)
                if (picture.PixelAt(x, y) == kBlack)
                    return true;
        return false;
    };
    // 45 degrees on the circle of radius 20 about (20, 20).
    EXPECT_TRUE(inkNear(quarter, 34, 6));
    EXPECT_FALSE(inkNear(quarter, 34, 34));
    EXPECT_FALSE(inkNear(quarter, 6, 6));

    const Bitmap whole = Drawn([](DeviceContext& dc) {
        dc.SelectPen(SolidPen(kBlack));
        dc.Arc({0, 0, 41, 41}, {40, 20}, {40, 20});
    });
    for (const Point p : {Point{34, 6}, Point{6, 6}, Point{6, 34}, Point{34, 34}})
        EXPECT_TRUE(inkNear(whole, p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(SmoothDrawingTest, WithoutAntialiasingOnlyPenBrushAndBackgroundColoursAppear)
{
    const std::vector<Drawing> drawings{
        [](DeviceContext& dc) {
            dc.Arc({3, 3, 50, 40}, {50, 3}, {3, 40});
        },
        [](DeviceContext& dc) {
            dc.Pie({3, 3, 50, 40}, {50, 3}, {3, 40});
        },
        [](DeviceContext& dc) {
            dc.Chord({3, 3, 50, 40}, {50, 3}, {3, 40});
        },
        [](DeviceContext& dc) {
            const std::array<PointF, 3> line{PointF{2.3, 4.7}, PointF{40.6, 17.2}, PointF{11.1, 50.9}};
            dc.PolylineF(line);
        },
        [](DeviceContext& dc) {
            dc.Ellipse({3, 3, 50, 40});
        },
    };
    for (const int width : {1, 4}) {
        for (std::size_t i = 0; i < drawings.size(); ++i) {
            const auto prepare = [&](DeviceContext& dc) {
                dc.SelectPen(CappedPen(kBlack, width, PenCap::Round));
                dc.SelectBrush(SolidBrush(kRed));
            };
            const Bitmap sharp = Drawn([&](DeviceContext& dc) {
                prepare(dc);
                drawings[i](dc);
            });
            const std::set<std::array<int, 3>> allowed{Channels(kBlack), Channels(kRed), Channels(kWhite)};
            for (const auto& colour : ColoursOf(sharp))
                EXPECT_TRUE(allowed.contains(colour)) << "drawing " << i << " width " << width;

            const Bitmap smooth = Drawn([&](DeviceContext& dc) {
                prepare(dc);
                dc.SetAntialiasing(true);
                drawings[i](dc);
            });
            EXPECT_GT(ColoursOf(smooth).size(), 3U) << "drawing " << i << " width " << width;
        }
    }
}

TEST_F(SmoothDrawingTest, AntialiasingIsOffUntilAskedAndKeptBySave)
{
    const Drawing ellipse = [](DeviceContext& dc) {
        dc.SelectPen(SolidPen(kBlack, 3));
        dc.SelectBrush(SolidBrush(kRed));
        dc.Ellipse({4, 4, 50, 44});
    };
    const Bitmap plain = Drawn(ellipse);
    const Bitmap restored = Drawn([&](DeviceContext& dc) {
        EXPECT_FALSE(dc.Antialiasing());
        const int saved = dc.Save();
        EXPECT_FALSE(dc.SetAntialiasing(true));
        EXPECT_TRUE(dc.Antialiasing());
        dc.Restore(saved);
        EXPECT_FALSE(dc.Antialiasing());
        ellipse(dc);
    });
    EXPECT_EQ(test::Differences(plain, restored), "");
}

TEST_F(SmoothDrawingTest, GradientsRunBetweenTheirColours)
{
    const Bitmap linear = Drawn([](DeviceContext& dc) {
        dc.FillRect({0, 0, 60, 10}, LinearGradientBrush(kRed, {0, 0}, kBlue, {59, 0}));
    });
    const auto near = [](RgbColour a, RgbColour b) {
        return std::abs(a.red - b.red) <= 12 && std::abs(a.green - b.green) <= 12 && std::abs(a.blue - b.blue) <= 12;
    };
    EXPECT_TRUE(near(linear.PixelAt(0, 5), kRed));
    EXPECT_TRUE(near(linear.PixelAt(59, 5), kBlue));
    EXPECT_TRUE(near(linear.PixelAt(30, 5), RgbColour{127, 0, 127}));
    EXPECT_EQ(linear.PixelAt(30, 0), linear.PixelAt(30, 9));  // the same down each column

    // The radial one, under a mapping: its points are logical units.
    const Bitmap radial = Drawn([](DeviceContext& dc) {
        dc.SetMapMode(MapMode::Anisotropic);
        dc.SetWindowExtent({30, 30});
        dc.SetViewportExtent({60, 60});
        dc.SelectPen(NullPen());
        dc.SelectBrush(RadialGradientBrush(kWhite, {15, 15}, kBlack, 10));
        dc.Rectangle({0, 0, 31, 31});
    });
    EXPECT_TRUE(near(radial.PixelAt(30, 30), kWhite));
    EXPECT_TRUE(near(radial.PixelAt(30, 50), kBlack));  // 20 pixels away: the edge colour
    EXPECT_TRUE(near(radial.PixelAt(55, 55), kBlack));  // beyond the edge
    const RgbColour half = radial.PixelAt(40, 30);
    EXPECT_TRUE(near(half, RgbColour{127, 127, 127})) << int{half.red};
}

TEST_F(SmoothDrawingTest, PenCapsDecideHowFarLineEndsReach)
{
    struct CapCase {
        PenCap cap;
        bool beyondEnd;  // the pixel 3 before the start, on the line
        bool corner;     // the pixel 3 before the start and 4 off the line
    };
    const std::vector<CapCase> cases{
        {PenCap::Flat, false, false}, {PenCap::Square, true, true}, {PenCap::Round, true, false}};
    for (const CapCase& c : cases) {
        for (const bool smooth : {false, true}) {
            const Bitmap drawn = Drawn([&](DeviceContext& dc) {
                dc.SetAntialiasing(smooth);
                dc.SelectPen(CappedPen(kBlack, 9, c.cap));
                dc.MoveTo({20, 30});
                dc.LineTo({40, 30});
            });
            EXPECT_EQ(drawn.PixelAt(17, 30) == kBlack, c.beyondEnd) << static_cast<int>(c.cap) << smooth;
            EXPECT_EQ(drawn.PixelAt(17, 26) == kBlack, c.corner) << static_cast<int>(c.cap) << smooth;
            EXPECT_EQ(drawn.PixelAt(30, 26), kBlack) << static_cast<int>(c.cap) << smooth;  // the width
        }
    }
}

TEST_F(SmoothDrawingTest, TextTurnsAboutItsReferencePoint)
{
    const auto inkOf = [&](int escapement) {
        const Bitmap drawn = Drawn(
            [&](DeviceContext& dc) {
                FontSpec font{"DejaVu Sans", 12.0};
                font.escapement = escapement;
                dc.SelectFont(font);
                dc.SetBackgroundMode(BackgroundMode::Transparent);
                dc.TextOut({60, 60}, "Needle");
            },
            120, 120);
        return test::InkBox(drawn, kWhite);
    };
    const Rect level = inkOf(0);
    const Rect up = inkOf(900);
    const Rect down = inkOf(2700);
    ASSERT_FALSE(level.IsEmpty());
    EXPECT_GT(level.Width(), 2 * level.Height());
    EXPECT_GT(up.Height(), 2 * up.Width());
    EXPECT_GT(down.Height(), 2 * down.Width());
    // Turned a quarter counter-clockwise the text rises from the reference
    // point; a quarter clockwise it falls from it.
    EXPECT_LE(up.bottom, 61);
    EXPECT_GE(down.top, 59);
    EXPECT_GE(level.left, 59);
}

TEST_F(SmoothDrawingTest, FloatingPolylineFollowsItsPointsBetweenUnits)
{
    // Under a 10x zoom, points a tenth of a unit apart land a pixel apart.
    const Bitmap drawn = Drawn([](DeviceContext& dc) {
        dc.SetMapMode(MapMode::Anisotropic);
        dc.SetWindowExtent({1, 1});
        dc.SetViewportExtent({10, 10});
        dc.SelectPen(SolidPen(kBlack));
        const std::array<PointF, 2> line{PointF{1.0, 2.3}, PointF{5.0, 2.3}};
        dc.PolylineF(line);
    });
    EXPECT_EQ(drawn.PixelAt(20, 23), kBlack);
    EXPECT_EQ(drawn.PixelAt(20, 22), kWhite);
    EXPECT_EQ(drawn.PixelAt(20, 20), kWhite);
    EXPECT_EQ(drawn.PixelAt(9, 23), kWhite);
}

TEST_F(SmoothDrawingTest, FarOffPointsStillDrawWhatIsInSight)
{
    constexpr int kFar = 1 << 30;
    struct FarCase {
        const char* what;
        Drawing draw;
    };
    const std::vector<FarCase> cases{
        {"dashed line",
            [](DeviceContext& dc) {
                dc.SelectPen({PenStyle::Dash, 3, kBlack});
                dc.MoveTo({-kFar, 20});
                dc.LineTo({kFar, 20});
            }},
        {"polyline",
            [](DeviceContext& dc) {
                dc.SelectPen(SolidPen(kBlack, 3));
                const std::array<PointF, 3> line{PointF{-1e12, 20.0}, PointF{1e12, 20.0}, PointF{0.0, 1e300}};
                dc.PolylineF(line);
            }},
        {"arc",
            [](DeviceContext& dc) {
                dc.SelectPen(SolidPen(kBlack, 3));
                dc.Arc({-kFar, 20, kFar, kFar}, {kFar, kFar}, {-kFar, kFar});  // its upper half
            }},
    };
    for (const FarCase& c : cases) {
        const Bitmap drawn = Drawn([&](DeviceContext& dc) {
            dc.SetAntialiasing(true);
            c.draw(dc);
        });
        EXPECT_FALSE(test::InkBox(drawn, kWhite).IsEmpty()) << c.what;
    }
}

}  // namespace
}  // namespace smooth_drawing_test
}  // namespace corvane
