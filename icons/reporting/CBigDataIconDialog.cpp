#include "icons/reporting/CBigDataIconDialog.h"

#include "base/Cp1252.h"
#include "controls/CInterDragListBox.h"
#include "icons/reporting/CBigDataIcon.h"
#include "netdoc/CNetDoc.h"
#include "platform/Application.h"
#include "platform/ListBoxControl.h"
#include "platform/PromptSink.h"
#include "res/BigDataDialog.h"
#include "res/ResourceIds.h"

namespace corvane {

CBigDataIconDialog::CBigDataIconDialog(
    CBigDataIcon& icon, std::uint32_t helpContext, std::string_view caption, Window* parent)
    : CIconDialog(res::kBigDataDialog, icon, helpContext, parent),
      bigData_(icon),
      caption_(caption),
      lists_(icon.Lists())
{
    SetSections(false, false, false);
    if (const CNetDoc* net = icon.NetDocument())
        lists_.BuildDialogLists(net->CollectDataTagIcons());
    On(Notification::Clicked, res::kIdcBigDataAdd, [this](NotifyEvent&) { MoveHighlighted(true, false); });
    On(Notification::Clicked, res::kIdcBigDataAddAll, [this](NotifyEvent&) { MoveHighlighted(true, true); });
    On(Notification::Clicked, res::kIdcBigDataRemove, [this](NotifyEvent&) { MoveHighlighted(false, false); });
    On(Notification::Clicked, res::kIdcBigDataRemoveAll, [this](NotifyEvent&) { MoveHighlighted(false, true); });
    On(Notification::DoubleClicked, res::kIdcBigDataAvailable, [this](NotifyEvent& e) { MoveItem(true, e.item); });
    On(Notification::DoubleClicked, res::kIdcBigDataSelected, [this](NotifyEvent& e) { MoveItem(false, e.item); });
}

CBigDataIconDialog::~CBigDataIconDialog() = default;

bool CBigDataIconDialog::OnInitDialog()
{
    const bool result = CIconDialog::OnInitDialog();
    SetCaption(caption_);
    if (ListBoxControl* available = AvailableBox())
        availableDrag_ = std::make_unique<CInterDragListBox>(*available);
    if (ListBoxControl* selected = SelectedBox())
        selectedDrag_ = std::make_unique<CInterDragListBox>(*selected);
    lists_.TakeAssignedFromAvailable(bigData_.AssignmentBit());
    FillBoxes();
    return result;
}

ListBoxControl* CBigDataIconDialog::AvailableBox() const
{
    return GetControlAs<ListBoxControl>(res::kIdcBigDataAvailable);
}

ListBoxControl* CBigDataIconDialog::SelectedBox() const
{
    return GetControlAs<ListBoxControl>(res::kIdcBigDataSelected);
}

void CBigDataIconDialog::FillBoxes()
{
    const auto fill = [](ListBoxControl* box, const DataTagLists::TagList& tags) {
        if (box == nullptr)
            return;
        box->ResetContent();
        for (const DataTagInfo& tag : tags) {
            const int index = box->InsertString(-1, Cp1252ToUtf8(tag.name));
            box->SetItemData(index, tag.tagId);
        }
    };
    fill(AvailableBox(), lists_.Available());
    fill(SelectedBox(), lists_.Selected());
}

bool CBigDataIconDialog::RefuseFull(std::size_t selectedCount, std::size_t adding) const
{
    const std::size_t capacity = lists_.Capacity();
    if (selectedCount < capacity && adding <= capacity - selectedCount)
        return false;
    ShowTooMany();
    return true;
}

void CBigDataIconDialog::ShowTooMany() const
{
    MessageBoxRequest request;
    request.owner = Handle();
    const std::string_view text = kTooManyText;
    const std::size_t marker = text.find("%d");
    request.text = std::string(text.substr(0, marker)) + std::to_string(lists_.Capacity())
        + std::string(text.substr(marker + 2));
    request.buttons = MessageBoxButtons::Ok;
    Application::Instance().Prompts().ShowMessageBox(request);
}

void CBigDataIconDialog::MoveHighlighted(bool intoSelected, bool all)
{
    CInterDragListBox* from = intoSelected ? availableDrag_.get() : selectedDrag_.get();
    CInterDragListBox* to = intoSelected ? selectedDrag_.get() : availableDrag_.get();
    if (from == nullptr || to == nullptr)
        return;
    if (all)
        from->List().SetSel(-1, true);
    const std::size_t highlighted = static_cast<std::size_t>(from->List().GetSelCount());
    if (intoSelected && RefuseFull(static_cast<std::size_t>(to->List().GetCount()), highlighted))
        return;
    from->MoveSelectionTo(*to, to->List().GetCount());
}

void CBigDataIconDialog::MoveItem(bool intoSelected, std::intptr_t item)
{
    CInterDragListBox* from = intoSelected ? availableDrag_.get() : selectedDrag_.get();
    CInterDragListBox* to = intoSelected ? selectedDrag_.get() : availableDrag_.get();
    if (from == nullptr || to == nullptr)
        return;
    ListBoxControl& list = from->List();
    const int index = item >= 0 ? static_cast<int>(item) : list.GetCurSel();
    if (index < 0 || index >= list.GetCount())
        return;
    if (intoSelected && RefuseFull(static_cast<std::size_t>(to->List().GetCount()), 1))
        return;
    list.SetSel(-1, false);
    list.SetSel(index, true);
    from->MoveSelectionTo(*to, to->List().GetCount());
}

DataTagLists::TagList CBigDataIconDialog::ReadBox(const ListBoxControl& box)
{
    DataTagLists::TagList tags;
    for (int i = 0; i < box.GetCount(); ++i) {
        DataTagInfo tag;
        tag.name = Utf8ToCp1252(box.GetText(i));
        tag.tagId = static_cast<std::uint16_t>(box.GetItemData(i));
        tags.push_back(std::move(tag));
    }
    return tags;
}

bool CBigDataIconDialog::ValidateFields()
{
    // Dragging is not held to the capacity the buttons keep: a selection
    // grown past it is refused here rather than cut when stored.
    const ListBoxControl* selected = SelectedBox();
    if (selected == nullptr || static_cast<std::size_t>(selected->GetCount()) <= lists_.Capacity())
        return true;
    ShowTooMany();
    return false;
}

void CBigDataIconDialog::ApplyToIcon()
{
    if (CNetDoc* net = bigData_.NetDocument())
        (void)net->ClearDataTagFlag(bigData_.AssignmentBit());
    if (const ListBoxControl* available = AvailableBox())
        lists_.SetAvailable(ReadBox(*available));
    if (const ListBoxControl* selected = SelectedBox())
        lists_.SetSelected(ReadBox(*selected));
    lists_.StoreAssignedTags();
    bigData_.Lists() = lists_;
}

}  // namespace corvane
