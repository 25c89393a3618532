#include "res/GateShapes.h"

#include <algorithm>
#include <vector>

namespace corvane::res {

namespace {

enum class Outline { And, Or, Buffer };

// The outline of a gate body in a box, as a polygon.
std::vector<Point> OutlinePoints(Outline outline, const Rect& box)
{
    const int l = box.left;
    const int t = box.top;
    const int r = box.right;
    const int b = box.bottom;
    const int w = r - l;
    const int cy = t + (b - t) / 2;
    std::vector<Point> points;
    switch (outline) {
    case Outline::And: {
        const int radius = (b - t) / 2;
        const int m = r - radius;
        points = {{l, t}, {m, t}};
        const std::vector<Point> arc = ArcPoints({m, cy}, radius, radius, 90.0, -90.0, 12);
        points.insert(points.end(), arc.begin(), arc.end());
        points.insert(points.end(), {{m, b}, {l, b}});
        break;
    }
    case Outline::Or: {
        const int bulge = w * 55 / 100;
        const std::vector<Point> top = CurvePoints({l, t}, {l + bulge, t}, {r, cy}, 10);
        const std::vector<Point> bottom = CurvePoints({r, cy}, {l + bulge, b}, {l, b}, 10);
        const std::vector<Point> back = CurvePoints({l, b}, {l + w / 4, cy}, {l, t}, 8);
        points.insert(points.end(), top.begin(), top.end());
        points.insert(points.end(), bottom.begin() + 1, bottom.end());
        points.insert(points.end(), back.begin() + 1, back.end() - 1);
        break;
    }
    case Outline::Buffer: points = {{l, t}, {r, cy}, {l, b}}; break;
    }
    return points;
}

Outline OutlineOf(GateKind kind, bool deMorgan)
{
    switch (kind) {
    case GateKind::And: return deMorgan ? Outline::Or : Outline::And;
    case GateKind::Or: return deMorgan ? Outline::And : Outline::Or;
    case GateKind::Xor: return Outline::Or;
    case GateKind::Not: return Outline::Buffer;
    }
    return Outline::And;
}

void Bubble(PicturePainter& p, Point centre, RgbColour fill, RgbColour line) { p.Circle(centre, 2, fill, line); }

// The rightmost point of a polygon's outline on a row.
int RightEdgeAt(const std::vector<Point>& polygon, int y)
{
    double right = polygon.front().x;
    const std::size_t count = polygon.size();
    for (std::size_t i = 0; i < count; ++i) {
        const Point a = polygon[i];
        const Point b = polygon[(i + 1) % count];
        if ((a.y <= y && b.y >= y) || (b.y <= y && a.y >= y)) {
            const double x
                = a.y == b.y ? std::max(a.x, b.x) : a.x + static_cast<double>(y - a.y) * (b.x - a.x) / (b.y - a.y);
            right = std::max(right, x);
        }
    }
    return static_cast<int>(right);
}

struct Output {
    int y;
    bool bubble;
};

}  // namespace

void DrawGate(PicturePainter& p, GateKind kind, const GateStyle& style, RgbColour fill, RgbColour line)
{
    const bool isNot = kind == GateKind::Not;
    const bool deMorgan = style.deMorgan && kind != GateKind::Xor;
    const Outline outline = OutlineOf(kind, deMorgan);
    Rect box = isNot ? Rect{8, 9, 20, 23} : Rect{7, 8, 21, 24};
    const int cy = 16;
    if (kind == GateKind::Xor)
        box.left += 3;
    const std::vector<Point> body = OutlinePoints(outline, box);

    // A bubble at the output for NOT and for the De Morgan forms of AND and
    // OR; the De Morgan NOT carries its bubble at the input instead. The
    // additional output is the inverse of the first.
    const bool outputBubble = (isNot && !deMorgan) || (!isNot && deMorgan);
    const bool inputBubbles = deMorgan;
    const int inputs = isNot ? 1 : 2;
    const int inputYs[2] = {inputs == 1 ? cy : cy - 4, cy + 4};
    std::vector<Output> outputs{{cy, outputBubble}};
    if (style.invertedOutput) {
        const int spread = isNot ? 3 : 4;
        outputs = {{cy - spread, outputBubble}, {cy + spread, !outputBubble}};
    }

    for (int i = 0; i < inputs; ++i) {
        const int y = inputYs[i];
        const int end = inputBubbles ? box.left - 4 : box.left + (outline == Outline::Or ? 4 : 1);
        p.Line({1, y}, {end, y}, line);
    }
    for (const Output& output : outputs) {
        const int edge = RightEdgeAt(body, output.y);
        p.Line({output.bubble ? edge + 4 : edge - 1, output.y}, {31, output.y}, line);
    }

    if (kind == GateKind::Xor) {
        const std::vector<Point> back
            = CurvePoints({box.left - 3, box.bottom}, {box.left - 3 + 4, cy}, {box.left - 3, box.top}, 8);
        p.Lines(back, line, 2);
    }
    p.Shape(body, fill, line, 2);

    for (const Output& output : outputs)
        if (output.bubble)
            Bubble(p, {RightEdgeAt(body, output.y) + 2, output.y}, fill, line);
    if (inputBubbles)
        for (int i = 0; i < inputs; ++i)
            Bubble(p, {box.left - (outline == Outline::Or ? 1 : 3), inputYs[i]}, fill, line);
}

void DrawGateShape(PicturePainter& p, GateKind kind, const Rect& box, RgbColour fill, RgbColour line)
{
    const Outline outline = OutlineOf(kind, false);
    Rect shape = box;
    if (kind == GateKind::Not)
        shape.right -= 3;
    const std::vector<Point> body = OutlinePoints(outline, shape);
    p.Shape(body, fill, line);
    if (kind == GateKind::Not)
        p.Circle({shape.right + 1, shape.top + shape.Height() / 2}, 1, fill, line);
}

}  // namespace corvane::res
