#pragma once

#include "platform/Control.h"

#include <cstdint>
#include <string>

namespace corvane {

// A row of tabs over a framed display area; the pages shown in that area are
// separate dialogs that their owner places at GetDisplayRect. Tabs are
// addressed by index; each may carry a number.
//
// Notifications, from the user's clicks and arrow keys only:
// SelectionChanging before another tab is selected (item: that tab); a
// handler that refuses keeps the current tab, which GetCurSel still gives.
// SelectionChanged after it (item: the new tab).
class TabControl : public Control {
public:
    using Control::Control;

    // An index past the end appends. Returns the index, or -1 for a negative one.
    int InsertItem(int index, std::string_view text);
    bool DeleteItem(int index);
    void DeleteAllItems();
    int GetItemCount() const;
    bool SetItemText(int index, std::string_view text);
    std::string GetItemText(int index) const;
    bool SetItemData(int index, std::intptr_t data);
    std::intptr_t GetItemData(int index) const;  // 0 for a bad index

    int GetCurSel() const;  // -1 for none
    // Selects a tab without notification; returns the previously selected
    // tab, or -1 (changing nothing) for a bad index.
    int SetCurSel(int index);

    // The area inside the frame below the tabs, in the dialog's coordinates.
    DialogRect GetDisplayRect() const;
};

}  // namespace corvane
