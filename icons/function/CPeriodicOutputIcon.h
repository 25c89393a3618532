#pragma once

#include "icons/function/CFunctionIcon.h"

namespace corvane {

// A square wave: after an initial delay the output is ON for one duration
// and OFF for another, for a number of cycles or without end.
//
// Fixed part (record offsets): 72 u16 option word (0x8000 suspend while
// disabled, else reset upon disable), 74 u32 initial delay, 78 u32 ON
// duration, 82 u32 OFF duration (all in 5 ms ticks), 86 u16 cycles to
// repeat (0 continuous).
//
// Advisory word bit 0x1: the millisecond-timing notice is still to be shown.
class CPeriodicOutputIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 268;
    static constexpr std::uint16_t kRecordLength = 88;
    static constexpr std::uint16_t kSuspendWhileDisabled = 0x8000;
    static constexpr std::uint32_t kDefaultTicks = 200;  // 1 second
    static constexpr std::uint16_t kMillisecondNoticePending = 0x1;

    CPeriodicOutputIcon();
    explicit CPeriodicOutputIcon(const Rect& position);

    std::string_view ClassName() const override { return "CPeriodicOutputIcon"; }

    std::uint16_t OptionWord() const { return options_; }
    void SetOptionWord(std::uint16_t options) { options_ = options; }
    std::uint32_t DelayTicks() const { return delay_; }
    void SetDelayTicks(std::uint32_t ticks) { delay_ = ticks; }
    std::uint32_t OnTicks() const { return on_; }
    void SetOnTicks(std::uint32_t ticks) { on_ = ticks; }
    std::uint32_t OffTicks() const { return off_; }
    void SetOffTicks(std::uint32_t ticks) { off_ = ticks; }
    std::uint16_t Cycles() const { return cycles_; }
    void SetCycles(std::uint16_t cycles) { cycles_ = cycles; }

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint16_t options_ = 0;
    std::uint32_t delay_ = kDefaultTicks;
    std::uint32_t on_ = kDefaultTicks;
    std::uint32_t off_ = kDefaultTicks;
    std::uint16_t cycles_ = 0;
};

}  // namespace corvane
