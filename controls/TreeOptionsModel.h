#pragma once

#include "controls/TreeItemStore.h"
#include "controls/TreeOptionsItemData.h"
#include "platform/Geometry.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace corvane {

// The rules of an option tree, apart from its window: each item that carries
// options has a record (TreeOptionsItemData) kept here under its handle and
// freed with the item. An item's text is its caption, the separator ": " and
// its value text. Check boxes cascade to their check-box children and tell
// their check-box parent; radio buttons are the radio items among siblings.
// Operations on an item of another kind return false and change nothing.
class TreeOptionsModel {
public:
    explicit TreeOptionsModel(TreeItemStore& store);
    virtual ~TreeOptionsModel();
    TreeOptionsModel(const TreeOptionsModel&) = delete;
    TreeOptionsModel& operator=(const TreeOptionsModel&) = delete;

    // Frees every record and deletes every item.
    virtual bool DeleteAllItems();
    // Deletes the item with everything below it, and their records.
    bool DeleteItem(TreeItem item);

    bool SetCheckBox(TreeItem item, bool checked);
    bool GetCheckBox(TreeItem item, bool& checked) const;
    bool SetCheckBoxPartial(TreeItem item, bool partlyChecked);
    bool GetCheckBoxPartial(TreeItem item, bool& partlyChecked) const;
    bool SetCheckBoxEnable(TreeItem item, bool enabled);
    bool GetCheckBoxEnable(TreeItem item, bool& enabled) const;
    // The item becomes the opposite of oldState, and so do its check-box
    // children; a check-box parent is then checked when any of its check-box
    // children is, and partly checked when some but not all are.
    void ToggleCheckBox(TreeItem item, bool oldState);

    // Checks the item and unchecks the other radio items among its siblings,
    // from the first sibling on while they are radio items.
    bool SelectRadioButton(TreeItem item);
    // Checks the index-th (0-based) of the parent's leading radio children
    // and unchecks the others.
    bool SetRadioButtonByIndex(TreeItem parent, int index);
    bool GetRadioButton(TreeItem item, bool& checked) const;
    // The first checked radio child of the parent and its index, counted
    // from the last child that is no radio item. False, with index -1 and
    // item 0, when no radio child is checked.
    bool GetCheckedRadioButton(TreeItem parent, int& index, TreeItem& item) const;
    bool SetRadioButtonEnable(TreeItem item, bool enabled);
    bool GetRadioButtonEnable(TreeItem item, bool& enabled) const;
    // Sets the enabled flag of every child of the parent that has a record.
    bool SetGroupEnable(TreeItem parent, bool enabled);

    // A copy of the item (texts, images, record) under newParent; 0 when it
    // cannot be made.
    TreeItem CopyItem(TreeItem item, TreeItem newParent, TreeItem after = kTreeLast);
    // The same with every item below it, in their order.
    TreeItem CopyBranch(TreeItem item, TreeItem newParent, TreeItem after = kTreeLast);

    // Frees the records of the item, its next siblings and everything below
    // them, and deletes those items.
    void DeleteItemRecords(TreeItem first);
    // Forgets the records of items that are gone.
    void PruneRecords();

    // A 16 x 16 square centred in the image rectangle.
    static Rect CentreGlyphRect(const Rect& image);

    // Adding items.
    TreeItem InsertGroup(std::string_view text, int image, TreeItem parent = kTreeRoot, TreeItem after = kTreeLast,
        std::uint32_t userValue = 0);
    TreeItem InsertCheckBox(std::string_view text, TreeItem parent = kTreeRoot, bool checked = true,
        TreeItem after = kTreeLast, std::uint32_t userValue = 0);
    TreeItem InsertRadioButton(std::string_view text, TreeItem parent = kTreeRoot, bool checked = true,
        TreeItem after = kTreeLast, std::uint32_t userValue = 0);

    // Attaching editors to an item; any record it had is replaced.
    bool AttachEditor(TreeItem item, const TreeOptionsEditorClass& editorClass, std::uint32_t userValue = 0);
    bool AddEditBox(TreeItem item, const TreeOptionsEditorClass& editClass, std::uint32_t userValue = 0);
    bool AddEditBoxWithSpin(TreeItem item, const TreeOptionsEditorClass& editClass,
        const TreeOptionsEditorClass& spinClass, std::uint32_t userValue = 0);
    bool AddFileEditBox(TreeItem item, const TreeOptionsEditorClass& editClass,
        const TreeOptionsEditorClass& buttonClass, std::uint32_t userValue = 0);
    bool AddFolderEditBox(TreeItem item, const TreeOptionsEditorClass& editClass,
        const TreeOptionsEditorClass& buttonClass, std::uint32_t userValue = 0);
    bool AddColorSelector(TreeItem item, const TreeOptionsEditorClass& buttonClass, std::uint32_t userValue = 0,
        bool showColourSwatch = true);
    bool AddFontSelector(TreeItem item, const TreeOptionsEditorClass& buttonClass, std::uint32_t userValue = 0);
    bool AddDateTime(TreeItem item, const TreeOptionsEditorClass& pickerClass, std::uint32_t userValue = 0);
    bool AddIPAddress(TreeItem item, const TreeOptionsEditorClass& editorClass, std::uint32_t userValue = 0);
    bool AddBrowseButton(TreeItem item, const TreeOptionsEditorClass& buttonClass,
        const TreeOptionsEditorClass* extraClass = nullptr, std::uint32_t userValue = 0);

