#pragma once

#include "icons/function/CFunctionIcon.h"

#include <array>

namespace corvane {

// One class for three palette cells: a fixed constant value, a remote
// control constant (a value the user changes over the link while the
// logger runs) and a remote control switch (a HIGH/LOW state changed the
// same way). No data inputs, one output; the remote kinds have an enable
// input.
//
// Fixed part (record offsets):
//   72 u16 mode word: 0x8000 remote controlled, 0x2000 (with 0x8000)
//      switch, 0x4000 reset to the initial value or state when enabled
//      after a prior disable (clear: keep the last one set)
//   74 4 bytes: float32 value (the remote constant's initial value), or
//      for the switch the initial state byte (1 HIGH, 0 LOW) and 3 zeros
// then the output entry at 78.
class CConstIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 260;
    static constexpr std::uint16_t kRecordLength = 78;
    static constexpr std::uint16_t kRemoteBit = 0x8000;
    static constexpr std::uint16_t kResetBit = 0x4000;
    static constexpr std::uint16_t kSwitchBit = 0x2000;

    enum class Kind { Constant, RemoteConstant, RemoteSwitch };

    // For the loader; ApplySubtype picks the kind.
    CConstIcon();
    // Placing: the palette cell's bitmap picks the kind (an unknown id
    // gives the constant).
    CConstIcon(const Rect& position, int bitmapId);

    std::string_view ClassName() const override { return "CConstIcon"; }

    Kind GetKind() const { return kind_; }
    std::uint16_t ModeWord() const { return mode_; }
    void SetModeWord(std::uint16_t mode) { mode_ = mode; }
    float Value() const;
    void SetValue(float value);
    bool SwitchHigh() const { return valueBytes_[0] != 0; }
    void SetSwitchHigh(bool high);
    // The help context of the kind.
    std::uint32_t HelpContext() const;

    void ApplySubtype(std::uint16_t mode) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

    static Kind KindOfMode(std::uint16_t mode);
    static Kind KindOfBitmap(int bitmapId);

private:
    void Init(Kind kind);
    void SetKind(Kind kind);
    // The mode word with the kind's bits; the others kept.
    static std::uint16_t NormalisedMode(std::uint16_t mode, Kind kind);

    Kind kind_ = Kind::Constant;
    std::uint16_t mode_ = 0;
    std::array<std::uint8_t, 4> valueBytes_{};
};

}  // namespace corvane
