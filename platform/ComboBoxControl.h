#pragma once

#include "platform/Control.h"

#include <cstdint>

namespace corvane {

// A combo box: a drop-down list, editable unless the template says
// kDropDownList; sorted with kSorted. Each item may carry a number.
class ComboBoxControl : public Control {
public:
    using Control::Control;

    // The edit field's text, or the selected item's text of a drop-down list.
    void SetText(std::string_view text) override;
    std::string GetText() const override;

    // Both return the index the item went to, or -1.
    int AddString(std::string_view text);
    int InsertString(int index, std::string_view text);  // index -1 appends
    bool DeleteString(int index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;      // -1: no selection
    bool SetCurSel(int index);  // -1 clears; sends no notification
    std::string GetLBText(int index) const;
    bool SetItemData(int index, std::intptr_t data);
    std::intptr_t GetItemData(int index) const;  // 0 for a bad index
    // The first item after startAfter (-1: from the top) equal to text,
    // ignoring case; -1 when none.
    int FindStringExact(int startAfter, std::string_view text) const;
    // Selects the first item after startAfter that starts with prefix,
    // ignoring case; returns it or -1.
    int SelectString(int startAfter, std::string_view prefix);
};

}  // namespace corvane
