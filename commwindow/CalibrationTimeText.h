#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// The text shown for a moment that has no date ("Invalid DateTime").
inline constexpr std::string_view kInvalidDateTimeText = "Invalid DateTime";

// A module calibration time (seconds since 1970-01-01 00:00 UTC) as the PC's
// local date and time in the locale's short date and time formats. A moment
// before 1970 or beyond the calendar has no date and gives
// kInvalidDateTimeText.
std::string CalibrationTimeText(std::int64_t seconds);

}  // namespace corvane
