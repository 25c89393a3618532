#pragma once

#include "icons/function/CFunctionIcon.h"

namespace corvane {

// An output that goes HIGH once for a window of time: between a start and
// a stop moment in the logger's local time, or after a delay from the
// moment the icon is enabled, for a set time.
//
// Fixed part (record offsets): 72 u16 mode and option bits, 74 u32 start
// moment or delay in seconds, 78 u32 stop moment or HIGH time in seconds
// (moments as seconds since 1970 UTC of the local date and time).
class CSSClockIcon : public CFunctionIcon {
public:
    static constexpr std::uint16_t kTypeCode = 3;
    static constexpr std::uint16_t kRecordLength = 82;
    // Bits of the mode word.
    static constexpr std::uint16_t kLocalTimeMode = 0x8000;  // clear: delayed start
    static constexpr std::uint16_t kResetOnDisable = 0x4000;
    static constexpr std::uint16_t kSuspendWhileDisabled = 0x2000;
    // Local-time mode: "Do not stop"; delayed mode: "Stay HIGH forever".
    static constexpr std::uint16_t kOpenEnded = 0x1000;
    static constexpr std::uint16_t kResetOnLoggerReset = 0x0001;

    CSSClockIcon();
    // A placed clock starts and stops at the calendar time it is placed.
    explicit CSSClockIcon(const Rect& position);

    std::string_view ClassName() const override { return "CSSClockIcon"; }

    std::uint16_t ModeWord() const { return mode_; }
    void SetModeWord(std::uint16_t mode) { mode_ = mode; }
    std::uint32_t First() const { return first_; }
    void SetFirst(std::uint32_t value) { first_ = value; }
    std::uint32_t Second() const { return second_; }
    void SetSecond(std::uint32_t value) { second_ = value; }

    void BuildConnectors() override;
    std::unique_ptr<IconDialog> CreateIconDialog() override;
    void Layout() override;
    int CheckIconConnections(bool& isolated) const override;
    void CopyFixedPart(RecordTransfer& transfer) override;

private:
    void Init();

    std::uint16_t mode_ = kLocalTimeMode;
    std::uint32_t first_ = 0;
    std::uint32_t second_ = 0;
};

}  // namespace corvane
