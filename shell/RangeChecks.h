#pragma once

#include "platform/Message.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class NoticeSink;

// The range checks that dialogs run on entered numbers.

// True when minimum <= value <= maximum. Otherwise a box over owner with
// "<name> must be between <minimum> and <maximum>", titled
// "Configuration Error", warning icon, OK; then false. Needs the running
// Application.
bool CheckRangeUnsigned(
    WindowHandle owner, std::uint32_t value, std::uint32_t minimum, std::uint32_t maximum, std::string_view name);

inline constexpr std::string_view kConfigurationErrorCaption = "Configuration Error";

// The notice texts of ClampToRange.
std::string FormatRoundingNotice(std::int32_t value);
std::string FormatRangeNotice(std::int32_t requested, std::int32_t minimum, std::int32_t maximum);

// Brings value into minimum..maximum and, with roundTo5Ms, to the nearest
// multiple of 5 (the logger's 5 ms tick), and tells the user through the
// notice sink (caption "Warning", warning style): the rounding notice
// first, then the range notice naming the value on entry. A rounded value
// that would leave the range moves one step of 5 back into it when the
// range holds a multiple of 5. Never refuses. A null notices tells nothing.
void ClampToRange(
    std::int32_t& value, std::int32_t minimum, std::int32_t maximum, bool roundTo5Ms, NoticeSink* notices);

}  // namespace corvane
