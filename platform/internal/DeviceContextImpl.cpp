#include "platform/internal/DeviceContextImpl.h"

#include "platform/internal/PixelCoverage.h"

#include <QFontMetrics>
#include <QGradient>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPolygon>

#include <array>
#include <cmath>
#include <limits>

namespace corvane {

namespace {

// Device results of the mapping stay within this range.
constexpr std::int64_t kMappedLimit = std::numeric_limits<int>::max() / 2;

// Rounds value * num / den to the nearest integer, halves upward, so that the
// mapping moves by whole steps as the origin moves.
std::int64_t RoundDiv(std::int64_t value, std::int64_t num, std::int64_t den)
{
    if (den == 0)
        return value;
    if (den < 0) {
        den = -den;
        num = -num;
    }
    std::int64_t product = 0;
    if (__builtin_mul_overflow(value, num, &product) || product > (std::numeric_limits<std::int64_t>::max() / 4)
        || product < (std::numeric_limits<std::int64_t>::min() / 4)) {
        const long double exact
            = static_cast<long double>(value) * static_cast<long double>(num) / static_cast<long double>(den);
        return static_cast<std::int64_t>(std::clamp<long double>(std::floor(exact + 0.5L),
            -static_cast<long double>(kMappedLimit) * 4, static_cast<long double>(kMappedLimit) * 4));
    }
    const std::int64_t twice = 2 * product + den;
    const std::int64_t q = twice / (2 * den);
    return (twice % (2 * den) != 0 && twice < 0) ? q - 1 : q;
}

std::int64_t ClampMapped(std::int64_t value) { return std::clamp(value, -kMappedLimit, kMappedLimit); }

// Wide paths with corners within this range go to the toolkit whole.
constexpr int kNearLimit = 1 << 20;

// Dash and gap lengths of the one-pixel pens.
constexpr std::array<int, 2> kDash{18, 6};
constexpr std::array<int, 2> kDot{3, 3};
constexpr std::array<int, 4> kDashDot{9, 6, 3, 6};
constexpr std::array<int, 6> kDashDotDot{9, 3, 3, 3, 3, 3};

std::span<const int> PenPattern(PenStyle style)
{
    switch (style) {
    case PenStyle::Dash: return kDash;
    case PenStyle::Dot: return kDot;
    case PenStyle::DashDot: return kDashDot;
    case PenStyle::DashDotDot: return kDashDotDot;
    case PenStyle::Solid:
    case PenStyle::None: break;
    }
    return {};
}

Qt::PenCapStyle QtPenCap(PenCap cap)
{
    switch (cap) {
    case PenCap::Square: return Qt::SquareCap;
    case PenCap::Flat: return Qt::FlatCap;
    case PenCap::Round: break;
    }
    return Qt::RoundCap;
}

Qt::PenStyle QtPenStyle(PenStyle style)
{
    switch (style) {
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::DashDotDot: return Qt::DashDotDotLine;
    case PenStyle::None: return Qt::NoPen;
    case PenStyle::Solid: break;
    }
    return Qt::SolidLine;
}

// The 8 by 8 hatch patterns, one byte per row, the leftmost pixel in the
// top bit.
std::array<std::uint8_t, 8> HatchRows(HatchStyle style)
{
    switch (style) {
    case HatchStyle::Horizontal: return {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00};
    case HatchStyle::Vertical: return {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08};
    case HatchStyle::ForwardDiagonal: return {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};
    case HatchStyle::BackwardDiagonal: return {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
    case HatchStyle::Cross: return {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08};
    case HatchStyle::DiagonalCross: return {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};
    }
    return {};
}

QPainter::CompositionMode CompositionOf(MixMode mix)
{
    switch (mix) {
    case MixMode::XorPen: return QPainter::RasterOp_SourceXorDestination;
    case MixMode::NotDest: return QPainter::RasterOp_NotDestination;
    case MixMode::MergePen: return QPainter::RasterOp_SourceOrDestination;
    case MixMode::MaskPen: return QPainter::RasterOp_SourceAndDestination;
    case MixMode::CopyPen: break;
    }
    return QPainter::CompositionMode_SourceOver;
}

}  // namespace

DeviceContext::Impl::Impl(QPaintDevice* paintDevice, const QRegion* update, bool isPrinting, Size ppi)
    : device(paintDevice), printing(isPrinting), pixelsPerInch(ppi)
{
    if (update != nullptr)
        updateRegion = *update;
    if (device != nullptr && device->width() > 0 && device->height() > 0) {
        surface = {device->width(), device->height()};
        if (device->devType() == QInternal::Image)
            image = static_cast<QImage*>(device);
        active = painter.begin(device);
    }
    if (active) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        const QPaintEngine* engine = painter.paintEngine();
        rasterOps = engine != nullptr && engine->hasFeature(QPaintEngine::RasterOpModes);
    } else {
        image = nullptr;
    }
    ApplyClip();
}

DeviceContext::Impl::~Impl()
{
    if (target != nullptr)
        target->painter = nullptr;
    if (painter.isActive())
        painter.end();
}

void DeviceContext::Impl::ReleaseTarget()
{
    if (painter.isActive())
        painter.end();
    target = nullptr;
    device = nullptr;
    image = nullptr;
    active = false;
    surface = {};
    ApplyClip();
}

// ------------------------------------------------------------ mapping

namespace {

// One axis of the mapping: from a coordinate relative to one origin and
// extent to the other's; scaled only outside Text mode.
std::int64_t MapAxis(std::int64_t value, int fromOrigin, int fromExtent, int toOrigin, int toExtent, bool scaled)
{
    const std::int64_t offset = value - fromOrigin;
    return ClampMapped((scaled ? RoundDiv(offset, toExtent, fromExtent) : offset) + toOrigin);
}

}  // namespace

std::int64_t DeviceContext::Impl::ToDeviceX(std::int64_t x) const
{
    const DrawingState& s = state;
    return MapAxis(x, s.windowOrigin.x, s.windowExtent.width, s.viewportOrigin.x, s.viewportExtent.width,
        s.mapMode != MapMode::Text);
}

std::int64_t DeviceContext::Impl::ToDeviceY(std::int64_t y) const
{
    const DrawingState& s = state;
    return MapAxis(y, s.windowOrigin.y, s.windowExtent.height, s.viewportOrigin.y, s.viewportExtent.height,
        s.mapMode != MapMode::Text);
}

std::int64_t DeviceContext::Impl::ToLogicalX(std::int64_t x) const
{
    const DrawingState& s = state;
    return MapAxis(x, s.viewportOrigin.x, s.viewportExtent.width, s.windowOrigin.x, s.windowExtent.width,
        s.mapMode != MapMode::Text);
}

std::int64_t DeviceContext::Impl::ToLogicalY(std::int64_t y) const
{
    const DrawingState& s = state;
    return MapAxis(y, s.viewportOrigin.y, s.viewportExtent.height, s.windowOrigin.y, s.windowExtent.height,
        s.mapMode != MapMode::Text);
}

Point DeviceContext::Impl::ToDevice(Point point) const
{
    return {static_cast<int>(ToDeviceX(point.x)), static_cast<int>(ToDeviceY(point.y))};
}

QRect DeviceContext::Impl::ToDeviceRect(const Rect& rect) const
{
    const Rect mapped = Rect{ClampCoordinate(ToDeviceX(rect.left)), ClampCoordinate(ToDeviceY(rect.top)),
        ClampCoordinate(ToDeviceX(rect.right)), ClampCoordinate(ToDeviceY(rect.bottom))}
                            .Normalized();
    return ToQRect(mapped);
}

double DeviceContext::Impl::ScaleX() const
{
    if (state.mapMode == MapMode::Text || state.windowExtent.width == 0)
        return 1.0;
    return static_cast<double>(state.viewportExtent.width) / state.windowExtent.width;
}

double DeviceContext::Impl::ScaleY() const
{
    if (state.mapMode == MapMode::Text || state.windowExtent.height == 0)
        return 1.0;
    return static_cast<double>(state.viewportExtent.height) / state.windowExtent.height;
}

void DeviceContext::Impl::FixIsotropic()
{
    DrawingState& s = state;
    if (s.mapMode != MapMode::Isotropic || s.windowExtent.width == 0 || s.windowExtent.height == 0)
        return;
    // Units per inch on each axis; the smaller scale wins and the viewport
    // extent of the other axis shrinks to match, keeping its sign.
    const double ppiX = std::max(pixelsPerInch.width, 1);
    const double ppiY = std::max(pixelsPerInch.height, 1);
    const double scaleX = std::fabs(static_cast<double>(s.viewportExtent.width) / ppiX / s.windowExtent.width);
    const double scaleY = std::fabs(static_cast<double>(s.viewportExtent.height) / ppiY / s.windowExtent.height);
    if (scaleX <= 0.0 || scaleY <= 0.0)
        return;
    const auto shrink = [](int extent, double factor) {
        const double shrunk = std::floor(std::fabs(static_cast<double>(extent)) * factor + 0.5);
        const int magnitude = std::max(1, static_cast<int>(std::min(shrunk, 2147483647.0)));
        return extent < 0 ? -magnitude : magnitude;
    };
    if (scaleX > scaleY)
        s.viewportExtent.width = shrink(s.viewportExtent.width, scaleY / scaleX);
    else if (scaleY > scaleX)
        s.viewportExtent.height = shrink(s.viewportExtent.height, scaleX / scaleY);
}

// ------------------------------------------------------------ clip

QRegion DeviceContext::Impl::CurrentClipRegion() const
{
    return state.clip ? *state.clip : QRegion(QRect(0, 0, surface.width, surface.height));
}

void DeviceContext::Impl::ApplyClip()
{
    QRegion visible(QRect(0, 0, surface.width, surface.height));
    if (updateRegion)
        visible &= *updateRegion;
    if (state.clip)
        visible &= *state.clip;
    effectiveClip = visible;
    clipBounds = visible.boundingRect();
    if (active)
        painter.setClipRegion(visible);
}

// ------------------------------------------------------------ painting

bool DeviceContext::Impl::SetMix(MixMode mix)
{
    if (mix != MixMode::CopyPen && !rasterOps) {
        // A surface such as a printed page cannot invert what it holds.
        if (mix == MixMode::XorPen || mix == MixMode::NotDest)
            return false;
        mix = MixMode::CopyPen;
    }
    painter.setCompositionMode(CompositionOf(mix));
    return true;
}

void DeviceContext::Impl::FillRects(std::span<const QRect> rects, const QColor& colour)
{
    for (const QRect& rect : rects) {
        const QRect visible = rect.intersected(clipBounds);
        if (!visible.isEmpty())
            painter.fillRect(visible, colour);
    }
}

QPointF DeviceContext::Impl::ToDeviceF(PointF point) const
{
    const auto axis = [](double value, int windowOrigin, int viewportOrigin, double scale) {
        const double mapped = viewportOrigin + (value - windowOrigin) * scale;
        return std::isfinite(mapped) ? std::clamp(mapped, double{-kCoordinateLimit}, double{kCoordinateLimit}) : 0.0;
    };
    if (state.mapMode == MapMode::Text)
        return {axis(point.x, 0, 0, 1.0), axis(point.y, 0, 0, 1.0)};
    return {axis(point.x, state.windowOrigin.x, state.viewportOrigin.x, ScaleX()),
        axis(point.y, state.windowOrigin.y, state.viewportOrigin.y, ScaleY())};
}

QPen DeviceContext::Impl::SmoothPen() const
{
    const Pen& pen = state.pen;
    if (pen.style == PenStyle::None)
        return QPen(Qt::NoPen);
    const bool thin = ThinPen();
    return QPen(QBrush(ToQColor(pen.colour)), thin ? 1 : std::min(pen.width, 4096), QtPenStyle(pen.style),
        thin ? Qt::FlatCap : QtPenCap(pen.cap), Qt::RoundJoin);
}

bool DeviceContext::Impl::DrawsSmoothly(const QRectF& bounds) const
{
    const QRectF near(-kNearLimit, -kNearLimit, 2.0 * kNearLimit, 2.0 * kNearLimit);
    return state.antialias && near.contains(bounds);
}

void DeviceContext::Impl::DrawSmoothPath(const QPainterPath& path, bool filled)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(SmoothPen());
    const std::optional<QBrush> fill = filled ? MakeBrush(state.brush) : std::nullopt;
    painter.setBrush(fill ? *fill : QBrush(Qt::NoBrush));
    painter.drawPath(path);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

std::optional<QBrush> DeviceContext::Impl::MakeBrush(const Brush& brush) const
{
    switch (brush.style) {
    case BrushStyle::None: return std::nullopt;
    case BrushStyle::Solid: return QBrush(ToQColor(brush.colour));
    case BrushStyle::LinearGradient:
    case BrushStyle::RadialGradient: return MakeGradient(brush);
    case BrushStyle::Hatched: break;
    }
    // The gaps take the background colour when the background is opaque and
    // let the surface show through when it is transparent.
    QImage tile(8, 8, QImage::Format_ARGB32);
    const QRgb gap
        = state.backgroundMode == BackgroundMode::Opaque ? ToQRgb(state.backgroundColour) : qRgba(0, 0, 0, 0);
    const QRgb line = ToQRgb(brush.colour);
    const auto rows = HatchRows(brush.hatch);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, (rows[static_cast<std::size_t>(y)] & (0x80u >> x)) != 0 ? line : gap);
    QBrush pattern(tile);
    pattern.setTransform(QTransform::fromTranslate(state.brushOrigin.x % 8, state.brushOrigin.y % 8));
    return pattern;
}

