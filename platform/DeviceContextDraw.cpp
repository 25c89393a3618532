// DeviceContext: lines, shapes and areas.

#include "platform/DeviceContext.h"

#include "platform/internal/DeviceContextImpl.h"

#include <QPainterPath>
#include <QPolygon>

#include <cmath>
#include <numbers>
#include <vector>

namespace corvane {

namespace {

// Shape corners stay within this range.
constexpr int kShapeLimit = 1 << 28;

QPoint DevicePoint(const DeviceContext::Impl& d, Point point)
{
    return {ClampCoordinate(d.ToDeviceX(point.x)), ClampCoordinate(d.ToDeviceY(point.y))};
}

QPoint ShapePoint(QPoint p)
{
    return {std::clamp(p.x(), -kShapeLimit, kShapeLimit), std::clamp(p.y(), -kShapeLimit, kShapeLimit)};
}

// The corners of a curved outline through the pixels of the box's edges.
std::vector<QPoint> OutlineOf(const QPainterPath& path)
{
    std::vector<QPoint> points;
    for (const QPolygonF& polygon : path.toSubpathPolygons()) {
        for (const QPointF& p : polygon) {
            const QPoint rounded = ShapePoint(p.toPoint());
            if (points.empty() || points.back() != rounded)
                points.push_back(rounded);
        }
    }
    while (points.size() > 1 && points.back() == points.front())
        points.pop_back();
    return points;
}

// The box of a curved shape in device pixels, its far edges on the last
// pixels of the rectangle.
QRectF ShapeBox(const QRect& device)
{
    return {QPointF(device.left(), device.top()), QSizeF(device.width() - 1, device.height() - 1)};
}

// The pixels of the region whose neighbours up to distance away along one
// axis all lie in it too. Having shrunk by r, shrinking by s <= 2r + 1 more
// (three shifted copies) shrinks by r + s: a few steps for any distance.
QRegion Shrunk(const QRegion& region, int distance, bool across)
{
    QRegion result = region;
    int done = 0;
    while (done < distance && !result.isEmpty()) {
        const int step = std::min(2 * done + 1, distance - done);
        result &= result.translated(across ? step : 0, across ? 0 : step);
        result &= result.translated(across ? -step : 0, across ? 0 : -step);
        done += step;
    }
    return result;
}

// The angle, in degrees counter-clockwise on the surface, of the point on
// the ellipse in box that lies on the line from its centre towards toward;
// measured as the toolkit's arcs measure it (on the circle the ellipse is
// squeezed from).
double ArcAngle(const QRectF& box, QPointF toward)
{
    const QPointF centre = box.center();
    const double halfWidth = std::max(box.width() / 2, 0.5);
    const double halfHeight = std::max(box.height() / 2, 0.5);
    const double dx = toward.x() - centre.x();
    const double dy = toward.y() - centre.y();
    if (dx == 0.0 && dy == 0.0)
        return 0.0;
    return std::atan2(-dy / halfHeight, dx / halfWidth) * 180.0 / std::numbers::pi;
}

enum class ArcShape { Open, Pie, Chord };

// An arc, pie or chord of the ellipse in the device box: drawn from its
// curve's points, or smoothly when antialiasing is on.
void DrawArcShape(DeviceContext::Impl& d, const QRect& device, QPoint start, QPoint end, ArcShape shape)
{
    const QRectF box = ShapeBox(device);
    const double from = ArcAngle(box, start);
    double sweep = ArcAngle(box, end) - from;
    while (sweep <= 0.0)
        sweep += 360.0;
    const bool whole = sweep >= 360.0;
    QPainterPath path;
    if (shape == ArcShape::Pie && !whole)
        path.moveTo(box.center());
    else
        path.arcMoveTo(box, from);
    path.arcTo(box, from, sweep);
    if (shape != ArcShape::Open || whole)
        path.closeSubpath();
    if (d.DrawsSmoothly(path.boundingRect())) {
        d.DrawSmoothPath(path.translated(0.5, 0.5), shape != ArcShape::Open);
        return;
    }
    const std::vector<QPoint> outline = OutlineOf(path);
    if (shape != ArcShape::Open) {
        d.DrawShape(outline, false);
        return;
    }
    d.penStep = 0;
    d.StrokePath(outline, whole);
}

}  // namespace

// ------------------------------------------------------------ lines

Point DeviceContext::MoveTo(Point point)
{
    impl_->penStep = 0;
    return std::exchange(impl_->state.position, point);
}

void DeviceContext::LineTo(Point point)
{
    Impl& d = *impl_;
    const Point from = std::exchange(d.state.position, point);
    if (!d.CanDraw() || !d.SetMix(d.state.mix))
        return;
    const std::array<QPoint, 2> line{DevicePoint(d, from), DevicePoint(d, point)};
    d.StrokePath(line, false);
}

void DeviceContext::Polyline(std::span<const Point> points)
{
    Impl& d = *impl_;
    if (points.size() < 2 || !d.CanDraw() || !d.SetMix(d.state.mix))
        return;
    std::vector<QPoint> device;
    device.reserve(points.size());
    for (const Point& p : points)
        device.push_back(DevicePoint(d, p));
    d.penStep = 0;
    d.StrokePath(device, false);
}

void DeviceContext::PolylineF(std::span<const PointF> points)
{
    Impl& d = *impl_;
    if (points.size() < 2 || !d.CanDraw() || !d.SetMix(d.state.mix))
        return;
    if (d.state.antialias) {
        // Pixel centres lie at whole device units, as in the other calls.
        QPainterPath path(d.ToDeviceF(points.front()) + QPointF(0.5, 0.5));
        for (const PointF& p : points.subspan(1))
            path.lineTo(d.ToDeviceF(p) + QPointF(0.5, 0.5));
        if (d.DrawsSmoothly(path.boundingRect())) {
            d.DrawSmoothPath(path, false);
            return;
        }
    }
    std::vector<QPoint> device;
    device.reserve(points.size());
    for (const PointF& p : points) {
        const QPointF mapped = d.ToDeviceF(p);
        device.emplace_back(
            static_cast<int>(std::floor(mapped.x() + 0.5)), static_cast<int>(std::floor(mapped.y() + 0.5)));
    }
    d.penStep = 0;
    d.StrokePath(device, false);
}

// ------------------------------------------------------------ shapes

void DeviceContext::Rectangle(const Rect& rect)
{
    Impl& d = *impl_;
    const QRect r = d.ToDeviceRect(rect);
    if (r.isEmpty() || !d.CanDraw() || !d.SetMix(d.state.mix))
        return;
    const int left = r.left();
    const int top = r.top();
    const int right = left + r.width() - 1;  // the last column and row of pixels
    const int bottom = top + r.height() - 1;
    if (d.state.pen.style == PenStyle::None) {
        // Without a pen the fill covers what the outline's inside would: the
        // last column and row stay as they are.
        d.FillRegionWithBrush(QRegion(left, top, r.width() - 1, r.height() - 1), d.state.brush);
        return;
    }
    if (d.ThinPen() && (r.width() <= 2 || r.height() <= 2)) {
        // Every pixel is on the outline.
        const std::array<QRect, 1> whole{r};
        d.FillRects(whole, ToQColor(d.state.pen.colour));
        return;
    }
    if (d.ThinPen())
        d.FillRegionWithBrush(QRegion(r.adjusted(1, 1, -1, -1)), d.state.brush);
    else
        d.FillRegionWithBrush(QRegion(left, top, r.width() - 1, r.height() - 1), d.state.brush);
    const std::array<QPoint, 4> outline{
        QPoint(left, top), QPoint(right, top), QPoint(right, bottom), QPoint(left, bottom)};
    d.penStep = 0;
    d.StrokePath(outline, true);
}

void DeviceContext::RoundRect(const Rect& rect, Size corner)
{
    Impl& d = *impl_;
    const QRect r = d.ToDeviceRect(rect);
    if (r.isEmpty() || !d.CanDraw() || !d.SetMix(d.state.mix))
        return;
    const double cornerWidth = std::min(std::fabs(corner.width * d.ScaleX()), static_cast<double>(r.width()));
    const double cornerHeight = std::min(std::fabs(corner.height * d.ScaleY()), static_cast<double>(r.height()));
    QPainterPath path;
    path.addRoundedRect(ShapeBox(r), cornerWidth / 2, cornerHeight / 2);
    if (d.DrawsSmoothly(path.boundingRect())) {
        d.DrawSmoothPath(path.translated(0.5, 0.5), true);
        return;
    }
    const std::vector<QPoint> outline = OutlineOf(path);
    d.DrawShape(outline, false);
}

void DeviceContext::Ellipse(const Rect& rect)
{
    Impl& d = *impl_;
    const QRect r = d.ToDeviceRect(rect);
    if (r.isEmpty() || !d.CanDraw() || !d.SetMix(d.state.mix))
        return;
    QPainterPath path;
    path.addEllipse(ShapeBox(r));
    if (d.DrawsSmoothly(path.boundingRect())) {
        d.DrawSmoothPath(path.translated(0.5, 0.5), true);
        return;
    }
    const std::vector<QPoint> outline = OutlineOf(path);
    d.DrawShape(outline, false);
}

void DeviceContext::Polygon(std::span<const Point> points, Region::FillRule rule)
{
    Impl& d = *impl_;
    if (points.size() < 2 || !d.CanDraw() || !d.SetMix(d.state.mix))
        return;
    std::vector<QPoint> outline;
    outline.reserve(points.size());
    for (const Point& p : points)
        outline.push_back(ShapePoint(DevicePoint(d, p)));
    d.DrawShape(outline, rule == Region::FillRule::Winding);
}

void DeviceContext::Arc(const Rect& box, Point start, Point end)
{
    Impl& d = *impl_;
    const QRect r = d.ToDeviceRect(box);
    if (r.isEmpty() || !d.CanDraw() || !d.SetMix(d.state.mix))
        return;
    DrawArcShape(d, r, DevicePoint(d, start), DevicePoint(d, end), ArcShape::Open);
}

void DeviceContext::Pie(const Rect& box, Point start, Point end)
{
    Impl& d = *impl_;
    const QRect r = d.ToDeviceRect(box);
    if (r.isEmpty() || !d.CanDraw() || !d.SetMix(d.state.mix))
        return;
    DrawArcShape(d, r, DevicePoint(d, start), DevicePoint(d, end), ArcShape::Pie);
}

void DeviceContext::Chord(const Rect& box, Point start, Point end)
{
    Impl& d = *impl_;
    const QRect r = d.ToDeviceRect(box);
    if (r.isEmpty() || !d.CanDraw() || !d.SetMix(d.state.mix))
        return;
    DrawArcShape(d, r, DevicePoint(d, start), DevicePoint(d, end), ArcShape::Chord);
}

// ------------------------------------------------------------ areas

void DeviceContext::FillRect(const Rect& rect, const Brush& brush)
{
    Impl& d = *impl_;
    const QRect r = d.ToDeviceRect(rect);
    if (r.isEmpty() || !d.CanDraw() || !d.SetMix(MixMode::CopyPen))
        return;
    const std::array<QRect, 1> area{r};
    d.FillRectsWithBrush(area, brush);
}

void DeviceContext::FrameRect(const Rect& rect, const Brush& brush)
{
    Impl& d = *impl_;
    const QRect r = d.ToDeviceRect(rect);
    if (r.isEmpty() || !d.CanDraw() || !d.SetMix(MixMode::CopyPen))
        return;
    // Four edges that share no pixel.
    std::vector<QRect> edges{QRect(r.left(), r.top(), r.width(), 1)};
    if (r.height() > 1)
        edges.emplace_back(r.left(), r.top() + r.height() - 1, r.width(), 1);
    if (r.height() > 2) {
        edges.emplace_back(r.left(), r.top() + 1, 1, r.height() - 2);
        if (r.width() > 1)
            edges.emplace_back(r.left() + r.width() - 1, r.top() + 1, 1, r.height() - 2);
    }
    d.FillRectsWithBrush(edges, brush);
}

void DeviceContext::InvertRect(const Rect& rect)
{
    Impl& d = *impl_;
    const QRect r = d.ToDeviceRect(rect);
    if (r.isEmpty() || !d.CanDraw() || !d.SetMix(MixMode::NotDest))
        return;
    const std::array<QRect, 1> area{r};
    d.FillRects(area, Qt::black);
}

void DeviceContext::DrawFocusRect(const Rect& rect)
{
    Impl& d = *impl_;
    const QRect r = d.ToDeviceRect(rect);
    if (r.isEmpty() || !d.CanDraw() || !d.SetMix(MixMode::NotDest))
        return;
    // Every other pixel of the one-pixel frame, on a checkerboard of the
    // surface, each pixel once; only the visible part is visited.
    const QRect visible = d.clipBounds;
    const int left = r.left();
    const int top = r.top();
    const int right = left + r.width() - 1;
    const int bottom = top + r.height() - 1;
    std::vector<QRect> dots;
    const auto row = [&](int y) {
        if (y < visible.top() || y > visible.bottom())
            return;
        for (int x = std::max(left, visible.left()); x <= std::min(right, visible.right()); ++x)
            if (((x + y) & 1) == 0)
                dots.emplace_back(x, y, 1, 1);
    };
    const auto column = [&](int x) {
        if (x < visible.left() || x > visible.right())
            return;
        for (int y = std::max(top + 1, visible.top()); y <= std::min(bottom - 1, visible.bottom()); ++y)
            if (((x + y) & 1) == 0)
                dots.emplace_back(x, y, 1, 1);
    };
    row(top);
    if (bottom > top)
        row(bottom);
    column(left);
    if (right > left)
        column(right);
    d.FillRects(dots, Qt::black);
}

void DeviceContext::FillRegion(const Region& region, const Brush& brush)
{
    Impl& d = *impl_;
    if (!d.CanDraw() || !d.SetMix(MixMode::CopyPen))
        return;
    d.FillRegionWithBrush(region.Data().region, brush);
}

void DeviceContext::FrameRegion(const Region& region, const Brush& brush, Size thickness)
{
    Impl& d = *impl_;
    if (!d.CanDraw() || !d.SetMix(MixMode::CopyPen))
        return;
    const QRegion& whole = region.Data().region;
    const QRect box = whole.boundingRect();
    // The frame is what is left once the region shrinks by the thickness.
    const int across = std::clamp(thickness.width, 0, std::max(1, box.width()));
    const int down = std::clamp(thickness.height, 0, std::max(1, box.height()));
    const QRegion inner = Shrunk(Shrunk(whole, across, true), down, false);
    d.FillRegionWithBrush(whole.subtracted(inner), brush);
}

RgbColour DeviceContext::PixelAt(Point point) const
{
    const Impl& d = *impl_;
    if (d.image == nullptr)
        return {};
    const std::int64_t x = d.ToDeviceX(point.x);
    const std::int64_t y = d.ToDeviceY(point.y);
    if (x < 0 || y < 0 || x >= d.image->width() || y >= d.image->height())
        return {};
    return FromQRgb(d.image->pixel(static_cast<int>(x), static_cast<int>(y)));
}

void DeviceContext::SetPixel(Point point, RgbColour colour)
{
    Impl& d = *impl_;
    const QPoint p = DevicePoint(d, point);
    if (!d.CanDraw() || !d.effectiveClip.contains(p) || !d.SetMix(MixMode::CopyPen))
        return;
    const std::array<QRect, 1> pixel{QRect(p, QSize(1, 1))};
    d.FillRects(pixel, ToQColor(colour));
}

void DeviceContext::PatternBlt(const Rect& rect, RasterOp op)
{
    Impl& d = *impl_;
    const QRect r = d.ToDeviceRect(rect);
    if (r.isEmpty() || !d.CanDraw())
        return;
    const std::array<QRect, 1> area{r};
    switch (op) {
    case RasterOp::DestInvert:
        if (d.SetMix(MixMode::NotDest))
            d.FillRects(area, Qt::black);
        return;
    case RasterOp::Blackness:
    case RasterOp::Whiteness:
        if (d.SetMix(MixMode::CopyPen))
            d.FillRects(area, op == RasterOp::Blackness ? Qt::black : Qt::white);
        return;
    case RasterOp::SourceCopy:
    case RasterOp::SourceInvert:
    case RasterOp::SourceAnd:
    case RasterOp::SourcePaint: break;
    }
    const MixMode mix = op == RasterOp::SourceInvert ? MixMode::XorPen
        : op == RasterOp::SourceAnd                  ? MixMode::MaskPen
        : op == RasterOp::SourcePaint                ? MixMode::MergePen
                                                     : MixMode::CopyPen;
    if (d.SetMix(mix))
        d.FillRectsWithBrush(area, d.state.brush);
}

}  // namespace corvane
