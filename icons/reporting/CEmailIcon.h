#pragma once

#include "icons/reporting/DataTagLists.h"
#include "icons/reporting/EmailRecordTail.h"
#include "icons/reporting/TransferSettings.h"
#include "netdoc/NetIconRoles.h"
#include "netmodel/CCorvaneIcon.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class CNetDoc;

// Sends an e-mail when its trigger input fires: To, From and Subject, a
// message into which the values of up to 24 data inputs are inserted (as
// numbers or as one of two state names), the data-tag data files chosen
// in its settings and the data tags chosen on the tag picker page. It
// draws 32 x 64 and is numbered with the large icons.
//
// Fixed part (record offsets), then the input links at 80, the output
// entry and the tail (EmailRecordTail):
//   72 u16 option word (see TransferSettings); 8 when placed
//   74 u8  r, the number of input references the tail holds (at most 24)
//   75 u8  not used
//   76 u16 t, the number of tag ids the tail holds (at most 256)
//   78 u16 15 when the option word attaches all new values, else 0
class CEmailIcon : public CCorvaneIcon, public TagListRole {
public:
    static constexpr std::uint16_t kTypeCode = 67;
    static constexpr std::uint16_t kRecordLength = 80;
    static constexpr std::uint16_t kPlacedOptions = 8;
    static constexpr std::uint16_t kAllNewMarker = 15;
    static constexpr int kAssignmentBit = 0x0010;
    static constexpr int kMaxDataInputs = static_cast<int>(EmailTailLayout::kInputs);

    // The tail's texts, by section number.
    enum class TextSection { BaseFilename = 0, From = 1, Subject = 2, To = 3, Message = 4 };

    // For the loader.
    CEmailIcon();
    // Placing from the palette.
    explicit CEmailIcon(const Rect& position);

    std::string_view ClassName() const override { return "CEmailIcon"; }

    std::uint16_t OptionWord() const { return options_; }
    void SetOptionWord(std::uint16_t options) { options_ = options; }
    // The word at offset 78.
    std::uint16_t AttachMarker() const { return attachMarker_; }
    void SetAttachMarker(std::uint16_t marker) { attachMarker_ = marker; }
    TransferSettings& Settings() { return settings_; }
    const TransferSettings& Settings() const { return settings_; }
    DataTagLists& Lists() { return lists_; }
    const DataTagLists& Lists() const { return lists_; }
    const std::vector<std::uint32_t>& TagIds() const { return lists_.StoredIds(); }
    // The tail's data (its tag ids are the lists' stored ids); texts Windows-1252.
    EmailTailContent& Content() { return content_; }
    const EmailTailContent& Content() const { return content_; }
    // A text of the tail (Windows-1252), and its byte limit.
    const std::string& GetTextSection(TextSection section) const;
    static std::size_t GetTextSectionLimit(TextSection section);
    // Sets a text of the tail from UTF-8, cut to the section's byte limit.
    void SetTextSection(TextSection section, std::string_view utf8);
    // What the tail is written against now: the inputs' links and formats.
    EmailTailLayout TailLayout() const;
    // The number of references a record written now holds.
    std::size_t WrittenReferenceCount() const;
    // The net document holding the icon, or null while it is in none.
    CNetDoc* NetDocument() const;

    // TagListRole: the net check's turn for the icon's bit.
    void UpdateTagLists(int bit) override;
    void OnDataTagRemoved(const CCorvaneIcon& tag) override;

    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;
    // The "Email" dialog, with the logger's information text as the From
    // default and the user's address book when the net has them.
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void BuildConnectors() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;
    std::size_t TransferTail(RecordTransfer& transfer) override;

private:
    void Init();
    std::string& TextOf(TextSection section);

    std::uint16_t options_ = kPlacedOptions;
    std::uint8_t references_ = 0;
    std::uint8_t unused_ = 0;
    std::uint16_t tagCount_ = 0;
    std::uint16_t attachMarker_ = 0;
    TransferSettings settings_;
    DataTagLists lists_;
    EmailTailContent content_;
};

}  // namespace corvane
