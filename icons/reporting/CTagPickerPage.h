#pragma once

#include "icons/reporting/DataTagLists.h"
#include "platform/PropertyPage.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace corvane {

class CInterDragListBox;
class CNetDoc;
class ListBoxControl;
struct TransferSettings;

// "Data Tag Selection", the page of the e-mail and FTP sheets that chooses
// the data tags the action sends: the net's tags in "Available" and
// "Selected for Transfer", moved by the buttons, by double-clicks (every
// entry of the list) and by dragging. The page works on a copy of the
// owning icon's tag lists, renewed from the net each time it becomes
// active: tags deleted from the net leave, renamed ones show their new
// name, new ones marked with the page's bit (0x0008 FTP, 0x0010 e-mail)
// arrive in "Selected for Transfer". Apply writes the selection into the
// icon's tag ids and clears the page's bit in every Data Tag icon of the
// net; Cancel leaves the icon as it was. The selection holds at most 256
// tags.
class CTagPickerPage : public PropertyPage {
public:
    static constexpr std::string_view kTooManyText = "Only %d Data Tags are Allowed to be Selected";
    static constexpr std::string_view kTagNotFoundText = "Tag not found";
    static constexpr int kFtpBit = 0x0008;
    static constexpr int kEmailBit = 0x0010;

    CTagPickerPage();
    ~CTagPickerPage() override;

    // The owning icon's settings (whose flag word tells e-mail from FTP)
    // and tag lists, and the net the tags come from (may be null).
    void SetOwner(TransferSettings& settings, DataTagLists& lists, CNetDoc* net);
    // 0x0008 for an FTP icon, 0x0010 for an e-mail icon.
    int PageBit() const;
    // The page's working lists.
    const DataTagLists& Lists() const { return working_; }

    // The sheet's check before Apply: refuses a selection of more than 256
    // tags (grown by dragging) with the limit message.
    bool Validate();
    // Reads the lists, stores the selection into the owner's tag lists and
    // clears the page's bit in the net's Data Tag icons. Returns true.
    bool Apply();
    // The owner's lists stay as they were; the next activation starts
    // again from them.
    void Cancel();

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

private:
    ListBoxControl* AvailableBox() const;
    ListBoxControl* SelectedBox() const;
    void Refresh();
    void FillLists();
    void ReadLists();
    void MoveHighlighted(bool intoSelected, bool all);
    bool RefuseFull(std::size_t selectedCount, std::size_t adding) const;
    void ShowTooMany() const;
    void ShowTagNotFound() const;

    TransferSettings* settings_ = nullptr;
    DataTagLists* owner_ = nullptr;
    CNetDoc* net_ = nullptr;
    DataTagLists working_;
    std::unique_ptr<CInterDragListBox> availableDrag_;
    std::unique_ptr<CInterDragListBox> selectedDrag_;
};

}  // namespace corvane
