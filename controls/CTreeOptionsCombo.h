#pragma once

#include "controls/TreeOptionsEditor.h"

#include <cstdint>

namespace corvane {

class CTreeOptionsBrowseButton;
class ComboBoxControl;

// The combo-box editor of an option tree item: a drop-down list unless its
// style makes it editable.
class CTreeOptionsCombo : public TreeOptionsEditor {
public:
    static constexpr std::uint32_t kDropDownListStyle = 0x0003;
    static constexpr std::uint32_t kSortStyle = 0x0100;
    static const TreeOptionsEditorClass& Class();
    const TreeOptionsEditorClass& GetClass() const override { return Class(); }

    virtual std::uint32_t GetWindowStyle() const { return 0x50200003; }
    virtual int GetDropDownHeight() const { return 100; }
    // Fills the list once the combo box exists; the default adds nothing.
    virtual void OnCreated(ComboBoxControl& combo);

    bool IsEditable() const { return (GetWindowStyle() & kDropDownListStyle) != kDropDownListStyle; }
    ComboBoxControl* Combo() const;
    void SetBrowseButton(CTreeOptionsBrowseButton* button) { button_ = button; }
    CTreeOptionsBrowseButton* BrowseButton() const { return button_; }

private:
    CTreeOptionsBrowseButton* button_ = nullptr;
};

}  // namespace corvane
