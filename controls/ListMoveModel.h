#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvane {

// One item of a list box: its text and its 32-bit item data, which travel
// together when the item moves.
struct ListItem {
    std::string text;
    std::uint32_t data = 0;

    bool operator==(const ListItem&) const = default;
};

// The arithmetic of moving list-box items by drag and drop, on plain
// values: where a drop lands, taking the selected items out (lowering the
// drop position for each one above it) and putting them in at the drop
// position, selected and in their old order. A sorted list keeps its order
// (ignoring case) and takes no drop from itself.
class ListMoveModel {
public:
    struct Style {
        bool sorted = false;
        bool severalSelected = false;  // multiple or extended selection
    };

    explicit ListMoveModel(Style style) : style_(style) {}
    // The items as a list box holds them, in its order, none selected.
    ListMoveModel(Style style, std::vector<ListItem> items);

    Style GetStyle() const { return style_; }
    const std::vector<ListItem>& Items() const { return items_; }
    std::size_t Count() const { return items_.size(); }
    // Selected item indexes, ascending.
    std::vector<int> Selection() const;

    // Appends the item (in its place by text when sorted), unselected.
    void Add(ListItem item);
    // Single selection: the item becomes the only selected one (-1: none).
    // Several: the item joins or leaves the selection.
    void Select(int index, bool selected = true);

    // The gap (0 .. count) where a drop lands: y is the point's distance in
    // pixels below the top of the list's client area, the items are
    // itemHeight high and topIndex is the first one shown. The point is
    // taken half an item lower, so the nearer gap wins; past the last item
    // it is the end.
    static int InsertIndexAt(int y, int itemHeight, int topIndex, int count);

    // The selected items in ascending order; with remove they leave the
    // list, and index drops by one for each removed item that stood before
    // it. No selection gives none.
    std::vector<ListItem> CollectSelection(int& index, bool remove);
    // Puts the items in at the gap (a sorted list in their places by text),
    // in order, and makes them the selection.
    void InsertItems(std::span<const ListItem> items, int index);
    // A drop within this list at the gap: the selection moves there. A
    // sorted list does not change.
    void DropWithin(int index);
    // A drop on another list at its gap: the selection leaves this list.
    void MoveSelectionTo(ListMoveModel& target, int index);

private:
    std::size_t SortedPlace(const std::string& text) const;

    Style style_;
    std::vector<ListItem> items_;
    std::vector<bool> selected_;
};

}  // namespace corvane
