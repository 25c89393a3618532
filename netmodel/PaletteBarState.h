#pragma once

#include "platform/Geometry.h"

#include <cstdint>

namespace corvane {

// What the palette window has to do after the bar's state changed.
struct PaletteBarActions {
    bool startHoverTimer = false;
    bool stopHoverTimer = false;
    bool startCollapseTimer = false;
    bool stopCollapseTimer = false;
    bool capture = false;
    bool releaseCapture = false;
    bool expanded = false;   // resize to the expanded size, show the cells and the check box
    bool collapsed = false;  // resize to the collapsed size, show the collapsed picture

    friend bool operator==(const PaletteBarActions&, const PaletteBarActions&) = default;
};

// The icon palette's behaviour without its window: collapsed to a small
// picture or expanded to six columns by eight rows of 32-pixel cells with
// the "Keep Palette Open" check box below them. Resting the pointer on the
// collapsed bar for four ticks of the hover timer expands it; once expanded,
// ticks of the collapse timer with the pointer away count up and collapse
// the bar at eight (unless the box is checked). Both timers count on one
// tick counter, which an expansion leaves alone: after an expansion by
// hovering it stands at 4, so four ticks away collapse the bar.
class PaletteBarState {
public:
    static constexpr std::uint32_t kCollapseTimer = 1;
    static constexpr std::uint32_t kCollapseIntervalMs = 250;
    static constexpr std::uint32_t kHoverTimer = 2;
    static constexpr std::uint32_t kHoverIntervalMs = 50;
    static constexpr int kHoverTicksToExpand = 4;
    static constexpr int kTicksAwayToCollapse = 8;

    static constexpr Size kCollapsedSize{40, 40};
    static constexpr Size kExpandedSize{202, 301};
    // The cell grid at the top-left of the expanded bar, and the check box below it.
    static constexpr Rect kCellArea{0, 0, 192, 256};
    static constexpr Rect kKeepOpenBox{10, 262, 200, 280};

    bool IsCollapsed() const { return collapsed_; }
    Size CurrentSize() const { return collapsed_ ? kCollapsedSize : kExpandedSize; }
    int TickCount() const { return ticks_; }
    bool IsHoverTimerRunning() const { return hoverTimerRunning_; }
    // The check box exists only while expanded and starts unchecked at each expansion.
    bool KeepOpen() const { return keepOpen_; }
    void SetKeepOpen(bool keepOpen);

    // The pointer moved over the bar.
    PaletteBarActions OnMouseMove();
    PaletteBarActions OnHoverTick(bool pointerInside);
    PaletteBarActions OnCollapseTick(bool pointerInside);
    PaletteBarActions Expand();
    // Refused (no actions) while the keep-open box is checked.
    PaletteBarActions Collapse();
    PaletteBarActions Toggle();

    // The cell (0..47) under a client point of the expanded bar, or -1.
    static int CellAt(Point client);
    static Rect CellRect(int cell);

private:
    bool collapsed_ = true;
    bool hoverTimerRunning_ = false;
    bool keepOpen_ = false;
    int ticks_ = 0;
};

}  // namespace corvane
