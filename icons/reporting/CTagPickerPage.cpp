#include "icons/reporting/CTagPickerPage.h"

#include "base/Cp1252.h"
#include "controls/CInterDragListBox.h"
#include "icons/reporting/TransferSettings.h"
#include "netdoc/CNetDoc.h"
#include "platform/Application.h"
#include "platform/ListBoxControl.h"
#include "platform/PromptSink.h"
#include "res/ResourceIds.h"
#include "res/TagPickerPage.h"

namespace corvane {

CTagPickerPage::CTagPickerPage() : PropertyPage(res::kTagPickerPage)
{
    On(Notification::Clicked, res::kIdcTagPickerAdd, [this](NotifyEvent&) { MoveHighlighted(true, false); });
    On(Notification::Clicked, res::kIdcTagPickerAddAll, [this](NotifyEvent&) { MoveHighlighted(true, true); });
    On(Notification::Clicked, res::kIdcTagPickerRemove, [this](NotifyEvent&) { MoveHighlighted(false, false); });
    On(Notification::Clicked, res::kIdcTagPickerRemoveAll, [this](NotifyEvent&) { MoveHighlighted(false, true); });
    On(Notification::DoubleClicked, res::kIdcTagPickerAvailable, [this](NotifyEvent&) { MoveHighlighted(true, true); });
    On(Notification::DoubleClicked, res::kIdcTagPickerSelected, [this](NotifyEvent&) { MoveHighlighted(false, true); });
}

CTagPickerPage::~CTagPickerPage() = default;

void CTagPickerPage::SetOwner(TransferSettings& settings, DataTagLists& lists, CNetDoc* net)
{
    settings_ = &settings;
    owner_ = &lists;
    net_ = net;
    working_ = lists;
}

int CTagPickerPage::PageBit() const
{
    return settings_ != nullptr && settings_->flagWord == TransferSettings::kFtpFlag ? kFtpBit : kEmailBit;
}

bool CTagPickerPage::OnInitDialog()
{
    const bool result = PropertyPage::OnInitDialog();
    if (ListBoxControl* available = AvailableBox())
        availableDrag_ = std::make_unique<CInterDragListBox>(*available);
    if (ListBoxControl* selected = SelectedBox())
        selectedDrag_ = std::make_unique<CInterDragListBox>(*selected);
    return result;
}

bool CTagPickerPage::OnSetActive()
{
    const bool result = PropertyPage::OnSetActive();
    Refresh();
    FillLists();
    return result;
}

bool CTagPickerPage::OnKillActive()
{
    ReadLists();
    working_.StoreAssignedTags();
    return true;
}

void CTagPickerPage::Refresh()
{
    DataTagLists::TagList net;
    if (net_ != nullptr)
        net = net_->CollectDataTagIcons();
    for (std::size_t missing = working_.RefreshForPicker(PageBit(), std::move(net)).size(); missing > 0; --missing)
        ShowTagNotFound();
}

ListBoxControl* CTagPickerPage::AvailableBox() const
{
    return GetControlAs<ListBoxControl>(res::kIdcTagPickerAvailable);
}

ListBoxControl* CTagPickerPage::SelectedBox() const
{
    return GetControlAs<ListBoxControl>(res::kIdcTagPickerSelected);
}

void CTagPickerPage::FillLists()
{
    // Every entry is a tag of the net (the refresh drops the others), so a
    // tag with an empty name is listed too: left out, it would leave the
    // selection when the lists are read back.
    const auto fill = [](ListBoxControl* box, const DataTagLists::TagList& tags) {
        if (box == nullptr)
            return;
        box->ResetContent();
        for (const DataTagInfo& tag : tags) {
            const int index = box->InsertString(-1, Cp1252ToUtf8(tag.name));
            box->SetItemData(index, tag.tagId);
        }
    };
    fill(AvailableBox(), working_.Available());
    fill(SelectedBox(), working_.Selected());
}

void CTagPickerPage::ReadLists()
{
    const auto read = [](const ListBoxControl* box) {
        DataTagLists::TagList tags;
        for (int i = 0; box != nullptr && i < box->GetCount(); ++i) {
            DataTagInfo tag;
            tag.name = Utf8ToCp1252(box->GetText(i));
            tag.tagId = static_cast<std::uint16_t>(box->GetItemData(i));
            tags.push_back(std::move(tag));
        }
        return tags;
    };
    // Lists never built (the page was not shown) keep what they hold.
    if (AvailableBox() == nullptr || SelectedBox() == nullptr || !WasActivated())
        return;
    working_.SetAvailable(read(AvailableBox()));
    working_.SetSelected(read(SelectedBox()));
}

bool CTagPickerPage::RefuseFull(std::size_t selectedCount, std::size_t adding) const
{
    if (selectedCount < DataTagLists::kMaxTags && adding <= DataTagLists::kMaxTags - selectedCount)
        return false;
    ShowTooMany();
    return true;
}

void CTagPickerPage::ShowTooMany() const
{
    MessageBoxRequest request;
    request.owner = Handle();
    const std::string_view text = kTooManyText;
    const std::size_t marker = text.find("%d");
    request.text = std::string(text.substr(0, marker)) + std::to_string(DataTagLists::kMaxTags)
        + std::string(text.substr(marker + 2));
    request.buttons = MessageBoxButtons::Ok;
    Application::Instance().Prompts().ShowMessageBox(request);
}

void CTagPickerPage::ShowTagNotFound() const
{
    MessageBoxRequest request;
    request.owner = Handle();
    request.text = std::string(kTagNotFoundText);
    request.buttons = MessageBoxButtons::Ok;
    Application::Instance().Prompts().ShowMessageBox(request);
}

void CTagPickerPage::MoveHighlighted(bool intoSelected, bool all)
{
    CInterDragListBox* from = intoSelected ? availableDrag_.get() : selectedDrag_.get();
    CInterDragListBox* to = intoSelected ? selectedDrag_.get() : availableDrag_.get();
    if (from == nullptr || to == nullptr)
        return;
    if (all)
        from->List().SetSel(-1, true);
    const auto highlighted = static_cast<std::size_t>(from->List().GetSelCount());
    if (highlighted == 0)
        return;
    // A move that would take the selection past its 256 tags moves nothing.
    if (intoSelected && RefuseFull(static_cast<std::size_t>(to->List().GetCount()), highlighted))
        return;
    from->MoveSelectionTo(*to, to->List().GetCount());
    ReadLists();
}

bool CTagPickerPage::Validate()
{
    // Dragging is not held to the limit the buttons keep: a selection grown
    // past it is refused here rather than cut when stored.
    const ListBoxControl* selected = SelectedBox();
    if (!WasActivated() || selected == nullptr
        || static_cast<std::size_t>(selected->GetCount()) <= DataTagLists::kMaxTags)
        return true;
    ShowTooMany();
    return false;
}

bool CTagPickerPage::Apply()
{
    // A page never shown has offered nothing: the icon and the tags' bits
    // stay for the net check or a later showing.
    if (!WasActivated())
        return true;
    ReadLists();
    working_.StoreAssignedTags();
    if (owner_ != nullptr)
        *owner_ = working_;
    if (net_ != nullptr)
        (void)net_->ClearDataTagFlag(PageBit());
    return true;
}

void CTagPickerPage::Cancel()
{
    if (owner_ != nullptr)
        working_ = *owner_;
}

}  // namespace corvane
