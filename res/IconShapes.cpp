#include "res/IconShapes.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <vector>

namespace corvane::res {

namespace {

int Round(double value) { return static_cast<int>(std::lround(value)); }

Point PointAt(Point centre, double radius, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    return {Round(centre.x + radius * std::cos(radians)), Round(centre.y - radius * std::sin(radians))};
}

}  // namespace

void IconBody(PicturePainter& p, const IconColours& c, const Rect& rect)
{
    p.RoundBox(rect, 3, c.body, c.outline);
    // A faint light edge inside the top gives the body a little depth.
    p.Line({rect.left + 3, rect.top + 1}, {rect.right - 4, rect.top + 1}, Blend(c.body, colour::kWhite, 0.7));
}

void ChannelBody(PicturePainter& p, const IconColours& c, std::string_view caption, int terminals)
{
    const Rect body{0, 0, 32, 64};
    p.RoundBox(body, 3, c.body, c.outline);
    p.Line({3, 1}, {28, 1}, Blend(c.body, colour::kWhite, 0.7));
    p.Line({3, 32}, {28, 32}, c.shade);
    IconLabel(p, kChannelCaptionArea, caption, c.ink, 7.0);
    // The channel's terminal strip.
    p.Box({3, 49, 29, 61}, c.shade, c.outline);
    terminals = std::clamp(terminals, 1, 3);
    const int pitch = 26 / terminals;
    for (int i = 0; i < terminals; ++i)
        ScrewTerminal(p, {3 + pitch / 2 + i * pitch, 55}, 3);
}

void IconLabel(PicturePainter& p, const Rect& box, std::string_view text, RgbColour colour, double pointSize)
{
    LabelStyle style;
    style.pointSize = pointSize;
    style.minPointSize = 5.0;
    p.Label(box, text, colour, style);
}

void Badge(PicturePainter& p, const Rect& box, std::string_view text, RgbColour fill, RgbColour ink)
{
    p.RoundBox(box, 2, fill, std::nullopt);
    LabelStyle style;
    style.pointSize = 6.0;
    style.minPointSize = 4.5;
    p.Label(box, text, ink, style);
}

void Arrow(PicturePainter& p, Point from, Point to, RgbColour colour, int width, int head)
{
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length < 1.0)
        return;
    const double ux = dx / length;
    const double uy = dy / length;
    const Point base{Round(to.x - ux * head), Round(to.y - uy * head)};
    p.Line(from, base, colour, width);
    const double spread = head * 0.8;
    const Point points[] = {
        to,
        {Round(base.x - uy * spread), Round(base.y + ux * spread)},
        {Round(base.x + uy * spread), Round(base.y - ux * spread)},
    };
    p.Shape(points, colour, colour);
}

void SquareWave(PicturePainter& p, const Rect& rect, RgbColour colour, int pulses, int width)
{
    pulses = std::max(pulses, 1);
    const int low = rect.bottom - 1;
    const int high = rect.top;
    const double pitch = static_cast<double>(rect.Width() - 1) / pulses;
    std::vector<Point> points{{rect.left, low}};
    for (int i = 0; i < pulses; ++i) {
        const int rise = rect.left + Round(pitch * i + pitch * 0.25);
        const int fall = rect.left + Round(pitch * i + pitch * 0.75);
        points.insert(points.end(), {{rise, low}, {rise, high}, {fall, high}, {fall, low}});
    }
    points.push_back({rect.right - 1, low});
    p.Lines(points, colour, width);
}

void SinglePulse(PicturePainter& p, const Rect& rect, RgbColour colour, int width)
{
    const int low = rect.bottom - 1;
    const int rise = rect.left + rect.Width() / 3;
    const int fall = rect.left + rect.Width() * 2 / 3;
    const Point points[]
        = {{rect.left, low}, {rise, low}, {rise, rect.top}, {fall, rect.top}, {fall, low}, {rect.right - 1, low}};
    p.Lines(points, colour, width);
}

