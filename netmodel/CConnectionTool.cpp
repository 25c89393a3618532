#include "netmodel/CConnectionTool.h"

#include "netmodel/CConnector.h"
#include "netmodel/CCorvaneDoc.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/CCorvaneView.h"
#include "netmodel/CToolSet.h"
#include "netmodel/ConnectorTypes.h"
#include "netmodel/NetDrawing.h"
#include "platform/DeviceContext.h"

namespace corvane {

namespace {

constexpr int kCrossCursor = 32515;
// Target hit codes of outputs: the link then ends at the source.
constexpr int kFirstOutputHit = 13;
constexpr int kLastOutputHit = 17;

}  // namespace

void CConnectionTool::OnLButtonDown(CCorvaneView& view, unsigned flags, Point point)
{
    const Point logical = ToDoc(view, point);
    CCorvaneDoc* document = view.GetDocument();
    sourceIcon_ = document != nullptr ? dynamic_cast<CCorvaneIcon*>(document->ObjectAt(logical)) : nullptr;
    sourceConnector_ = nullptr;
    if (sourceIcon_ != nullptr) {
        // Only the connector under this press counts, not one a hover left.
        sourceIcon_->SetDraggedConnector(nullptr);
        sourceIcon_->HitTestConnect(logical, &view, nullptr, nullptr);
        sourceConnector_ = sourceIcon_->DraggedConnector();
        if (sourceConnector_ == nullptr)
            sourceIcon_ = nullptr;
    }
    if (sourceIcon_ == nullptr)
        Tools().SetCurrentKind(tool_kind::kSelect);
    handle_ = 1;
    lastLogical_ = logical;
    CCorvaneTool::OnLButtonDown(view, flags, point);
}

void CConnectionTool::OnMouseMove(CCorvaneView& view, unsigned flags, Point point)
{
    DropVanishedSource(view);
    if (sourceIcon_ == nullptr) {
        CCorvaneTool::OnMouseMove(view, flags, point);
        return;
    }
    const Point logical = ToDoc(view, point);
    sourceConnector_->SetLinkEnd(logical);
    TrackAutoScroll(view, point, autoScroll_);

    CCorvaneObj* object = view.GetDocument()->ObjectAt(logical);
    if (auto* icon = dynamic_cast<CCorvaneIcon*>(object)) {
        if (icon != sourceIcon_)
            icon->SetDraggedConnector(nullptr);
        ShowCursor(view, icon->GetHandleCursor(icon->HitTestConnect(logical, &view, sourceConnector_, sourceIcon_)));
    } else if (object != nullptr) {
        ShowCursor(view, object->GetHandleCursor(object->HitTestHandles(logical, &view)));
    } else {
        ShowCursor(view, kCrossCursor);
    }
    view.Invalidate();
    Tools().SetLastPoint(point);
    lastLogical_ = logical;
}

void CConnectionTool::OnLButtonUp(CCorvaneView& view, unsigned flags, Point point)
{
    StopAutoScroll(view, autoScroll_);
    DropVanishedSource(view);
    if (sourceIcon_ != nullptr) {
        const Point logical = ToDoc(view, point);
        CCorvaneDoc* document = view.GetDocument();
        auto* target = dynamic_cast<CCorvaneIcon*>(document->ObjectAt(logical));
        if (target != nullptr) {
            // Only the connector under the release counts, not one that
            // the pointer passed on its way.
            if (target != sourceIcon_)
                target->SetDraggedConnector(nullptr);
            const int hitCode = target->HitTestConnect(logical, &view, sourceConnector_, sourceIcon_);
            if (target->DraggedConnector() != nullptr && CanConnect(target)) {
                Connect(target, hitCode);
                document->SetModified(true);
            }
        }
        EndDrag(target);
        view.StartSelectPress(flags, point);
    }
    CCorvaneTool::OnLButtonUp(view, flags, point);
    // The replayed press may have started another drag from a connector
    // under the point, which this release has just ended.
    if (sourceIcon_ != nullptr && Tools().CurrentKind() != Kind())
        EndDrag(nullptr);
    view.Invalidate();
}

void CConnectionTool::OnCancel(CCorvaneView& view)
{
    StopAutoScroll(view, autoScroll_);
    DropVanishedSource(view);
    EndDrag(nullptr);
    if (view.HasCapture())
        view.ReleaseCapture();
    view.Invalidate();
    CCorvaneTool::OnCancel(view);
}

void CConnectionTool::DrawFeedback(CCorvaneView& /*view*/, DeviceContext& dc) const
{
    if (sourceConnector_ == nullptr || sourceConnector_->IsInput() || !sourceConnector_->HasLinkEnd())
        return;
    const Pen oldPen = dc.SelectPen(SolidPen(ConnectorColour(sourceConnector_->GetDataType(), false)));
    dc.MoveTo(sourceConnector_->GetLinkAnchorPoint());
    dc.LineTo(sourceConnector_->LinkEnd());
    dc.SelectPen(oldPen);
}

bool CConnectionTool::CanConnect(CCorvaneIcon* target)
{
    CConnector* targetConnector = target != nullptr ? target->DraggedConnector() : nullptr;
    if (targetConnector == nullptr || sourceIcon_ == nullptr || sourceConnector_ == nullptr) {
        EndDrag(target);
        return false;
    }
    if (target == sourceIcon_)
        return false;
    if (!sourceConnector_->HasLinkEnd())
        return false;
    if (sourceConnector_->IsOnInputSide() == targetConnector->IsOnInputSide())
        return false;

    const int source = sourceConnector_->GetDataType() & ~data_type::kUnsettled;
    const int other = targetConnector->GetDataType() & ~data_type::kUnsettled;
    constexpr int kDataOrLogic = data_type::kData | data_type::kLogic;
    if (source == other)
        return true;
    if ((source & data_type::kAdapts) != 0)
        return (other & kDataOrLogic) != 0;
    if ((other & data_type::kAdapts) != 0)
        return (source & kDataOrLogic) != 0;
    return false;
}

void CConnectionTool::Connect(CCorvaneIcon* target, int hitCode)
{
    if (target == nullptr || sourceIcon_ == nullptr)
        return;
    if (hitCode >= kFirstOutputHit && hitCode <= kLastOutputHit)
        sourceIcon_->LinkFrom(*target, hitCode);
    else
        target->LinkFrom(*sourceIcon_, hitCode);
    sourceIcon_->SetDraggedConnector(nullptr);
    target->SetDraggedConnector(nullptr);
}

void CConnectionTool::EndDrag(CCorvaneIcon* target)
{
    if (sourceIcon_ != nullptr) {
        if (sourceConnector_ != nullptr)
            sourceConnector_->SetLinkEnd({});
        CCorvaneIcon* icon = sourceIcon_;
        sourceConnector_ = nullptr;
        sourceIcon_ = nullptr;
        icon->SetDraggedConnector(nullptr);
        // An input dragged from keeps its link: its end is renewed from
        // the record after the rubber line borrowed it.
        icon->LayoutConnectors();
    }
    if (target != nullptr)
        target->SetDraggedConnector(nullptr);
    Tools().SetCurrentKind(tool_kind::kSelect);
}

void CConnectionTool::DropVanishedSource(CCorvaneView& view)
{
    if (sourceIcon_ != nullptr && !Holds(view.GetDocument(), sourceIcon_)) {
        sourceIcon_ = nullptr;
        sourceConnector_ = nullptr;
    }
}

}  // namespace corvane
