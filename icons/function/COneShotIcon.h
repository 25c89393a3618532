#pragma once

#include "icons/function/CFunctionIcon.h"

namespace corvane {

// Turns a transition of its input into an output pulse: after the chosen
// edge and an optional trigger delay the output is driven for a duration;
// a retrigger may restart the delay or the extension.
//
// Fixed part (record offsets): 72 u16 option word, 74 u16 reserved (0),
// 76 u32 trigger delay, 80 u32 output duration (both in 5 ms ticks).
//
// Advisory word bit 0x1: the millisecond-timing notice is still to be shown.
class COneShotIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 278;
    static constexpr std::uint16_t kRecordLength = 84;
    // Bits of the option word.
    static constexpr std::uint16_t kRetriggerRestartsDelay = 0x1;
    static constexpr std::uint16_t kRetriggerRestartsExtension = 0x2;
    static constexpr std::uint16_t kRisingEdge = 0x4;  // clear: high to low
    static constexpr std::uint32_t kDefaultDurationTicks = 400;  // 2 seconds
    static constexpr std::uint16_t kMillisecondNoticePending = 0x1;

    COneShotIcon();
    explicit COneShotIcon(const Rect& position);

    std::string_view ClassName() const override { return "COneShotIcon"; }

    std::uint16_t OptionWord() const { return options_; }
    void SetOptionWord(std::uint16_t options) { options_ = options; }
    std::uint32_t DelayTicks() const { return delay_; }
    void SetDelayTicks(std::uint32_t ticks) { delay_ = ticks; }
    std::uint32_t DurationTicks() const { return duration_; }
    void SetDurationTicks(std::uint32_t ticks) { duration_ = ticks; }

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint16_t options_ = kRisingEdge;
    std::uint16_t reserved_ = 0;
    std::uint32_t delay_ = 0;
    std::uint32_t duration_ = kDefaultDurationTicks;
};

}  // namespace corvane
