#include "platform/internal/PixelCoverage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numeric>

namespace corvane {

namespace {

std::int64_t FloorDiv(std::int64_t num, std::int64_t den)
{
    std::int64_t q = num / den;
    if ((num % den != 0) && ((num < 0) != (den < 0)))
        --q;
    return q;
}

bool PatternOn(std::span<const int> pattern, int period, std::int64_t position)
{
    if (pattern.empty() || period <= 0)
        return true;
    auto offset = static_cast<int>(position % period);
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        if (offset < pattern[k])
            return k % 2 == 0;
        offset -= pattern[k];
    }
    return true;
}

// Collects pixels into runs along the line's major axis.
class RunBuilder {
public:
    RunBuilder(PenRuns& runs, bool xMajor) : runs_(runs), xMajor_(xMajor) {}
    ~RunBuilder() { Flush(); }
    RunBuilder(const RunBuilder&) = delete;
    RunBuilder& operator=(const RunBuilder&) = delete;

    void Add(int x, int y, bool on)
    {
        if (open_ && on == on_) {
            if (xMajor_ && y == top_ && (x == right_ + 1 || x == left_ - 1)) {
                left_ = std::min(left_, x);
                right_ = std::max(right_, x);
                return;
            }
            if (!xMajor_ && x == left_ && (y == bottom_ + 1 || y == top_ - 1)) {
                top_ = std::min(top_, y);
                bottom_ = std::max(bottom_, y);
                return;
            }
        }
        Flush();
        open_ = true;
        on_ = on;
        left_ = right_ = x;
        top_ = bottom_ = y;
    }
    void Flush()
    {
        if (!open_)
            return;
        (on_ ? runs_.on : runs_.off).push_back(QRect(QPoint(left_, top_), QPoint(right_, bottom_)));
        open_ = false;
    }

private:
    PenRuns& runs_;
    bool xMajor_;
    bool open_ = false;
    bool on_ = true;
    int left_ = 0;
    int top_ = 0;
    int right_ = 0;
    int bottom_ = 0;
};

}  // namespace

void AddLinePixels(QPoint a, QPoint b, const QRect& bounds, std::span<const int> pattern, int& step, PenRuns& runs)
{
    const std::int64_t dx = std::int64_t{b.x()} - a.x();
    const std::int64_t dy = std::int64_t{b.y()} - a.y();
    const std::int64_t length = std::max(std::llabs(dx), std::llabs(dy));
    if (length == 0)
        return;
    const int period = std::accumulate(pattern.begin(), pattern.end(), 0);
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t majorStart = xMajor ? a.x() : a.y();
    const std::int64_t minorStart = xMajor ? a.y() : a.x();
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const std::int64_t direction = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const std::int64_t boundLow = xMajor ? bounds.left() : bounds.top();
    const std::int64_t boundHigh = (xMajor ? bounds.right() : bounds.bottom()) + std::int64_t{1};  // exclusive
    const std::int64_t minorLow = xMajor ? bounds.top() : bounds.left();
    const std::int64_t minorHigh = (xMajor ? bounds.bottom() : bounds.right()) + std::int64_t{1};

    // Only the steps whose major coordinate lies inside the bounds are visited.
    std::int64_t first = 0;
    std::int64_t last = length;  // exclusive
    if (direction > 0) {
        first = std::max(first, boundLow - majorStart);
        last = std::min(last, boundHigh - majorStart);
    } else {
        first = std::max(first, majorStart - boundHigh + 1);
        last = std::min(last, majorStart - boundLow + 1);
    }
    const std::int64_t startStep = step;
    if (period > 0)
        step = static_cast<int>((startStep + length) % period);
    if (first >= last || bounds.isEmpty())
        return;

    RunBuilder builder(runs, xMajor);
    for (std::int64_t i = first; i < last; ++i) {
        const std::int64_t major = majorStart + direction * i;
        const std::int64_t minor = minorStart + FloorDiv(2 * i * minorDelta + length, 2 * length);
        if (minor < minorLow || minor >= minorHigh) {
            builder.Flush();
            continue;
        }
        const bool on = PatternOn(pattern, period, startStep + i);
        const auto x = static_cast<int>(xMajor ? major : minor);
        const auto y = static_cast<int>(xMajor ? minor : major);
        builder.Add(x, y, on);
    }
}