void SineWave(PicturePainter& p, const Rect& rect, RgbColour colour, double cycles, int width)
{
    std::vector<Point> points;
    const int w = std::max(rect.Width() - 1, 1);
    const double middle = rect.top + (rect.Height() - 1) / 2.0;
    const double amplitude = (rect.Height() - 1) / 2.0;
    for (int x = 0; x <= w; ++x) {
        const double phase = 2.0 * std::numbers::pi * cycles * x / w;
        points.push_back({rect.left + x, Round(middle - amplitude * std::sin(phase))});
    }
    p.Lines(points, colour, width);
}

void ClockFace(PicturePainter& p, Point centre, int radius, RgbColour face, RgbColour ink, double hourDegrees,
    double minuteDegrees, bool ticks)
{
    p.Circle(centre, radius, face, ink, radius >= 9 ? 2 : 1);
    if (ticks && radius >= 6) {
        for (int hour = 0; hour < 12; hour += 3) {
            const double degrees = 90.0 - hour * 30.0;
            p.Line(PointAt(centre, radius - 3, degrees), PointAt(centre, radius - 2, degrees), ink);
        }
    }
    p.Line(centre, PointAt(centre, radius * 0.78, minuteDegrees), ink, radius >= 9 ? 2 : 1);
    p.Line(centre, PointAt(centre, radius * 0.5, hourDegrees), ink, radius >= 9 ? 2 : 1);
    p.Pixel(centre, ink);
}

void Hourglass(PicturePainter& p, const Rect& rect, RgbColour ink, RgbColour sand)
{
    const int cx = rect.left + rect.Width() / 2;
    const int cy = rect.top + rect.Height() / 2;
    const int l = rect.left + 2;
    const int r = rect.right - 3;
    const int t = rect.top + 2;
    const int b = rect.bottom - 3;
    const Point glass[] = {{l, t}, {r, t}, {cx + 1, cy}, {r, b}, {l, b}, {cx - 1, cy}};
    p.Shape(glass, colour::kWhite, ink);
    // Sand running out of the top into a heap at the bottom.
    const int heap = std::max(2, rect.Height() / 5);
    const Point bottomSand[] = {{cx, b - heap}, {r - 1, b - 1}, {l + 1, b - 1}};
    p.Shape(bottomSand, sand, std::nullopt);
    const int top = std::max(1, rect.Height() / 8);
    const Point topSand[] = {{l + top + 2, t + top + 1}, {r - top - 2, t + top + 1}, {cx, cy - 1}};
    p.Shape(topSand, sand, std::nullopt);
    p.Line({cx, cy}, {cx, b - heap}, sand);
    p.Fill({rect.left, rect.top, rect.right, rect.top + 2}, ink);
    p.Fill({rect.left, rect.bottom - 2, rect.right, rect.bottom}, ink);
}

void Envelope(PicturePainter& p, const Rect& rect, RgbColour paper, RgbColour ink)
{
    p.Box(rect, paper, ink);
    const int cx = rect.left + rect.Width() / 2;
    const int flap = rect.top + rect.Height() * 3 / 5;
    const Point fold[] = {{rect.left, rect.top}, {cx, flap}, {rect.right - 1, rect.top}};
    p.Lines(fold, ink);
    p.Line({rect.left, rect.bottom - 1}, {cx - 2, flap - 2}, Blend(paper, ink, 0.5));
    p.Line({rect.right - 1, rect.bottom - 1}, {cx + 2, flap - 2}, Blend(paper, ink, 0.5));
}

void MemoryChip(PicturePainter& p, const Rect& rect, RgbColour body, RgbColour pins, std::string_view label)
{
    const Rect chip{rect.left + 3, rect.top, rect.right - 3, rect.bottom};
    for (int y = chip.top + 2; y < chip.bottom - 1; y += 3) {
        p.Line({rect.left, y}, {chip.left - 1, y}, pins);
        p.Line({chip.right, y}, {rect.right - 1, y}, pins);
    }
    p.RoundBox(chip, 1, body, colour::kBlack);
    p.Arc({chip.left + chip.Width() / 2, chip.top}, 2, 2, 180.0, 360.0, colour::kSilver);
    if (!label.empty()) {
        LabelStyle style;
        style.pointSize = 6.0;
        style.minPointSize = 4.5;
        p.Label(chip.Inflated(-1, -2), label, colour::kWhite, style);
    }
}

