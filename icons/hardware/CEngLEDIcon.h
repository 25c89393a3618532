#pragma once

#include "netmodel/CCorvaneIcon.h"

namespace corvane {

// The logger's blue LED, lit while its one on/off input is high. It
// shares type code 25 with the audible alarm: mode bits 0-1 are 0 for
// the LED.
//
// Fixed part (record offsets):
//   72 u16 mode word (0)
// then the input link at 74.
class CEngLEDIcon : public CCorvaneIcon {
public:
    static constexpr std::uint16_t kTypeCode = 25;
    static constexpr std::uint16_t kRecordLength = 74;
    static constexpr std::uint16_t kKindMask = 0x0003;  // 0 the LED, anything else the alarm

    CEngLEDIcon();
    CEngLEDIcon(const Rect& position, int unused);

    std::string_view ClassName() const override { return "CEngLEDIcon"; }

    std::uint16_t ModeWord() const { return mode_; }

    std::variant<std::size_t, RecordError> LoadRecord(std::span<const std::uint8_t> record) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint16_t mode_ = 0;
};

}  // namespace corvane
