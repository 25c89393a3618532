#include "netmodel/CCorvaneTool.h"

#include "netmodel/CCorvaneDoc.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/CCorvaneView.h"
#include "netmodel/CToolSet.h"
#include "platform/Application.h"
#include "platform/CursorCatalog.h"

#include <algorithm>

namespace corvane {

namespace {

// Auto-scroll directions of the view.
constexpr int kScrollUp = 0;
constexpr int kScrollDown = 1;
constexpr int kScrollLeft = 2;
constexpr int kScrollRight = 3;

}  // namespace

void CCorvaneTool::OnLButtonDown(CCorvaneView& view, unsigned flags, Point point)
{
    view.SetCapture();
    tools_.SetDownFlags(flags);
    tools_.SetDownPoint(point);
    tools_.SetLastPoint(point);
}

void CCorvaneTool::OnLButtonDblClk(CCorvaneView& /*view*/, unsigned /*flags*/, Point /*point*/) {}

void CCorvaneTool::OnLButtonUp(CCorvaneView& view, unsigned /*flags*/, Point point)
{
    Point logical = point;
    view.ClientToDoc(logical);
    if (CCorvaneDoc* document = view.GetDocument()) {
        if (auto* icon = dynamic_cast<CCorvaneIcon*>(document->ObjectAt(logical))) {
            icon->LayoutConnectors();
            icon->SetDraggedConnector(nullptr);
        }
    }
    view.ReleaseCapture();
    ShowCursor(view, object_cursor::kArrow);
    if (point == tools_.DownPoint() && tools_.CurrentKind() != tool_kind::kControl)
        tools_.SetCurrentKind(tool_kind::kSelect);
}

void CCorvaneTool::OnMouseMove(CCorvaneView& view, unsigned /*flags*/, Point point)
{
    tools_.SetLastPoint(point);
    ShowCursor(view, object_cursor::kArrow);
}

void CCorvaneTool::OnEditProperties(CCorvaneView& /*view*/) {}

void CCorvaneTool::OnCancel(CCorvaneView& /*view*/) { tools_.SetCurrentKind(tool_kind::kSelect); }

void CCorvaneTool::DrawFeedback(CCorvaneView& /*view*/, DeviceContext& /*dc*/) const {}

Point CCorvaneTool::ToDoc(CCorvaneView& view, Point point)
{
    view.ClientToDoc(point);
    return point;
}

void CCorvaneTool::ShowCursor(CCorvaneView& view, int cursorId)
{
    view.SetCursor(Application::Instance().Cursors().Get(cursorId));
}

void CCorvaneTool::TrackAutoScroll(CCorvaneView& view, Point point, bool& running)
{
    const Rect client = view.ClientRect();
    if (client.Contains(point)) {
        if (running) {
            view.KillTimer(CCorvaneView::kAutoScrollTimer);
            running = false;
        }
        return;
    }
    if (point.x >= client.right)
        view.SetAutoScrollDirection(kScrollRight);
    if (point.x < client.left)
        view.SetAutoScrollDirection(kScrollLeft);
    if (point.y < client.top)
        view.SetAutoScrollDirection(kScrollUp);
    if (point.y >= client.bottom)
        view.SetAutoScrollDirection(kScrollDown);
    if (!running) {
        view.SetTimer(CCorvaneView::kAutoScrollTimer, CCorvaneView::kAutoScrollIntervalMs);
        running = true;
    }
}

void CCorvaneTool::StopAutoScroll(CCorvaneView& view, bool& running)
{
    if (!running)
        return;
    view.ReleaseCapture();
    view.KillTimer(CCorvaneView::kAutoScrollTimer);
    running = false;
}

std::vector<CCorvaneTool::Placement> CCorvaneTool::NotePlacements(const std::vector<CCorvaneObj*>& objects)
{
    std::vector<Placement> placements;
    placements.reserve(objects.size());
    for (CCorvaneObj* object : objects)
        placements.push_back({object, object->Position()});
    return placements;
}

void CCorvaneTool::PutBack(CCorvaneView& view, const std::vector<Placement>& placements)
{
    const CCorvaneDoc* document = view.GetDocument();
    for (const Placement& placement : placements) {
        if (Holds(document, placement.object))
            placement.object->MoveTo(placement.position, &view);
    }
}

bool CCorvaneTool::Holds(const CCorvaneDoc* document, const CCorvaneObj* object)
{
    if (document == nullptr || object == nullptr)
        return false;
    const auto& objects = document->GetObjects();
    return std::any_of(objects.begin(), objects.end(), [&](const auto& held) { return held.get() == object; });
}

}  // namespace corvane
