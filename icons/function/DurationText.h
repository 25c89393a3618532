#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// Durations typed as "hh:mm:ss" (hours not limited to 24).

// Seconds of a text: of its first 20 characters, the part after the last
// ':' is the seconds, the part before it the minutes, and with a second
// ':' the part before that the hours; without ':' the whole text is
// seconds. Each part is read up to its first non-digit; seconds and
// minutes above 59 carry over. Reads in 64 bits: a result can pass 32 bits.
std::uint64_t ReadDurationText(std::string_view text);

// "%02d:%02d:%02d" of the total hours, minutes and seconds.
std::string FormatDurationText(std::uint64_t seconds);

// The text up to its first character that is neither a digit nor ':'.
std::string CutDurationText(std::string_view text);

}  // namespace corvane
