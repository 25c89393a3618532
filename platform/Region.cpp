#include "platform/Region.h"

#include "platform/internal/DrawingData.h"
#include "platform/internal/PixelCoverage.h"

#include <utility>

namespace corvane {

namespace {

// Curved and slanted shapes stay within this range: they are made row by
// row, so their height costs time and memory.
constexpr int kShapeLimit = 1 << 16;
constexpr QRect kShapeBounds(QPoint(-kShapeLimit, -kShapeLimit), QPoint(kShapeLimit, kShapeLimit));

}  // namespace

Region::Region() : impl_(std::make_unique<Impl>()) {}
Region::~Region() = default;
Region::Region(const Region& other) : impl_(std::make_unique<Impl>(*other.impl_)) {}

Region& Region::operator=(const Region& other)
{
    if (this != &other)
        impl_->region = other.impl_->region;
    return *this;
}

// A moved-from region is empty, never without its data.
Region::Region(Region&& other) noexcept : impl_(std::make_unique<Impl>()) { std::swap(impl_, other.impl_); }

Region& Region::operator=(Region&& other) noexcept
{
    std::swap(impl_, other.impl_);
    return *this;
}

Region::Region(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

Region Region::FromRect(const Rect& rect) { return Region(std::make_unique<Impl>(Impl{QRegion(ToQRect(rect))})); }

Region Region::FromRoundRect(const Rect& rect, Size corner)
{
    const QRect box = ToQRect(rect);
    const QSize rounding(std::clamp(corner.width, 0, kShapeLimit), std::clamp(corner.height, 0, kShapeLimit));
    if (rounding.width() < 2 || rounding.height() < 2)
        return FromRect(rect);
    return Region(std::make_unique<Impl>(Impl{RegionFromSpans(RoundRectSpans(box, rounding, kShapeBounds))}));
}

Region Region::FromEllipse(const Rect& rect)
{
    const QRect box = ToQRect(rect);
    return Region(std::make_unique<Impl>(Impl{RegionFromSpans(RoundRectSpans(box, box.size(), kShapeBounds))}));
}

Region Region::FromPolygon(std::span<const Point> points, FillRule rule)
{
    std::vector<QPoint> corners;
    corners.reserve(points.size());
    for (const Point& p : points)
        corners.emplace_back(std::clamp(p.x, -kShapeLimit, kShapeLimit), std::clamp(p.y, -kShapeLimit, kShapeLimit));
    return Region(
        std::make_unique<Impl>(Impl{RegionFromSpans(PolygonSpans(corners, rule == FillRule::Winding, kShapeBounds))}));
}

Region Region::Combined(const Region& other, Combine how) const
{
    const QRegion& a = impl_->region;
    const QRegion& b = other.impl_->region;
    QRegion result;
    switch (how) {
    case Combine::And: result = a.intersected(b); break;
    case Combine::Or: result = a.united(b); break;
    case Combine::Xor: result = a.xored(b); break;
    case Combine::Diff: result = a.subtracted(b); break;
    }
    return Region(std::make_unique<Impl>(Impl{std::move(result)}));
}

Region Region::Offset(int dx, int dy) const
{
    // The moved region stays within the coordinate range.
    const QRect box = impl_->region.boundingRect();
    if (box.isEmpty())
        return {};
    const auto clampShift = [](int shift, int low, int high) {
        return static_cast<int>(std::clamp<std::int64_t>(
            shift, std::int64_t{-kCoordinateLimit} - low, std::int64_t{kCoordinateLimit} - high));
    };
    const int moveX = clampShift(dx, box.left(), box.left() + box.width());
    const int moveY = clampShift(dy, box.top(), box.top() + box.height());
    return Region(std::make_unique<Impl>(Impl{impl_->region.translated(moveX, moveY)}));
}

bool Region::IsEmpty() const { return impl_->region.isEmpty(); }
bool Region::Contains(Point point) const { return impl_->region.contains(QPoint(point.x, point.y)); }

bool Region::Intersects(const Rect& rect) const
{
    const QRect box = ToQRect(rect);
    return !box.isEmpty() && impl_->region.intersects(box);
}

Rect Region::BoundingRect() const { return FromQRect(impl_->region.boundingRect()); }

bool operator==(const Region& a, const Region& b) { return a.impl_->region == b.impl_->region; }

}  // namespace corvane