QBrush DeviceContext::Impl::MakeGradient(const Brush& brush) const
{
    const QPointF from
        = ToDeviceF({static_cast<double>(brush.gradientFrom.x), static_cast<double>(brush.gradientFrom.y)});
    const QPointF to = ToDeviceF({static_cast<double>(brush.gradientTo.x), static_cast<double>(brush.gradientTo.y)});
    const QGradientStops stops{{0.0, ToQColor(brush.colour)}, {1.0, ToQColor(brush.endColour)}};
    if (brush.style == BrushStyle::LinearGradient) {
        QLinearGradient gradient(from, to);
        gradient.setStops(stops);
        return QBrush(gradient);
    }
    const QPointF reach = to - from;
    QRadialGradient gradient(from, std::hypot(reach.x(), reach.y()));
    gradient.setStops(stops);
    return QBrush(gradient);
}

void DeviceContext::Impl::FillRectsWithBrush(std::span<const QRect> rects, const Brush& brush)
{
    const std::optional<QBrush> fill = MakeBrush(brush);
    if (!fill)
        return;
    if (fill->style() == Qt::SolidPattern) {
        FillRects(rects, fill->color());
        return;
    }
    for (const QRect& rect : rects) {
        const QRect visible = rect.intersected(clipBounds);
        if (!visible.isEmpty())
            painter.fillRect(visible, *fill);
    }
}

