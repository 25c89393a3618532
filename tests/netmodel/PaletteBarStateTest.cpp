#include "netmodel/PaletteBarState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace palette_bar_state_test {
namespace {

// Expands the bar by resting the pointer on it for the four hover ticks.
PaletteBarState ExpandedByHovering()
{
    PaletteBarState state;
    state.OnMouseMove();
    for (int tick = 0; tick < PaletteBarState::kHoverTicksToExpand; ++tick)
        state.OnHoverTick(true);
    return state;
}

TEST(PaletteBarStateTest, CellsAreSixColumnsByEightRowsOfThirtyTwoPixels)
{
    struct Case {
        Point point;
        int cell;
    };
    const Case cases[] = {
        {{0, 0}, 0},
        {{31, 31}, 0},
        {{32, 0}, 1},
        {{191, 0}, 5},
        {{0, 32}, 6},
        {{100, 100}, 21},
        {{191, 255}, 47},
        {{192, 0}, -1},  // the seventh column, beside the cells
        {{200, 40}, -1},
        {{0, 256}, -1},  // the ninth row: the check box
        {{60, 270}, -1},
        {{-1, 10}, -1},
        {{10, -1}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.point.x) + "," + std::to_string(c.point.y));
        EXPECT_EQ(PaletteBarState::CellAt(c.point), c.cell);
        if (c.cell >= 0) {
            EXPECT_TRUE(PaletteBarState::CellRect(c.cell).Contains(c.point));
        }
    }
    EXPECT_EQ(PaletteBarState::CellRect(47), (Rect{160, 224, 192, 256}));
    EXPECT_EQ(PaletteBarState::CellRect(48), Rect{});
    EXPECT_EQ(PaletteBarState::CellRect(-1), Rect{});
}

TEST(PaletteBarStateTest, HoveringFourTicksExpandsAndCollapsesAfterFourTicksAway)
{
    PaletteBarState state;
    EXPECT_TRUE(state.IsCollapsed());
    EXPECT_EQ(state.CurrentSize(), (Size{40, 40}));

    PaletteBarActions start;
    start.capture = true;
    start.startHoverTimer = true;
    EXPECT_EQ(state.OnMouseMove(), start);
    EXPECT_EQ(state.OnMouseMove(), PaletteBarActions{}) << "the hover timer already runs";
    for (int tick = 1; tick < 4; ++tick)
        EXPECT_EQ(state.OnHoverTick(true), PaletteBarActions{});

    PaletteBarActions expand;
    expand.stopHoverTimer = true;
    expand.releaseCapture = true;
    expand.startCollapseTimer = true;
    expand.expanded = true;
    EXPECT_EQ(state.OnHoverTick(true), expand);
    EXPECT_FALSE(state.IsCollapsed());
    EXPECT_FALSE(state.IsHoverTimerRunning());
    EXPECT_EQ(state.CurrentSize(), (Size{202, 301}));
    EXPECT_EQ(state.TickCount(), 4);
    EXPECT_EQ(state.OnMouseMove(), PaletteBarActions{}) << "moves over the expanded bar start nothing";

    // Ticks with the pointer on the bar leave the counter; away they count up to 8.
    const std::vector<bool> pointerInside{false, true, false, true, false};
    for (const bool inside : pointerInside)
        EXPECT_EQ(state.OnCollapseTick(inside), PaletteBarActions{});
    EXPECT_EQ(state.TickCount(), 7);
    PaletteBarActions collapse;
    collapse.stopCollapseTimer = true;
    collapse.collapsed = true;
    EXPECT_EQ(state.OnCollapseTick(false), collapse);
    EXPECT_TRUE(state.IsCollapsed());

    PaletteBarActions stopOnly;
    stopOnly.stopCollapseTimer = true;
    EXPECT_EQ(state.OnCollapseTick(false), stopOnly) << "a late tick of the collapsed bar stops its timer";
}

TEST(PaletteBarStateTest, PointerLeavingWithinTheHoverTimeDoesNotExpand)
{
    // Away at the first, second, third or fourth tick: under 200 ms on the bar.
    for (int ticksInside = 0; ticksInside < PaletteBarState::kHoverTicksToExpand; ++ticksInside) {
        SCOPED_TRACE(ticksInside);
        PaletteBarState state;
        state.OnMouseMove();
        for (int tick = 0; tick < ticksInside; ++tick)
            state.OnHoverTick(true);
        PaletteBarActions leave;
        leave.stopHoverTimer = true;
        leave.releaseCapture = true;
        EXPECT_EQ(state.OnHoverTick(false), leave);
        EXPECT_TRUE(state.IsCollapsed());
        EXPECT_FALSE(state.IsHoverTimerRunning());
        // The next visit starts counting afresh.
        state.OnMouseMove();
        EXPECT_EQ(state.TickCount(), 0);
        EXPECT_TRUE(state.IsHoverTimerRunning());
    }
}

TEST(PaletteBarStateTest, KeepOpenHoldsTheBarUntilUncheckedThenTheNextTickAwayCollapses)
{
    PaletteBarState state = ExpandedByHovering();
    state.SetKeepOpen(true);
    for (int tick = 0; tick < 20; ++tick)
        EXPECT_EQ(state.OnCollapseTick(false), PaletteBarActions{});
    EXPECT_EQ(state.Toggle(), PaletteBarActions{}) << "toggling does not collapse it either";
    EXPECT_FALSE(state.IsCollapsed());

    state.SetKeepOpen(false);
    EXPECT_EQ(state.OnCollapseTick(true), PaletteBarActions{}) << "a tick with the pointer on the bar";
    EXPECT_TRUE(state.OnCollapseTick(false).collapsed);
    EXPECT_TRUE(state.IsCollapsed());
    EXPECT_FALSE(state.KeepOpen());
    state.SetKeepOpen(true);
    EXPECT_FALSE(state.KeepOpen()) << "the collapsed bar has no check box";

    EXPECT_TRUE(state.Toggle().expanded);
    EXPECT_FALSE(state.KeepOpen()) << "each expansion shows the box unchecked";
}

TEST(PaletteBarStateTest, ToggleDuringAHoverEndsTheHover)
{
    PaletteBarState state;
    state.OnMouseMove();
    state.OnHoverTick(true);
    PaletteBarActions expand;
    expand.stopHoverTimer = true;
    expand.releaseCapture = true;
    expand.startCollapseTimer = true;
    expand.expanded = true;
    EXPECT_EQ(state.Toggle(), expand);
    EXPECT_FALSE(state.IsHoverTimerRunning());
    EXPECT_EQ(state.TickCount(), 1) << "an expansion leaves the counter";

    PaletteBarActions collapse;
    collapse.stopCollapseTimer = true;
    collapse.collapsed = true;
    EXPECT_EQ(state.Toggle(), collapse);
}

}  // namespace
}  // namespace palette_bar_state_test
}  // namespace corvane
