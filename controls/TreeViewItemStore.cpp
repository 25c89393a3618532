#include "controls/TreeViewItemStore.h"

namespace corvane {

TreeViewItemStore::TreeViewItemStore(TreeViewControl& tree, std::function<void(TreeItem)> onInvalidate)
    : tree_(tree), onInvalidate_(std::move(onInvalidate))
{}

TreeItem TreeViewItemStore::InsertItem(
    std::string_view text, TreeItem parent, TreeItem after, int image, int selectedImage)
{
    return tree_.InsertItem(text, parent, after, image, selectedImage);
}

bool TreeViewItemStore::DeleteItem(TreeItem item) { return tree_.DeleteItem(item); }
bool TreeViewItemStore::Exists(TreeItem item) const { return tree_.Exists(item); }
std::string TreeViewItemStore::GetItemText(TreeItem item) const { return tree_.GetItemText(item); }
bool TreeViewItemStore::SetItemText(TreeItem item, std::string_view text) { return tree_.SetItemText(item, text); }
int TreeViewItemStore::GetItemImage(TreeItem item) const { return tree_.GetItemImage(item); }
int TreeViewItemStore::GetItemSelectedImage(TreeItem item) const { return tree_.GetItemSelectedImage(item); }
TreeItem TreeViewItemStore::GetChildItem(TreeItem item) const { return tree_.GetChildItem(item); }
TreeItem TreeViewItemStore::GetNextSiblingItem(TreeItem item) const { return tree_.GetNextSiblingItem(item); }
TreeItem TreeViewItemStore::GetParentItem(TreeItem item) const { return tree_.GetParentItem(item); }

void TreeViewItemStore::InvalidateItem(TreeItem item)
{
    if (onInvalidate_)
        onInvalidate_(item);
    tree_.InvalidateItem(item);
}

void TreeViewItemStore::SetRedraw(bool redraw) { tree_.SetRedraw(redraw); }

}  // namespace corvane
