#include "netmodel/CaptionLayout.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <unordered_map>
#include <utility>

namespace corvane {
namespace {

constexpr int kBucketSize = 128;
// How far sideways the first look reaches; it doubles until a place is found.
constexpr int kFirstReach = 128;
// Farther than any net reaches: to the right of everything there is room.
constexpr int kUnbounded = 1 << 24;

int BucketOf(int coordinate)
{
    return coordinate >= 0 ? coordinate / kBucketSize : -((-(coordinate + 1)) / kBucketSize) - 1;
}

// Rectangles filed in square buckets of the plane, so that those near a
// place are found without looking at all of them; each is marked as an
// icon's or a caption's.
class BucketGrid {
public:
    void Add(const Rect& rect, bool icon)
    {
        if (rect.IsEmpty())
            return;
        const std::size_t index = rects_.size();
        rects_.push_back(rect);
        icons_.push_back(icon);
        seen_.push_back(0);
        bounds_ = bounds_.United(rect);
        for (int by = BucketOf(rect.top); by <= BucketOf(rect.bottom - 1); ++by)
            for (int bx = BucketOf(rect.left); bx <= BucketOf(rect.right - 1); ++bx)
                buckets_[Key(bx, by)].push_back(index);
    }

    // Calls visit (rectangle, icon mark) for every filed rectangle that
    // intersects the area, once each.
    template <class Visit> void ForEachIntersecting(const Rect& area, Visit&& visit)
    {
        const Rect searched = area.Intersect(bounds_);
        if (searched.IsEmpty())
            return;
        ++stamp_;
        for (int by = BucketOf(searched.top); by <= BucketOf(searched.bottom - 1); ++by) {
            for (int bx = BucketOf(searched.left); bx <= BucketOf(searched.right - 1); ++bx) {
                const auto found = buckets_.find(Key(bx, by));
                if (found == buckets_.end())
                    continue;
                for (const std::size_t index : found->second) {
                    if (seen_[index] == stamp_)
                        continue;
                    seen_[index] = stamp_;
                    if (rects_[index].Intersects(area))
                        visit(rects_[index], icons_[index]);
                }
            }
        }
    }

    const Rect& Bounds() const { return bounds_; }

private:
    static std::int64_t Key(int bx, int by)
    {
        return (static_cast<std::int64_t>(bx) << 32) ^ static_cast<std::int64_t>(static_cast<std::uint32_t>(by));
    }

    std::vector<Rect> rects_;
    std::vector<bool> icons_;
    std::vector<std::uint64_t> seen_;
    std::uint64_t stamp_ = 0;
    std::unordered_map<std::int64_t, std::vector<std::size_t>> buckets_;
    Rect bounds_;
};

// One way of setting a caption: its lines and the block they make.
struct CaptionShape {
    std::vector<std::string> lines;
    int width = 0;
    int lineHeight = 0;
    int Height() const { return lineHeight * static_cast<int>(lines.size()); }
};

std::vector<std::string_view> SplitWords(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(' ', at);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, end - start));
        at = end;
    }
    return words;
}

// The caption on one line, then broken between words into ever narrower
// blocks: each breaks greedily below the widest line of the one before,
// until no line can be made narrower. Of the blocks with the same number
// of lines only the narrowest is kept: it fits wherever the others do.
std::vector<CaptionShape> ShapesOf(std::size_t caption, std::string_view text, const CaptionMeasure& measure)
{
    const Size whole = measure(caption, text);
    std::vector<CaptionShape> shapes{CaptionShape{{std::string(text)}, whole.width, whole.height}};
    const std::vector<std::string_view> words = SplitWords(text);
    int limit = whole.width - 1;
    while (words.size() > 1) {
        CaptionShape shape;
        shape.lineHeight = whole.height;
        std::string line;
        int lineWidth = 0;
        for (const std::string_view word : words) {
            std::string longer = line.empty() ? std::string(word) : line + ' ' + std::string(word);
            const int longerWidth = measure(caption, longer).width;
            if (line.empty() || longerWidth <= limit) {
                line = std::move(longer);
                lineWidth = longerWidth;
                continue;
            }
            shape.width = std::max(shape.width, lineWidth);
            shape.lines.push_back(std::move(line));
            line = std::string(word);
            lineWidth = measure(caption, line).width;
        }
        shape.width = std::max(shape.width, lineWidth);
        shape.lines.push_back(std::move(line));
        if (shape.width >= shapes.back().width)
            break;
        limit = shape.width - 1;
        if (shapes.size() > 1 && shapes.back().lines.size() == shape.lines.size())
            shapes.back() = std::move(shape);
        else
            shapes.push_back(std::move(shape));
    }
    return shapes;
}

