#pragma once

#include "icons/function/CFunctionIcon.h"

#include <cstdint>

namespace corvane {

// Passes its input value to its output only when it has changed by at
// least a set amount since the last value passed, and optionally also
// every N samples. One data input, one data output, the enable input.
//
// Fixed part (record offsets):
//   72 u16 options: 0x8000 output every input value while disabled
//      (clear: output nothing while disabled)
//   74 u16 also pass the value every N samples, 1..65535; 0 = never
//   76 f32 the smallest change that is passed
// then the input link at 80 and the output entry at 88.
class CDeltaIcon final : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 262;
    static constexpr std::uint16_t kRecordLength = 80;
    static constexpr std::uint16_t kPassWhenDisabled = 0x8000;
    static constexpr std::uint16_t kDefaultSamples = 10;
    static constexpr float kDefaultChange = 0.5F;

    CDeltaIcon();
    explicit CDeltaIcon(const Rect& position);

    std::string_view ClassName() const override { return "CDeltaIcon"; }

    std::uint16_t OptionWord() const { return options_; }
    bool PassesWhenDisabled() const { return (options_ & kPassWhenDisabled) != 0; }
    // Sets bit 0x8000; the other bits are kept.
    void SetPassWhenDisabled(bool pass);
    std::uint16_t Samples() const { return samples_; }
    void SetSamples(std::uint16_t samples) { samples_ = samples; }
    float Change() const { return change_; }
    void SetChange(float change) { change_ = change; }

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint16_t options_ = 0;
    std::uint16_t samples_ = kDefaultSamples;
    float change_ = kDefaultChange;
};

}  // namespace corvane
