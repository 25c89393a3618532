// DeviceContext: block copies of bitmaps.

#include "platform/DeviceContext.h"

#include "platform/internal/DeviceContextImpl.h"

#include <optional>

namespace corvane {

namespace {

// Where a copy lands in device pixels, and whether the mapping mirrors it.
struct Placement {
    QRect target;
    bool flipX = false;
    bool flipY = false;
};

Placement Place(
    const DeviceContext::Impl& d, std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    const int deviceLeft = ClampCoordinate(d.ToDeviceX(left));
    const int deviceTop = ClampCoordinate(d.ToDeviceY(top));
    const int deviceRight = ClampCoordinate(d.ToDeviceX(right));
    const int deviceBottom = ClampCoordinate(d.ToDeviceY(bottom));
    Placement placement;
    placement.flipX = deviceRight < deviceLeft;
    placement.flipY = deviceBottom < deviceTop;
    placement.target = ToQRect(Rect{deviceLeft, deviceTop, deviceRight, deviceBottom}.Normalized());
    return placement;
}

// The source rectangle, normalised (noting a mirror) and kept to the picture.
struct SourcePart {
    QRect whole;   // as asked, normalised
    QRect inside;  // the part that lies in the picture
    bool flipX = false;
    bool flipY = false;
};

std::optional<SourcePart> PartOf(const QImage& image, const Rect& sourceRect)
{
    SourcePart part;
    part.flipX = sourceRect.right < sourceRect.left;
    part.flipY = sourceRect.bottom < sourceRect.top;
    part.whole = ToQRect(sourceRect.Normalized());
    part.inside = part.whole.intersected(image.rect());
    if (part.inside.isEmpty())
        return std::nullopt;
    return part;
}

// Draws the part of the picture on the placement, stretching with the
// nearest pixel, in the painter's current composition. picture is either
// the whole image (then part.inside addresses it) or just the part.
void DrawPart(DeviceContext::Impl& d, const QImage& picture, bool pictureIsPart, const SourcePart& part,
    const Placement& placement)
{
    const QRect& target = placement.target;
    if (target.isEmpty() || !target.intersects(d.clipBounds))
        return;
    const bool flipX = placement.flipX != part.flipX;
    const bool flipY = placement.flipY != part.flipY;
    // The target of the part inside the picture: the whole target less the
    // share of the source that lies outside the picture.
    const double scaleX = static_cast<double>(target.width()) / part.whole.width();
    const double scaleY = static_cast<double>(target.height()) / part.whole.height();
    const double cutLeft = (part.inside.left() - part.whole.left()) * scaleX;
    const double cutRight = (part.whole.right() - part.inside.right()) * scaleX;
    const double cutTop = (part.inside.top() - part.whole.top()) * scaleY;
    const double cutBottom = (part.whole.bottom() - part.inside.bottom()) * scaleY;
    const QRectF inner(
        QPointF(target.left() + (flipX ? cutRight : cutLeft), target.top() + (flipY ? cutBottom : cutTop)),
        QPointF(target.left() + target.width() - (flipX ? cutLeft : cutRight),
            target.top() + target.height() - (flipY ? cutTop : cutBottom)));

    QImage section = pictureIsPart ? picture : QImage();
    if (!pictureIsPart && (flipX || flipY || &picture == d.image))
        section = picture.copy(part.inside);
    if (flipX || flipY)
        section = section.mirrored(flipX, flipY);
    const QImage& source = section.isNull() ? picture : section;
    const QRectF sourceArea = section.isNull() ? QRectF(part.inside) : QRectF(section.rect());

    if (qFuzzyCompare(inner.width(), sourceArea.width()) && qFuzzyCompare(inner.height(), sourceArea.height())
        && inner.topLeft() == inner.topLeft().toPoint()) {
        d.painter.drawImage(inner.topLeft().toPoint(), source, sourceArea.toRect());
        return;
    }
    // Only the visible share is handed on, so a huge stretch costs no more
    // than the surface.
    const QRectF visible = inner.intersected(QRectF(d.clipBounds));
    if (visible.isEmpty())
        return;
    const double perX = sourceArea.width() / inner.width();
    const double perY = sourceArea.height() / inner.height();
    const QRectF sourceVisible(QPointF(sourceArea.left() + (visible.left() - inner.left()) * perX,
                                   sourceArea.top() + (visible.top() - inner.top()) * perY),
        QSizeF(visible.width() * perX, visible.height() * perY));
    d.painter.drawImage(visible, source, sourceVisible);
}

MixMode MixOf(RasterOp op)
{
    switch (op) {
    case RasterOp::SourceInvert: return MixMode::XorPen;
    case RasterOp::SourceAnd: return MixMode::MaskPen;
    case RasterOp::SourcePaint: return MixMode::MergePen;
    case RasterOp::DestInvert: return MixMode::NotDest;
    case RasterOp::SourceCopy:
    case RasterOp::Blackness:
    case RasterOp::Whiteness: break;
    }
    return MixMode::CopyPen;
}

void Blit(DeviceContext::Impl& d, const Placement& placement, const Bitmap& source, const Rect& sourceRect, RasterOp op)
{
    if (placement.target.isEmpty() || !d.CanDraw() || !d.SetMix(MixOf(op)))
        return;
    if (op == RasterOp::DestInvert || op == RasterOp::Blackness || op == RasterOp::Whiteness) {
        const std::array<QRect, 1> area{placement.target};
        d.FillRects(area, op == RasterOp::Whiteness ? Qt::white : Qt::black);
        return;
    }
    const QImage& image = source.Data().image;
    const std::optional<SourcePart> part = PartOf(image, sourceRect);
    if (part)
        DrawPart(d, image, false, *part, placement);
}

// The part of the picture with the pixels that are not to be copied made
// transparent; keep says which are.
template <typename Keep> QImage MaskedPart(const QImage& image, const QRect& inside, Keep keep)
{
    QImage section = image.copy(inside).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < section.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(section.scanLine(y));
        for (int x = 0; x < section.width(); ++x)
            if (!keep(inside.left() + x, inside.top() + y, line[x]))
                line[x] = qRgba(0, 0, 0, 0);
    }
    return section;
}

}  // namespace

