#include "controls/TreeOptionsModel.h"

#include "controls/CTreeOptionsDateCtrl.h"
#include "controls/CTreeOptionsEdit.h"
#include "controls/CTreeOptionsIPAddressCtrl.h"
#include "controls/TreeOptionsEditorClass.h"

#include <cstdio>
#include <vector>

namespace corvane {

namespace {

// A short-lived editor object of the item's class, for its text formatting.
template <class T> std::unique_ptr<T> FormattingObject(const TreeOptionsItemData* record)
{
    if (record == nullptr || record->editorClass == nullptr || record->editorClass->create == nullptr)
        return nullptr;
    std::unique_ptr<TreeOptionsEditor> object = record->editorClass->create();
    if (auto* typed = dynamic_cast<T*>(object.get())) {
        object.release();
        return std::unique_ptr<T>(typed);
    }
    return nullptr;
}

}  // namespace

TreeOptionsModel::TreeOptionsModel(TreeItemStore& store) : store_(store) {}

TreeOptionsModel::~TreeOptionsModel() = default;

// ------------------------------------------------------------------ records

const TreeOptionsItemData* TreeOptionsModel::Record(TreeItem item) const
{
    const auto found = records_.find(item);
    return found == records_.end() ? nullptr : found->second.get();
}

TreeOptionsItemData* TreeOptionsModel::MutableRecord(TreeItem item)
{
    const auto found = records_.find(item);
    return found == records_.end() ? nullptr : found->second.get();
}

bool TreeOptionsModel::IsKind(TreeItem item, TreeOptionsKind kind) const
{
    const TreeOptionsItemData* record = Record(item);
    return record != nullptr && record->kind == kind;
}

TreeOptionsItemData& TreeOptionsModel::NewRecord(TreeItem item)
{
    auto& slot = records_[item];
    slot = std::make_unique<TreeOptionsItemData>();
    return *slot;
}

void TreeOptionsModel::FreeRecord(TreeItem item) { records_.erase(item); }

void TreeOptionsModel::PruneRecords()
{
    for (auto it = records_.begin(); it != records_.end();)
        it = store_.Exists(it->first) ? std::next(it) : records_.erase(it);
}

bool TreeOptionsModel::SetDeleting(bool deleting)
{
    const bool was = deleting_;
    deleting_ = deleting;
    return was;
}

bool TreeOptionsModel::DeleteAllItems()
{
    OnDeletingItems();
    const bool was = SetDeleting(true);
    DeleteItemRecords(store_.GetChildItem(kTreeRoot));
    records_.clear();
    SetDeleting(was);
    return true;
}

bool TreeOptionsModel::DeleteItem(TreeItem item)
{
    if (!store_.Exists(item))
        return false;
    OnDeletingItems();
    const bool deleted = store_.DeleteItem(item);
    PruneRecords();
    return deleted;
}

void TreeOptionsModel::DeleteItemRecords(TreeItem first)
{
    TreeItem item = first;
    while (item != 0 && store_.Exists(item)) {
        const TreeItem next = store_.GetNextSiblingItem(item);
        DeleteItemRecords(store_.GetChildItem(item));
        FreeRecord(item);
        store_.DeleteItem(item);
        item = next;
    }
}

// --------------------------------------------------------------- check boxes

bool TreeOptionsModel::SetFlag(TreeItem item, TreeOptionsKind kind, bool TreeOptionsItemData::*field, bool value)
{
    TreeOptionsItemData* record = MutableRecord(item);
    if (record == nullptr || record->kind != kind)
        return false;
    record->*field = value;
    store_.InvalidateItem(item);
    return true;
}

bool TreeOptionsModel::GetFlag(TreeItem item, TreeOptionsKind kind, bool TreeOptionsItemData::*field, bool& value) const
{
    const TreeOptionsItemData* record = Record(item);
    if (record == nullptr || record->kind != kind)
        return false;
    value = record->*field;
    return true;
}

bool TreeOptionsModel::SetCheckBox(TreeItem item, bool checked)
{
    return SetFlag(item, TreeOptionsKind::CheckBox, &TreeOptionsItemData::checked, checked);
}

bool TreeOptionsModel::GetCheckBox(TreeItem item, bool& checked) const
{
    return GetFlag(item, TreeOptionsKind::CheckBox, &TreeOptionsItemData::checked, checked);
}

bool TreeOptionsModel::SetCheckBoxPartial(TreeItem item, bool partlyChecked)
{
    return SetFlag(item, TreeOptionsKind::CheckBox, &TreeOptionsItemData::partlyChecked, partlyChecked);
}

bool TreeOptionsModel::GetCheckBoxPartial(TreeItem item, bool& partlyChecked) const
{
    return GetFlag(item, TreeOptionsKind::CheckBox, &TreeOptionsItemData::partlyChecked, partlyChecked);
}

bool TreeOptionsModel::SetCheckBoxEnable(TreeItem item, bool enabled)
{
    return SetFlag(item, TreeOptionsKind::CheckBox, &TreeOptionsItemData::enabled, enabled);
}

bool TreeOptionsModel::GetCheckBoxEnable(TreeItem item, bool& enabled) const
{
    return GetFlag(item, TreeOptionsKind::CheckBox, &TreeOptionsItemData::enabled, enabled);
}

void TreeOptionsModel::ToggleCheckBox(TreeItem item, bool oldState)
{
    store_.SetRedraw(false);
    const bool state = !oldState;
    SetCheckBox(item, state);
    SetCheckBoxPartial(item, false);
    for (TreeItem child = store_.GetChildItem(item); child != 0; child = store_.GetNextSiblingItem(child)) {
        if (SetCheckBox(child, state))
            SetCheckBoxPartial(child, false);
    }
    const TreeItem parent = store_.GetParentItem(item);
    if (parent != 0 && IsCheckBox(parent)) {
        int boxes = 0;
        int checkedBoxes = 0;
        for (TreeItem child = store_.GetChildItem(parent); child != 0; child = store_.GetNextSiblingItem(child)) {
            bool checked = false;
            if (GetCheckBox(child, checked)) {
                ++boxes;
                checkedBoxes += checked ? 1 : 0;
            }
        }
        SetCheckBox(parent, checkedBoxes != 0);
        SetCheckBoxPartial(parent, checkedBoxes != 0 && checkedBoxes != boxes);
    }
    store_.SetRedraw(true);
}

// ------------------------------------------------------------- radio buttons

bool TreeOptionsModel::SelectRadioButton(TreeItem item)
{
    if (!IsRadioButton(item))
        return false;
    store_.SetRedraw(false);
    SetFlag(item, TreeOptionsKind::RadioButton, &TreeOptionsItemData::checked, true);
    for (TreeItem sibling = store_.GetChildItem(store_.GetParentItem(item)); sibling != 0 && IsRadioButton(sibling);
         sibling = store_.GetNextSiblingItem(sibling)) {
        if (sibling != item)
            SetFlag(sibling, TreeOptionsKind::RadioButton, &TreeOptionsItemData::checked, false);
    }
    store_.SetRedraw(true);
    return true;
}

bool TreeOptionsModel::SetRadioButtonByIndex(TreeItem parent, int index)
{
    int position = 0;
    for (TreeItem child = store_.GetChildItem(parent); child != 0 && IsRadioButton(child);
         child = store_.GetNextSiblingItem(child), ++position)
        SetFlag(child, TreeOptionsKind::RadioButton, &TreeOptionsItemData::checked, position == index);
    return true;
}

bool TreeOptionsModel::GetRadioButton(TreeItem item, bool& checked) const
{
    return GetFlag(item, TreeOptionsKind::RadioButton, &TreeOptionsItemData::checked, checked);
}

bool TreeOptionsModel::GetCheckedRadioButton(TreeItem parent, int& index, TreeItem& item) const
{
    int position = 0;
    for (TreeItem child = store_.GetChildItem(parent); child != 0; child = store_.GetNextSiblingItem(child)) {
        if (!IsRadioButton(child)) {
            position = 0;
            continue;
        }
        if (Record(child)->checked) {
            index = position;
            item = child;
            return true;
        }
        ++position;
    }
    index = -1;
    item = 0;
    return false;
}

bool TreeOptionsModel::SetRadioButtonEnable(TreeItem item, bool enabled)
{
    return SetFlag(item, TreeOptionsKind::RadioButton, &TreeOptionsItemData::enabled, enabled);
}

bool TreeOptionsModel::GetRadioButtonEnable(TreeItem item, bool& enabled) const
{
    return GetFlag(item, TreeOptionsKind::RadioButton, &TreeOptionsItemData::enabled, enabled);
}

bool TreeOptionsModel::SetGroupEnable(TreeItem parent, bool enabled)
{
    for (TreeItem child = store_.GetChildItem(parent); child != 0; child = store_.GetNextSiblingItem(child)) {
        if (TreeOptionsItemData* record = MutableRecord(child)) {
            record->enabled = enabled;
            store_.InvalidateItem(child);
        }
    }
    return true;
}

// -------------------------------------------------------------------- copies

TreeItem TreeOptionsModel::CopyItem(TreeItem item, TreeItem newParent, TreeItem after)
{
    if (!store_.Exists(item))
        return 0;
    const TreeItem copy = store_.InsertItem(
        store_.GetItemText(item), newParent, after, store_.GetItemImage(item), store_.GetItemSelectedImage(item));
    if (copy == 0)
        return 0;
    if (const TreeOptionsItemData* record = Record(item)) {
        NewRecord(copy) = *record;
        store_.InvalidateItem(copy);
    }
    return copy;
}

TreeItem TreeOptionsModel::CopyBranch(TreeItem item, TreeItem newParent, TreeItem after)
{
    // The children are listed first, so a copy placed inside the branch
    // itself is not copied again.
    std::vector<TreeItem> children;
    for (TreeItem child = store_.GetChildItem(item); child != 0; child = store_.GetNextSiblingItem(child))
        children.push_back(child);
    const TreeItem copy = CopyItem(item, newParent, after);
    if (copy == 0)
        return 0;
    for (const TreeItem child : children)
        CopyBranch(child, copy, kTreeLast);
    return copy;
}

Rect TreeOptionsModel::CentreGlyphRect(const Rect& image)
{
    const int centreX = (image.left + image.right) / 2;
    const int centreY = (image.top + image.bottom) / 2;
    return {centreX - 8, centreY - 8, centreX - 8 + 16, centreY + 8};
}

// ------------------------------------------------------------- adding items

TreeItem TreeOptionsModel::InsertGroup(
    std::string_view text, int image, TreeItem parent, TreeItem after, std::uint32_t userValue)
{
    const TreeItem item = store_.InsertItem(text, parent, after, image, image);
    if (item == 0)
        return 0;
    TreeOptionsItemData& record = NewRecord(item);
    record.kind = TreeOptionsKind::Group;
    record.userValue = userValue;
    store_.InvalidateItem(item);
    return item;
}

TreeItem TreeOptionsModel::InsertCheckBox(
    std::string_view text, TreeItem parent, bool checked, TreeItem after, std::uint32_t userValue)
{
    const TreeItem item = store_.InsertItem(text, parent, after, -1, -1);
    if (item == 0)
        return 0;
    TreeOptionsItemData& record = NewRecord(item);
    record.kind = TreeOptionsKind::CheckBox;
    record.userValue = userValue;
    SetCheckBox(item, checked);
    return item;
}

TreeItem TreeOptionsModel::InsertRadioButton(
    std::string_view text, TreeItem parent, bool checked, TreeItem after, std::uint32_t userValue)
{
    const TreeItem item = store_.InsertItem(text, parent, after, -1, -1);
    if (item == 0)
        return 0;
    TreeOptionsItemData& record = NewRecord(item);
    record.kind = TreeOptionsKind::RadioButton;
    record.userValue = userValue;
    if (checked)
        SelectRadioButton(item);
    else
        store_.InvalidateItem(item);
    return item;
}

bool TreeOptionsModel::AddEditor(TreeItem item, const TreeOptionsEditorClass& editorClass,
    const TreeOptionsEditorClass* extraClass, TreeOptionsKind kind, std::uint32_t userValue)
{
    if (!store_.Exists(item))
        return false;
    TreeOptionsItemData& record = NewRecord(item);
    record.editorClass = &editorClass;
    record.extraClass = extraClass;
    record.kind = kind;
    record.userValue = userValue;
    store_.InvalidateItem(item);
    return true;
}

bool TreeOptionsModel::AttachEditor(TreeItem item, const TreeOptionsEditorClass& editorClass, std::uint32_t userValue)
{
    return AddEditor(item, editorClass, nullptr, TreeOptionsKind::Editor, userValue);
}

bool TreeOptionsModel::AddEditBox(TreeItem item, const TreeOptionsEditorClass& editClass, std::uint32_t userValue)
{
    return AddEditor(item, editClass, nullptr, TreeOptionsKind::EditBox, userValue);
}

bool TreeOptionsModel::AddEditBoxWithSpin(TreeItem item, const TreeOptionsEditorClass& editClass,
    const TreeOptionsEditorClass& spinClass, std::uint32_t userValue)
{
    return AddEditor(item, editClass, &spinClass, TreeOptionsKind::EditWithSpin, userValue);
}

bool TreeOptionsModel::AddFileEditBox(TreeItem item, const TreeOptionsEditorClass& editClass,
    const TreeOptionsEditorClass& buttonClass, std::uint32_t userValue)
{
    return AddEditor(item, editClass, &buttonClass, TreeOptionsKind::FileEdit, userValue);
}

bool TreeOptionsModel::AddFolderEditBox(TreeItem item, const TreeOptionsEditorClass& editClass,
    const TreeOptionsEditorClass& buttonClass, std::uint32_t userValue)
{
    return AddEditor(item, editClass, &buttonClass, TreeOptionsKind::FolderEdit, userValue);
}

bool TreeOptionsModel::AddColorSelector(
    TreeItem item, const TreeOptionsEditorClass& buttonClass, std::uint32_t userValue, bool showColourSwatch)
{
    if (!AddEditor(item, buttonClass, nullptr, TreeOptionsKind::Colour, userValue))
        return false;
    MutableRecord(item)->showColourSwatch = showColourSwatch;
    store_.InvalidateItem(item);
    return true;
}

bool TreeOptionsModel::AddFontSelector(
    TreeItem item, const TreeOptionsEditorClass& buttonClass, std::uint32_t userValue)
{
    return AddEditor(item, buttonClass, nullptr, TreeOptionsKind::Font, userValue);
}

bool TreeOptionsModel::AddDateTime(TreeItem item, const TreeOptionsEditorClass& pickerClass, std::uint32_t userValue)
{
    return AddEditor(item, pickerClass, nullptr, TreeOptionsKind::DateTime, userValue);
}

bool TreeOptionsModel::AddIPAddress(TreeItem item, const TreeOptionsEditorClass& editorClass, std::uint32_t userValue)
{
    return AddEditor(item, editorClass, nullptr, TreeOptionsKind::IpAddress, userValue);
}

bool TreeOptionsModel::AddBrowseButton(TreeItem item, const TreeOptionsEditorClass& buttonClass,
    const TreeOptionsEditorClass* extraClass, std::uint32_t userValue)
{
    return AddEditor(item, buttonClass, extraClass, TreeOptionsKind::BrowseButton, userValue);
}

// -------------------------------------------------------------------- values

std::string TreeOptionsModel::GetValueText(TreeItem item) const
{
    const std::string text = store_.GetItemText(item);
    const std::size_t at = text.find(separator_);
    return at == std::string::npos ? std::string() : text.substr(at + separator_.size());
}

void TreeOptionsModel::SetValueText(TreeItem item, std::string_view value)
{
    const std::string text = store_.GetItemText(item);
    const std::size_t at = text.find(separator_);
    const std::string head = at == std::string::npos ? text + separator_ : text.substr(0, at + separator_.size());
    store_.SetItemText(item, head + std::string(value));
}

void TreeOptionsModel::RemoveValueText(TreeItem item)
{
    const std::string text = store_.GetItemText(item);
    const std::size_t at = text.find(separator_);
    if (at != std::string::npos)
        store_.SetItemText(item, text.substr(0, at));
}

void TreeOptionsModel::SetMultiLineText(TreeItem item, std::string_view text)
{
    TreeOptionsItemData* record = MutableRecord(item);
    if (record == nullptr)
        return;
    record->valueText = std::string(text);
    const auto edit = FormattingObject<CTreeOptionsEdit>(record);
    SetValueText(item, edit ? edit->FormatDisplayText(text) : std::string(text));
}

std::string TreeOptionsModel::GetMultiLineText(TreeItem item) const
{
    const TreeOptionsItemData* record = Record(item);
    return record == nullptr ? std::string() : record->valueText;
}

std::uint32_t TreeOptionsModel::GetColor(TreeItem item) const
{
    const TreeOptionsItemData* record = Record(item);
    return record == nullptr ? 0 : record->colour;
}

void TreeOptionsModel::SetColor(TreeItem item, std::uint32_t colour)
{
    TreeOptionsItemData* record = MutableRecord(item);
    if (record == nullptr)
        return;
    record->colour = colour;
    store_.InvalidateItem(item);
    const RgbColour rgb = RgbFromStoredColour(colour);
    char text[8];
    std::snprintf(text, sizeof text, "&%02X%02X%02X", rgb.red, rgb.green, rgb.blue);
    SetValueText(item, text);
}

TreeOptionsFont TreeOptionsModel::GetFont(TreeItem item) const
{
    const TreeOptionsItemData* record = Record(item);
    return record == nullptr ? TreeOptionsFont{} : record->font;
}

void TreeOptionsModel::SetFont(TreeItem item, const TreeOptionsFont& font)
{
    TreeOptionsItemData* record = MutableRecord(item);
    if (record == nullptr)
        return;
    record->font = font;
    SetValueText(item, font.faceName);
}

TreeOptionsTime TreeOptionsModel::GetDateTime(TreeItem item) const
{
    const TreeOptionsItemData* record = Record(item);
    return record == nullptr ? TreeOptionsTime{} : record->dateTime;
}

void TreeOptionsModel::SetDateTime(TreeItem item, const TreeOptionsTime& time)
{
    TreeOptionsItemData* record = MutableRecord(item);
    if (record == nullptr)
        return;
    record->dateTime = time;
    if (const auto picker = FormattingObject<CTreeOptionsDateCtrl>(record))
        SetValueText(item, picker->GetDisplayText(time));
}

std::uint32_t TreeOptionsModel::GetIPAddress(TreeItem item) const
{
    const TreeOptionsItemData* record = Record(item);
    return record == nullptr ? 0 : record->ipAddress;
}

void TreeOptionsModel::SetIPAddress(TreeItem item, std::uint32_t address)
{
    TreeOptionsItemData* record = MutableRecord(item);
    if (record == nullptr)
        return;
    record->ipAddress = address;
    const auto editor = FormattingObject<CTreeOptionsIPAddressCtrl>(record);
    SetValueText(item, editor ? editor->GetDisplayText(address) : CTreeOptionsIPAddressCtrl::FormatDotted(address));
}

std::uint32_t TreeOptionsModel::GetItemUserValue(TreeItem item) const
{
    const TreeOptionsItemData* record = Record(item);
    return record == nullptr ? 0 : record->userValue;
}

void TreeOptionsModel::SetItemUserValue(TreeItem item, std::uint32_t userValue)
{
    if (TreeOptionsItemData* record = MutableRecord(item))
        record->userValue = userValue;
}

}  // namespace corvane