void Cloud(PicturePainter& p, const Rect& rect, RgbColour fill, RgbColour line)
{
    const int w = rect.Width();
    const int h = rect.Height();
    struct Puff {
        double x, y, r;
    };
    const Puff puffs[] = {{0.28, 0.62, 0.24}, {0.50, 0.40, 0.30}, {0.74, 0.58, 0.24}};
    const int scale = std::min(w, h * 3 / 2);
    const Rect base{rect.left + w / 5, rect.top + h * 11 / 20, rect.right - w / 5, rect.bottom - 1};
    for (const Puff& puff : puffs)
        p.Circle({rect.left + Round(puff.x * w), rect.top + Round(puff.y * h)}, Round(puff.r * scale), fill, line);
    p.Box(base, fill, line);
    // Fill the inside again to wipe the edges where the puffs overlap.
    for (const Puff& puff : puffs)
        p.Circle({rect.left + Round(puff.x * w), rect.top + Round(puff.y * h)}, Round(puff.r * scale) - 1, fill,
            std::nullopt);
    p.Fill({base.left + 1, base.top - 1, base.right - 1, base.bottom - 1}, fill);
}

void Gear(PicturePainter& p, Point centre, int radius, RgbColour fill, RgbColour line)
{
    std::vector<Point> points;
    const int teeth = 8;
    const double inner = radius * 0.72;
    for (int i = 0; i < teeth; ++i) {
        const double at = i * 360.0 / teeth;
        const double half = 360.0 / teeth / 4.0;
        points.push_back(PointAt(centre, inner, at - half * 1.6));
        points.push_back(PointAt(centre, radius, at - half * 0.8));
        points.push_back(PointAt(centre, radius, at + half * 0.8));
        points.push_back(PointAt(centre, inner, at + half * 1.6));
    }
    p.Shape(points, fill, line);
    p.Circle(centre, std::max(1, radius / 3), colour::kWhite, line);
}

void Padlock(PicturePainter& p, const Rect& rect, RgbColour body, RgbColour line, bool open)
{
    const int w = rect.Width();
    const int h = rect.Height();
    const int cx = rect.left + w / 2;
    const int shackleRadius = std::max(2, w * 3 / 10);
    const int bodyTop = rect.top + h * 9 / 20;
    const Point shackleCentre{open ? cx + shackleRadius / 2 : cx, rect.top + shackleRadius + 1};
    const int thickness = w >= 14 ? 2 : 1;
    p.Arc(shackleCentre, shackleRadius, shackleRadius, 0.0, 180.0, line, thickness);
    p.Line({shackleCentre.x - shackleRadius, shackleCentre.y}, {shackleCentre.x - shackleRadius, bodyTop}, line,
        thickness);
    p.Line({shackleCentre.x + shackleRadius, shackleCentre.y},
        {shackleCentre.x + shackleRadius, open ? shackleCentre.y + 1 : bodyTop}, line, thickness);
    p.RoundBox({rect.left, bodyTop, rect.right, rect.bottom}, 1, body, line);
    const int keyY = bodyTop + (rect.bottom - bodyTop) / 2 - 1;
    p.Circle({cx, keyY}, w >= 14 ? 1 : 0, line, line);
    p.Line({cx, keyY}, {cx, keyY + std::max(1, h / 8)}, line);
}

void Bell(PicturePainter& p, const Rect& rect, RgbColour fill, RgbColour line)
{
    const int w = rect.Width();
    const int h = rect.Height();
    const int cx = rect.left + w / 2;
    const int domeRadius = std::max(2, w * 3 / 10);
    const int domeY = rect.top + 2 + domeRadius;
    const int rim = rect.bottom - std::max(3, h / 6);
    std::vector<Point> shape = ArcPoints({cx, domeY}, domeRadius, domeRadius, 180.0, 0.0, 12);
    shape.push_back({cx + domeRadius, rim - std::max(2, h / 8)});
    shape.push_back({rect.right - 1, rim});
    shape.push_back({rect.left, rim});
    shape.push_back({cx - domeRadius, rim - std::max(2, h / 8)});
    p.Circle({cx, rect.top + 1}, 1, fill, line);
    p.Shape(shape, fill, line);
    p.Circle({cx, rim + 2}, std::max(1, w / 10), line, line);
}

