#pragma once

#include "controls/TreeOptionsModel.h"
#include "controls/TreeViewItemStore.h"
#include "platform/TreeViewInputHook.h"
#include "platform/Window.h"

#include <memory>
#include <vector>

namespace corvane {

class CMultiLineEditFrameWnd;
class CTreeOptionsBrowseButton;
class CTreeOptionsCombo;
class CTreeOptionsDateCtrl;
class CTreeOptionsEdit;
class CTreeOptionsIPAddressCtrl;
class CTreeOptionsSpinCtrl;
class TreeOptionsEditor;
class Dialog;

// A dialog's tree view whose items are typed options (TreeOptionsModel):
// group headings, check boxes and radio buttons drawn over the item image,
// and value items edited in place. Selecting a value item opens its editor
// (a combo box, edit box, spin, browse button, date or time picker or IP
// address field, made from the class its record keeps) over the item's row;
// the editor's value goes back into the item text when another item is
// selected, the focus leaves for an unrelated control, the tree scrolls or
// an item expands.
//
// Attach once, after the dialog has made its controls; the tree view must
// outlive this.
class CTreeOptionsCtrl final : public Window, public TreeOptionsModel, private TreeViewInputHook {
public:
    // Posted to the tree itself: focus the open editor; open the selected
    // item's editors again.
    static constexpr MessageId kFocusEditorMessage = 0x4A0;
    static constexpr MessageId kReopenEditorsMessage = 0x4A1;
    // The editors' ids within the tree; EditorControlId gives the dialog's.
    static constexpr int kComboId = 100;
    static constexpr int kEditId = 101;
    static constexpr int kSpinId = 102;
    static constexpr int kButtonId = 103;
    static constexpr int kDateTimeId = 105;
    static constexpr int kIpAddressId = 106;

    explicit CTreeOptionsCtrl(TreeViewControl& tree);
    ~CTreeOptionsCtrl() override;

    TreeViewControl& View() const { return view_; }
    Dialog& OwnerDialog() const;
    // The dialog control id of the editor with the id within the tree.
    int EditorControlId(int idInTree) const;

    bool DeleteAllItems() override;
    // Selects the item as a click would: the open editor commits and closes,
    // the item's editors open. 0 clears the selection.
    bool SelectItem(TreeItem item);
    TreeItem GetSelectedItem() const;

    // Commits the selected item's editor and closes the editors.
    void EndEdit();
    void DestroyEditors();
    void CreateEditors(TreeItem item);
    void PlaceSpin(const TreeOptionsEditorClass& spinClass, const Rect& row, const Rect& label, const Rect& editor);
    void PlaceBrowseButton(const TreeOptionsEditorClass& buttonClass, const Rect& row, const Rect& label);
    void CommitEditorValue(TreeItem item);
    // The left and right ends of the item image on the row at y, found by
    // hit-testing from x = from to to - 1.
    bool FindImageExtent(int from, int to, int y, int& left, int& right) const;
    // The item whose editors are open; 0 when none are.
    TreeItem CurrentItem() const { return current_; }

    // Check and radio glyphs in the style's look (the default) or plain.
    void SetThemedDrawing(bool themed);
    bool ThemedDrawing() const { return themed_; }
    // A click toggles a check box or radio button only on its image.
    void SetToggleOnlyOnImage(bool onImage) { toggleOnlyOnImage_ = onImage; }
    // Newly opened editors take the focus, and a click focuses the editor.
    void SetFocusEditor(bool focus) { focusEditor_ = focus; }

    // The open editors; null when not open.
    CTreeOptionsCombo* Combo() const { return combo_.get(); }
    CTreeOptionsEdit* Edit() const { return edit_.get(); }
    CMultiLineEditFrameWnd* MultiLineFrame() const { return frame_.get(); }
    CTreeOptionsSpinCtrl* Spin() const { return spin_.get(); }
    CTreeOptionsBrowseButton* BrowseButton() const { return button_.get(); }
    CTreeOptionsDateCtrl* DateTime() const { return dateTime_.get(); }
    CTreeOptionsIPAddressCtrl* IpAddress() const { return ipAddress_.get(); }

    std::intptr_t OnMessage(Message& message) override;

private:
    void OnTreeButtonDown(Point point) override;
    void OnTreeClick(Point point) override;
    bool OnTreeChar(char32_t character) override;
    bool OnTreeKeyDown(int key) override;
    void OnTreeScroll() override;
    void OnDeletingItems() override;

    void OnSelectionChanged(TreeItem item);
    void OnTreeKillFocus(int otherId);
    void OnEditorKillFocus(int idInTree, int otherId);
    void OnBrowseButtonClicked();
    void Browse(const TreeOptionsItemData& record);
    // Acts on a counted click or the space key on a check box or radio button.
    void ToggleOption(TreeItem item);
    void CommitAndClose();
    void FocusEditor();
    // The glyph the item's record asks for, handed to the tree view.
    void UpdateGlyph(TreeItem item);
    int IdInTree(int dialogId) const;
    Control* AddEditorControl(const ControlTemplate& layout);
    void RemoveEditorControl(TreeOptionsEditor* editor);

    TreeViewControl& view_;
    TreeViewItemStore itemStore_;
    std::unique_ptr<CTreeOptionsCombo> combo_;
    std::unique_ptr<CTreeOptionsEdit> edit_;
    std::unique_ptr<CMultiLineEditFrameWnd> frame_;
    std::unique_ptr<CTreeOptionsSpinCtrl> spin_;
    std::unique_ptr<CTreeOptionsBrowseButton> button_;
    std::unique_ptr<CTreeOptionsDateCtrl> dateTime_;
    std::unique_ptr<CTreeOptionsIPAddressCtrl> ipAddress_;
    // Editors closed while one of them runs a browse dialog; they go once it returns.
    std::vector<std::unique_ptr<TreeOptionsEditor>> retired_;
    std::unique_ptr<CMultiLineEditFrameWnd> retiredFrame_;
    int browsing_ = 0;
    TreeItem current_ = 0;
    bool toggleOnlyOnImage_ = false;
    bool focusEditor_ = false;
    bool themed_ = true;
    // The dialog's handlers outlive this; they reach it through here, cleared when it goes.
    std::shared_ptr<CTreeOptionsCtrl*> self_;
};

}  // namespace corvane
