#pragma once

#include "icons/function/CFunctionIcon.h"

#include <cstdint>

namespace corvane {

// Outputs the rate of change of its input, calculated over a number of
// sample intervals and expressed per second, minute, hour or day. One
// data input, one data output, no special inputs.
//
// Fixed part (record offsets):
//   72 u16 bits 14-15 the rate unit: 0 per second, 1 per minute, 2 per
//      hour, 3 per day; the other bits 0
//   74 u16 sample intervals to calculate over, 1..16
// then the input link at 76 and the output entry at 84.
class CRateOfChangeIcon final : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 269;
    static constexpr std::uint16_t kRecordLength = 76;
    static constexpr int kUnitShift = 14;
    static constexpr std::uint16_t kDefaultSamples = 10;

    CRateOfChangeIcon();
    explicit CRateOfChangeIcon(const Rect& position);

    std::string_view ClassName() const override { return "CRateOfChangeIcon"; }

    std::uint16_t UnitWord() const { return unitWord_; }
    // 0 per second .. 3 per day, from the word's two top bits.
    int UnitIndex() const { return unitWord_ >> kUnitShift; }
    // Stores the unit alone: the other bits of the word are cleared.
    void SetUnitIndex(int index);
    std::uint16_t Samples() const { return samples_; }
    void SetSamples(std::uint16_t samples) { samples_ = samples; }

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint16_t unitWord_ = 0;
    std::uint16_t samples_ = kDefaultSamples;
};

}  // namespace corvane
