#pragma once

#include "netmodel/CCorvaneTool.h"

namespace corvane {

class CConnector;
class CCorvaneIcon;

// The connect tool: drags a rubber line from a connector of one icon and
// links it to a connector of another when the two may be joined.
class CConnectionTool : public CCorvaneTool {
public:
    CConnectionTool(CToolSet& tools, int kind) : CCorvaneTool(tools, kind) {}

    CCorvaneIcon* SourceIcon() const { return sourceIcon_; }
    CConnector* SourceConnector() const { return sourceConnector_; }

    void OnLButtonDown(CCorvaneView& view, unsigned flags, Point point) override;
    void OnLButtonUp(CCorvaneView& view, unsigned flags, Point point) override;
    void OnMouseMove(CCorvaneView& view, unsigned flags, Point point) override;
    void OnCancel(CCorvaneView& view) override;
    // The rubber line from a dragged output (an input draws its own).
    void DrawFeedback(CCorvaneView& view, DeviceContext& dc) const override;

    // Whether the source connector may be linked to the target's dragged
    // connector: another icon, after a move, the other side, and data
    // types that match (equal, or one that adapts facing data or logic).
    // Without a target connector or a source the drag ends.
    virtual bool CanConnect(CCorvaneIcon* target);
    // Links the two dragged connectors: a hit on an output of the target
    // (codes 13 to 17) makes the source icon the receiving one, any other
    // hit the target.
    virtual void Connect(CCorvaneIcon* target, int hitCode);
    // Clears the drag (the rubber line, the source, the dragged
    // connectors) and makes the select tool current.
    virtual void EndDrag(CCorvaneIcon* target);

protected:
    CCorvaneIcon* sourceIcon_ = nullptr;
    CConnector* sourceConnector_ = nullptr;
    bool autoScroll_ = false;

private:
    // Forgets a source that left the view's document during the drag.
    void DropVanishedSource(CCorvaneView& view);
};

}  // namespace corvane
