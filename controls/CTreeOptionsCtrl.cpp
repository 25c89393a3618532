#include "controls/CTreeOptionsCtrl.h"

#include "controls/CMultiLineEditFrameWnd.h"
#include "controls/CTreeOptionsBrowseButton.h"
#include "controls/CTreeOptionsCombo.h"
#include "controls/CTreeOptionsDateCtrl.h"
#include "controls/CTreeOptionsEdit.h"
#include "controls/CTreeOptionsIPAddressCtrl.h"
#include "controls/CTreeOptionsSpinCtrl.h"
#include "platform/ButtonControl.h"
#include "platform/ComboBoxControl.h"
#include "platform/DateTimeControl.h"
#include "platform/Dialog.h"
#include "platform/DialogControls.h"
#include "platform/EditControl.h"
#include "platform/IpAddressControl.h"
#include "platform/KeyCodes.h"
#include "platform/SpinControl.h"

#include <algorithm>

namespace corvane {

namespace {

// The editors' ids lie in a block of their own above every resource id,
// one block per tree.
constexpr int kEditorIdBlock = 0x100;
constexpr int kEditorIdBase = 0x100000;

template <class T> std::unique_ptr<T> Adopt(std::unique_ptr<TreeOptionsEditor>& object)
{
    if (auto* typed = dynamic_cast<T*>(object.get())) {
        object.release();
        return std::unique_ptr<T>(typed);
    }
    return nullptr;
}

DialogRect ToDialogRect(const Rect& r) { return {r.left, r.top, r.Width(), r.Height()}; }

Rect FromDialogRect(const DialogRect& r) { return {r.x, r.y, r.x + r.width, r.y + r.height}; }

// Multi-line values keep their line breaks as carriage return and line
// feed; the edit shows plain line feeds.
std::string ToEditLines(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
}

std::string FromEditLines(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

}  // namespace

CTreeOptionsCtrl::CTreeOptionsCtrl(TreeViewControl& tree)
    : TreeOptionsModel(itemStore_), view_(tree), itemStore_(tree, [this](TreeItem item) { UpdateGlyph(item); }),
      self_(std::make_shared<CTreeOptionsCtrl*>(this))
{
    view_.SetInputHook(this);
    Dialog& dialog = OwnerDialog();
    const std::weak_ptr<CTreeOptionsCtrl*> weak = self_;
    auto reach = [weak]() -> CTreeOptionsCtrl* {
        const auto self = weak.lock();
        return self ? *self : nullptr;
    };
    const int treeId = view_.Id();
    dialog.On(Notification::SelectionChanged, treeId, [reach](NotifyEvent& event) {
        if (CTreeOptionsCtrl* self = reach())
            self->OnSelectionChanged(event.item);
    });
    dialog.On(Notification::ItemExpanding, treeId, [reach](NotifyEvent&) {
        if (CTreeOptionsCtrl* self = reach(); self != nullptr && self->current_ != 0)
            self->CommitAndClose();
    });
    dialog.On(Notification::KillFocus, treeId, [reach](NotifyEvent& event) {
        if (CTreeOptionsCtrl* self = reach())
            self->OnTreeKillFocus(event.otherControlId);
    });
    for (const int idInTree : {kComboId, kEditId, kSpinId, kButtonId, kDateTimeId, kIpAddressId})
        dialog.On(Notification::KillFocus, EditorControlId(idInTree), [reach, idInTree](NotifyEvent& event) {
            if (CTreeOptionsCtrl* self = reach())
                self->OnEditorKillFocus(idInTree, event.otherControlId);
        });
    dialog.On(Notification::Clicked, EditorControlId(kButtonId), [reach](NotifyEvent&) {
        if (CTreeOptionsCtrl* self = reach())
            self->OnBrowseButtonClicked();
    });
}

CTreeOptionsCtrl::~CTreeOptionsCtrl()
{
    *self_ = nullptr;
    view_.SetInputHook(nullptr);
    DestroyEditors();
}

Dialog& CTreeOptionsCtrl::OwnerDialog() const { return view_.Owner(); }

int CTreeOptionsCtrl::EditorControlId(int idInTree) const
{
    return kEditorIdBase + (view_.Id() & 0xFFFF) * kEditorIdBlock + idInTree;
}

int CTreeOptionsCtrl::IdInTree(int dialogId) const
{
    const int base = EditorControlId(0);
    return dialogId >= base && dialogId < base + kEditorIdBlock ? dialogId - base : 0;
}

// ------------------------------------------------------------------ selection

bool CTreeOptionsCtrl::DeleteAllItems()
{
    DestroyEditors();
    return TreeOptionsModel::DeleteAllItems();
}

void CTreeOptionsCtrl::OnDeletingItems() { DestroyEditors(); }

bool CTreeOptionsCtrl::SelectItem(TreeItem item)
{
    if (item != 0 && !view_.Exists(item))
        return false;
    if (item == view_.GetSelectedItem())
        return true;
    view_.SelectItem(item);
    OnSelectionChanged(item);
    return true;
}

TreeItem CTreeOptionsCtrl::GetSelectedItem() const { return view_.GetSelectedItem(); }

void CTreeOptionsCtrl::OnSelectionChanged(TreeItem item)
{
    if (IsDeleting())
        return;
    if (current_ != 0) {
        CommitEditorValue(current_);
        DestroyEditors();
    }
    const TreeOptionsItemData* record = Record(item);
    if (record != nullptr && record->editorClass != nullptr)
        CreateEditors(item);
}

void CTreeOptionsCtrl::EndEdit()
{
    CommitEditorValue(GetSelectedItem());
    DestroyEditors();
}

void CTreeOptionsCtrl::CommitAndClose()
{
    if (current_ == 0)
        return;
    CommitEditorValue(current_);
    DestroyEditors();
}

// -------------------------------------------------------------------- editors

Control* CTreeOptionsCtrl::AddEditorControl(const ControlTemplate& layout)
{
    return AddDialogControl(OwnerDialog(), layout, &view_);
}

void CTreeOptionsCtrl::RemoveEditorControl(TreeOptionsEditor* editor)
{
    if (editor == nullptr || editor->GetControl() == nullptr)
        return;
    const int id = editor->GetControl()->Id();
    editor->SetControl(nullptr);
    RemoveDialogControl(OwnerDialog(), id);
}

void CTreeOptionsCtrl::DestroyEditors()
{
    if (frame_) {
        frame_->Close();
        if (edit_)
            edit_->SetControl(nullptr);
    }
    for (TreeOptionsEditor* editor : std::initializer_list<TreeOptionsEditor*>{
             combo_.get(), edit_.get(), spin_.get(), button_.get(), dateTime_.get(), ipAddress_.get()})
        RemoveEditorControl(editor);
    if (browsing_ > 0) {
        // The button that runs the browse dialog, and its partners, live on until it returns.
        retired_.push_back(std::move(combo_));
        retired_.push_back(std::move(edit_));
        retired_.push_back(std::move(spin_));
        retired_.push_back(std::move(button_));
        if (frame_)
            retiredFrame_ = std::move(frame_);
    }
    combo_.reset();
    edit_.reset();
    frame_.reset();
    spin_.reset();
    button_.reset();
    dateTime_.reset();
    ipAddress_.reset();
    current_ = 0;
}

void CTreeOptionsCtrl::CreateEditors(TreeItem item)
{
    const TreeOptionsItemData* record = Record(item);
    if (record == nullptr || record->editorClass == nullptr || record->editorClass->create == nullptr)
        return;
    DestroyEditors();
    current_ = item;
    const TreeOptionsItemData data = *record;

    std::unique_ptr<TreeOptionsEditor> object = data.editorClass->create();
    std::string value;
    if ((combo_ = Adopt<CTreeOptionsCombo>(object)) || (edit_ = Adopt<CTreeOptionsEdit>(object))
        || (dateTime_ = Adopt<CTreeOptionsDateCtrl>(object))
        || (ipAddress_ = Adopt<CTreeOptionsIPAddressCtrl>(object))) {
        value = GetValueText(item);
        RemoveValueText(item);
    } else if ((button_ = Adopt<CTreeOptionsBrowseButton>(object))) {
        if (data.kind == TreeOptionsKind::Colour)
            button_->SetColor(data.colour);
        else if (data.kind == TreeOptionsKind::Font)
            button_->SetFont(data.font);
    }
    for (TreeOptionsEditor* editor : std::initializer_list<TreeOptionsEditor*>{
             combo_.get(), edit_.get(), dateTime_.get(), ipAddress_.get(), button_.get()})
        if (editor != nullptr)
            editor->SetTreeAndItem(this, item);

    if (data.extraClass != nullptr && data.extraClass->create != nullptr) {
        std::unique_ptr<TreeOptionsEditor> extra = data.extraClass->create();
        if ((spin_ = Adopt<CTreeOptionsSpinCtrl>(extra)))
            spin_->SetTreeAndItem(this, item);
        else if (!button_ && (button_ = Adopt<CTreeOptionsBrowseButton>(extra)))
            button_->SetTreeAndItem(this, item);
    }

    // The rectangles: the item's text, its whole row, and the editor's.
    const Rect client = view_.GetClientRect();
    std::optional<Rect> label = view_.GetItemRect(item, true);
    if (!label || label->bottom > client.bottom) {
        view_.EnsureVisible(item);
        label = view_.GetItemRect(item, true);
    }
    if (!label) {
        DestroyEditors();
        return;
    }
    const Rect row = view_.GetItemRect(item, false).value_or(*label);
    const bool buttonBeside = button_ && data.extraClass != nullptr && !spin_;
    Rect editor{label->right + 2, label->top, row.right - (buttonBeside ? button_->GetWidth() : 0), label->bottom};

    if (combo_) {
        editor.bottom = editor.top + std::max(20, label->Height());
        std::uint32_t style = 0;
        if (!combo_->IsEditable())
            style |= control_style::kDropDownList;
        if ((combo_->GetWindowStyle() & CTreeOptionsCombo::kSortStyle) != 0)
            style |= control_style::kSorted;
        combo_->SetControl(
            AddEditorControl({ControlKind::ComboBox, EditorControlId(kComboId), "", ToDialogRect(editor), style}));
        if (ComboBoxControl* combo = combo_->Combo()) {
            combo_->OnCreated(*combo);
            if (combo_->IsEditable())
                combo->SetText(value);
            else
                combo->SetCurSel(combo->FindStringExact(-1, value));
        }
    } else if (edit_ && !edit_->IsMultiLine()) {
        editor.bottom = editor.top + edit_->GetHeight(label->Height());
        edit_->SetControl(AddEditorControl({ControlKind::Edit, EditorControlId(kEditId), value, ToDialogRect(editor)}));
    } else if (edit_) {
        editor.bottom = editor.top + edit_->GetHeight(label->Height());
        const Point topLeft = view_.ClientToScreen(editor.TopLeft());
        frame_ = std::make_unique<CMultiLineEditFrameWnd>(OwnerDialog());
        const std::string lines = ToEditLines(data.valueText);
        if (frame_->Create(Rect::FromPointAndSize(topLeft, editor.Extent()), lines, EditorControlId(kEditId))) {
            edit_->SetMultiLineFrame(frame_.get());
            edit_->SetControl(frame_->Edit());
        }
    } else if (dateTime_) {
        editor.right = row.right;
        editor.bottom = row.bottom;
        const ControlKind kind = dateTime_->IsTimePicker() ? ControlKind::TimePicker : ControlKind::DatePicker;
        dateTime_->SetControl(AddEditorControl({kind, EditorControlId(kDateTimeId), "", ToDialogRect(editor)}));
        if (data.dateTime.year != 0)
            dateTime_->WriteTime(data.dateTime);
    } else if (ipAddress_) {
        editor.right = row.right;
        editor.bottom = row.bottom;
        ipAddress_->SetControl(
            AddEditorControl({ControlKind::IpAddress, EditorControlId(kIpAddressId), "", ToDialogRect(editor)}));
        if (IpAddressControl* address = ipAddress_->AddressControl())
            address->SetAddress(data.ipAddress);
    } else if (button_) {
        PlaceBrowseButton(button_->GetClass(), row, *label);
    }

    if (focusEditor_)
        FocusEditor();

    if (spin_) {
        PlaceSpin(spin_->GetClass(), row, *label, editor);
    } else if (buttonBeside) {
        PlaceBrowseButton(button_->GetClass(), row, *label);
        if (edit_) {
            edit_->SetBrowseButton(button_.get());
            button_->SetEdit(edit_.get());
            button_->SetMultiLineFrame(frame_.get());
        } else if (combo_) {
            combo_->SetBrowseButton(button_.get());
            button_->SetCombo(combo_.get());
        }
    }
}

void CTreeOptionsCtrl::PlaceSpin(const TreeOptionsEditorClass&, const Rect&, const Rect&, const Rect& editor)
{
    if (!spin_)
        return;
    // The spin takes the right end of its edit, as a spin aligned to the
    // right of its buddy does.
    const Rect rect{editor.right - CTreeOptionsSpinCtrl::kWidth, editor.top, editor.right, editor.bottom};
    EditControl* buddy = edit_ ? edit_->Edit() : nullptr;
    if (buddy != nullptr)
        buddy->Move(ToDialogRect({editor.left, editor.top, rect.left, editor.bottom}));
    spin_->SetBuddy(edit_.get());
    spin_->SetControl(AddEditorControl({ControlKind::Spin, EditorControlId(kSpinId), "", ToDialogRect(rect),
        control_style::kBuddyInteger | control_style::kVertical}));
    if (SpinControl* spin = spin_->Spin()) {
        int lower = 0;
        int upper = 100;
        spin_->GetRange(lower, upper);
        spin->SetRange(lower, upper);
        spin->SetBuddy(buddy);
    }
}

void CTreeOptionsCtrl::PlaceBrowseButton(const TreeOptionsEditorClass&, const Rect& row, const Rect& label)
{
    if (!button_)
        return;
    Rect rect{row.right - button_->GetWidth(), label.top, row.right, label.bottom};
    Control* partner = edit_ && !frame_ ? edit_->GetControl() : combo_ ? combo_->GetControl() : nullptr;
    if (frame_) {
        rect.top = row.top;
        rect.bottom = row.bottom;
    } else if (partner != nullptr) {
        rect.top = row.top;
        rect.bottom = FromDialogRect(partner->Rect()).bottom;
    }
    button_->SetControl(AddEditorControl(
        {ControlKind::PushButton, EditorControlId(kButtonId), button_->GetCaption(), ToDialogRect(rect)}));
}

void CTreeOptionsCtrl::CommitEditorValue(TreeItem item)
{
    if (item == 0 || Record(item) == nullptr)
        return;
    if (combo_ && combo_->GetControl() != nullptr) {
        SetValueText(item, combo_->GetControl()->GetText());
    } else if (edit_ && edit_->GetControl() != nullptr) {
        if (frame_) {
            const std::string text = FromEditLines(edit_->GetControl()->GetText());
            MutableRecord(item)->valueText = text;
            SetValueText(item, edit_->FormatDisplayText(text));
        } else {
            SetValueText(item, edit_->GetControl()->GetText());
        }
    } else if (dateTime_ && dateTime_->GetControl() != nullptr) {
        TreeOptionsTime time = Record(item)->dateTime;
        if (dateTime_->ReadTime(time))
            MutableRecord(item)->dateTime = time;
        SetValueText(item, dateTime_->GetDisplayText(Record(item)->dateTime));
    } else if (ipAddress_ && ipAddress_->AddressControl() != nullptr) {
        std::uint32_t address = 0;
        // Only a whole address is written; the item keeps its old one.
        if (ipAddress_->AddressControl()->GetAddress(address) == 4)
            SetIPAddress(item, address);
        else
            SetIPAddress(item, Record(item)->ipAddress);
    } else if (button_ && !edit_ && !combo_) {
        if (Record(item)->kind == TreeOptionsKind::Colour)
            SetColor(item, button_->GetColor());
        else if (Record(item)->kind == TreeOptionsKind::Font)
            button_->SetFont(Record(item)->font);
    }
}

void CTreeOptionsCtrl::FocusEditor()
{
    if (combo_ && combo_->GetControl() != nullptr)
        combo_->GetControl()->SetFocus();
    else if (frame_)
        frame_->SetFocus();
    else if (edit_ && edit_->GetControl() != nullptr)
        edit_->GetControl()->SetFocus();
    else if (dateTime_ && dateTime_->GetControl() != nullptr)
        dateTime_->GetControl()->SetFocus();
    else if (ipAddress_ && ipAddress_->GetControl() != nullptr)
        ipAddress_->GetControl()->SetFocus();
}

// ---------------------------------------------------------------------- focus

void CTreeOptionsCtrl::OnTreeKillFocus(int otherId)
{
    if (current_ == 0 || otherId == view_.Id() || IdInTree(otherId) != 0)
        return;
    // The multi-line frame is a window of its own: the window system may
    // take the focus from the dialog as it shows.
    if (otherId == 0 && frame_)
        return;
    EndEdit();
}

void CTreeOptionsCtrl::OnEditorKillFocus(int idInTree, int otherId)
{
    if (current_ == 0)
        return;
    const int other = IdInTree(otherId);
    if (other == idInTree)
        return;  // within the editor: a combo's list, a picker's calendar, an address's next field
    switch (idInTree) {
    case kComboId:
        if (other == kButtonId || other == kSpinId)
            return;
        break;
    case kEditId:
        if (other == kButtonId)
            return;
        break;
    case kSpinId:
        if (other == kEditId)
            return;
        break;
    case kButtonId:
        if (!edit_ || other == kEditId || edit_->IsBrowsing())
            return;
        break;
    default: break;
    }
    EndEdit();
}

// ---------------------------------------------------------------- browse button

void CTreeOptionsCtrl::OnBrowseButtonClicked()
{
    const TreeOptionsItemData* record = Record(GetSelectedItem());
    if (record == nullptr || !button_ || record->editorClass == nullptr)
        return;
    const TreeOptionsItemData copy = *record;
    ++browsing_;
    Browse(copy);
    if (--browsing_ == 0) {
        retired_.clear();
        retiredFrame_.reset();
    }
}

void CTreeOptionsCtrl::Browse(const TreeOptionsItemData& record)
{
    CTreeOptionsBrowseButton* button = button_.get();
    CTreeOptionsEdit* edit = edit_.get();
    const TreeOptionsEditorClass& editorClass = *record.editorClass;
    const TreeOptionsKind kind = record.kind;
    if (editorClass.IsDerivedFrom(CTreeOptionsEdit::Class()) && edit != nullptr) {
        if (frame_) {
            frame_->SetFocus();
        } else if (kind == TreeOptionsKind::FileEdit || kind == TreeOptionsKind::FolderEdit) {
            const std::string current = edit->GetControl() != nullptr ? edit->GetControl()->GetText() : "";
            edit->SetBrowsing(true);
            if (kind == TreeOptionsKind::FileEdit)
                edit->BrowseForFile(current);
            else
                edit->BrowseForFolder(current);
            edit->SetBrowsing(false);
        } else if (kind == TreeOptionsKind::BrowseButton) {
            button->BrowseForOpaque();
        }
    } else if (editorClass.IsDerivedFrom(CTreeOptionsCombo::Class())) {
        if (kind == TreeOptionsKind::BrowseButton)
            button->BrowseForOpaque();
    } else if (kind == TreeOptionsKind::Colour) {
        button->BrowseForColor();
    } else if (kind == TreeOptionsKind::Font) {
        button->BrowseForFont();
    } else if (kind == TreeOptionsKind::BrowseButton) {
        button->BrowseForOpaque();
    }
}

// ----------------------------------------------------------------------- input

void CTreeOptionsCtrl::ToggleOption(TreeItem item)
{
    const TreeOptionsItemData* record = Record(item);
    if (record == nullptr || !record->enabled)
        return;
    if (record->kind == TreeOptionsKind::CheckBox)
        ToggleCheckBox(item, record->checked);
    else if (record->kind == TreeOptionsKind::RadioButton && !record->checked)
        SelectRadioButton(item);
}

void CTreeOptionsCtrl::OnTreeButtonDown(Point point)
{
    unsigned flags = 0;
    const TreeItem item = view_.HitTest(point, flags);
    if (item == 0)
        return;
    const bool counts = toggleOnlyOnImage_
        ? flags == tree_hit::kOnItemIcon
        : (flags & (tree_hit::kOnItem | tree_hit::kOnItemIndent | tree_hit::kOnItemRight)) != 0;
    if (counts)
        ToggleOption(item);
}

void CTreeOptionsCtrl::OnTreeClick(Point point)
{
    unsigned flags = 0;
    const TreeItem item = view_.HitTest(point, flags);
    if (item == 0)
        return;
    const TreeOptionsItemData* record = Record(item);
    if ((flags & tree_hit::kOnItem) != 0 && record != nullptr && record->editorClass != nullptr && current_ == 0)
        CreateEditors(item);
    if (focusEditor_)
        PostMessage(kFocusEditorMessage);
}

bool CTreeOptionsCtrl::OnTreeChar(char32_t character)
{
    if (character != U' ')
        return false;
    ToggleOption(GetSelectedItem());
    return true;
}

bool CTreeOptionsCtrl::OnTreeKeyDown(int key)
{
    if (key != key_code::kRight || current_ == 0)
        return false;
    Control* target = nullptr;
    if (combo_)
        target = combo_->GetControl();
    else if (frame_ || edit_)
        target = edit_->GetControl();
    else if (dateTime_)
        target = dateTime_->GetControl();
    else if (ipAddress_)
        target = ipAddress_->GetControl();
    else if (button_)
        target = button_->GetControl();
    if (target == nullptr || !target->IsVisible())
        return false;
    target->SetFocus();
    return true;
}

void CTreeOptionsCtrl::OnTreeScroll() { CommitAndClose(); }

std::intptr_t CTreeOptionsCtrl::OnMessage(Message& message)
{
    if (message.id == kFocusEditorMessage) {
        FocusEditor();
        return 0;
    }
    if (message.id == kReopenEditorsMessage) {
        const TreeItem selected = GetSelectedItem();
        CommitEditorValue(selected);
        DestroyEditors();
        CreateEditors(selected);
        return 0;
    }
    return Window::OnMessage(message);
}

// --------------------------------------------------------------------- drawing

void CTreeOptionsCtrl::SetThemedDrawing(bool themed)
{
    themed_ = themed;
    view_.SetThemedGlyphs(themed);
}

void CTreeOptionsCtrl::UpdateGlyph(TreeItem item)
{
    const TreeOptionsItemData* record = Record(item);
    TreeItemGlyph glyph;
    if (record != nullptr) {
        glyph.checked = record->checked;
        glyph.partlyChecked = record->partlyChecked;
        glyph.enabled = record->enabled;
        if (record->kind == TreeOptionsKind::CheckBox)
            glyph.kind = TreeGlyphKind::CheckBox;
        else if (record->kind == TreeOptionsKind::RadioButton)
            glyph.kind = TreeGlyphKind::RadioButton;
        else if (record->kind == TreeOptionsKind::Colour && record->showColourSwatch) {
            glyph.kind = TreeGlyphKind::ColourSwatch;
            glyph.colour = RgbFromStoredColour(record->colour);
        }
    }
    if (view_.GetItemGlyph(item) != glyph)
        view_.SetItemGlyph(item, glyph);
}

bool CTreeOptionsCtrl::FindImageExtent(int from, int to, int y, int& left, int& right) const
{
    bool haveLeft = false;
    bool haveRight = false;
    int iconWidth = 16;
    for (int x = from; x < to && !(haveLeft && haveRight); ++x) {
        unsigned flags = 0;
        const TreeItem item = view_.HitTest({x, y}, flags);
        const bool onImage = flags == tree_hit::kOnItemIcon;
        if (onImage && !haveLeft) {
            haveLeft = true;
            left = x;
            if (const std::optional<Rect> image = view_.GetItemImageRect(item))
                iconWidth = image->Width();
        } else if (!onImage && haveLeft && !haveRight) {
            haveRight = true;
            right = x;
        }
    }
    if (!haveLeft && !haveRight)
        return false;
    if (haveLeft && !haveRight)
        right = left + iconWidth;
    else if (haveLeft && right - left < iconWidth)
        left = right - 16;
    return true;
}

}  // namespace corvane
