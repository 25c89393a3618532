#pragma once

#include "platform/ChildFrame.h"
#include "platform/Geometry.h"

#include <memory>
#include <optional>

namespace corvane {

class CanvasWindow;
class CIconBar;
class EditorEnvironment;

// The frame of the net view (no system menu): it owns the floating icon
// palette, made hidden near the main frame's top-left corner, and keeps
// the palette in its place relative to the main frame when that moves.
class CNetFrm : public ChildFrame {
public:
    // The palette's top-left, relative to the main frame's, when it is made.
    static constexpr Point kPaletteOffset{14, 79};
    // Larger moves of the main frame (minimising it) leave the palette.
    static constexpr int kLargestFollowedMove = 12000;

    explicit CNetFrm(EditorEnvironment& environment);
    ~CNetFrm() override;

    // The palette, or null before the frame is created.
    CIconBar* IconBar() const { return iconBar_.get(); }
    void SetIconBarTarget(CanvasWindow* view);
    void ShowPalette(bool show);

    // Where the palette's window goes when the main frame moved from the
    // stored top-left to the new one: moved by the same amount and kept on
    // the screen (top-left 0, 0 or more); nothing for a larger jump.
    static std::optional<Point> PalettePositionAfterMainFrameMove(
        Point storedMainTopLeft, Point newMainTopLeft, Point paletteTopLeft);

protected:
    bool OnCreate() override;
    void OnMainFrameMoved(Point oldTopLeft, Point newTopLeft) override;

private:
    EditorEnvironment& environment_;
    std::unique_ptr<CIconBar> iconBar_;
    // Where the main frame was when the palette last followed it, in the
    // coordinates its moves are reported in; from the first move on.
    std::optional<Point> mainTopLeft_;
};

}  // namespace corvane