// The left edge nearest to wanted, at least 0 and at most reach away, at
// which [x, x + width) meets none of the spans; the spans are sorted here.
std::optional<int> NearestGap(std::vector<std::pair<int, int>>& spans, int wanted, int width, int reach)
{
    std::sort(spans.begin(), spans.end());
    std::optional<int> best;
    int bestDistance = INT_MAX;
    const auto consider = [&](int from, int to) {
        from = std::max(from, 0);
        if (to - from < width)
            return;
        const int x = std::clamp(wanted, from, to - width);
        const int distance = std::abs(x - wanted);
        if (distance <= reach && distance < bestDistance) {
            best = x;
            bestDistance = distance;
        }
    };
    int freeFrom = INT_MIN / 2;
    for (const auto& [left, right] : spans) {
        if (left > freeFrom)
            consider(freeFrom, left);
        freeFrom = std::max(freeFrom, right);
    }
    consider(freeFrom, INT_MAX / 2);
    return best;
}

class Placer {
public:
    explicit Placer(std::span<const CaptionRequest> requests)
    {
        for (const CaptionRequest& request : requests)
            filed_.Add(request.icon.Normalized(), true);
    }

    PlacedCaption Place(std::size_t caption, const CaptionRequest& request, const CaptionMeasure& measure)
    {
        if (request.text.empty())
            return {};
        const std::vector<CaptionShape> shapes = ShapesOf(caption, request.text, measure);
        int bestCost = INT_MAX;
        const CaptionShape* bestShape = nullptr;
        Rect bestRect;
        for (const CaptionShape& shape : shapes) {
            const int shapeCost = static_cast<int>(shape.lines.size() - 1) * CaptionLayout::kExtraLineCost;
            if (shapeCost >= bestCost)
                continue;
            const int wanted = std::max(0, request.anchor.x - shape.width / 2);
            const int firstTop = std::max(0, request.anchor.y);
            for (std::optional<int> top = firstTop; top;
                 top = NextTop(Rect{wanted, *top, wanted + shape.width, *top + shape.Height()})) {
                const int downCost = (*top - firstTop) * CaptionLayout::kDownCostFactor;
                if (shapeCost + downCost >= bestCost)
                    break;
                const int reach = bestCost == INT_MAX
                    ? kUnbounded
                    : (bestCost - shapeCost - downCost - 1) / CaptionLayout::kSideCostFactor;
                const std::optional<int> left = FindLeft(*top, shape, wanted, reach);
                if (!left)
                    continue;
                const int cost = shapeCost + downCost + std::abs(*left - wanted) * CaptionLayout::kSideCostFactor;
                if (cost < bestCost) {
                    bestCost = cost;
                    bestShape = &shape;
                    bestRect = Rect{*left, *top, *left + shape.width, *top + shape.Height()};
                }
                if (*left == wanted)
                    break;  // lower places cost more
            }
        }
        if (bestShape == nullptr)
            return {};
        filed_.Add(bestRect, false);
        return PlacedCaption{bestRect, bestShape->lines, bestShape->lineHeight};
    }

private:
    // The left edge nearest to wanted at which the shape, its top at top,
    // keeps clear of everything filed; the look widens until it reaches.
    std::optional<int> FindLeft(int top, const CaptionShape& shape, int wanted, int reach)
    {
        const int bottom = top + shape.Height();
        for (int look = std::min(reach, kFirstReach);; look = std::min(reach, look * 2)) {
            const Rect area{wanted - look - CaptionLayout::kSpacing, top - CaptionLayout::kLineSpacing,
                wanted + shape.width + look + CaptionLayout::kSpacing, bottom + CaptionLayout::kLineSpacing};
            std::vector<std::pair<int, int>> spans;
            filed_.ForEachIntersecting(area, [&](const Rect& rect, bool /*icon*/) {
                spans.emplace_back(rect.left - CaptionLayout::kSpacing, rect.right + CaptionLayout::kSpacing);
            });
            // Everything filed lies inside the look: the spans are all
            // there are, so the whole reach may be used.
            const bool seesAll = area.left <= filed_.Bounds().left && area.right >= filed_.Bounds().right;
            if (const std::optional<int> left = NearestGap(spans, wanted, shape.width, seesAll ? reach : look))
                return left;
            if (look >= reach || seesAll)
                return std::nullopt;
        }
    }

    // The next top worth trying for a block that is in the way at rect:
    // just below the highest of the captions it meets. None when an icon
    // is in the way: a caption below another icon would read as its.
    std::optional<int> NextTop(const Rect& rect)
    {
        std::optional<int> next;
        bool iconInTheWay = false;
        filed_.ForEachIntersecting(
            rect.Inflated(CaptionLayout::kSpacing, CaptionLayout::kLineSpacing), [&](const Rect& filed, bool icon) {
                iconInTheWay = iconInTheWay || icon;
                const int below = filed.bottom + CaptionLayout::kLineSpacing;
                if (below > rect.top && (!next || below < *next))
                    next = below;
            });
        return iconInTheWay ? std::nullopt : next;
    }

    BucketGrid filed_;
};

}  // namespace

std::vector<PlacedCaption> CaptionLayout::Place(std::span<const CaptionRequest> requests, const CaptionMeasure& measure)
{
    Placer placer(requests);
    std::vector<PlacedCaption> placed;
    placed.reserve(requests.size());
    for (std::size_t n = 0; n < requests.size(); ++n)
        placed.push_back(placer.Place(n, requests[n], measure));
    return placed;
}

}  // namespace corvane