void Thermometer(PicturePainter& p, const Rect& rect, RgbColour glass, RgbColour fluid, RgbColour line)
{
    const int cx = rect.left + rect.Width() / 2;
    const int bulbRadius = std::max(2, rect.Width() / 3);
    const int bulbY = rect.bottom - 1 - bulbRadius;
    const int tube = std::max(1, bulbRadius / 2);
    p.RoundBox({cx - tube - 1, rect.top, cx + tube + 2, bulbY}, tube + 1, glass, line);
    p.Circle({cx, bulbY}, bulbRadius, fluid, line);
    const int level = rect.top + rect.Height() * 2 / 5;
    p.Fill({cx - tube + 1, level, cx + tube, bulbY}, fluid);
}

void LcdPanel(PicturePainter& p, const Rect& rect, std::string_view text)
{
    p.Box(rect, colour::kDark, colour::kBlack);
    const Rect glass = rect.Inflated(-2, -2);
    p.Fill(glass, colour::kLcd);
    LabelStyle style;
    style.face = "DejaVu Sans Mono";
    style.pointSize = 7.0;
    style.minPointSize = 4.5;
    p.Label(glass.Inflated(-1, 0), text, colour::kLcdInk, style);
}

void DataTag(PicturePainter& p, const Rect& rect, RgbColour fill, RgbColour line)
{
    const int cy = rect.top + rect.Height() / 2;
    const int point = rect.Height() / 2;
    const Point shape[] = {{rect.left, cy}, {rect.left + point, rect.top}, {rect.right - 1, rect.top},
        {rect.right - 1, rect.bottom - 1}, {rect.left + point, rect.bottom - 1}};
    p.Shape(shape, fill, line);
    p.Circle({rect.left + point - 1, cy}, std::max(1, rect.Height() / 8), colour::kWhite, line);
}

void CalendarPage(PicturePainter& p, const Rect& rect, RgbColour paper, RgbColour ink, RgbColour accent)
{
    p.Box(rect, paper, ink);
    const int header = std::max(3, rect.Height() / 4);
    p.Fill({rect.left + 1, rect.top + 1, rect.right - 1, rect.top + header}, accent);
    const int cols = rect.Width() >= 14 ? 4 : 3;
    const int rows = rect.Height() >= 14 ? 3 : 2;
    const double cellW = (rect.Width() - 2.0) / cols;
    const double cellH = (rect.Height() - header - 1.0) / rows;
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col) {
            const int x = rect.left + 1 + Round(cellW * col + cellW / 2) - 1;
            const int y = rect.top + header + Round(cellH * row + cellH / 2) - 1;
            p.Fill({x, y, x + (rect.Width() >= 20 ? 2 : 1), y + (rect.Width() >= 20 ? 2 : 1)}, ink);
        }
    p.Line({rect.left + rect.Width() / 4, rect.top - 1}, {rect.left + rect.Width() / 4, rect.top + 1}, ink);
    p.Line({rect.right - 1 - rect.Width() / 4, rect.top - 1}, {rect.right - 1 - rect.Width() / 4, rect.top + 1}, ink);
}

void Key(PicturePainter& p, const Rect& rect, RgbColour fill, RgbColour line)
{
    const int h = rect.Height();
    const int ringRadius = std::max(2, h / 3);
    const Point ring{rect.left + ringRadius, rect.top + h / 2};
    const int shaftY = ring.y;
    p.Box({ring.x, shaftY - 1, rect.right, shaftY + 2}, fill, line);
    p.Box({rect.right - 4, shaftY + 1, rect.right - 2, shaftY + 2 + h / 5}, fill, line);
    p.Box({rect.right - 8, shaftY + 1, rect.right - 6, shaftY + 1 + h / 7}, fill, line);
    p.Circle(ring, ringRadius, fill, line);
    p.Circle(ring, std::max(1, ringRadius / 3), colour::kWhite, line);
}

