#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// The rules of the logger clock dialog, apart from its window.

// Rule bits of a clock setting: bit 0 automatic daylight saving, bit 1
// Internet time synchronisation.
inline constexpr std::uint16_t kClockRuleDaylight = 0x1;
inline constexpr std::uint16_t kClockRuleInternetTime = 0x2;
constexpr std::uint16_t ClockRuleBits(bool internetTime, bool daylight)
{
    return static_cast<std::uint16_t>((internetTime ? kClockRuleInternetTime : 0) | (daylight ? kClockRuleDaylight : 0));
}

// The whole hours a logger's offset may be set to, either side of UTC.
inline constexpr int kMaxOffsetHours = 23;

// The offset text of minutes west of UTC: 300 gives "-5", -60 "+1", 0 "+0"
// (whole hours, truncated towards zero).
std::string FormatOffsetText(std::int32_t minutesWest);

// A clock time as the dialog shows it: "Mon Jan 05 2026  09:30:00", the
// calendar fields of the value taken as UTC.
std::string FormatClockText(std::int64_t seconds);

// What a change of the hours field's text means.
struct OffsetEntry {
    enum class Kind {
        Waiting,  // no number yet (empty, a lone sign): nothing happens
        Refused,  // the hours box is shown
        Hours,    // a new offset of `hours`
    };
    Kind kind = Kind::Waiting;
    int hours = 0;
};
// The field's text (its first 63 characters count): a sign followed by
// anything but digits is refused; otherwise the leading whole number is
// read as "%d" reads it ("1a" is 1, "" and "-" give none), and a number
// outside -23..+23 is refused.
OffsetEntry ReadOffsetEntry(std::string_view text);

// The PC's time-zone offset at a time, in minutes west of UTC, as the C
// library's local time gives it (TZ).
std::int32_t PcZoneOffsetMinutesWest(std::int64_t seconds);

// The update button's caption.
std::string_view UpdateButtonText(bool internetTime);

}  // namespace corvane
