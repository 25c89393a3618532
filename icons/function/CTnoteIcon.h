#pragma once

#include "icons/function/CFunctionIcon.h"

namespace corvane {

// A text note on the program net: no connectors, no part in the net's
// logic, a small 9 x 13 body with its text drawn beside it. It is stored
// like any other icon record:
//   72 u16 reserved (0)
//   74 the note text, at most 250 bytes, a 0 byte, and one more 0 byte
//      when that makes the text's length even.
class CTnoteIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 270;
    static constexpr std::uint16_t kRecordLength = 74;
    static constexpr std::size_t kTextLimit = 250;

    CTnoteIcon();
    explicit CTnoteIcon(const Rect& position);

    std::string_view ClassName() const override { return "CTnoteIcon"; }

    const std::string& Text() const { return text_; }
    // Keeps at most 250 bytes, up to a 0 byte.
    void SetText(std::string_view text);

    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    void LayoutHardware() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;
    std::size_t TransferTail(RecordTransfer& transfer) override;
    std::string DrawnText() const override { return text_; }
    Size BodySize() const override;
    bool HasOutlineSegment() const override { return true; }

private:
    void Init();

    std::string text_;
};

}  // namespace corvane
