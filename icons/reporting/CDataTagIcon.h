#pragma once

#include "netdoc/NetIconRoles.h"
#include "netmodel/CCorvaneIcon.h"

#include <cstdint>

namespace corvane {

class CNetDoc;

// A Data Tag: gives the value at its one data input a name under which the
// reporting icons (memory, probe points, MQTT, e-mail, FTP) refer to it.
// The tag name is the icon name and the tag id is the icon's unique id.
//
// Fixed part (record offsets), then the input link of input 0 at 76:
//   72 u16 format word: bits 0-2 digits past the decimal point (1..7),
//      0x0800 whole-number format
//   74 u16 assignment word: one bit per kind of reporting icon that has
//      still to take the tag (0x0001 memory, 0x0002 probe, 0x0004 MQTT,
//      0x0008 and 0x0010 the tag picker page)
// The input link's flags byte holds the chosen format when the source
// offers the choice: 1 whole number, 2 decimal.
class CDataTagIcon : public CCorvaneIcon, public DataTagRole {
public:
    static constexpr std::uint16_t kTypeCode = 80;
    static constexpr std::uint16_t kRecordLength = 76;
    static constexpr std::uint16_t kDigitsMask = 0x0007;
    static constexpr std::uint16_t kWholeNumberBit = 0x0800;
    static constexpr std::uint16_t kDefaultFormat = 2;  // decimal, 2 digits
    static constexpr std::uint16_t kAllAssigned = 0xFFFF;
    static constexpr std::uint8_t kLinkWholeNumber = 1;
    static constexpr std::uint8_t kLinkDecimal = 2;

    // For the loader.
    CDataTagIcon();
    // Placing from the palette.
    explicit CDataTagIcon(const Rect& position);

    std::string_view ClassName() const override { return "CDataTagIcon"; }

    std::uint16_t FormatWord() const { return format_; }
    void SetFormatWord(std::uint16_t format) { format_ = format; }
    // DataTagRole.
    std::uint16_t AssignmentBits() const override { return assignment_; }
    void SetAssignmentBits(std::uint16_t bits) override { assignment_ = bits; }

    // The net document holding the icon, or null while it is in none.
    CNetDoc* NetDocument() const;
    // The output entry feeding input 0, or null when no existing icon does.
    const OutputEntry* SourceEntry() const;

    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();
    // The data type input 0 accepts, from the link's source; keeps the
    // format word and the link's flags byte in step with it.
    int SettleInputType();
    // Writes the format word's choice into the link's flags byte when the
    // source offers the choice.
    void RenewLinkFormat();

    std::uint16_t format_ = kDefaultFormat;
    std::uint16_t assignment_ = kAllAssigned;
};

}  // namespace corvane
