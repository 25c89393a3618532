#include "controls/CInterDragListBox.h"

#include "platform/ListBoxControl.h"

namespace corvane {

CInterDragListBox::CInterDragListBox(ListBoxControl& list) : list_(list) {}

ListMoveModel CInterDragListBox::Read() const
{
    const std::uint32_t style = list_.Style();
    const ListMoveModel::Style kind{(style & control_style::kSorted) != 0,
        (style & (control_style::kMultipleSelection | control_style::kExtendedSelection)) != 0};
    std::vector<ListItem> items;
    for (int i = 0; i < list_.GetCount(); ++i)
        items.push_back({list_.GetText(i), static_cast<std::uint32_t>(list_.GetItemData(i))});
    ListMoveModel model(kind, std::move(items));
    if (kind.severalSelected) {
        for (const int index : list_.GetSelItems())
            model.Select(index);
    } else {
        model.Select(list_.GetCurSel());
    }
    return model;
}

void CInterDragListBox::Write(const ListMoveModel& model)
{
    list_.ResetContent();
    for (const ListItem& item : model.Items()) {
        const int index = list_.InsertString(-1, item.text);
        list_.SetItemData(index, static_cast<std::intptr_t>(item.data));
    }
    const std::vector<int> selection = model.Selection();
    if (model.GetStyle().severalSelected) {
        for (const int index : selection)
            list_.SetSel(index);
    } else {
        list_.SetCurSel(selection.empty() ? -1 : selection.back());
    }
}

int CInterDragListBox::GetInsertIndex(int y, int itemHeight, int topIndex) const
{
    return ListMoveModel::InsertIndexAt(y, itemHeight, topIndex, list_.GetCount());
}

std::vector<ListItem> CInterDragListBox::CollectSelection(int& index, bool remove)
{
    ListMoveModel model = Read();
    std::vector<ListItem> collected = model.CollectSelection(index, remove);
    if (remove && !collected.empty())
        Write(model);
    return collected;
}

void CInterDragListBox::InsertItems(std::span<const ListItem> items, int index)
{
    if (items.empty())
        return;
    ListMoveModel model = Read();
    model.InsertItems(items, index);
    Write(model);
}

void CInterDragListBox::Dropped(int index)
{
    ListMoveModel model = Read();
    model.DropWithin(index);
    Write(model);
}

void CInterDragListBox::MoveSelectionTo(CInterDragListBox& target, int index)
{
    if (&target == this) {
        Dropped(index);
        return;
    }
    int unused = 0;
    const std::vector<ListItem> moved = CollectSelection(unused, true);
    target.InsertItems(moved, index);
}

}  // namespace corvane