void DeviceContext::Impl::FillRegionWithBrush(const QRegion& region, const Brush& brush)
{
    const QRegion visible = region.intersected(clipBounds);
    if (visible.isEmpty())
        return;
    std::vector<QRect> rects(visible.begin(), visible.end());
    FillRectsWithBrush(rects, brush);
}

void DeviceContext::Impl::StrokePath(std::span<const QPoint> points, bool closed)
{
    const Pen& pen = state.pen;
    if (pen.style == PenStyle::None || points.empty())
        return;
    if (DrawsSmoothly(QPolygonF(QPolygon(QList<QPoint>(points.begin(), points.end()))).boundingRect())) {
        QPainterPath path(QPointF(points.front()) + QPointF(0.5, 0.5));
        for (const QPoint& p : points.subspan(1))
            path.lineTo(QPointF(p) + QPointF(0.5, 0.5));
        if (closed)
            path.closeSubpath();
        DrawSmoothPath(path, false);
        return;
    }
    if (!ThinPen() || !rasterOps) {
        // Wide pens, and every pen on a page, are the toolkit's, centred on
        // the pixels of the path (a page gets lines, not pixels).
        const bool thin = ThinPen();
        QPen wide(QBrush(ToQColor(pen.colour)), thin ? 1 : std::min(pen.width, 4096), QtPenStyle(pen.style),
            thin ? Qt::FlatCap : QtPenCap(pen.cap), thin ? Qt::MiterJoin : Qt::RoundJoin);
        painter.setPen(wide);
        painter.setBrush(Qt::NoBrush);
        QPolygonF path;
        bool near = true;
        for (const QPoint& p : points) {
            path.append(QPointF(p.x() + 0.5, p.y() + 0.5));
            near = near && std::abs(p.x()) < kNearLimit && std::abs(p.y()) < kNearLimit;
        }
        if (near) {
            if (closed)
                painter.drawPolygon(path);
            else
                painter.drawPolyline(path);
            return;
        }
        // Far-off corners: each segment is cut to the visible area first.
        if (closed)
            path.append(path.front());
        const QRectF box = QRectF(clipBounds).adjusted(-wide.widthF(), -wide.widthF(), wide.widthF(), wide.widthF());
        for (qsizetype i = 0; i + 1 < path.size(); ++i) {
            QPointF a = path[i];
            QPointF b = path[i + 1];
            if (ClipSegment(a, b, box))
                painter.drawLine(a, b);
        }
        return;
    }
    PenRuns runs;
    const std::span<const int> pattern = PenPattern(pen.style);
    const QRect bounds = clipBounds;
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        AddLinePixels(points[i], points[i + 1], bounds, pattern, penStep, runs);
    if (closed && points.size() > 1)
        AddLinePixels(points.back(), points.front(), bounds, pattern, penStep, runs);
    FillRects(runs.on, ToQColor(pen.colour));
    if (!pattern.empty() && state.backgroundMode == BackgroundMode::Opaque)
        FillRects(runs.off, ToQColor(state.backgroundColour));
}

