#pragma once

#include "controls/TreeItemStore.h"

#include <functional>

namespace corvane {

// The items of a dialog's tree view as a TreeItemStore. Each time an item is
// to be drawn again, onInvalidate hears of it first.
class TreeViewItemStore final : public TreeItemStore {
public:
    TreeViewItemStore(TreeViewControl& tree, std::function<void(TreeItem)> onInvalidate);

    TreeItem InsertItem(std::string_view text, TreeItem parent, TreeItem after, int image, int selectedImage) override;
    bool DeleteItem(TreeItem item) override;
    bool Exists(TreeItem item) const override;
    std::string GetItemText(TreeItem item) const override;
    bool SetItemText(TreeItem item, std::string_view text) override;
    int GetItemImage(TreeItem item) const override;
    int GetItemSelectedImage(TreeItem item) const override;
    TreeItem GetChildItem(TreeItem item) const override;
    TreeItem GetNextSiblingItem(TreeItem item) const override;
    TreeItem GetParentItem(TreeItem item) const override;
    void InvalidateItem(TreeItem item) override;
    void SetRedraw(bool redraw) override;

private:
    TreeViewControl& tree_;
    std::function<void(TreeItem)> onInvalidate_;
};

}  // namespace corvane
