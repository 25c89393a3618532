#pragma once

#include "platform/Control.h"
#include "platform/ImageList.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace corvane {

enum class ColumnAlign { Left, Right, Centre };

// A list of rows under column headings (a report view). Each row has a text
// per column, may carry a number and an image, and with kCheckBoxes a check
// box. One row may be selected, several with kExtendedSelection. Rows are
// addressed by index; a bad index changes nothing and reads as empty.
//
// Notifications: SelectionChanged when the user changes the selection (item:
// the first selected row or -1), DoubleClicked (item: the row), ItemChecked
// when the user toggles a check box or clicks a row's state image, or
// presses the space bar on a row that has one (item: the row).
class ListViewControl : public Control {
public:
    using Control::Control;
    ~ListViewControl() override;

    // Inserts a column; an index past the end appends. Returns the index or
    // -1. Texts of the columns from index on move right with their columns.
    int InsertColumn(int index, std::string_view heading, int width, ColumnAlign align = ColumnAlign::Left);
    bool DeleteColumn(int index);
    int GetColumnCount() const;
    bool SetColumnWidth(int index, int width);
    int GetColumnWidth(int index) const;  // -1 for a bad index

    // Inserts a row with the text of its first column and the index of its
    // image (-1: none); an index past the end appends. Returns the index, or
    // -1 for a negative one.
    int InsertItem(int index, std::string_view text, int image = -1);
    bool SetItemText(int item, int column, std::string_view text);
    std::string GetItemText(int item, int column) const;
    bool SetItemImage(int item, int image);
    int GetItemImage(int item) const;  // -1 for none
    bool DeleteItem(int item);
    void DeleteAllItems();
    int GetItemCount() const;
    bool SetItemData(int item, std::intptr_t data);
    std::intptr_t GetItemData(int item) const;  // 0 for a bad index
    // The first row after startAfter (-1: from the top) carrying data; -1 when none.
    int FindItemData(int startAfter, std::intptr_t data) const;

    // Selection changes by the program send no notification.
    int GetSelectedItem() const;           // the first selected row, -1 for none
    int GetNextSelected(int after) const;  // after -1: from the top; -1 when none
    std::vector<int> GetSelectedItems() const;
    int GetSelectedCount() const;
    // Selects a row (with single selection, instead of the one selected) or
    // clears it.
    bool SetItemSelected(int item, bool selected = true);
    bool EnsureVisible(int item);
    // The row at the top of the visible part; 0 when there is none.
    int GetTopIndex() const;

    // Check boxes (kCheckBoxes); set by the program, they send no notification.
    bool GetCheck(int item) const;
    bool SetCheck(int item, bool checked);

    // The images the rows show, copied; the list's size becomes the icon size.
    void SetImageList(const ImageList& images);

    // State images, copied: drawn left of a row's image, as check marks of
    // the program's own. A row's state is the 1-based index of its state
    // image (0: none); the program sets it, a click only notifies.
    void SetStateImageList(const ImageList& images);
    bool SetItemState(int item, int state);
    int GetItemState(int item) const;  // 0 for none or a bad index

private:
    // The row's icon: its state image and its image side by side.
    void UpdateItemIcon(int item);
    void UpdateIconSize();

    std::unique_ptr<ImageList> images_;
    std::unique_ptr<ImageList> stateImages_;
};

}  // namespace corvane
