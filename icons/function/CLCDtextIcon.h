#pragma once

#include "icons/function/CFunctionIcon.h"
#include "icons/function/LcdMessageContext.h"

#include <array>

namespace corvane {

struct LcdTailLayout;

// Writes a short message, with up to one live input value per line, to the
// logger's display. Two variants share the class:
//  - latched ("LCD Msg-Latched"): a trigger pulse writes the message and it
//    stays; inputs 0 and 1, two free lines and the fixed third line
//    "SELECT = Clear Msg  ";
//  - conditional ("LCD Msg-Conditional"): shown while the select input
//    (input 0) is high; inputs 1 to 3 and three free lines.
// Both have the enable input and no outputs.
//
// Fixed part (record offsets):
//   72 u16 mode word: bit 0 set latched, clear conditional
//   74 4 bytes insert map: byte n = the input shown on line n, 255 none;
//      byte 3 unused (255)
// then the input links (the conditional message's select input first) and
// the message tail (LcdMessageTail).
class CLCDtextIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 64;
    static constexpr std::uint16_t kRecordLength = 78;
    static constexpr std::uint16_t kLatchedBit = 0x0001;
    static constexpr std::uint8_t kNoInsert = 255;
    static constexpr std::string_view kSamplePreview = "This is a sample of \r\n20 characters/line.";

    // For the loader; ApplySubtype picks the variant.
    CLCDtextIcon();
    // Placing: the conditional palette cell's bitmap makes a conditional
    // message, any other id a latched one.
    CLCDtextIcon(const Rect& position, int bitmapId);

    std::string_view ClassName() const override { return "CLCDtextIcon"; }

    bool IsLatched() const { return (mode_ & kLatchedBit) != 0; }
    std::uint16_t ModeWord() const { return mode_; }
    int LineCount() const { return IsLatched() ? 2 : 3; }
    std::uint32_t HelpContext() const;
    const std::array<std::uint8_t, 4>& InsertMap() const { return insertMap_; }
    const std::string& Message() const { return message_; }
    const std::string& Preview() const { return preview_; }
    const LcdInsertTexts& LineTexts(int line) const { return lineTexts_.at(static_cast<std::size_t>(line)); }
    // True when a number feeds the input (its link's flags byte is not 0).
    bool IsDataInput(int input) const;

    // The editing context the dialogs start from, and what they write back
    // on OK: message, preview, each line's insert and its texts.
    LcdMessageContext MakeEditContext() const;
    void ApplyEditContext(const LcdMessageContext& context);

    void ApplySubtype(std::uint16_t mode) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;
    std::size_t TransferTail(RecordTransfer& transfer) override;

private:
    void SetVariant(bool latched);
    LcdTailLayout TailLayout() const;

    std::uint16_t mode_ = 0;
    std::array<std::uint8_t, 4> insertMap_{kNoInsert, kNoInsert, kNoInsert, kNoInsert};
    std::string message_;
    std::string preview_{kSamplePreview};
    std::array<LcdInsertTexts, LcdMessageContext::kMaxLines> lineTexts_{};
};

}  // namespace corvane
