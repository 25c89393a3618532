#pragma once

#include "platform/Control.h"
#include "platform/Cursor.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvane {

class ListBoxMouseHook;

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

    // For gestures over the items (drag and drop). Points are in the list's
    // client coordinates unless named screen points.
    //
    // The hook (not owned; null removes it) sees the list's mouse and key
    // input before the list does; MouseHookAt finds the hook of the enabled
    // list box, of any dialog, under a screen point (null when none).
    void SetMouseHook(ListBoxMouseHook* hook);
    ListBoxMouseHook* MouseHook() const;
    static ListBoxMouseHook* MouseHookAt(Point screen);
    // How far the pointer goes with a button down, either way, before a drag begins.
    static int DragDistance();

    // The first item shown; making an item the first one scrolls as far as
    // the list can.
    int GetTopIndex() const;
    bool SetTopIndex(int index);
    int GetItemHeight() const;  // 0 when the list is empty
    Size ClientSize() const;
    int ItemFromPoint(Point client) const;  // -1 when no item is there
    Point ClientToScreen(Point client) const;
    Point ScreenToClient(Point screen) const;

    // While the list holds the mouse, the mouse comes to it wherever the
    // pointer is (see MouseEvent).
    void SetCapture();
    void ReleaseCapture();
    bool HasCapture() const;
    // Ends the list's own tracking of the pressed button (its selection by
    // dragging) as a release would, without the release reaching the hook.
    void EndButtonTracking();
    // The list's own handling of a plain left click at the point, for a
    // click the hook kept from it: the item there becomes the selection,
    // notified as a user's click is, and a double click may follow.
    void PassClick(Point client);
    // The pointer shown over the list and while it holds the mouse.
    void SetCursor(const Cursor& cursor);
    Cursor GetCursor() const;

    // A red line across the list in the gap before item gap (the count:
    // after the last item); -1 shows none.
    void SetInsertMark(int gap);
    int GetInsertMark() const;
};

}  // namespace corvane
