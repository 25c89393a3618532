#pragma once

#include "controls/ListMoveModel.h"

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
// Attach once, after the dialog has made its controls.
class CInterDragListBox {
public:
    explicit CInterDragListBox(ListBoxControl& list);

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

private:
    ListMoveModel Read() const;
    void Write(const ListMoveModel& model);

    ListBoxControl& list_;
};

}  // namespace corvane
