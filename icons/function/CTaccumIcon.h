#pragma once

#include "icons/function/CFunctionIcon.h"

#include <cstdint>
#include <string_view>

namespace corvane {

// The stop-watch: accumulates the time during which its logic input is
// HIGH and outputs it upon a trigger, in seconds, minutes or hours. One
// logic input, one data output labelled with the unit, the enable input.
//
// Fixed part (record offsets):
//   72 u16 options: bits 14-15 the unit, 1 seconds, 2 minutes, 3 hours
//      (0 reads as seconds); 0x8 output the time on disable; 0x4 always
//      set; 0x2 clear the time upon enable; 0x1 clear it upon output
// then the input link at 74 and the output entry at 82, whose label
// ("sec", "min" or "hr") names the unit.
class CTaccumIcon final : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 271;
    static constexpr std::uint16_t kRecordLength = 74;
    static constexpr std::uint16_t kClearOnOutput = 0x0001;
    static constexpr std::uint16_t kClearOnEnable = 0x0002;
    static constexpr std::uint16_t kAlwaysSet = 0x0004;
    static constexpr std::uint16_t kOutputOnDisable = 0x0008;
    static constexpr std::uint16_t kSeconds = 0x4000;
    static constexpr std::uint16_t kMinutes = 0x8000;
    static constexpr std::uint16_t kHours = 0xC000;
    static constexpr std::uint16_t kPlacedOptions = 0x400D;

    enum class Unit { Seconds, Minutes, Hours };

    CTaccumIcon();
    explicit CTaccumIcon(const Rect& position);

    std::string_view ClassName() const override { return "CTaccumIcon"; }

    std::uint16_t OptionWord() const { return options_; }
    Unit GetUnit() const { return UnitOf(options_); }
    // Stores the unit with the given option bits (0x1, 0x2, 0x8; 0x4 is
    // always added) and labels the output with the unit.
    void SetOptions(Unit unit, std::uint16_t optionBits);

    static Unit UnitOf(std::uint16_t options);
    static std::string_view UnitLabel(Unit unit);

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();
    void LabelOutput();

    std::uint16_t options_ = kPlacedOptions;
};

}  // namespace corvane