void Folder(PicturePainter& p, const Rect& rect, RgbColour fill, RgbColour line, bool open)
{
    const int tab = std::max(2, rect.Height() / 5);
    const Point back[] = {{rect.left, rect.top + tab}, {rect.left + 1, rect.top},
        {rect.left + rect.Width() / 3, rect.top}, {rect.left + rect.Width() / 3 + tab, rect.top + tab},
        {rect.right - 1, rect.top + tab}, {rect.right - 1, rect.bottom - 1}, {rect.left, rect.bottom - 1}};
    p.Shape(back, Blend(fill, line, 0.2), line);
    if (open) {
        const Point front[] = {{rect.left + 2, rect.top + tab * 2}, {rect.right - 1, rect.top + tab * 2},
            {rect.right - 3, rect.bottom - 1}, {rect.left, rect.bottom - 1}};
        p.Shape(front, fill, line);
    } else {
        p.Box({rect.left, rect.top + tab * 2 - 1, rect.right, rect.bottom}, fill, line);
    }
}

void FloppyDisk(PicturePainter& p, const Rect& rect, RgbColour body, RgbColour line)
{
    const int cut = std::max(2, rect.Width() / 6);
    const Point shape[] = {{rect.left, rect.top}, {rect.right - 1 - cut, rect.top}, {rect.right - 1, rect.top + cut},
        {rect.right - 1, rect.bottom - 1}, {rect.left, rect.bottom - 1}};
    p.Shape(shape, body, line);
    const int w = rect.Width();
    const int h = rect.Height();
    p.Box({rect.left + w / 4, rect.top, rect.right - w / 4 - 1, rect.top + h * 2 / 5}, colour::kSilver, line);
    p.Fill({rect.left + w / 2 + 1, rect.top + 1, rect.left + w / 2 + 1 + std::max(1, w / 8), rect.top + h * 2 / 5 - 1},
        line);
    p.Box({rect.left + w / 5, rect.top + h * 3 / 5, rect.right - w / 5, rect.bottom}, colour::kWhite, line);
}

void NotePage(PicturePainter& p, const Rect& rect, RgbColour paper, RgbColour ink, int lines)
{
    const int fold = std::max(2, rect.Width() / 4);
    const Point page[] = {{rect.left, rect.top}, {rect.right - 1 - fold, rect.top}, {rect.right - 1, rect.top + fold},
        {rect.right - 1, rect.bottom - 1}, {rect.left, rect.bottom - 1}};
    p.Shape(page, paper, ink);
    const Point corner[] = {
        {rect.right - 1 - fold, rect.top}, {rect.right - 1 - fold, rect.top + fold}, {rect.right - 1, rect.top + fold}};
    p.Lines(corner, ink);
    if (lines <= 0)
        return;
    const int first = rect.top + fold + 2;
    const int pitch = std::max(2, (rect.bottom - 2 - first) / lines);
    for (int i = 0; i < lines; ++i) {
        const int y = first + i * pitch;
        if (y >= rect.bottom - 1)
            break;
        p.Line(
            {rect.left + 2, y}, {rect.right - 3 - (i == lines - 1 ? rect.Width() / 3 : 0), y}, Blend(paper, ink, 0.6));
    }
}

void ScrewTerminal(PicturePainter& p, Point centre, int radius)
{
    p.Circle(centre, radius, colour::kSilver, colour::kDark);
    p.Line(
        {centre.x - radius + 1, centre.y + radius - 1}, {centre.x + radius - 1, centre.y - radius + 1}, colour::kDark);
}

void Led(PicturePainter& p, Point centre, int radius, RgbColour lit)
{
    p.Circle(centre, radius, lit, colour::kDark);
    if (radius >= 3)
        p.Pixel({centre.x - radius / 2, centre.y - radius / 2}, Blend(lit, colour::kWhite, 0.7));
}

