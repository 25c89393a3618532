#pragma once

#include "icons/function/CFunctionIcon.h"

#include <cstdint>

namespace corvane {

// The clocked latch, type code 257 with bit 0x1000 of its mode word set:
// passes its input's state to its output when a trigger pulse arrives.
// One logic input, one logic output and the trigger input.
//
// Fixed part (after the 72-byte header), 2 bytes:
//   72 u16 mode: 0x1000 latch, 0x2000 "OFF" chosen (clear: "ON"), 0x4000 set when placed
class CLatchIcon final : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 257;
    static constexpr std::uint16_t kFixedLength = 74;
    static constexpr std::uint16_t kLatchBit = 0x1000;
    static constexpr std::uint16_t kOffChosen = 0x2000;
    static constexpr std::uint16_t kPlacedMode = 0x5000;

    CLatchIcon();
    explicit CLatchIcon(const Rect& position);

    std::string_view ClassName() const override { return "CLatchIcon"; }

    std::uint16_t ModeWord() const { return mode_; }
    bool IsOffChosen() const { return (mode_ & kOffChosen) != 0; }
    void SetOffChosen(bool off);

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    std::uint16_t mode_ = kLatchBit;
};

}  // namespace corvane