void DeviceContext::CopyBitmap(Point destination, const Bitmap& source, const Rect& sourceRect, RasterOp op)
{
    const Rect part = sourceRect.Normalized();
    const std::int64_t width = std::int64_t{part.right} - part.left;
    const std::int64_t height = std::int64_t{part.bottom} - part.top;
    const Placement placement
        = Place(*impl_, destination.x, destination.y, destination.x + width, destination.y + height);
    Blit(*impl_, placement, source, part, op);
}

void DeviceContext::StretchBitmap(const Rect& destination, const Bitmap& source, const Rect& sourceRect, RasterOp op)
{
    const Placement placement = Place(*impl_, destination.left, destination.top, destination.right, destination.bottom);
    Blit(*impl_, placement, source, sourceRect, op);
}

void DeviceContext::CopyBitmapColourKey(
    const Rect& destination, const Bitmap& source, const Rect& sourceRect, RgbColour key)
{
    Impl& d = *impl_;
    Placement placement = Place(d, destination.left, destination.top, destination.right, destination.bottom);
    placement.flipX = placement.flipY = false;
    const QImage& image = source.Data().image;
    const std::optional<SourcePart> part = PartOf(image, sourceRect.Normalized());
    if (!part || placement.target.isEmpty() || !d.CanDraw() || !d.SetMix(MixMode::CopyPen))
        return;
    const QRgb keyRgb = ToQRgb(key) & 0x00FFFFFFu;
    const QImage section
        = MaskedPart(image, part->inside, [keyRgb](int, int, QRgb pixel) { return (pixel & 0x00FFFFFFu) != keyRgb; });
    DrawPart(d, section, true, *part, placement);
}

void DeviceContext::CopyBitmapMasked(
    Point destination, const Bitmap& source, const Bitmap& mask, const Rect& sourceRect)
{
    Impl& d = *impl_;
    const Rect normal = sourceRect.Normalized();
    const std::int64_t width = std::int64_t{normal.right} - normal.left;
    const std::int64_t height = std::int64_t{normal.bottom} - normal.top;
    const Placement placement = Place(d, destination.x, destination.y, destination.x + width, destination.y + height);
    const QImage& image = source.Data().image;
    const std::optional<SourcePart> part = PartOf(image, normal);
    if (!part || placement.target.isEmpty() || !d.CanDraw() || !d.SetMix(MixMode::CopyPen))
        return;
    // A dark mask pixel copies the source; a light one, or none, keeps the
    // destination.
    const QImage& maskImage = mask.Data().image;
    const QImage section = MaskedPart(image, part->inside, [&maskImage](int x, int y, QRgb) {
        if (!maskImage.valid(x, y))
            return false;
        const QRgb m = maskImage.pixel(x, y);
        return qRed(m) + qGreen(m) + qBlue(m) < 3 * 128;
    });
    DrawPart(d, section, true, *part, placement);
}

}  // namespace corvane
