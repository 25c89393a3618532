#pragma once

#include "platform/Control.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvane {

// A list box of strings, each of which may carry a number. Single
// selection, or several items with kMultipleSelection (a click toggles an
// item) or kExtendedSelection (shift and control extend); kSorted keeps
// AddString's items in order, ignoring case; with kTabStops, tab characters
// in an item align its parts to columns.
//
// Notifications: SelectionChanged when the user changes the selection (item:
// the item with the caret), DoubleClicked (item: the item).
class ListBoxControl : public Control {
public:
    using Control::Control;
    using Control::GetText;

    // Both return the index the item went to, or -1.
    int AddString(std::string_view text);
    // index -1 appends; never sorts.
    int InsertString(int index, std::string_view text);
    bool DeleteString(int index);
    void ResetContent();
    int GetCount() const;
    std::string GetText(int index) const;  // empty for a bad index
    bool SetItemData(int index, std::intptr_t data);
    std::intptr_t GetItemData(int index) const;  // 0 for a bad index
    // The first item after startAfter (-1: from the top) equal to text,
    // ignoring case; the search goes on from the top up to startAfter. -1
    // when none.
    int FindStringExact(int startAfter, std::string_view text) const;

    // Single selection: the selected item or -1. With several: the item with
    // the caret, -1 when there is none.
    int GetCurSel() const;
    // Single selection only: selects the item (-1 clears), scrolled into
    // view; sends no notification.
    bool SetCurSel(int index);
    // Several: selects or clears one item, or all with index -1; sends no
    // notification. False with single selection or a bad index.
    bool SetSel(int index, bool select = true);
    bool GetSel(int index) const;
    int GetSelCount() const;
    std::vector<int> GetSelItems() const;  // ascending

    // Tab positions in pixels from the item's left edge. None: every 48
    // pixels; one: every so many pixels; more: those positions, and beyond
    // the last the multiples of the last gap. Takes effect with kTabStops.
    void SetTabStops(std::span<const int> pixels);
};

}  // namespace corvane
