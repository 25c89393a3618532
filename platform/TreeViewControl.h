#pragma once

#include "platform/Control.h"
#include "platform/ImageList.h"

#include <cstdint>
#include <memory>
#include <string>

namespace corvane {

// A tree item's handle: positive, never reused while the control exists.
// 0 is none, and as a parent the root.
using TreeItem = std::intptr_t;
inline constexpr TreeItem kTreeRoot = 0;
// Where InsertItem puts the new item among its siblings, besides after a
// given sibling.
inline constexpr TreeItem kTreeFirst = -1;
inline constexpr TreeItem kTreeLast = -2;
inline constexpr TreeItem kTreeSorted = -3;  // in order of text, ignoring case

// A tree of items with texts, numbers, images (another image while
// selected) and, with kCheckBoxes, check boxes. A handle of an item that is
// gone changes nothing and reads as empty.
//
// Notifications (item: the item's handle), all from the user's actions:
// - SelectionChanging before the selection moves to the item; a handler
//   that refuses keeps the old selection. GetSelectedItem is still the old one.
// - SelectionChanged after it moved.
// - ItemExpanding before the item expands (IsExpanded is false) or
//   collapses (true); a handler that refuses keeps it as it is.
// - DoubleClicked, ItemChecked.
// Nothing the program does sends them.
class TreeViewControl : public Control {
public:
    using Control::Control;
    ~TreeViewControl() override;

    // image -1: none; selectedImage -1: the same as image. Returns the new
    // item's handle, or 0 when parent is gone.
    TreeItem InsertItem(std::string_view text, TreeItem parent = kTreeRoot, TreeItem after = kTreeLast, int image = -1,
        int selectedImage = -1);
    // Deletes the item and everything below it; kTreeRoot deletes all.
    bool DeleteItem(TreeItem item);
    void DeleteAllItems();
    int GetCount() const;  // every item, at every level
    bool Exists(TreeItem item) const;

    std::string GetItemText(TreeItem item) const;
    bool SetItemText(TreeItem item, std::string_view text);
    bool SetItemData(TreeItem item, std::intptr_t data);
    std::intptr_t GetItemData(TreeItem item) const;  // 0 for none
    bool SetItemImage(TreeItem item, int image, int selectedImage = -1);

    TreeItem GetRootItem() const;                 // the first top-level item
    TreeItem GetParentItem(TreeItem item) const;  // 0 for a top-level item
    TreeItem GetChildItem(TreeItem item) const;   // the first child; of kTreeRoot: the first top-level item
    TreeItem GetNextSiblingItem(TreeItem item) const;
    TreeItem GetPrevSiblingItem(TreeItem item) const;
    bool ItemHasChildren(TreeItem item) const;

    bool Expand(TreeItem item, bool expand = true);
    bool IsExpanded(TreeItem item) const;
    // Expands the item's parents and scrolls it into view.
    bool EnsureVisible(TreeItem item);

    // 0 clears the selection.
    bool SelectItem(TreeItem item);
    TreeItem GetSelectedItem() const;  // 0 for none

    bool GetCheck(TreeItem item) const;
    bool SetCheck(TreeItem item, bool checked);

    // The images the items show, copied; the list's size becomes the icon size.
    void SetImageList(const ImageList& images);

private:
    std::unique_ptr<ImageList> images_;
};

}  // namespace corvane
