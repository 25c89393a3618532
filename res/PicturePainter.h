#pragma once

#include "platform/DeviceContext.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace corvane::res {

// How a label is set: the face, the largest size it may take and the
// smallest it may shrink to so that it fits its box.
struct LabelStyle {
    double pointSize = 7.0;
    double minPointSize = 5.0;
    int weight = 700;
    bool italic = false;
    unsigned format = text_format::kCenter | text_format::kVCenter | text_format::kSingleLine;
    const char* face = "DejaVu Sans Condensed";
};

// The drawing calls the program's pictures are made of: shapes given by a
// fill and an outline colour (either may be left out), lines, arcs and
// labels that shrink to fit their box. A label that cannot fit even at its
// smallest size is still drawn, clipped, and remembered, so that a check
// can find pictures whose text overflows.
class PicturePainter {
public:
    // A colour to fill or outline with, or none (std::nullopt).
    class Paint {
    public:
        constexpr Paint(RgbColour colour) : colour_(colour), set_(true) {}
        constexpr Paint(std::uint8_t red, std::uint8_t green, std::uint8_t blue) : Paint(RgbColour{red, green, blue}) {}
        constexpr Paint(std::nullopt_t) {}
        constexpr explicit operator bool() const { return set_; }
        constexpr RgbColour operator*() const { return colour_; }

    private:
        RgbColour colour_;
        bool set_ = false;
    };

    explicit PicturePainter(DeviceContext& dc);

    DeviceContext& Dc() { return dc_; }

    void Fill(const Rect& rect, RgbColour colour);
    void Box(const Rect& rect, Paint fill, Paint line, int width = 1);
    void RoundBox(const Rect& rect, int radius, Paint fill, Paint line, int width = 1);
    void Oval(const Rect& rect, Paint fill, Paint line, int width = 1);
    void Circle(Point centre, int radius, Paint fill, Paint line, int width = 1);
    void Shape(std::span<const Point> points, Paint fill, Paint line, int width = 1);
    void Line(Point from, Point to, RgbColour colour, int width = 1);
    void Lines(std::span<const Point> points, RgbColour colour, int width = 1);
    void DashedLine(Point from, Point to, RgbColour colour, int dash = 2);
    // An elliptic arc from one angle to another, in degrees counter-clockwise
    // from the positive x axis (screen y grows downward).
    void Arc(
        Point centre, int radiusX, int radiusY, double fromDegrees, double toDegrees, RgbColour colour, int width = 1);
    void Pixel(Point point, RgbColour colour);
    // A vertical blend from one colour at the top to another at the bottom.
    void Gradient(const Rect& rect, RgbColour top, RgbColour bottom);

    void Label(const Rect& box, std::string_view text, RgbColour colour, const LabelStyle& style = {});
    // True once any label did not fit its box at its smallest size.
    bool LabelOverflowed() const { return overflowed_; }

private:
    DeviceContext& dc_;
    bool overflowed_ = false;
};

// Points along curves, for shapes the context has no call for.
std::vector<Point> ArcPoints(
    Point centre, int radiusX, int radiusY, double fromDegrees, double toDegrees, int steps = 16);
std::vector<Point> CurvePoints(Point from, Point control, Point to, int steps = 10);

// A colour part way from one to another (0 gives the first, 1 the second).
RgbColour Blend(RgbColour from, RgbColour to, double amount);

}  // namespace corvane::res
