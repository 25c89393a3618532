#pragma once

#include "icons/function/CFunctionIcon.h"

namespace corvane {

// Smooths one data input into one data output: a sliding average over 1
// to 255 samples, or a low-pass filter with a smoothing factor from 0 (no
// filtering) to 99.
//
// Fixed part (record offsets):
//   72 u16 mode word: 0x8000 low-pass, 0 sliding average
//   74 u8  the number of samples or the smoothing factor
//   75 u8  reserved, kept as stored
// then the input link at 76 and the output entry.
class CFilterIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 274;
    static constexpr std::uint16_t kRecordLength = 76;
    static constexpr std::uint16_t kLowPass = 0x8000;
    static constexpr std::uint8_t kDefaultValue = 10;

    CFilterIcon();
    explicit CFilterIcon(const Rect& position);

    std::string_view ClassName() const override { return "CFilterIcon"; }

    std::uint16_t ModeWord() const { return mode_; }
    bool IsLowPass() const { return (mode_ & kLowPass) != 0; }
    std::uint8_t Value() const { return value_; }
    // Low-pass (0x8000) or sliding average (0), with its value.
    void SetFilter(bool lowPass, std::uint8_t value);

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint16_t mode_ = 0;
    std::uint8_t value_ = kDefaultValue;
    std::uint8_t reserved_ = 0;
};

}  // namespace corvane
