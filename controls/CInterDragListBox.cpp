#include "controls/CInterDragListBox.h"

#include "platform/Application.h"
#include "platform/Cursor.h"
#include "platform/CursorCatalog.h"
#include "platform/KeyCodes.h"
#include "platform/ListBoxControl.h"

#include <algorithm>
#include <cstdlib>

namespace corvane {

CInterDragListBox::CInterDragListBox(ListBoxControl& list) : list_(list) { list_.SetMouseHook(this); }

ListMoveModel CInterDragListBox::Read() const
{
    const std::uint32_t style = list_.Style();
    const ListMoveModel::Style kind{(style & control_style::kSorted) != 0,
        (style & (control_style::kMultipleSelection | control_style::kExtendedSelection)) != 0};
    std::vector<ListItem> items;
    for (int i = 0; i < list_.GetCount(); ++i)
        items.push_back({list_.GetText(i), static_cast<std::uint32_t>(list_.GetItemData(i))});
    ListMoveModel model(kind, std::move(items));
    if (kind.severalSelected) {
        for (const int index : list_.GetSelItems())
            model.Select(index);
    } else {
        model.Select(list_.GetCurSel());
    }
    return model;
}

void CInterDragListBox::Write(const ListMoveModel& model)
{
    // The list is written afresh, but keeps the part of it that was shown.
    const int top = list_.GetTopIndex();
    list_.ResetContent();
    for (const ListItem& item : model.Items()) {
        const int index = list_.InsertString(-1, item.text);
        list_.SetItemData(index, static_cast<std::intptr_t>(item.data));
    }
    list_.SetTopIndex(std::min(top, list_.GetCount() - 1));
    const std::vector<int> selection = model.Selection();
    if (model.GetStyle().severalSelected) {
        for (const int index : selection)
            list_.SetSel(index);
    } else {
        list_.SetCurSel(selection.empty() ? -1 : selection.back());
    }
}

int CInterDragListBox::GetInsertIndex(int y, int itemHeight, int topIndex) const
{
    return ListMoveModel::InsertIndexAt(y, itemHeight, topIndex, list_.GetCount());
}

std::vector<ListItem> CInterDragListBox::CollectSelection(int& index, bool remove)
{
    ListMoveModel model = Read();
    std::vector<ListItem> collected = model.CollectSelection(index, remove);
    if (remove && !collected.empty())
        Write(model);
    return collected;
}

void CInterDragListBox::InsertItems(std::span<const ListItem> items, int index)
{
    if (items.empty())
        return;
    ListMoveModel model = Read();
    model.InsertItems(items, index);
    Write(model);
}

void CInterDragListBox::Dropped(int index)
{
    ListMoveModel model = Read();
    model.DropWithin(index);
    Write(model);
}

void CInterDragListBox::MoveSelectionTo(CInterDragListBox& target, int index)
{
    if (&target == this) {
        Dropped(index);
        return;
    }
    int unused = 0;
    const std::vector<ListItem> moved = CollectSelection(unused, true);
    target.InsertItems(moved, index);
}

// ------------------------------------------------------------------ gesture

CInterDragListBox::~CInterDragListBox()
{
    EndDrag();
    if (list_.MouseHook() == this)
        list_.SetMouseHook(nullptr);
}

std::intptr_t CInterDragListBox::OnMessage(Message& message)
{
    if (message.id == kTimerMessage && message.wParam == kScrollTimerId) {
        OnScrollTick();
        return 0;
    }
    return Window::OnMessage(message);
}

bool CInterDragListBox::OnButtonDown(const MouseEvent& event)
{
    if (event.button != MouseButton::Left)
        return false;
    if (state_ == DragState::Idle) {
        state_ = DragState::ButtonDown;
        down_ = event.point;
        list_.SetCapture();
    }
    // A press on a selection of several items keeps them for dragging; the
    // list's own click would select only the pressed one.
    clickWithheld_ = (list_.Style() & control_style::kExtendedSelection) != 0 && list_.GetSelCount() >= 2
        && !event.Shift() && !event.Ctrl();
    return clickWithheld_;
}

bool CInterDragListBox::OnMouseMove(const MouseEvent& event)
{
    const Point screen = list_.ClientToScreen(event.point);
    if (state_ == DragState::ButtonDown) {
        if (event.Shift() || event.Ctrl())
            return false;  // the list extends its selection
        const int distance = ListBoxControl::DragDistance();
        if (std::abs(event.point.x - down_.x) <= distance && std::abs(event.point.y - down_.y) <= distance)
            return true;
        BeginDrag();
    }
    if (state_ != DragState::Dragging)
        return false;

    CInterDragListBox* target = GetDropTarget(screen);
    if (target != nullptr)
        target->DragOver(screen);
    list_.SetCursor(target != nullptr ? Application::Instance().Cursors().Get(kDragCursorId) : Cursor(CursorShape::No));
    if (target != dropTarget_) {
        ClearDropTarget();
        dropTarget_ = target;
        dropTargetHandle_ = target != nullptr ? target->Handle() : WindowHandle{};
    }
    return true;
}

bool CInterDragListBox::OnButtonUp(const MouseEvent& event)
{
    if (event.button != MouseButton::Left)
        return false;
    const Point screen = list_.ClientToScreen(event.point);
    switch (state_) {
    case DragState::ButtonDown: {
        const bool withheld = clickWithheld_;
        EndDrag();
        if (!withheld)
            return false;  // the list finishes its own click
        // A click without a drag: the item under the pointer becomes the
        // only selected one, by the list's own click, so that a double
        // click can follow.
        if (list_.ItemFromPoint(event.point) >= 0)
            list_.PassClick(event.point);
        else
            list_.SetSel(-1, false);
        return true;
    }
    case DragState::Dragging:
        EndDrag();
        DropAt(screen);
        return true;
    case DragState::Idle: return false;
    }
    return false;
}

bool CInterDragListBox::OnKeyDown(int key)
{
    if (key != key_code::kEscape || state_ == DragState::Idle)
        return false;
    EndDrag();  // a cancelled drag moves nothing
    return true;
}

void CInterDragListBox::BeginDrag()
{
    lastInsert_ = -1;
    lastTop_ = -1;
    // The list stops selecting by dragging; the release goes to it alone.
    list_.EndButtonTracking();
    if (!list_.HasCapture())
        list_.SetCapture();
    state_ = DragState::Dragging;
}

void CInterDragListBox::EndDrag()
{
    list_.ReleaseCapture();
    StopAutoScroll();
    EraseInsertMark();
    if (state_ == DragState::Dragging)
        list_.SetCursor(Cursor());
    state_ = DragState::Idle;
    clickWithheld_ = false;
    ClearDropTarget();
}

void CInterDragListBox::DragOver(Point screen)
{
    pointer_ = screen;
    UpdateAutoScroll(screen);
    UpdateInsertMark(screen);
}

void CInterDragListBox::DropAt(Point screen)
{
    CInterDragListBox* target = GetDropTarget(screen);
    if (target == nullptr)
        return;
    MoveSelectionTo(*target, target->InsertIndexAt(screen));
}

int CInterDragListBox::InsertIndexAt(Point screen) const
{
    const Point client = list_.ScreenToClient(screen);
    return GetInsertIndex(client.y, list_.GetItemHeight(), list_.GetTopIndex());
}

void CInterDragListBox::UpdateInsertMark(Point screen)
{
    if ((list_.Style() & control_style::kSorted) != 0)
        return;  // a sorted list places arrivals itself
    const int index = InsertIndexAt(screen);
    if (index == lastInsert_)
        return;
    list_.SetInsertMark(index);
    lastInsert_ = index;
}

void CInterDragListBox::EraseInsertMark()
{
    if (lastInsert_ < 0)
        return;
    list_.SetInsertMark(-1);
    lastInsert_ = -1;
}

void CInterDragListBox::UpdateAutoScroll(Point screen)
{
    // Within an item's height of the top or bottom edge the list scrolls
    // that way; the timer runs on until the drag ends.
    const int y = list_.ScreenToClient(screen).y;
    const int band = list_.GetItemHeight();
    if (y < band)
        scrollDirection_ = -1;
    else if (y < list_.ClientSize().height - band)
        scrollDirection_ = 0;
    else
        scrollDirection_ = 1;
    if (scrollDirection_ != 0 && !timerRunning_)
        timerRunning_ = SetTimer(kScrollTimerId, kScrollIntervalMs);
}

void CInterDragListBox::StopAutoScroll()
{
    if (timerRunning_)
        KillTimer(kScrollTimerId);
    timerRunning_ = false;
    scrollDirection_ = 0;
}

void CInterDragListBox::OnScrollTick()
{
    if (scrollDirection_ == 0)
        return;
    const int top = list_.GetTopIndex() + scrollDirection_;
    if (top == lastTop_ || top < 0 || top >= list_.GetCount())
        return;
    EraseInsertMark();
    list_.SetTopIndex(top);
    UpdateInsertMark(pointer_);
    lastTop_ = top;
}

CInterDragListBox* CInterDragListBox::GetDropTarget(Point screen)
{
    return dynamic_cast<CInterDragListBox*>(ListBoxControl::MouseHookAt(screen));
}

void CInterDragListBox::ClearDropTarget()
{
    if (dropTarget_ != nullptr && Application::Instance().IsWindow(dropTargetHandle_)) {
        dropTarget_->EraseInsertMark();
        dropTarget_->StopAutoScroll();
    }
    dropTarget_ = nullptr;
    dropTargetHandle_ = {};
}

}  // namespace corvane
