#pragma once

#include "icons/function/CFunctionIcon.h"

#include <cstdint>

namespace corvane {

// One class for two palette cells, both run by a trigger pulse: the duty
// cycle outputs the portion of the period since the last trigger during
// which its logic input was HIGH (or LOW); the time integral outputs the
// integral of its data input since the last trigger in a chosen time
// unit. One input, one data output, the trigger and enable inputs.
//
// Fixed part (record offsets):
//   72 u16 options: 0x0800 time integral (clear: duty cycle);
//      duty cycle: 0x2000 measure the LOW state (clear: HIGH), 0x1000
//      output a percentage (clear: a fraction of 1);
//      time integral: bits 14-15 the rate unit, 0 per second, 1 per
//      minute, 2 per hour, 3 per day
// then the input link at 74 and the output entry at 82.
class CDCintIcon final : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 267;
    static constexpr std::uint16_t kRecordLength = 74;
    static constexpr std::uint16_t kIntegralBit = 0x0800;
    static constexpr std::uint16_t kLowState = 0x2000;
    static constexpr std::uint16_t kPercent = 0x1000;
    static constexpr int kUnitShift = 14;

    // For the loader; ApplySubtype picks the variant.
    CDCintIcon();
    // Placing: the palette cell's picture picks the variant (any other id
    // gives the duty cycle).
    CDCintIcon(const Rect& position, int paletteBitmap);

    std::string_view ClassName() const override { return "CDCintIcon"; }

    bool IsIntegral() const;
    std::uint16_t OptionWord() const { return options_; }
    void SetOptionWord(std::uint16_t options) { options_ = options; }
    // The time integral's unit, 0 per second .. 3 per day.
    int UnitIndex() const { return options_ >> kUnitShift; }

    void ApplySubtype(std::uint16_t subtype) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init(bool integral);

    std::uint16_t options_ = 0;
};

}  // namespace corvane
