#include "netmodel/PaletteBarState.h"

#include "netmodel/PaletteCells.h"

namespace corvane {

void PaletteBarState::SetKeepOpen(bool keepOpen) { keepOpen_ = keepOpen && !collapsed_; }

PaletteBarActions PaletteBarState::OnMouseMove()
{
    PaletteBarActions actions;
    if (!collapsed_ || hoverTimerRunning_)
        return actions;
    hoverTimerRunning_ = true;
    ticks_ = 0;
    actions.capture = true;
    actions.startHoverTimer = true;
    return actions;
}

PaletteBarActions PaletteBarState::OnHoverTick(bool pointerInside)
{
    PaletteBarActions actions;
    if (!hoverTimerRunning_) {
        actions.stopHoverTimer = true;
        return actions;
    }
    if (pointerInside && ++ticks_ < kHoverTicksToExpand)
        return actions;
    hoverTimerRunning_ = false;
    actions.stopHoverTimer = true;
    actions.releaseCapture = true;
    if (pointerInside) {
        const PaletteBarActions expansion = Expand();
        actions.startCollapseTimer = expansion.startCollapseTimer;
        actions.expanded = expansion.expanded;
    }
    return actions;
}

PaletteBarActions PaletteBarState::OnCollapseTick(bool pointerInside)
{
    PaletteBarActions actions;
    if (collapsed_) {
        actions.stopCollapseTimer = true;
        return actions;
    }
    if (pointerInside)
        return actions;
    if (++ticks_ >= kTicksAwayToCollapse)
        return Collapse();
    return actions;
}

PaletteBarActions PaletteBarState::Expand()
{
    PaletteBarActions actions;
    // An expansion some other way ends a hover that was under way.
    if (hoverTimerRunning_) {
        hoverTimerRunning_ = false;
        actions.stopHoverTimer = true;
        actions.releaseCapture = true;
    }
    collapsed_ = false;
    keepOpen_ = false;
    actions.startCollapseTimer = true;
    actions.expanded = true;
    return actions;
}

PaletteBarActions PaletteBarState::Collapse()
{
    PaletteBarActions actions;
    if (collapsed_ || keepOpen_)
        return actions;
    collapsed_ = true;
    keepOpen_ = false;
    actions.stopCollapseTimer = true;
    actions.collapsed = true;
    return actions;
}

PaletteBarActions PaletteBarState::Toggle() { return collapsed_ ? Expand() : Collapse(); }

int PaletteBarState::CellAt(Point client)
{
    if (!kCellArea.Contains(client))
        return -1;
    return (client.y / kPaletteCellPixels) * kPaletteColumns + client.x / kPaletteCellPixels;
}

Rect PaletteBarState::CellRect(int cell)
{
    if (cell < 0 || cell >= kPaletteCellCount)
        return {};
    const Point topLeft{(cell % kPaletteColumns) * kPaletteCellPixels, (cell / kPaletteColumns) * kPaletteCellPixels};
    return Rect::FromPointAndSize(topLeft, {kPaletteCellPixels, kPaletteCellPixels});
}

}  // namespace corvane
