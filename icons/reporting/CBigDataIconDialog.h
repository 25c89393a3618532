#pragma once

#include "icons/common/CIconDialog.h"
#include "icons/reporting/DataTagLists.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace corvane {

class CBigDataIcon;
class CInterDragListBox;
class ListBoxControl;
struct NotifyEvent;

// The dialog the Memory, Probe and MQTT icons share: the net's data tags
// in two lists, "Available" and "Selected", moved between them by the
// buttons, by double-clicks and by dragging. Tags marked with the icon's
// bit from the tag's side arrive in "Selected" when the dialog opens. The
// dialog works on a copy of the icon's lists; on OK the icon's bit is
// cleared in every Data Tag icon and the selection becomes the icon's
// stored tag ids. The selection holds at most the icon's capacity.
class CBigDataIconDialog : public CIconDialog {
public:
    static constexpr std::string_view kTooManyText = "Only %d Data Tags are Allowed to be Selected";

    const DataTagLists& Lists() const { return lists_; }
    // The caption the dialog is shown with.
    const std::string& Caption() const { return caption_; }

protected:
    CBigDataIconDialog(CBigDataIcon& icon, std::uint32_t helpContext, std::string_view caption, Window* parent);
    ~CBigDataIconDialog() override;

    bool OnInitDialog() override;
    bool ValidateFields() override;
    void ApplyToIcon() override;

private:
    ListBoxControl* AvailableBox() const;
    ListBoxControl* SelectedBox() const;
    void FillBoxes();
    // Moves the highlighted items of one box to the end of the other,
    // keeping their order; all items first highlighted when asked.
    void MoveHighlighted(bool intoSelected, bool all);
    // Moves the item double-clicked (or the current one) to the end of the other box.
    void MoveItem(bool intoSelected, std::intptr_t item);
    // True, after telling the user, when adding that many items would pass
    // the selection's capacity.
    bool RefuseFull(std::size_t selectedCount, std::size_t adding) const;
    void ShowTooMany() const;
    static DataTagLists::TagList ReadBox(const ListBoxControl& box);

    CBigDataIcon& bigData_;
    std::string caption_;
    DataTagLists lists_;
    std::unique_ptr<CInterDragListBox> availableDrag_;
    std::unique_ptr<CInterDragListBox> selectedDrag_;
};

}  // namespace corvane
