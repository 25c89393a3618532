#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// The text of an event time that cannot be shown as a date.
constexpr std::string_view kUnconvertibleEventTimeText = "???  ?\?/?\?/?\?\?\?  ?\?:?\?:?\?.?\?\?";

// The time text of a diagnostic log record, "MM/DD/YYYY  HH:MM:SS.mmm" (24
// characters for milliseconds 0..999). The logger counts its local time as
// if it were UTC; the PC's offset from UTC at that moment (an hour less
// while the PC's daylight saving is in effect) is added back, and the
// result is shown in the PC's local time. A result before 1970 or beyond
// the calendar gives kUnconvertibleEventTimeText.
std::string DiagnosticEventTimeText(std::int32_t time, std::uint16_t milliseconds);
// The same text appended to out, which a caller keeps from record to record
// so that no record costs an allocation.
void AppendDiagnosticEventTimeText(std::string& out, std::int32_t time, std::uint16_t milliseconds);

}  // namespace corvane