void DeviceContext::Impl::DrawShape(std::span<const QPoint> outline, bool winding)
{
    const bool hasPen = state.pen.style != PenStyle::None;
    if (DrawsSmoothly(QPolygonF(QPolygon(QList<QPoint>(outline.begin(), outline.end()))).boundingRect())) {
        QPolygonF corners;
        for (const QPoint& p : outline)
            corners.append(QPointF(p) + QPointF(0.5, 0.5));
        QPainterPath path;
        path.addPolygon(corners);
        path.closeSubpath();
        path.setFillRule(winding ? Qt::WindingFill : Qt::OddEvenFill);
        DrawSmoothPath(path, true);
        return;
    }
    if (!rasterOps) {
        // A page gets the shape itself rather than rows of pixels.
        const std::optional<QBrush> fill = MakeBrush(state.brush);
        if (fill && outline.size() > 2) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(*fill);
            painter.drawPolygon(
                QPolygon(QList<QPoint>(outline.begin(), outline.end())), winding ? Qt::WindingFill : Qt::OddEvenFill);
        }
        if (hasPen)
            StrokePath(outline, true);
        return;
    }
    std::vector<QRect> inside = PolygonSpans(outline, winding, clipBounds);
    if (hasPen && ThinPen() && state.mix != MixMode::CopyPen && state.brush.style != BrushStyle::None
        && !inside.empty()) {
        // The outline's pixels are left out of the fill so that each pixel
        // is combined once.
        PenRuns runs;
        int step = 0;
        for (std::size_t i = 0; i < outline.size(); ++i)
            AddLinePixels(outline[i], outline[(i + 1) % outline.size()], clipBounds, {}, step, runs);
        QRegion fill;
        fill.setRects(inside.data(), static_cast<int>(inside.size()));
        for (const QRect& r : runs.on)
            fill -= r;
        inside.assign(fill.begin(), fill.end());
    }
    FillRectsWithBrush(inside, state.brush);
    if (hasPen) {
        penStep = 0;
        StrokePath(outline, true);
    }
}

// ------------------------------------------------------------ text

bool DeviceContext::Impl::CanMeasureText() const
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

QFont DeviceContext::Impl::DeviceFont() const
{
    const FontSpec& wanted = state.font;
    QFont font(QString::fromStdString(wanted.face));
    const double points
        = std::isfinite(wanted.pointSize) && wanted.pointSize > 0.0 ? std::min(wanted.pointSize, 4096.0) : 9.0;
    // A point is 1/72 inch at the surface's resolution, in logical units,
    // which the mapping then scales.
    const double pixels = points * pixelsPerInch.height / 72.0 * std::fabs(ScaleY());
    font.setPixelSize(static_cast<int>(std::clamp(std::floor(pixels + 0.5), 1.0, 2048.0)));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(wanted.weight, 1, 1000)));
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setStrikeOut(wanted.strikeOut);
    return font;
}

}  // namespace corvane
