#pragma once

#include "controls/TreeOptionsEditor.h"
#include "controls/TreeOptionsItemData.h"

#include <cstdint>
#include <string>

namespace corvane {

class ButtonControl;
class CMultiLineEditFrameWnd;
class CTreeOptionsCombo;
class CTreeOptionsEdit;

// The "..." button of an option item: at the right end of the row, beside
// an edit box or combo box or alone. It chooses a colour or a font for the
// selected item, or does what a derived class gives BrowseForOpaque.
class CTreeOptionsBrowseButton : public TreeOptionsEditor {
public:
    static const TreeOptionsEditorClass& Class();
    const TreeOptionsEditorClass& GetClass() const override { return Class(); }

    virtual std::uint32_t GetWindowStyle() const { return 0x50000000; }
    // The width of four blanks and the caption in the tree's font; 20 without a tree.
    virtual int GetWidth() const;
    virtual std::string GetCaption() const { return "..."; }
    // The colour or font dialog, from the button's value; on OK the value
    // goes into the button and the selected item, and the tree is asked to
    // open the item's editors again.
    virtual void BrowseForColor();
    virtual void BrowseForFont();
    // The action of a browse-button item of its own; nothing here.
    virtual void BrowseForOpaque();

    ButtonControl* Button() const;
    std::uint32_t GetColor() const { return colour_; }
    void SetColor(std::uint32_t colour) { colour_ = colour; }
    const TreeOptionsFont& GetFont() const { return font_; }
    void SetFont(const TreeOptionsFont& font) { font_ = font; }

    void SetEdit(CTreeOptionsEdit* edit) { edit_ = edit; }
    CTreeOptionsEdit* Edit() const { return edit_; }
    void SetCombo(CTreeOptionsCombo* combo) { combo_ = combo; }
    CTreeOptionsCombo* Combo() const { return combo_; }
    void SetMultiLineFrame(CMultiLineEditFrameWnd* frame) { frame_ = frame; }
    CMultiLineEditFrameWnd* MultiLineFrame() const { return frame_; }

private:
    std::uint32_t colour_ = 0;
    TreeOptionsFont font_;
    CTreeOptionsEdit* edit_ = nullptr;
    CTreeOptionsCombo* combo_ = nullptr;
    CMultiLineEditFrameWnd* frame_ = nullptr;
};

}  // namespace corvane
