#include "controls/ListMoveModel.h"

#include <algorithm>
#include <cctype>

namespace corvane {
namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

ListMoveModel::ListMoveModel(Style style, std::vector<ListItem> items)
    : style_(style), items_(std::move(items)), selected_(items_.size(), false)
{
}

std::vector<int> ListMoveModel::Selection() const
{
    std::vector<int> indexes;
    for (std::size_t i = 0; i < selected_.size(); ++i)
        if (selected_[i])
            indexes.push_back(static_cast<int>(i));
    return indexes;
}

std::size_t ListMoveModel::SortedPlace(const std::string& text) const
{
    const auto place = std::upper_bound(items_.begin(), items_.end(), text,
        [](const std::string& value, const ListItem& item) { return LessIgnoringCase(value, item.text); });
    return static_cast<std::size_t>(place - items_.begin());
}

void ListMoveModel::Add(ListItem item)
{
    const std::size_t place = style_.sorted ? SortedPlace(item.text) : items_.size();
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(place), std::move(item));
    selected_.insert(selected_.begin() + static_cast<std::ptrdiff_t>(place), false);
}

void ListMoveModel::Select(int index, bool selected)
{
    if (!style_.severalSelected)
        std::fill(selected_.begin(), selected_.end(), false);
    if (index >= 0 && static_cast<std::size_t>(index) < selected_.size())
        selected_[static_cast<std::size_t>(index)] = selected;
}

int ListMoveModel::InsertIndexAt(int y, int itemHeight, int topIndex, int count)
{
    if (count <= 0 || itemHeight <= 0)
        return 0;
    const int shifted = y + itemHeight / 2;
    const int row = shifted < 0 ? -1 : shifted / itemHeight;
    return std::clamp(topIndex + row, 0, count);
}

std::vector<ListItem> ListMoveModel::CollectSelection(int& index, bool remove)
{
    const std::vector<int> selection = Selection();
    std::vector<ListItem> collected(selection.size());
    // Backwards, so that the indexes still to come stay valid.
    for (std::size_t i = selection.size(); i-- > 0;) {
        const auto at = static_cast<std::size_t>(selection[i]);
        collected[i] = items_[at];
        if (remove) {
            items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
            selected_.erase(selected_.begin() + static_cast<std::ptrdiff_t>(at));
            if (selection[i] < index)
                --index;
        }
    }
    return collected;
}

void ListMoveModel::InsertItems(std::span<const ListItem> items, int index)
{
    if (items.empty())
        return;
    std::fill(selected_.begin(), selected_.end(), false);
    auto at = static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(items_.size())));
    for (const ListItem& item : items) {
        const std::size_t place = style_.sorted ? SortedPlace(item.text) : at++;
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(place), item);
        // A single-selection list keeps the last item put in selected.
        if (!style_.severalSelected)
            std::fill(selected_.begin(), selected_.end(), false);
        selected_.insert(selected_.begin() + static_cast<std::ptrdiff_t>(place), true);
    }
}

void ListMoveModel::DropWithin(int index)
{
    if (style_.sorted)
        return;
    const std::vector<ListItem> moved = CollectSelection(index, true);
    InsertItems(moved, index);
}

void ListMoveModel::MoveSelectionTo(ListMoveModel& target, int index)
{
    if (&target == this) {
        DropWithin(index);
        return;
    }
    int unused = 0;
    const std::vector<ListItem> moved = CollectSelection(unused, true);
    target.InsertItems(moved, index);
}

}  // namespace corvane