    bool IsGroup(TreeItem item) const { return IsKind(item, TreeOptionsKind::Group); }
    bool IsCheckBox(TreeItem item) const { return IsKind(item, TreeOptionsKind::CheckBox); }
    bool IsRadioButton(TreeItem item) const { return IsKind(item, TreeOptionsKind::RadioButton); }
    bool IsEditBox(TreeItem item) const { return IsKind(item, TreeOptionsKind::EditBox); }
    bool IsFileEditBox(TreeItem item) const { return IsKind(item, TreeOptionsKind::FileEdit); }
    bool IsFolderEditBox(TreeItem item) const { return IsKind(item, TreeOptionsKind::FolderEdit); }
    bool IsColorItem(TreeItem item) const { return IsKind(item, TreeOptionsKind::Colour); }
    bool IsFontItem(TreeItem item) const { return IsKind(item, TreeOptionsKind::Font); }
    bool IsDateTimeItem(TreeItem item) const { return IsKind(item, TreeOptionsKind::DateTime); }
    bool IsIPAddressItem(TreeItem item) const { return IsKind(item, TreeOptionsKind::IpAddress); }
    bool IsBrowseButtonItem(TreeItem item) const { return IsKind(item, TreeOptionsKind::BrowseButton); }

    // Values. The value text is what follows the first separator.
    std::string GetValueText(TreeItem item) const;
    void SetValueText(TreeItem item, std::string_view value);
    // The item text up to the first separator.
    virtual void RemoveValueText(TreeItem item);
    std::string GetEditText(TreeItem item) const { return GetValueText(item); }
    void SetEditText(TreeItem item, std::string_view value) { SetValueText(item, value); }
    std::string GetFileEditText(TreeItem item) const { return GetValueText(item); }
    void SetFileEditText(TreeItem item, std::string_view value) { SetValueText(item, value); }
    std::string GetFolderEditText(TreeItem item) const { return GetValueText(item); }
    void SetFolderEditText(TreeItem item, std::string_view value) { SetValueText(item, value); }
    // The whole text goes into the record; the tree shows its display form.
    void SetMultiLineText(TreeItem item, std::string_view text);
    std::string GetMultiLineText(TreeItem item) const;
    std::uint32_t GetColor(TreeItem item) const;  // 0x00BBGGRR
    void SetColor(TreeItem item, std::uint32_t colour);
    TreeOptionsFont GetFont(TreeItem item) const;
    void SetFont(TreeItem item, const TreeOptionsFont& font);
    TreeOptionsTime GetDateTime(TreeItem item) const;
    void SetDateTime(TreeItem item, const TreeOptionsTime& time);
    std::uint32_t GetIPAddress(TreeItem item) const;
    void SetIPAddress(TreeItem item, std::uint32_t address);
    std::uint32_t GetItemUserValue(TreeItem item) const;
    void SetItemUserValue(TreeItem item, std::uint32_t userValue);

    // The item's record; null when it has none.
    const TreeOptionsItemData* Record(TreeItem item) const;
    const std::string& Separator() const { return separator_; }
    TreeItemStore& Store() const { return store_; }

protected:
    TreeOptionsItemData* MutableRecord(TreeItem item);
    bool IsKind(TreeItem item, TreeOptionsKind kind) const;
    bool SetDeleting(bool deleting);
    bool IsDeleting() const { return deleting_; }
    // A record for the item, replacing any it had.
    TreeOptionsItemData& NewRecord(TreeItem item);
    // Called before records are freed and items deleted, so an open editor
    // can close first; the default does nothing.
    virtual void OnDeletingItems() {}

private:
    bool SetFlag(TreeItem item, TreeOptionsKind kind, bool TreeOptionsItemData::*field, bool value);
    bool GetFlag(TreeItem item, TreeOptionsKind kind, bool TreeOptionsItemData::*field, bool& value) const;
    bool AddEditor(TreeItem item, const TreeOptionsEditorClass& editorClass, const TreeOptionsEditorClass* extraClass,
        TreeOptionsKind kind, std::uint32_t userValue);
    void FreeRecord(TreeItem item);

    TreeItemStore& store_;
    std::map<TreeItem, std::unique_ptr<TreeOptionsItemData>> records_;
    std::string separator_ = ": ";
    bool deleting_ = false;
};

}  // namespace corvane
