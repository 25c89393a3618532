#pragma once

// Qt side of bitmaps and regions, and the conversions the drawing code
// shares. Included only by platform's own .cpp files.

#include "platform/Bitmap.h"
#include "platform/DeviceContext.h"
#include "platform/Region.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRegion>

#include <algorithm>
#include <cstdint>

namespace corvane {

// Coordinates handed to the toolkit stay within this range, so that no
// width, height or sum of two of them can overflow an int.
inline constexpr int kCoordinateLimit = (1 << 28);

// The largest bitmap made in memory, in pixels (a 600-dpi page is 33 million).
inline constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 27;

constexpr int ClampCoordinate(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, -kCoordinateLimit, kCoordinateLimit));
}

// A rectangle as the toolkit's, clamped to the coordinate range; an
// unnormalised rectangle becomes an empty one.
inline QRect ToQRect(const Rect& rect)
{
    if (rect.IsEmpty())
        return {};
    const int left = ClampCoordinate(rect.left);
    const int top = ClampCoordinate(rect.top);
    return {left, top, ClampCoordinate(rect.right) - left, ClampCoordinate(rect.bottom) - top};
}

inline Rect FromQRect(const QRect& rect)
{
    if (rect.isEmpty())
        return {};
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

inline QColor ToQColor(RgbColour colour) { return {colour.red, colour.green, colour.blue}; }
inline QRgb ToQRgb(RgbColour colour) { return qRgb(colour.red, colour.green, colour.blue); }
inline RgbColour FromQRgb(QRgb rgb)
{
    return {static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
        static_cast<std::uint8_t>(qBlue(rgb))};
}

struct Region::Impl {
    QRegion region;
};

// A bitmap's pixels, always Format_RGB32 (or null). While a MemoryContext
// draws into it, painter points at that context's state: if the pixels are
// replaced or go away first, the context is told and stops drawing.
struct Bitmap::Impl {
    QImage image;
    DeviceContext::Impl* painter = nullptr;

    Impl() = default;
    explicit Impl(QImage picture) : image(std::move(picture)) {}
    // A copy takes the pixels only, never the context drawing into them.
    Impl(const Impl& other) : image(other.image) {}
    Impl& operator=(const Impl&) = delete;
    ~Impl();
    // Tells the context drawing into these pixels that they are going.
    void ReleasePainter();
};

// Any picture as a bitmap's pixels: RGB32, with transparent parts laid on
// white; a null image when it is too large.
QImage ToBitmapImage(const QImage& picture);

}  // namespace corvane
