#pragma once

#include "netmodel/CCorvaneTool.h"

#include <vector>

namespace corvane {

class CCorvaneObj;

// The control-picture tool of the Communication Window: clicks and drags
// of the picture's items become logger commands.
class CCtrlTool : public CCorvaneTool {
public:
    explicit CCtrlTool(CToolSet& tools) : CCorvaneTool(tools, 3) {}

    int GetMode() const { return mode_; }

    void OnLButtonDown(CCorvaneView& view, unsigned flags, Point point) override;
    void OnLButtonDblClk(CCorvaneView& view, unsigned flags, Point point) override;
    void OnLButtonUp(CCorvaneView& view, unsigned flags, Point point) override;
    void OnMouseMove(CCorvaneView& view, unsigned flags, Point point) override;
    void OnEditProperties(CCorvaneView& view) override;
    // Puts back what the drag moved; the tool stays current (the
    // Communication Window has no other).
    void OnCancel(CCorvaneView& view) override;

    // Runs the command of a double click (target 0) or of a drop of one
    // picture item onto another (targets 1, the logger, and 9, the PC)
    // through the environment's picture actions (nothing while there are
    // none), and only while the actions say that command is enabled.
    // object is the item clicked or dropped, or null.
    void DoPictureAction(CCorvaneView& view, int sourceId, int targetId, CCorvaneObj* object);

protected:
    int mode_ = 0;

private:
    void Hover(CCorvaneView& view, unsigned flags, Point point, Point logical);
    // Puts back every item the drag moved (bus nodes stay where dropped).
    void PutBackMoved(CCorvaneView& view);

    // Where the selected items stood at the press.
    std::vector<Placement> placements_;
    bool wasModified_ = false;
};

}  // namespace corvane