std::vector<QRect> PolygonSpans(std::span<const QPoint> points, bool winding, const QRect& bounds)
{
    std::vector<QRect> spans;
    if (points.size() < 3 || bounds.isEmpty())
        return spans;
    struct Edge {
        int top;       // first row whose centre the edge crosses
        int bottom;    // last such row
        double x;      // where it crosses the first row's centre
        double slope;  // change of x per row
        int direction;
    };
    std::vector<Edge> edges;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const QPoint a = points[i];
        const QPoint b = points[(i + 1) % points.size()];
        if (a.y() == b.y())
            continue;
        const QPoint& upper = a.y() < b.y() ? a : b;
        const QPoint& lower = a.y() < b.y() ? b : a;
        // Rows upper.y to lower.y - 1 have their centres (y + 0.5) on the
        // edge; a vertex never lies on a centre line, so none counts twice.
        const int top = std::max(upper.y(), bounds.top());
        const int bottom = std::min(lower.y() - 1, bounds.bottom());
        if (top > bottom)
            continue;
        const double slope
            = (static_cast<double>(lower.x()) - upper.x()) / (static_cast<double>(lower.y()) - upper.y());
        edges.push_back({top, bottom, upper.x() + (top + 0.5 - upper.y()) * slope, slope, b.y() > a.y() ? 1 : -1});
    }
    if (edges.empty())
        return spans;
    std::sort(edges.begin(), edges.end(), [](const Edge& l, const Edge& r) { return l.top < r.top; });
    struct Crossing {
        double x;
        int direction;
    };
    std::vector<Crossing> crossings;
    std::vector<Edge> active;
    std::size_t next = 0;
    int y = edges.front().top;
    while (next < edges.size() || !active.empty()) {
        if (active.empty() && next < edges.size())
            y = std::max(y, edges[next].top);
        while (next < edges.size() && edges[next].top <= y)
            active.push_back(edges[next++]);
        crossings.clear();
        for (const Edge& e : active)
            crossings.push_back({e.x + (y - e.top) * e.slope, e.direction});
        std::sort(crossings.begin(), crossings.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
        int count = 0;
        for (std::size_t k = 0; k + 1 < crossings.size(); ++k) {
            count += winding ? crossings[k].direction : 1;
            const bool inside = winding ? count != 0 : (count % 2) != 0;
            if (!inside)
                continue;
            // Pixels whose centre x + 0.5 lies in [from, to).
            const double from = std::max(std::ceil(crossings[k].x - 0.5), static_cast<double>(bounds.left()));
            const double to = std::min(std::ceil(crossings[k + 1].x - 0.5), static_cast<double>(bounds.right()) + 1.0);
            if (to > from)
                spans.emplace_back(static_cast<int>(from), y, static_cast<int>(to - from), 1);
        }
        std::erase_if(active, [y](const Edge& e) { return e.bottom <= y; });
        ++y;
    }
    return spans;
}

std::vector<QRect> RoundRectSpans(const QRect& box, QSize corner, const QRect& bounds)
{
    std::vector<QRect> spans;
    const QRect visible = box.intersected(bounds);
    if (visible.isEmpty())
        return spans;
    const double radiusX = std::clamp(corner.width(), 0, box.width()) / 2.0;
    const double radiusY = std::clamp(corner.height(), 0, box.height()) / 2.0;
    const double left = box.left();
    const double right = static_cast<double>(box.left()) + box.width();
    const double top = box.top();
    const double bottom = static_cast<double>(box.top()) + box.height();
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const double centre = y + 0.5;
        // How far the row is inside a corner's band, as a share of the radius.
        double inset = 0.0;
        if (radiusY > 0.0 && radiusX > 0.0) {
            const double dy = centre < top + radiusY ? top + radiusY - centre
                : centre > bottom - radiusY          ? centre - (bottom - radiusY)
                                                     : 0.0;
            const double share = std::min(dy / radiusY, 1.0);
            inset = radiusX * (1.0 - std::sqrt(1.0 - share * share));
        }
        const double from = std::max(std::ceil(left + inset - 0.5), static_cast<double>(visible.left()));
        const double to = std::min(std::ceil(right - inset - 0.5), static_cast<double>(visible.right()) + 1.0);
        if (to > from)
            spans.emplace_back(static_cast<int>(from), y, static_cast<int>(to - from), 1);
    }
    return spans;
}

QRegion RegionFromSpans(std::span<const QRect> spans)
{
    // Rows as lists of joined spans, then runs of equal rows as bands, the
    // form the toolkit keeps its regions in.
    struct Row {
        int y;
        std::vector<std::pair<int, int>> spans;  // left, right (exclusive)
    };
    std::vector<Row> rows;
    for (const QRect& span : spans) {
        if (span.isEmpty())
            continue;
        if (rows.empty() || rows.back().y != span.top())
            rows.push_back({span.top(), {}});
        auto& row = rows.back().spans;
        const int left = span.left();
        const int right = span.left() + span.width();
        if (!row.empty() && left <= row.back().second)
            row.back().second = std::max(row.back().second, right);
        else
            row.emplace_back(left, right);
    }
    std::vector<QRect> rects;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t j = i + 1;
        while (j < rows.size() && rows[j].y == rows[j - 1].y + 1 && rows[j].spans == rows[i].spans)
            ++j;
        const int height = rows[j - 1].y - rows[i].y + 1;
        for (const auto& [left, right] : rows[i].spans)
            rects.emplace_back(left, rows[i].y, right - left, height);
        i = j;
    }
    QRegion region;
    if (!rects.empty())
        region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

bool ClipSegment(QPointF& a, QPointF& b, const QRectF& box)
{
    // Liang and Barsky: the part of a + t (b - a), 0 <= t <= 1, in the box.
    double enter = 0.0;
    double leave = 1.0;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const auto limit = [&](double p, double q) {
        if (p == 0.0)
            return q >= 0.0;
        const double t = q / p;
        if (p < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        return enter <= leave;
    };
    if (!limit(-dx, a.x() - box.left()) || !limit(dx, box.right() - a.x()) || !limit(-dy, a.y() - box.top())
        || !limit(dy, box.bottom() - a.y()))
        return false;
    const QPointF start = a;
    a = QPointF(start.x() + enter * dx, start.y() + enter * dy);
    b = QPointF(start.x() + leave * dx, start.y() + leave * dy);
    return true;
}

}  // namespace corvane
