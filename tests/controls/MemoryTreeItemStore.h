#pragma once

#include "controls/TreeItemStore.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace corvane {

// A tree held in memory for the option tree's rules: items with texts,
// images and ordered children; it counts redraw switches and invalidations.
class MemoryTreeItemStore final : public TreeItemStore {
public:
    TreeItem InsertItem(std::string_view text, TreeItem parent, TreeItem after, int image, int selectedImage) override
    {
        if (parent != kTreeRoot && !Exists(parent))
            return 0;
        const TreeItem item = next_++;
        items_[item] = {std::string(text), image, selectedImage == -1 ? image : selectedImage, parent};
        auto& siblings = children_[parent];
        if (after == kTreeFirst)
            siblings.insert(siblings.begin(), item);
        else if (const auto at = std::find(siblings.begin(), siblings.end(), after); at != siblings.end())
            siblings.insert(at + 1, item);
        else
            siblings.push_back(item);
        return item;
    }
    bool DeleteItem(TreeItem item) override
    {
        if (!Exists(item))
            return false;
        while (!children_[item].empty())
            DeleteItem(children_[item].front());
        auto& siblings = children_[items_[item].parent];
        siblings.erase(std::find(siblings.begin(), siblings.end(), item));
        children_.erase(item);
        items_.erase(item);
        return true;
    }
    bool Exists(TreeItem item) const override { return items_.contains(item); }
    std::string GetItemText(TreeItem item) const override { return Exists(item) ? items_.at(item).text : ""; }
    bool SetItemText(TreeItem item, std::string_view text) override
    {
        if (!Exists(item))
            return false;
        items_[item].text = std::string(text);
        return true;
    }
    int GetItemImage(TreeItem item) const override { return Exists(item) ? items_.at(item).image : -1; }
    int GetItemSelectedImage(TreeItem item) const override { return Exists(item) ? items_.at(item).selected : -1; }
    TreeItem GetChildItem(TreeItem item) const override
    {
        const auto found = children_.find(item);
        return found == children_.end() || found->second.empty() ? 0 : found->second.front();
    }
    TreeItem GetNextSiblingItem(TreeItem item) const override
    {
        if (!Exists(item))
            return 0;
        const auto& siblings = children_.at(items_.at(item).parent);
        const auto at = std::find(siblings.begin(), siblings.end(), item);
        return at + 1 == siblings.end() ? 0 : *(at + 1);
    }
    TreeItem GetParentItem(TreeItem item) const override { return Exists(item) ? items_.at(item).parent : 0; }
    void InvalidateItem(TreeItem) override { ++invalidations; }
    void SetRedraw(bool redraw) override { redrawOn = redraw; }

    int Count() const { return static_cast<int>(items_.size()); }

    int invalidations = 0;
    bool redrawOn = true;

private:
    struct Item {
        std::string text;
        int image = -1;
        int selected = -1;
        TreeItem parent = 0;
    };
    TreeItem next_ = 1;
    std::map<TreeItem, Item> items_;
    std::map<TreeItem, std::vector<TreeItem>> children_;
};

}  // namespace corvane