void ProbeTip(PicturePainter& p, Point tip, int length, RgbColour body, RgbColour line)
{
    // The probe points down and to the left, its handle up and to the right.
    const double ux = std::numbers::sqrt2 / 2.0;
    const double uy = -std::numbers::sqrt2 / 2.0;
    const auto along = [&](double distance, double side) {
        return Point{Round(tip.x + ux * distance - uy * side), Round(tip.y + uy * distance + ux * side)};
    };
    const double neck = length * 0.32;
    p.Line(tip, along(neck, 0), colour::kGrey, 1);
    const double half = std::max(1.5, length / 9.0);
    const Point guard[] = {
        along(neck, -half - 1.5), along(neck + 2, -half - 1.5), along(neck + 2, half + 1.5), along(neck, half + 1.5)};
    p.Shape(guard, body, line);
    const Point handle[] = {along(neck + 2, -half), along(length, -half), along(length, half), along(neck + 2, half)};
    p.Shape(handle, body, line);
}

void TableGrid(
    PicturePainter& p, const Rect& rect, int columns, int rows, RgbColour paper, RgbColour line, RgbColour header)
{
    p.Box(rect, paper, line);
    const double rowHeight = static_cast<double>(rect.Height() - 1) / rows;
    const double columnWidth = static_cast<double>(rect.Width() - 1) / columns;
    p.Fill({rect.left + 1, rect.top + 1, rect.right - 1, rect.top + Round(rowHeight)}, header);
    for (int row = 1; row < rows; ++row) {
        const int y = rect.top + Round(rowHeight * row);
        p.Line({rect.left, y}, {rect.right - 1, y}, line);
    }
    for (int column = 1; column < columns; ++column) {
        const int x = rect.left + Round(columnWidth * column);
        p.Line({x, rect.top}, {x, rect.bottom - 1}, line);
    }
}

void Magnifier(PicturePainter& p, Point centre, int radius, RgbColour glass, RgbColour line)
{
    const Point handleStart = PointAt(centre, radius, -45.0);
    const Point handleEnd = PointAt(centre, radius * 2.1, -45.0);
    p.Line(handleStart, handleEnd, line, radius >= 5 ? 3 : 2);
    p.Circle(centre, radius, glass, line, radius >= 5 ? 2 : 1);
}

void CheckMark(PicturePainter& p, const Rect& rect, RgbColour colour, int width)
{
    const Point points[] = {{rect.left, rect.top + rect.Height() / 2}, {rect.left + rect.Width() / 3, rect.bottom - 1},
        {rect.right - 1, rect.top}};
    p.Lines(points, colour, width);
}

void Cross(PicturePainter& p, const Rect& rect, RgbColour colour, int width)
{
    p.Line(rect.TopLeft(), {rect.right - 1, rect.bottom - 1}, colour, width);
    p.Line({rect.right - 1, rect.top}, {rect.left, rect.bottom - 1}, colour, width);
}

void NetDiagram(PicturePainter& p, const Rect& rect, RgbColour box, RgbColour line)
{
    const int w = rect.Width();
    const int h = rect.Height();
    const int size = std::max(3, std::min(w, h) * 3 / 10);
    const Rect a{rect.left, rect.top + (h - size) / 2, rect.left + size, rect.top + (h - size) / 2 + size};
    const Rect b{rect.right - size, rect.top, rect.right, rect.top + size};
    const Rect c{rect.right - size, rect.bottom - size, rect.right, rect.bottom};
    const int midX = rect.left + w / 2;
    const Point upper[]
        = {{a.right, a.top + size / 2}, {midX, a.top + size / 2}, {midX, b.top + size / 2}, {b.left, b.top + size / 2}};
    const Point lower[] = {{midX, a.top + size / 2}, {midX, c.top + size / 2}, {c.left, c.top + size / 2}};
    p.Lines(upper, line);
    p.Lines(lower, line);
    p.Box(a, box, line);
    p.Box(b, box, line);
    p.Box(c, box, line);
}

void TrendChart(PicturePainter& p, const Rect& rect, RgbColour paper, RgbColour line, RgbColour trace)
{
    p.Box(rect, paper, line);
    const int w = rect.Width() - 4;
    const int h = rect.Height() - 4;
    const double ys[] = {0.7, 0.45, 0.55, 0.2, 0.35, 0.1};
    std::vector<Point> points;
    const int count = static_cast<int>(std::size(ys));
    for (int i = 0; i < count; ++i)
        points.push_back({rect.left + 2 + Round(static_cast<double>(w - 1) * i / (count - 1)),
            rect.top + 2 + Round((h - 1) * ys[static_cast<std::size_t>(i)])});
    p.Lines(points, trace, rect.Width() >= 20 ? 2 : 1);
}

