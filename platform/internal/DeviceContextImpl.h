#pragma once

// The state behind a DeviceContext: the painter on its surface and the
// tools, modes, mapping and clip the drawing calls use. Included only by
// platform's own .cpp files.

#include "platform/DeviceContext.h"
#include "platform/internal/DrawingData.h"

#include <QBrush>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRegion>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class QPaintDevice;

namespace corvane {

// Everything Save and Restore keep.
struct DrawingState {
    Pen pen;
    Brush brush;
    FontSpec font;
    RgbColour textColour{0, 0, 0};
    RgbColour backgroundColour{255, 255, 255};
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    MixMode mix = MixMode::CopyPen;
    unsigned textAlign = 0;
    Point position;
    Point brushOrigin;
    MapMode mapMode = MapMode::Text;
    Point windowOrigin;
    Point viewportOrigin;
    Size windowExtent{1, 1};
    Size viewportExtent{1, 1};
    std::optional<QRegion> clip;  // device pixels; none: the whole surface
    bool antialias = false;
};

struct DeviceContext::Impl {
    // Draws on device (which may be null: then nothing is drawn).
    Impl(QPaintDevice* device, const QRegion* updateRegion, bool printing, Size pixelsPerInch);
    ~Impl();
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    // The bitmap drawn into is going: stop drawing.
    void ReleaseTarget();

    // --- Mapping (64-bit, so any int input is safe; results are clamped)
    std::int64_t ToDeviceX(std::int64_t x) const;
    std::int64_t ToDeviceY(std::int64_t y) const;
    std::int64_t ToLogicalX(std::int64_t x) const;
    std::int64_t ToLogicalY(std::int64_t y) const;
    Point ToDevice(Point point) const;
    // A logical rectangle in device pixels, normalised.
    QRect ToDeviceRect(const Rect& rect) const;
    double ScaleX() const;  // device pixels per logical unit (signed)
    double ScaleY() const;
    void FixIsotropic();

    // --- Clip
    void ApplyClip();
    bool CanDraw() const { return active && !clipBounds.isEmpty(); }
    QRegion CurrentClipRegion() const;  // device pixels, before the surface and update region

    // --- Painting helpers, in device pixels
    // Sets the painter's composition for the mix mode; false when the
    // surface cannot combine that way (then nothing is drawn).
    bool SetMix(MixMode mix);
    void FillRects(std::span<const QRect> rects, const QColor& colour);
    void FillRectsWithBrush(std::span<const QRect> rects, const Brush& brush);
    void FillRegionWithBrush(const QRegion& region, const Brush& brush);
    // The outline of the points with the selected pen, each pixel once; the
    // last point is left out unless closed (then the path returns to the first).
    void StrokePath(std::span<const QPoint> points, bool closed);
    // A polygon filled with the brush and outlined with the pen; the
    // outline's pixels are not filled as well, so combining mixes (XOR)
    // touch each pixel once.
    void DrawShape(std::span<const QPoint> outline, bool winding);
    bool ThinPen() const { return state.pen.width <= 1; }
    std::optional<QBrush> MakeBrush(const Brush& brush) const;
    QBrush MakeGradient(const Brush& brush) const;
    // A logical point between units, in device pixels.
    QPointF ToDeviceF(PointF point) const;
    // The selected pen as the toolkit's, with its width and cap.
    QPen SmoothPen() const;
    // Antialiased drawing of a path in device pixels whose corners lie on
    // pixel centres: outlined with the pen, and filled with the brush when
    // filled is set.
    void DrawSmoothPath(const QPainterPath& path, bool filled);
    // Whether a drawing within these device bounds is drawn smoothly:
    // antialiasing is on and the bounds are near enough to the surface for
    // the toolkit to outline (far-off drawings keep their whole pixels).
    bool DrawsSmoothly(const QRectF& bounds) const;

    // --- Text
    QFont DeviceFont() const;
    bool CanMeasureText() const;

    QPaintDevice* device = nullptr;
    QImage* image = nullptr;  // when the surface is an image whose pixels can be read
    QPainter painter;
    bool active = false;
    bool printing = false;
    bool rasterOps = false;  // the surface can XOR, invert and the like
    Size surface;
    Size pixelsPerInch{96, 96};
    std::optional<QRegion> updateRegion;
    DrawingState state;
    std::vector<DrawingState> saved;
    QRegion effectiveClip;  // surface, update region and clip together
    QRect clipBounds;
    int penStep = 0;                 // where the pen's dash pattern stands along the current path
    Bitmap::Impl* target = nullptr;  // the bitmap a MemoryContext draws into
};

std::unique_ptr<DeviceContext::Impl> MakeMemoryContextImpl(Bitmap& target);

}  // namespace corvane
