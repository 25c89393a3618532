#pragma once

#include "icons/function/CFunctionIcon.h"

namespace corvane {

// Reads or writes one of the logger's sixteen scratchpad registers. In
// read mode the register goes to the output upon the trigger input; in
// write mode input 0 is written to it, optionally bounded by the values at
// the Min (input 1) and Max (input 2) terminals, starting from an initial
// value and optionally kept from one logging session to the next. The
// record always has three inputs and one output; the mode decides which
// of them take links: read mode the trigger input and the output, write
// mode the three inputs. Changing the mode removes the links of the
// connectors it hides.
//
// Fixed part (record offsets):
//   72 u8 flags: 0x80 read mode (clear: write), 0x40 retain the last value,
//      0x20 min/max bounding
//   73 u8 register 0..15
//   74 f32 initial value
// then three input links at 78 and the output entry.
class CScratchPadIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 277;
    static constexpr std::uint16_t kRecordLength = 78;
    static constexpr std::uint8_t kReadMode = 0x80;
    static constexpr std::uint8_t kRetain = 0x40;
    static constexpr std::uint8_t kBounding = 0x20;
    static constexpr int kRegisters = 16;
    static constexpr int kValueInput = 0;
    static constexpr int kMinInput = 1;
    static constexpr int kMaxInput = 2;

    CScratchPadIcon();
    explicit CScratchPadIcon(const Rect& position);

    std::string_view ClassName() const override { return "CScratchPadIcon"; }

    std::uint8_t Flags() const { return flags_; }
    bool IsReadMode() const { return (flags_ & kReadMode) != 0; }
    // Sets the flags; a change of mode remakes the connectors and removes
    // the links of those the new mode hides.
    void SetFlags(std::uint8_t flags);
    std::uint8_t Register() const { return register_; }
    void SetRegister(std::uint8_t number) { register_ = number; }
    float InitialValue() const { return initial_; }
    void SetInitialValue(float value) { initial_ = value; }

    int HitTestConnect(Point point, const NetObjectView* view, CConnector* peer, CCorvaneIcon* peerIcon) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();
    // True when the mode offers links to the connector.
    bool Offers(const CConnector* connector);

    std::uint8_t flags_ = 0;
    std::uint8_t register_ = 0;
    float initial_ = 0.0F;
};

}  // namespace corvane