void RadioWaves(PicturePainter& p, Point source, int radius, int rings, RgbColour colour, double facingDegrees,
    double spreadDegrees)
{
    rings = std::max(rings, 1);
    for (int i = 1; i <= rings; ++i) {
        const int r = radius * i / rings;
        p.Arc(source, r, r, facingDegrees - spreadDegrees / 2, facingDegrees + spreadDegrees / 2, colour,
            radius >= 16 ? 2 : 1);
    }
}

void UsbTrident(PicturePainter& p, Point centre, int size, RgbColour colour)
{
    const int half = size / 2;
    const int top = centre.y - half;
    const int bottom = centre.y + half;
    const int width = size >= 24 ? 2 : 1;
    p.Line({centre.x, top + 2}, {centre.x, bottom - 2}, colour, width);
    const Point head[]
        = {{centre.x, top}, {centre.x - size / 7 - 1, top + size / 6}, {centre.x + size / 7 + 1, top + size / 6}};
    p.Shape(head, colour, colour);
    p.Circle({centre.x, bottom - size / 10}, std::max(1, size / 8), colour, colour);
    // The left arm ends in a ring, the right arm in a square.
    const int armY = centre.y + size / 10;
    const Point left[]
        = {{centre.x, armY}, {centre.x - size / 3, armY - size / 6}, {centre.x - size / 3, top + size / 3}};
    p.Lines(left, colour, width);
    p.Circle({centre.x - size / 3, top + size / 3 - 1}, std::max(1, size / 12), colour, colour);
    const Point right[] = {{centre.x, armY + size / 8}, {centre.x + size / 3, armY - size / 20},
        {centre.x + size / 3, top + size / 2 - 2}};
    p.Lines(right, colour, width);
    const int square = std::max(2, size / 7);
    p.Fill({centre.x + size / 3 - square / 2, top + size / 2 - 2 - square, centre.x + size / 3 - square / 2 + square,
               top + size / 2 - 2},
        colour);
}

void SerialConnector(PicturePainter& p, const Rect& rect, RgbColour shell, RgbColour line)
{
    const int slant = std::max(2, rect.Width() / 10);
    const Point shape[] = {{rect.left, rect.top}, {rect.right - 1, rect.top}, {rect.right - 1 - slant, rect.bottom - 1},
        {rect.left + slant, rect.bottom - 1}};
    p.Shape(shape, shell, line);
    const int pinRadius = std::max(1, rect.Height() / 10);
    const int upper = rect.top + rect.Height() / 3;
    const int lower = rect.top + rect.Height() * 2 / 3;
    for (int i = 0; i < 5; ++i) {
        const int x = rect.left + slant + 1 + (rect.Width() - 2 * slant - 2) * (2 * i + 1) / 10;
        p.Circle({x, upper}, pinRadius, colour::kYellow, line);
        if (i < 4) {
            const int x2 = rect.left + slant + 1 + (rect.Width() - 2 * slant - 2) * (2 * i + 2) / 10;
            p.Circle({x2, lower}, pinRadius, colour::kYellow, line);
        }
    }
}

void NetworkJack(PicturePainter& p, const Rect& rect, RgbColour shell, RgbColour line)
{
    const int w = rect.Width();
    const int h = rect.Height();
    p.Box(rect, shell, line);
    const Rect opening{rect.left + w / 6, rect.top + h / 4, rect.right - w / 6, rect.bottom - h / 6};
    p.Box(opening, colour::kDark, line);
    p.Box({rect.left + w * 3 / 8, opening.bottom - 1, rect.right - w * 3 / 8, rect.bottom - 1}, colour::kDark, line);
    const int pins = 6;
    for (int i = 0; i < pins; ++i) {
        const int x = opening.left + 2 + (opening.Width() - 4) * i / (pins - 1);
        p.Line({x, opening.top + 1}, {x, opening.top + std::max(2, opening.Height() / 3)}, colour::kYellow);
    }
}

