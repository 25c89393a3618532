#pragma once

#include "netmodel/CCorvaneTool.h"

#include <optional>
#include <vector>

namespace corvane {

// The select tool: selects, moves and sizes objects, draws a rubber band,
// and hands a press on a connector over to the connect tool.
class CSelectTool : public CCorvaneTool {
public:
    // 0 none, 1 rubber band, 2 move, 3 size.
    enum class Mode { None = 0, RubberBand = 1, Move = 2, Size = 3 };

    explicit CSelectTool(CToolSet& tools) : CCorvaneTool(tools, 0) {}

    Mode GetMode() const { return mode_; }
    // The rubber band shown now (client units, normalised), if any.
    const std::optional<Rect>& RubberBand() const { return band_; }

    void OnLButtonDown(CCorvaneView& view, unsigned flags, Point point) override;
    void OnLButtonDblClk(CCorvaneView& view, unsigned flags, Point point) override;
    void OnLButtonUp(CCorvaneView& view, unsigned flags, Point point) override;
    void OnMouseMove(CCorvaneView& view, unsigned flags, Point point) override;
    void OnEditProperties(CCorvaneView& view) override;
    void OnCancel(CCorvaneView& view) override;
    void DrawFeedback(CCorvaneView& view, DeviceContext& dc) const override;

protected:
    Mode mode_ = Mode::None;
    bool autoScroll_ = false;

private:
    // Returns true when the press became a connect drag.
    bool PressOnObject(CCorvaneView& view, CCorvaneObj& object, unsigned flags, Point point, Point logical);
    void Drag(CCorvaneView& view, Point point, Point logical);
    void Hover(CCorvaneView& view, Point logical);
    void ShowBand(CCorvaneView& view, std::optional<Rect> band);
    void EndGesture();

    std::optional<Rect> band_;
    // Where the selected objects stood at the press, and whether the
    // document was modified then: a cancel restores both.
    std::vector<Placement> placements_;
    bool wasModified_ = false;
};

}  // namespace corvane
