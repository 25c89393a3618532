#include "netmodel/CSelectTool.h"

#include "netmodel/CCorvaneDoc.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/CCorvaneView.h"
#include "netmodel/CToolSet.h"
#include "platform/Cursor.h"
#include "platform/DeviceContext.h"
#include "platform/MouseEvent.h"

#include <memory>

namespace corvane {

namespace {

constexpr int kCrossCursor = 32515;

bool ShiftHeld(unsigned flags) { return (flags & mouse_flag::kShift) != 0; }

Rect Spanning(Point from, Point to) { return Rect{from.x, from.y, to.x, to.y}.Normalized(); }

}  // namespace

void CSelectTool::OnLButtonDown(CCorvaneView& view, unsigned flags, Point point)
{
    mode_ = Mode::None;
    EndGesture();
    const Point logical = ToDoc(view, point);
    CCorvaneDoc* document = view.GetDocument();
    if (CCorvaneObj* object = document != nullptr ? document->ObjectAt(logical) : nullptr) {
        if (PressOnObject(view, *object, flags, point, logical))
            return;
    }
    if (mode_ == Mode::None) {
        if (!ShiftHeld(flags))
            view.Select(nullptr, false);
        mode_ = Mode::RubberBand;
        ShowBand(view, Rect::FromPointAndSize(point, {0, 0}));
    } else if (document != nullptr) {
        placements_ = NotePlacements(view.Selection());
        wasModified_ = document->IsModified();
    }
    lastLogical_ = logical;
    if (mode_ != Mode::Size)
        handle_ = 1;
    CCorvaneTool::OnLButtonDown(view, flags, point);
}

bool CSelectTool::PressOnObject(CCorvaneView& view, CCorvaneObj& object, unsigned flags, Point point, Point logical)
{
    // The handles answer only while the object is the only selection, so
    // they are asked before the object is re-stacked.
    const int sizeHandle
        = view.SelectionCount() == 1 && view.IsSelected(object) ? object.HitTestHandles(logical, &view) : 0;

    // Bring it to the top: taken out of the list and appended again, which
    // also drops it from every selection.
    CCorvaneDoc& document = *view.GetDocument();
    if (std::unique_ptr<CCorvaneObj> owned = document.RemoveObject(object))
        document.AddObject(std::move(owned));

    if (sizeHandle > 1) {
        handle_ = sizeHandle;
        mode_ = Mode::Size;
        view.Select(&object, false);
        return false;
    }

    if (auto* icon = dynamic_cast<CCorvaneIcon*>(&object)) {
        icon->SetDraggedConnector(nullptr);
        icon->HitTestConnect(logical, &view, nullptr, nullptr);
        if (icon->DraggedConnector() != nullptr) {
            if (view.IsNetView()) {
                view.ClearNetSelection();
                view.Select(nullptr, false);
            }
            view.StartConnectDrag(flags, point);
            if (view.IsNetView() && !ShiftHeld(flags)) {
                view.ClearNetSelection();
                view.AddToNetSelection(*icon);
            }
            return true;
        }
    }

    mode_ = Mode::Move;
    // Re-stacking took it out of the selection: the press selects it, as
    // the only selection or, with Shift, in addition.
    view.Select(&object, ShiftHeld(flags));
    if (view.IsNetView())
        view.ClearNetSelection();
    return false;
}

void CSelectTool::OnMouseMove(CCorvaneView& view, unsigned flags, Point point)
{
    const Point logical = ToDoc(view, point);
    if (!view.HasCapture()) {
        CCorvaneTool::OnMouseMove(view, flags, point);
        Hover(view, logical);
        return;
    }
    if (mode_ == Mode::RubberBand) {
        ShowBand(view, Spanning(Tools().DownPoint(), point));
        CCorvaneTool::OnMouseMove(view, flags, point);
    } else if (mode_ == Mode::Move || mode_ == Mode::Size) {
        Drag(view, point, logical);
    }
    lastLogical_ = logical;
}

void CSelectTool::Drag(CCorvaneView& view, Point point, Point logical)
{
    TrackAutoScroll(view, point, autoScroll_);
    const Point delta = logical - lastLogical_;
    // A copy: moving repaints, and repainting may touch the selection.
    const std::vector<CCorvaneObj*> selection = view.Selection();
    for (CCorvaneObj* object : selection) {
        if (mode_ == Mode::Move)
            object->MoveTo(object->Position().Offset(delta.x, delta.y), &view);
        else if (handle_ != 0)
            object->MoveHandleTo(handle_, logical, &view);
    }
    Tools().SetLastPoint(point);
    if (Tools().CurrentKind() == tool_kind::kSelect)
        CCorvaneTool::OnMouseMove(view, 0, point);
    view.Invalidate();
}

void CSelectTool::Hover(CCorvaneView& view, Point logical)
{
    // Without the mouse held no gesture is under way (a press replayed
    // at the end of a connect drag never sees its release).
    if (band_)
        ShowBand(view, std::nullopt);
    EndGesture();
    mode_ = Mode::None;

    CCorvaneDoc* document = view.GetDocument();
    if (document == nullptr || view.SelectionCount() > 1)
        return;
    CCorvaneObj* object = document->ObjectAt(logical);
    if (object == nullptr)
        return;
    auto* icon = dynamic_cast<CCorvaneIcon*>(object);
    const int hit = icon != nullptr ? icon->HitTestConnect(logical, &view, nullptr, nullptr)
                                    : object->HitTestHandles(logical, &view);
    if (hit == 0)
        ShowCursor(view, object_cursor::kArrow);
    else if (hit > 1 && view.SelectionCount() == 1 && view.IsSelected(*object))
        ShowCursor(view, kCrossCursor);
    else
        ShowCursor(view, object->GetHandleCursor(hit));
}

void CSelectTool::OnLButtonUp(CCorvaneView& view, unsigned flags, Point point)
{
    StopAutoScroll(view, autoScroll_);
    CCorvaneDoc* document = view.GetDocument();
    if (view.HasCapture() && document != nullptr) {
        if (mode_ == Mode::RubberBand) {
            ShowBand(view, std::nullopt);
            view.SelectInRect(Spanning(Tools().DownPoint(), point), true);
        } else if (mode_ == Mode::Move || mode_ == Mode::Size) {
            if (CCorvaneObj* object = document->ObjectAt(ToDoc(view, point))) {
                if (point != Tools().DownPoint())
                    view.Deselect(object);
                const Rect& position = object->Position();
                Point corner = position.TopLeft();
                view.SnapDropPoint(corner);
                object->MoveTo(position.Offset(corner.x - position.left, corner.y - position.top), &view);
                document->UpdateAllViews(nullptr);
            }
        }
    }
    ShowBand(view, std::nullopt);
    mode_ = Mode::None;
    EndGesture();
    CCorvaneTool::OnLButtonUp(view, flags, point);
}

void CSelectTool::OnLButtonDblClk(CCorvaneView& view, unsigned flags, Point point)
{
    CCorvaneDoc* document = view.GetDocument();
    if (document == nullptr)
        return;
    if (ShiftHeld(flags)) {
        if (CCorvaneObj* object = document->ObjectAt(ToDoc(view, point))) {
            if (view.IsSelected(*object))
                view.Select(object, false);
            else
                view.Deselect(object);
        }
    } else if (view.SelectionCount() == 1) {
        view.Selection().front()->OpenProperties();
    }
    view.Invalidate();
}

void CSelectTool::OnEditProperties(CCorvaneView& view)
{
    if (view.SelectionCount() == 1)
        view.Selection().front()->OpenProperties();
}

void CSelectTool::OnCancel(CCorvaneView& view)
{
    StopAutoScroll(view, autoScroll_);
    ShowBand(view, std::nullopt);
    if (!placements_.empty()) {
        PutBack(view, placements_);
        if (CCorvaneDoc* document = view.GetDocument(); document != nullptr && !wasModified_)
            document->SetModified(false);
    }
    mode_ = Mode::None;
    EndGesture();
    if (view.HasCapture())
        view.ReleaseCapture();
    view.Invalidate();
    CCorvaneTool::OnCancel(view);
}

void CSelectTool::DrawFeedback(CCorvaneView& view, DeviceContext& dc) const
{
    if (!band_)
        return;
    Rect band = *band_;
    view.ClientToDoc(band);
    dc.DrawFocusRect(band);
}

void CSelectTool::ShowBand(CCorvaneView& view, std::optional<Rect> band)
{
    if (band == band_)
        return;
    band_ = band;
    view.Invalidate(false);
}

void CSelectTool::EndGesture()
{
    placements_.clear();
    wasModified_ = false;
}

}  // namespace corvane