void CellTower(PicturePainter& p, const Rect& rect, RgbColour line)
{
    const int cx = rect.left + rect.Width() / 2;
    const int top = rect.top + rect.Height() / 5;
    const int spread = rect.Width() / 4;
    p.Line({cx, top}, {cx - spread, rect.bottom - 1}, line, 2);
    p.Line({cx, top}, {cx + spread, rect.bottom - 1}, line, 2);
    for (int i = 1; i < 4; ++i) {
        const int y = top + (rect.bottom - 1 - top) * i / 4;
        const int half = spread * i / 4;
        p.Line({cx - half, y}, {cx + half, y}, line);
        if (i < 3)
            p.Line({cx - half, y}, {cx + spread * (i + 1) / 4, top + (rect.bottom - 1 - top) * (i + 1) / 4}, line);
    }
    p.Circle({cx, top}, std::max(2, rect.Width() / 16), colour::kRed, line);
    RadioWaves(p, {cx, top}, rect.Width() / 3, 2, line, 0.0, 70.0);
    RadioWaves(p, {cx, top}, rect.Width() / 3, 2, line, 180.0, 70.0);
}

void Plug(PicturePainter& p, const Rect& rect, RgbColour body, RgbColour line, bool joined)
{
    const int w = rect.Width();
    const int h = rect.Height();
    const int cy = rect.top + h / 2;
    const int gap = joined ? 0 : std::max(2, w / 5);
    const int half = (w - gap) / 2;
    const int prong = std::max(2, half / 3);
    // The plug on the left with its pins toward the socket on the right.
    const Rect plug{rect.left + 1, cy - h / 4, rect.left + half - prong + 1, cy + h / 4 + 1};
    p.Line({rect.left, cy}, {plug.left, cy}, line);
    p.Line({plug.right, cy - h / 8 - 1}, {plug.right + prong - 1, cy - h / 8 - 1}, line);
    p.Line({plug.right, cy + h / 8 + 1}, {plug.right + prong - 1, cy + h / 8 + 1}, line);
    p.RoundBox(plug, 1, body, line);
    const Rect socket{rect.right - half + (joined ? 0 : 0), cy - h / 4, rect.right - 1, cy + h / 4 + 1};
    p.RoundBox(socket, 1, body, line);
    p.Line({socket.right, cy}, {rect.right - 1, cy}, line);
}

void Battery(PicturePainter& p, const Rect& rect, RgbColour body, RgbColour line, RgbColour charge)
{
    const int nub = std::max(2, rect.Width() / 10);
    const Rect can{rect.left, rect.top, rect.right - nub, rect.bottom};
    p.Box({can.right - 1, rect.top + rect.Height() / 3, rect.right, rect.bottom - rect.Height() / 3}, line, line);
    p.Box(can, body, line);
    p.Fill({can.left + 2, can.top + 2, can.left + 2 + (can.Width() - 4) * 2 / 3, can.bottom - 2}, charge);
}

void Lightning(PicturePainter& p, const Rect& rect, RgbColour fill, RgbColour line)
{
    const int w = rect.Width();
    const int h = rect.Height();
    const Point bolt[] = {{rect.left + w * 6 / 10, rect.top}, {rect.left + w / 6, rect.top + h * 11 / 20},
        {rect.left + w / 2, rect.top + h * 11 / 20}, {rect.left + w * 4 / 10, rect.bottom - 1},
        {rect.right - 1 - w / 6, rect.top + h * 9 / 20}, {rect.left + w / 2, rect.top + h * 9 / 20}};
    p.Shape(bolt, fill, line);
}

void GreyOut(Bitmap& bitmap)
{
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const RgbColour pixel = bitmap.PixelAt(x, y);
            if (pixel == colour::kKey)
                continue;
            const double luminance = 0.30 * pixel.red + 0.59 * pixel.green + 0.11 * pixel.blue;
            const auto grey = static_cast<std::uint8_t>(std::clamp(Round(120.0 + luminance * 0.52), 0, 255));
            bitmap.SetPixel(x, y, {grey, grey, grey});
        }
}

}  // namespace corvane::res
