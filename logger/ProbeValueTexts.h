#pragma once

#include "halvix/protocol/RemoteIconLayout.h"

#include <cstdint>
#include <ctime>
#include <string>

namespace corvane {

// The texts of one probe-point reading as the probe-values list shows
// them. A reading at time 0 has none yet.
inline constexpr std::string_view kNoReadingTimeText = "No Reading Yet";
inline constexpr std::string_view kNoReadingValueText = "---";
inline constexpr std::string_view kUnknownTimeText = "????????";

// The value by data type: a boolean "HI" when its first byte is non-zero,
// else "LOW"; an integer the f32 rounded half away from zero; a real with
// decimals digits after the point.
std::string ProbeValueText(const ProbeValueEntry& entry, std::uint8_t dataType, std::uint8_t decimals);
// The calendar time in the C library's asctime form without its line end
// ("Wed Jun 30 21:49:08 1993"); kUnknownTimeText for fields out of range.
std::string AscTimeText(const std::tm& time);
// A reading's time in the PC's local time, kNoReadingTimeText for 0.
std::string ProbeTimeText(std::int32_t time);
// The poll time over the list: "%a %b %d, %Y  %H:%M:%S".
std::string PollTimeText(const std::tm& time);

}  // namespace corvane
