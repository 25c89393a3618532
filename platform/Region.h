#pragma once

#include "platform/Geometry.h"

#include <memory>
#include <span>

namespace corvane {

// An area of pixels made of rectangles, rounded rectangles and polygons,
// combined with one another. Used for hit tests, for filling and framing
// odd shapes, for clipping, and to shape windows. A value type: copies are
// independent.
class Region {
public:
    enum class Combine { And, Or, Xor, Diff };
    enum class FillRule { Alternate, Winding };

    Region();  // empty
    ~Region();
    Region(const Region& other);
    Region& operator=(const Region& other);
    Region(Region&&) noexcept;
    Region& operator=(Region&&) noexcept;

    static Region FromRect(const Rect& rect);
    // A rectangle whose corners are quarter ellipses of the given size.
    static Region FromRoundRect(const Rect& rect, Size corner);
    static Region FromEllipse(const Rect& rect);
    static Region FromPolygon(std::span<const Point> points, FillRule rule = FillRule::Alternate);

    Region Combined(const Region& other, Combine how) const;
    Region Offset(int dx, int dy) const;

    bool IsEmpty() const;
    bool Contains(Point point) const;
    bool Intersects(const Rect& rect) const;
    Rect BoundingRect() const;
    friend bool operator==(const Region& a, const Region& b);

    // For the platform's own code.
    struct Impl;
    const Impl& Data() const { return *impl_; }

private:
    explicit Region(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace corvane
