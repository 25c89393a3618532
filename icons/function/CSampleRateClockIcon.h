#pragma once

#include "icons/function/CFunctionIcon.h"

namespace corvane {

// The heartbeat of a program net: a trigger pulse every interval, or every
// alternate interval while its one data input (the alternate-rate
// selector) is HIGH. Its trigger output drives the icons it clocks; the
// execution-order walk numbers a clock after the sources of its enable
// and trigger inputs only, and passes quietly over a clock it meets again.
//
// Fixed part (record offsets): 72 u32 interval, 76 u32 alternate
// interval, both in 5 ms ticks; then the selector's input link at 80 and
// the trigger output's entry at 88.
//
// Advisory word bits: 0x1 the millisecond-rate notice and 0x2 the
// net-scan-period notice are still to be shown.
class CSampleRateClockIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 2;
    static constexpr std::uint16_t kRecordLength = 80;
    static constexpr std::uint32_t kDefaultInterval = 200;         // 1 second
    static constexpr std::uint32_t kDefaultAlternateInterval = 2000;  // 10 seconds
    static constexpr std::uint16_t kMillisecondNoticePending = 0x1;
    static constexpr std::uint16_t kScanPeriodNoticePending = 0x2;

    CSampleRateClockIcon();
    explicit CSampleRateClockIcon(const Rect& position);

    std::string_view ClassName() const override { return "CSampleRateClockIcon"; }

    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t ticks) { interval_ = ticks; }
    std::uint32_t AlternateInterval() const { return alternate_; }
    void SetAlternateInterval(std::uint32_t ticks) { alternate_ = ticks; }
    // True when the alternate-rate input has a source.
    bool IsAlternateLinked() const;

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;
    bool IsSampleRateClock() const override { return true; }

private:
    void Init();

    std::uint32_t interval_ = kDefaultInterval;
    std::uint32_t alternate_ = kDefaultAlternateInterval;
};

}  // namespace corvane
