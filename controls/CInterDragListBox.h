#pragma once

#include "controls/ListMoveModel.h"
#include "platform/Geometry.h"
#include "platform/ListBoxMouseHook.h"
#include "platform/Window.h"

#include <cstdint>
#include <span>
#include <vector>

namespace corvane {

class ListBoxControl;

// A list box of a dialog whose selected items move by drag and drop,
// within the list or into another CInterDragListBox of the dialog (an
// "available" and a "chosen" list). Each item keeps its text and its item
// data; the dialog reads order and data back from the list boxes with the
// ordinary queries. The arithmetic is ListMoveModel's: the list box is read
// into a model, moved there and written back.
//
// The gesture: the left button goes down on the list and the pointer moves
// beyond the drag distance; a red mark shows the gap where the items will
// land, and the list scrolls itself every 50 ms while the pointer is near
// its top or bottom edge. Over another CInterDragListBox that list shows
// the mark and scrolls. Releasing the button drops, Escape cancels.
// Pressing on one of several selected items keeps them for dragging; a
// release without a drag then selects only the item under the pointer.
//
// Attach once, after the dialog has made its controls; the list box must
// outlive this.
class CInterDragListBox final : public Window, public ListBoxMouseHook {
public:
    static constexpr std::uint32_t kScrollTimerId = 150;
    static constexpr std::uint32_t kScrollIntervalMs = 50;
    static constexpr int kDragCursorId = 154;  // the program's drag cursor

    explicit CInterDragListBox(ListBoxControl& list);
    ~CInterDragListBox() override;

    ListBoxControl& List() const { return list_; }

    // The gap (0 .. count) where a drop y pixels below the top of the list
    // lands, with items itemHeight high and topIndex the first one shown.
    int GetInsertIndex(int y, int itemHeight, int topIndex) const;
    // The selected items, ascending; with remove they leave the list and
    // index drops by one for each removed item before it. Nothing when
    // nothing is selected.
    std::vector<ListItem> CollectSelection(int& index, bool remove);
    // Puts items in at the gap (a sorted list in their places) and selects them.
    void InsertItems(std::span<const ListItem> items, int index);
    // A drop on this list at the gap; a sorted list does not change.
    void Dropped(int index);
    // A drop on another list at its gap: the selection moves there.
    void MoveSelectionTo(CInterDragListBox& target, int index);

    bool IsDragging() const { return state_ == DragState::Dragging; }

    std::intptr_t OnMessage(Message& message) override;
    bool OnButtonDown(const MouseEvent& event) override;
    bool OnMouseMove(const MouseEvent& event) override;
    bool OnButtonUp(const MouseEvent& event) override;
    bool OnKeyDown(int key) override;

private:
    enum class DragState { Idle, ButtonDown, Dragging };

    ListMoveModel Read() const;
    void Write(const ListMoveModel& model);

    void BeginDrag();
    void EndDrag();
    // The drag over this list (mark, scrolling, cursor), at a screen point.
    void DragOver(Point screen);
    void DropAt(Point screen);
    int InsertIndexAt(Point screen) const;
    void UpdateInsertMark(Point screen);
    void EraseInsertMark();
    void UpdateAutoScroll(Point screen);
    void StopAutoScroll();
    void OnScrollTick();
    // The CInterDragListBox under a screen point, or null.
    static CInterDragListBox* GetDropTarget(Point screen);
    void ClearDropTarget();

    ListBoxControl& list_;
    DragState state_ = DragState::Idle;
    Point down_;
    int scrollDirection_ = 0;
    bool timerRunning_ = false;
    bool clickWithheld_ = false;
    int lastInsert_ = -1;
    int lastTop_ = -1;
    // Where the pointer was last seen in a drag over this list (screen);
    // scroll ticks place the mark there.
    Point pointer_;
    // The list that shows the drop feedback, with its handle, which says
    // whether it still exists.
    CInterDragListBox* dropTarget_ = nullptr;
    WindowHandle dropTargetHandle_;
};

}  // namespace corvane
