#include "netmodel/CCtrlTool.h"

#include "netmodel/CCorvaneCtrl.h"
#include "netmodel/CCorvaneDoc.h"
#include "netmodel/CCorvaneIcon.h"
#include "netmodel/CCorvaneView.h"
#include "netmodel/CToolSet.h"
#include "netmodel/EditorEnvironment.h"
#include "netmodel/PictureActions.h"
#include "platform/Application.h"
#include "platform/MouseEvent.h"
#include "platform/PromptSink.h"

#include <memory>

namespace corvane {

namespace {

// Drop targets among the picture's items: a double click has none.
constexpr int kClick = 0;
constexpr int kLoggerItem = 1;
constexpr int kPcItem = 9;

constexpr std::string_view kNoNetText = "No net loaded in the Program Development window.";

// The Communication Window draws each logger module as a bus node.
bool IsBusNode(const CCorvaneObj& object) { return object.ClassName() == "CTevlinkNode"; }

// The bottom-most clickable picture item under a point: what a dragged
// item is dropped onto (the dragged item itself is on top).
CCorvaneCtrl* DropTargetAt(const CCorvaneDoc& document, Point point)
{
    const Rect probe = Rect::FromPointAndSize(point, {1, 1});
    for (const auto& object : document.GetObjects()) {
        auto* item = dynamic_cast<CCorvaneCtrl*>(object.get());
        if (item != nullptr && item->IsClickable() && item->Intersects(probe))
            return item;
    }
    return nullptr;
}

}  // namespace

void CCtrlTool::OnLButtonDown(CCorvaneView& view, unsigned flags, Point point)
{
    CCorvaneTool::OnLButtonDown(view, flags, point);
    const Point logical = ToDoc(view, point);
    CCorvaneDoc* document = view.GetDocument();
    CCorvaneObj* object = document != nullptr ? document->ObjectAt(logical) : nullptr;
    // A drag moves items only when it starts on one.
    mode_ = object != nullptr ? 2 : 0;
    handle_ = 0;
    if (object != nullptr) {
        if (object->DrawsOutline()) {
            if (std::unique_ptr<CCorvaneObj> owned = document->RemoveObject(*object))
                document->AddObject(std::move(owned));
        }
        handle_ = object->HitTestHandles(logical, &view);
        if (!view.IsSelected(*object))
            view.Select(object, (flags & mouse_flag::kShift) != 0);
    }
    lastLogical_ = logical;
    placements_ = NotePlacements(view.Selection());
    wasModified_ = document != nullptr && document->IsModified();
}

void CCtrlTool::OnMouseMove(CCorvaneView& view, unsigned flags, Point point)
{
    const Point logical = ToDoc(view, point);
    if (!view.HasCapture()) {
        Hover(view, flags, point, logical);
        return;
    }
    const Point delta = logical - lastLogical_;
    const std::vector<CCorvaneObj*> selection = view.Selection();
    for (CCorvaneObj* object : selection) {
        if (mode_ == 2 && object->DrawsOutline())
            object->MoveTo(object->Position().Offset(delta.x, delta.y), &view);
        else if (handle_ != 0)
            object->MoveHandleTo(handle_, logical, &view);
    }
    lastLogical_ = logical;
    Tools().SetLastPoint(point);
}

void CCtrlTool::Hover(CCorvaneView& view, unsigned flags, Point point, Point logical)
{
    CCorvaneDoc* document = view.GetDocument();
    CCorvaneObj* object = document != nullptr ? document->ObjectAt(logical) : nullptr;
    if (object == nullptr) {
        CCorvaneTool::OnMouseMove(view, flags, point);
        return;
    }
    mode_ = 2;
    int hit = 0;
    if (auto* icon = dynamic_cast<CCorvaneIcon*>(object))
        hit = icon->HitTestConnect(logical, &view, nullptr, nullptr);
    else if (auto* item = dynamic_cast<CCorvaneCtrl*>(object))
        hit = item->IsFixed() ? 0 : 1;
    else
        hit = object->HitTestHandles(logical, &view);
    if (hit > 1 && (view.SelectionCount() != 1 || !object->DrawsHandles()))
        hit = 1;
    ShowCursor(view, object->GetHandleCursor(hit));
}

void CCtrlTool::OnLButtonUp(CCorvaneView& view, unsigned flags, Point point)
{
    CCorvaneDoc* document = view.GetDocument();
    if (view.HasCapture() && document != nullptr) {
        const Point logical = ToDoc(view, point);
        // The dragged item is the topmost one under the point.
        CCorvaneObj* source = document->ObjectAt(logical);
        auto* sourceItem = dynamic_cast<CCorvaneCtrl*>(source);
        CCorvaneCtrl* target = DropTargetAt(*document, logical);
        const bool drop = mode_ == 2 && sourceItem != nullptr && target != nullptr && !IsBusNode(*sourceItem);
        PutBackMoved(view);
        if (drop) {
            mode_ = 0;
            ShowCursor(view, object_cursor::kArrow);
            DoPictureAction(view, sourceItem->GetCtrlId(), target->GetCtrlId(), sourceItem);
        }
        document->UpdateAllViews(nullptr);
    }
    placements_.clear();
    CCorvaneTool::OnLButtonUp(view, flags, point);
    view.Invalidate();
}

void CCtrlTool::PutBackMoved(CCorvaneView& view)
{
    const CCorvaneDoc* document = view.GetDocument();
    for (const Placement& placement : placements_) {
        if (!Holds(document, placement.object) || IsBusNode(*placement.object))
            continue;
        if (auto* item = dynamic_cast<CCorvaneCtrl*>(placement.object))
            item->RestorePosition(&view);
        else
            placement.object->MoveTo(placement.position, &view);
    }
}

void CCtrlTool::OnLButtonDblClk(CCorvaneView& view, unsigned /*flags*/, Point point)
{
    CCorvaneDoc* document = view.GetDocument();
    const Point logical = ToDoc(view, point);
    CCorvaneObj* object = document != nullptr ? document->ObjectAt(logical) : nullptr;
    if (object == nullptr)
        return;
    ShowCursor(view, object->GetHandleCursor(object->HitTestHandles(logical, &view)));
    if (auto* item = dynamic_cast<CCorvaneCtrl*>(object))
        DoPictureAction(view, item->GetCtrlId(), kClick, item);
}

void CCtrlTool::OnEditProperties(CCorvaneView& view)
{
    if (view.SelectionCount() == 1)
        view.Selection().front()->OpenProperties();
}

void CCtrlTool::OnCancel(CCorvaneView& view)
{
    PutBack(view, placements_);
    if (CCorvaneDoc* document = view.GetDocument(); document != nullptr && !placements_.empty() && !wasModified_)
        document->SetModified(false);
    placements_.clear();
    mode_ = 0;
    handle_ = 0;
    if (view.HasCapture())
        view.ReleaseCapture();
    view.Invalidate();
}

void CCtrlTool::DoPictureAction(CCorvaneView& view, int sourceId, int targetId, CCorvaneObj* object)
{
    if (view.HasCapture())
        view.ReleaseCapture();
    // The program's commands when it names them, else the picture view's own.
    PictureActions* actions = view.Environment().GetPictureActions();
    if (actions == nullptr)
        actions = dynamic_cast<PictureActions*>(&view);
    if (actions == nullptr)
        return;
    const bool click = targetId == kClick;
    const bool clickOrPc = click || targetId == kPcItem;
    // Each pairing runs its command only while the command is enabled.
    const auto allowed = [actions](int commandId) { return actions->IsPictureCommandEnabled(commandId); };
    using C = PictureActions;
    switch (sourceId) {
    case 2:
        if (targetId == kPcItem && allowed(C::kDownloadNetCommand))
            actions->OnDownloadNet();
        break;
    case 3:
        if (clickOrPc && allowed(C::kDownloadDataCommand))
            actions->OnDownloadData();
        break;
    case 4:
        if (clickOrPc && allowed(C::kLoggerConfigurationCommand))
            actions->ShowLoggerConfiguration();
        break;
    case 5:
        if (clickOrPc && allowed(C::kViewProbePointsCommand))
            actions->OnViewProbePoints();
        break;
    case 6:
        if (clickOrPc && allowed(C::kSetLoggerTimeCommand))
            actions->OnSetLoggerTime();
        break;
    case 7:
        if (clickOrPc && allowed(C::kViewLoggerStatusCommand))
            actions->OnViewLoggerStatus();
        break;
    case 8:
        if (click && allowed(C::kViewLoggerStatusCommand))
            actions->OnViewLoggerStatus();
        break;
    case 10:
        if (targetId == kLoggerItem && allowed(C::kUploadNetCommand)) {
            if (actions->NetHasObjects()) {
                actions->OnUploadNet();
            } else {
                MessageBoxRequest request;
                request.owner = view.Handle();
                request.text = std::string(kNoNetText);
                Application::Instance().Prompts().ShowMessageBox(request);
            }
        } else if (click && allowed(C::kProgramDevelopmentCommand)) {
            actions->PostMainCommand(C::kProgramDevelopmentCommand);
        }
        break;
    case 12:
        if (targetId == kLoggerItem && allowed(C::kSetLoggerTimeCommand))
            actions->OnSetLoggerTime();
        break;
    case 13:
        if (click)
            actions->OpenLastDownloadFile();
        break;
    case 14:
        if (click && allowed(C::kEnableLoggingCommand))
            actions->OnEnableLogging();
        break;
    case 15:
        if (click && allowed(C::kStopLoggingCommand))
            actions->OnStopLogging();
        break;
    case 16:
        if (click && allowed(C::kClearMemoryCommand))
            actions->OnClearMemory();
        break;
    case 18:
        if (click && allowed(C::kLoggerConnectionCommand))
            actions->ShowConnectDialog();
        break;
    case 19:
        if (object != nullptr && IsBusNode(*object))
            object->OpenProperties();
        break;
    case 20:
        if (click && allowed(C::kScanCardCommand))
            actions->OnScanCard();
        break;
    case 21:
        if (clickOrPc && allowed(C::kDownloadCardDataCommand))
            actions->OnDownloadCardData();
        break;
    case 22:
        if (click)
            actions->IgnorePictureAction();
        break;
    case 24:
        if (allowed(C::kPasswordManagementCommand))
            actions->PostViewCommand(C::kPasswordManagementCommand);
        break;
    default: break;
    }
}

}  // namespace corvane
