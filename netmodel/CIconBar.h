#pragma once

#include "netmodel/PaletteBarState.h"
#include "netmodel/PaletteCells.h"
#include "platform/ToolWindow.h"

#include <array>
#include <string>
#include <string_view>

namespace corvane {

class EditorEnvironment;
class MdiFrame;

// The floating icon palette of the net editor. Collapsed it shows one
// small picture; resting the pointer on it expands it to the 48 cells and
// the "Keep Palette Open" box, and it collapses again a while after the
// pointer left (PaletteBarState). Pressing an enabled cell and releasing
// over the target view posts kPaletteDropMessage to the view with the cell
// and the point in the view's client coordinates. A cell whose icon class
// has no maker is drawn greyed and cannot be dragged.
class CIconBar : public ToolWindow {
public:
    // Its title bar's text; the bar has no button to close it.
    static constexpr std::string_view kTitle = "Icon Palette";

    // Floating over the main frame, hidden and collapsed.
    CIconBar(MdiFrame& owner, EditorEnvironment& environment);
    ~CIconBar() override;

    // The only window that takes drops; null for none.
    void SetTargetView(CanvasWindow* view) { target_ = view; }
    CanvasWindow* TargetView() const { return target_; }

    // Expands when collapsed, else collapses.
    void TogglePalette();
    // Picks the pictures of the e-mail, FTP and MQTT cells for the
    // connected logger: greyed ones when it has no network features.
    void LoadModelImages();

    const PaletteBarState& State() const { return state_; }
    bool IsCellEnabled(int cell) const;
    int CellPicture(int cell) const;
    bool IsDragging() const { return dragCell_ >= 0; }

protected:
    void OnPaint(DeviceContext& dc) override;
    void OnMouseDown(const MouseEvent& event) override;
    void OnMouseUp(const MouseEvent& event) override;
    void OnMouseMove(const MouseEvent& event) override;
    void OnTimer(std::uint32_t id) override;
    std::string OnToolTipText(int toolId) override;

private:
    void Apply(const PaletteBarActions& actions);
    bool PointerInside() const;
    void DrawCells(DeviceContext& dc);
    void DrawKeepOpenBox(DeviceContext& dc);
    void Drop(Point client);

    EditorEnvironment& environment_;
    PaletteBarState state_;
    std::array<int, kPaletteCellCount> pictures_{};
    CanvasWindow* target_ = nullptr;
    int dragCell_ = -1;
    bool boxPressed_ = false;
};

}  // namespace corvane
