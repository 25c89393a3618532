#pragma once

#include <algorithm>

namespace corvane {

// Integer geometry of drawing and windows. Rectangles are half-open: they
// hold the points with left <= x < right and top <= y < bottom, so a
// rectangle's width is right - left.

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
    friend Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
    friend Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
};

// A point between pixels, for lines that must not snap to whole units.
struct PointF {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect FromPointAndSize(Point topLeft, Size size)
    {
        return {topLeft.x, topLeft.y, topLeft.x + size.width, topLeft.y + size.height};
    }

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr Size Extent() const { return {Width(), Height()}; }
    constexpr Point TopLeft() const { return {left, top}; }
    constexpr Point BottomRight() const { return {right, bottom}; }
    constexpr Point Centre() const { return {left + Width() / 2, top + Height() / 2}; }
    // True when it holds no point (also for an unnormalised rectangle).
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    // Left above right and top above bottom, swapping where needed.
    constexpr Rect Normalized() const
    {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    }
    constexpr Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    constexpr Rect Inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    // The common part; an empty rectangle (all zero) when there is none.
    constexpr Rect Intersect(const Rect& other) const
    {
        const Rect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
            std::min(bottom, other.bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }
    constexpr bool Intersects(const Rect& other) const { return !Intersect(other).IsEmpty(); }
    // The smallest rectangle holding both; an empty one adds nothing.
    constexpr Rect United(const Rect& other) const
    {
        if (IsEmpty())
            return other;
        if (other.IsEmpty())
            return *this;
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace corvane
