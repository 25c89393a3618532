#pragma once

#include "icons/function/CFunctionIcon.h"

namespace corvane {

// Drives its output HIGH for a set time at calendar moments between a
// start and a stop moment: on chosen days of chosen months, on a chosen
// weekday of a week of the month, on chosen weekdays of every Nth week,
// or at a fixed period. The logger evaluates the schedule; the icon keeps it.
//
// Fixed part (record offsets): 72 u32 start and 76 u32 stop (seconds since
// 1970 UTC of the local date and time, 0 not set), 80 u32 HIGH time in
// seconds, 84 u32 cycle value (day of month, week of month, every Nth
// week or the period in seconds, by kind), 88 u8 kind and flags, 89 u8
// weekday bits (bit 0 Sunday), 90 u16 month bits (bit 0 January).
class CSchedIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 272;
    static constexpr std::uint16_t kRecordLength = 92;
    // Kinds in bits 0-1 of the kind byte.
    static constexpr std::uint8_t kKindMask = 0x03;
    static constexpr std::uint8_t kMonthlyByDay = 0;
    static constexpr std::uint8_t kMonthlyByWeekday = 1;
    static constexpr std::uint8_t kWeekly = 2;
    static constexpr std::uint8_t kPeriodic = 3;
    static constexpr std::uint8_t kDoNotStop = 0x40;
    static constexpr std::uint8_t kMaintainOverReset = 0x80;
    static constexpr std::uint32_t kDefaultHighSeconds = 10;
    static constexpr std::uint8_t kDefaultWeekdays = 0x02;  // Monday
    static constexpr std::uint16_t kDefaultMonths = 0x0001;  // January

    CSchedIcon();
    explicit CSchedIcon(const Rect& position);

    std::string_view ClassName() const override { return "CSchedIcon"; }

    std::uint32_t Start() const { return start_; }
    void SetStart(std::uint32_t seconds) { start_ = seconds; }
    std::uint32_t Stop() const { return stop_; }
    void SetStop(std::uint32_t seconds) { stop_ = seconds; }
    std::uint32_t HighSeconds() const { return high_; }
    void SetHighSeconds(std::uint32_t seconds) { high_ = seconds; }
    std::uint32_t CycleValue() const { return cycle_; }
    void SetCycleValue(std::uint32_t value) { cycle_ = value; }
    std::uint8_t KindByte() const { return kindByte_; }
    void SetKindByte(std::uint8_t value) { kindByte_ = value; }
    std::uint8_t Kind() const { return static_cast<std::uint8_t>(kindByte_ & kKindMask); }
    std::uint8_t Weekdays() const { return weekdays_; }
    void SetWeekdays(std::uint8_t bits) { weekdays_ = bits; }
    std::uint16_t Months() const { return months_; }
    void SetMonths(std::uint16_t bits) { months_ = bits; }

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint32_t start_ = 0;
    std::uint32_t stop_ = 0;
    std::uint32_t high_ = kDefaultHighSeconds;
    std::uint32_t cycle_ = 0;
    std::uint8_t kindByte_ = kWeekly;
    std::uint8_t weekdays_ = kDefaultWeekdays;
    std::uint16_t months_ = kDefaultMonths;
};

}  // namespace corvane
