#pragma once

#include "platform/Geometry.h"

#include <vector>

namespace corvane {

class CCorvaneDoc;
class CCorvaneObj;
class CCorvaneView;
class CToolSet;
class DeviceContext;

// A mouse tool: the views pass it the left button and mouse moves (client
// points); it converts them to document units with the view's ClientToDoc
// before hit-testing. The base press captures the mouse and notes the
// press in the tool set; the base release lays out the connectors of the
// icon under the point, releases the mouse and, after a click on one
// pixel, makes the select tool current again (unless the control-picture
// tool is current).
class CCorvaneTool {
public:
    CCorvaneTool(CToolSet& tools, int kind) : tools_(tools), kind_(kind) {}
    virtual ~CCorvaneTool() = default;
    CCorvaneTool(const CCorvaneTool&) = delete;
    CCorvaneTool& operator=(const CCorvaneTool&) = delete;

    int Kind() const { return kind_; }
    // The handle being dragged: 0 none, 1 the body, 2..9 a sizing handle.
    int Handle() const { return handle_; }

    virtual void OnLButtonDown(CCorvaneView& view, unsigned flags, Point point);
    virtual void OnLButtonDblClk(CCorvaneView& view, unsigned flags, Point point);
    virtual void OnLButtonUp(CCorvaneView& view, unsigned flags, Point point);
    virtual void OnMouseMove(CCorvaneView& view, unsigned flags, Point point);
    virtual void OnEditProperties(CCorvaneView& view);
    // Ends a gesture without effect (Escape, the cancel command): whatever
    // the gesture changed is put back, and the select tool becomes current.
    virtual void OnCancel(CCorvaneView& view);
    // Draws what a gesture in progress shows over the objects (the rubber
    // band) on the view's prepared context; the view calls it last when
    // it paints, never when it prints.
    virtual void DrawFeedback(CCorvaneView& view, DeviceContext& dc) const;

protected:
    CToolSet& Tools() const { return tools_; }

    // The client point in document units.
    static Point ToDoc(CCorvaneView& view, Point point);
    // Shows the cursor of an object_cursor id (or any cursor resource id).
    static void ShowCursor(CCorvaneView& view, int cursorId);
    // While a drag leaves the client area the view scrolls toward the side
    // crossed (tested right, left, top, bottom: the last one crossed wins)
    // on its auto-scroll timer; back inside, the timer stops. running is
    // the tool's flag of a started timer.
    static void TrackAutoScroll(CCorvaneView& view, Point point, bool& running);
    // Stops a running auto-scroll and releases the mouse.
    static void StopAutoScroll(CCorvaneView& view, bool& running);

    // Where objects stood when a gesture began, so that a cancel can put
    // them back.
    struct Placement {
        CCorvaneObj* object = nullptr;
        Rect position;
    };
    static std::vector<Placement> NotePlacements(const std::vector<CCorvaneObj*>& objects);
    // Moves each noted object that the view's document still holds back
    // to its noted rectangle.
    static void PutBack(CCorvaneView& view, const std::vector<Placement>& placements);
    // Whether the document holds the object (it may have gone while the
    // mouse was held).
    static bool Holds(const CCorvaneDoc* document, const CCorvaneObj* object);

    int handle_ = 0;
    Point lastLogical_;

private:
    CToolSet& tools_;
    int kind_;
};

}  // namespace corvane
