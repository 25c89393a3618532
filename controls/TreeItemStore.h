#pragma once

#include "platform/TreeViewControl.h"

#include <string>
#include <string_view>

namespace corvane {

// The items of a tree as the option tree's rules need them: texts, images,
// the parent, child and sibling links, and redrawing. CTreeOptionsCtrl
// answers it from the dialog's tree view; tests answer it from memory.
class TreeItemStore {
public:
    virtual ~TreeItemStore() = default;

    // image -1: none; selectedImage -1: the same as image. 0 when the parent is gone.
    virtual TreeItem InsertItem(std::string_view text, TreeItem parent, TreeItem after, int image, int selectedImage)
        = 0;
    // Deletes the item and everything below it.
    virtual bool DeleteItem(TreeItem item) = 0;
    virtual bool Exists(TreeItem item) const = 0;

    virtual std::string GetItemText(TreeItem item) const = 0;
    virtual bool SetItemText(TreeItem item, std::string_view text) = 0;
    // -1 for none.
    virtual int GetItemImage(TreeItem item) const = 0;
    virtual int GetItemSelectedImage(TreeItem item) const = 0;

    // Of kTreeRoot: the first top-level item.
    virtual TreeItem GetChildItem(TreeItem item) const = 0;
    virtual TreeItem GetNextSiblingItem(TreeItem item) const = 0;
    virtual TreeItem GetParentItem(TreeItem item) const = 0;

    // Draws the item's row again.
    virtual void InvalidateItem(TreeItem item) = 0;
    // Off: changes are drawn only when redrawing is turned on again.
    virtual void SetRedraw(bool redraw) = 0;

protected:
    TreeItemStore() = default;
    TreeItemStore(const TreeItemStore&) = default;
    TreeItemStore& operator=(const TreeItemStore&) = default;
};

}  // namespace corvane
