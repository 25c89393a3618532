#pragma once

#include "platform/Geometry.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// One icon's caption as the layout is asked to place it.
struct CaptionRequest {
    // What the icon draws (body and connectors): no caption covers it.
    Rect icon;
    // Where the caption stands when nothing is in the way: the centre of
    // its lines and the top of the first.
    Point anchor;
    std::string_view text;
};

// Where a caption is drawn: its lines, each centred in the rectangle, one
// line height apart from the rectangle's top. An empty caption has no
// lines and an empty rectangle.
struct PlacedCaption {
    Rect rect;
    std::vector<std::string> lines;
    int lineHeight = 0;
};

// The width and height of one line of caption n, in drawing units.
using CaptionMeasure = std::function<Size(std::size_t caption, std::string_view line)>;

// Places the captions of a net's icons so that none starts left of x 0 or
// above y 0 and none covers an icon or another caption (kept kSpacing
// apart across and kLineSpacing apart up and down). A caption stays under
// its icon where it can; otherwise it moves sideways to the nearest free
// place, breaks between words into lines (for each number of lines the
// narrowest breaking), or moves down below the captions in its way (never
// below an icon, whose caption it would seem to be). A move sideways costs
// kSideCostFactor a unit, a move down kDownCostFactor a unit and each
// extra line kExtraLineCost; the cheapest place wins. Icons never move.
// Captions are placed in the order given, each one avoiding those placed
// before it. Nearby things are found through a grid of buckets, so a net
// of hundreds of icons is placed in about linear time.
class CaptionLayout {
public:
    static constexpr int kSpacing = 8;
    static constexpr int kLineSpacing = 1;
    static constexpr int kSideCostFactor = 1;
    static constexpr int kDownCostFactor = 2;
    static constexpr int kExtraLineCost = 10;

    // One placed caption per request, in the same order.
    static std::vector<PlacedCaption> Place(std::span<const CaptionRequest> requests, const CaptionMeasure& measure);
};

}  // namespace corvane
