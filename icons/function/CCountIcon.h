#pragma once

#include "icons/function/CFunctionIcon.h"

#include <cstdint>

namespace corvane {

// One class for two palette cells: the timed counter counts input
// transitions and outputs the count total when a trigger pulse arrives;
// the count accumulator outputs the accumulated count every N input
// transitions. One logic input, one data output, the enable input, and
// the trigger input for the timed counter only.
//
// Fixed part (record offsets):
//   72 u16 options: 0x1 clear the count on output, 0x2 clear it upon enable,
//      0x4 output the count on disable, 0x8 count rising edges (clear:
//      falling), 0x10 count accumulator (clear: timed counter)
//   74 u32 accumulator: input transitions per output, 1..9999; timed
//      counter: 1 when placed, 0 once its dialog was confirmed
// then the input link at 78 and the output entry at 86.
class CCountIcon final : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 263;
    static constexpr std::uint16_t kRecordLength = 78;
    static constexpr std::uint16_t kClearOnOutput = 0x0001;
    static constexpr std::uint16_t kClearOnEnable = 0x0002;
    static constexpr std::uint16_t kOutputOnDisable = 0x0004;
    static constexpr std::uint16_t kRisingEdges = 0x0008;
    static constexpr std::uint16_t kAccumulatorBit = 0x0010;
    static constexpr std::uint32_t kDefaultSampleCount = 1;

    // For the loader; ApplySubtype picks the variant.
    CCountIcon();
    // Placing: the palette cell's picture picks the variant (any other id
    // gives the timed counter).
    CCountIcon(const Rect& position, int paletteBitmap);

    std::string_view ClassName() const override { return "CCountIcon"; }

    bool IsAccumulator() const;
    std::uint16_t OptionWord() const { return options_; }
    // Sets the option bits; the variant bit is kept.
    void SetOptions(std::uint16_t options);
    std::uint32_t SampleCount() const { return sampleCount_; }
    void SetSampleCount(std::uint32_t count) { sampleCount_ = count; }
    // The help context of the variant.
    std::uint32_t HelpContext() const;

    void ApplySubtype(std::uint16_t subtype) override;
    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init(bool accumulator);
    void SetVariant(bool accumulator);

    std::uint16_t options_ = kRisingEdges;
    std::uint32_t sampleCount_ = kDefaultSampleCount;
};

}  // namespace corvane
