#include "res/PicturePainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace corvane::res {

namespace {

Pen PenOf(const PicturePainter::Paint& line, int width) { return line ? SolidPen(*line, width) : NullPen(); }
Brush BrushOf(const PicturePainter::Paint& fill) { return fill ? SolidBrush(*fill) : NullBrush(); }

int Round(double value) { return static_cast<int>(std::lround(value)); }

std::uint8_t Mix(std::uint8_t from, std::uint8_t to, double amount)
{
    return static_cast<std::uint8_t>(std::clamp(Round(from + (to - from) * amount), 0, 255));
}

// Splits a label into its lines.
std::vector<std::string_view> LinesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (true) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return lines;
        text.remove_prefix(end + 1);
    }
}

}  // namespace

PicturePainter::PicturePainter(DeviceContext& dc) : dc_(dc) { dc_.SetBackgroundMode(BackgroundMode::Transparent); }

void PicturePainter::Fill(const Rect& rect, RgbColour colour) { dc_.FillRect(rect, SolidBrush(colour)); }

void PicturePainter::Box(const Rect& rect, Paint fill, Paint line, int width)
{
    dc_.SelectPen(PenOf(line, width));
    dc_.SelectBrush(BrushOf(fill));
    dc_.Rectangle(rect);
}

void PicturePainter::RoundBox(const Rect& rect, int radius, Paint fill, Paint line, int width)
{
    dc_.SelectPen(PenOf(line, width));
    dc_.SelectBrush(BrushOf(fill));
    dc_.RoundRect(rect, {radius * 2, radius * 2});
}

void PicturePainter::Oval(const Rect& rect, Paint fill, Paint line, int width)
{
    dc_.SelectPen(PenOf(line, width));
    dc_.SelectBrush(BrushOf(fill));
    dc_.Ellipse(rect);
}

void PicturePainter::Circle(Point centre, int radius, Paint fill, Paint line, int width)
{
    Oval({centre.x - radius, centre.y - radius, centre.x + radius + 1, centre.y + radius + 1}, fill, line, width);
}

void PicturePainter::Shape(std::span<const Point> points, Paint fill, Paint line, int width)
{
    dc_.SelectPen(PenOf(line, width));
    dc_.SelectBrush(BrushOf(fill));
    dc_.Polygon(points, Region::FillRule::Winding);
}

void PicturePainter::Line(Point from, Point to, RgbColour colour, int width)
{
    const Point points[] = {from, to};
    Lines(points, colour, width);
}

void PicturePainter::Lines(std::span<const Point> points, RgbColour colour, int width)
{
    if (points.size() < 2)
        return;
    dc_.SelectPen(SolidPen(colour, width));
    dc_.Polyline(points);
    // The last point of a polyline is left out; draw it so that lines end
    // where they are told to.
    if (width <= 1)
        dc_.SetPixel(points.back(), colour);
}

void PicturePainter::DashedLine(Point from, Point to, RgbColour colour, int dash)
{
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    if (length < 1.0) {
        Pixel(from, colour);
        return;
    }
    const int steps = Round(length);
    dash = std::max(dash, 1);
    for (int i = 0; i <= steps; ++i) {
        if ((i / dash) % 2 != 0)
            continue;
        const double t = static_cast<double>(i) / steps;
        Pixel({Round(from.x + (to.x - from.x) * t), Round(from.y + (to.y - from.y) * t)}, colour);
    }
}

void PicturePainter::Arc(
    Point centre, int radiusX, int radiusY, double fromDegrees, double toDegrees, RgbColour colour, int width)
{
    const int steps = std::max(8, Round(std::abs(toDegrees - fromDegrees) / 8.0));
    const std::vector<Point> points = ArcPoints(centre, radiusX, radiusY, fromDegrees, toDegrees, steps);
    Lines(points, colour, width);
}

void PicturePainter::Pixel(Point point, RgbColour colour) { dc_.SetPixel(point, colour); }

void PicturePainter::Gradient(const Rect& rect, RgbColour top, RgbColour bottom)
{
    const int height = rect.Height();
    for (int row = 0; row < height; ++row) {
        const double amount = height > 1 ? static_cast<double>(row) / (height - 1) : 0.0;
        Fill({rect.left, rect.top + row, rect.right, rect.top + row + 1}, Blend(top, bottom, amount));
    }
}

void PicturePainter::Label(const Rect& box, std::string_view text, RgbColour colour, const LabelStyle& style)
{
    const std::vector<std::string_view> lines = LinesOf(text);
    const int count = static_cast<int>(lines.size());
    const int rowHeight = box.Height() / count;
    FontSpec font{style.face, style.pointSize, style.weight, style.italic, false, false};

    // The largest size, in half points, at which every line fits its row.
    for (;;) {
        dc_.SelectFont(font);
        const int ascent = dc_.Metrics().ascent;
        bool fits = ascent <= rowHeight + 1;
        for (std::string_view line : lines)
            fits = fits && dc_.TextExtent(line).width <= box.Width();
        if (fits)
            break;
        if (font.pointSize - 0.5 < style.minPointSize) {
            overflowed_ = true;
            break;
        }
        font.pointSize -= 0.5;
    }

    dc_.SetTextColour(colour);
    for (int i = 0; i < count; ++i) {
        Rect row{box.left, box.top + i * rowHeight, box.right, box.top + (i + 1) * rowHeight};
        if (i == count - 1)
            row.bottom = box.bottom;
        dc_.DrawText(row, lines[static_cast<std::size_t>(i)], style.format | text_format::kSingleLine);
    }
}

std::vector<Point> ArcPoints(Point centre, int radiusX, int radiusY, double fromDegrees, double toDegrees, int steps)
{
    std::vector<Point> points;
    steps = std::max(steps, 1);
    points.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double degrees = fromDegrees + (toDegrees - fromDegrees) * i / steps;
        const double radians = degrees * std::numbers::pi / 180.0;
        points.push_back(
            {Round(centre.x + radiusX * std::cos(radians)), Round(centre.y - radiusY * std::sin(radians))});
    }
    return points;
}

std::vector<Point> CurvePoints(Point from, Point control, Point to, int steps)
{
    std::vector<Point> points;
    steps = std::max(steps, 1);
    points.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double a = (1 - t) * (1 - t);
        const double b = 2 * (1 - t) * t;
        const double c = t * t;
        points.push_back({Round(a * from.x + b * control.x + c * to.x), Round(a * from.y + b * control.y + c * to.y)});
    }
    return points;
}

RgbColour Blend(RgbColour from, RgbColour to, double amount)
{
    return {Mix(from.red, to.red, amount), Mix(from.green, to.green, amount), Mix(from.blue, to.blue, amount)};
}

}  // namespace corvane::res
