#pragma once

#include <cstddef>
#include <span>

namespace corvane {

// Room for the longest text FormatFixedDecimals writes: a sign, the 39
// digits of the largest float, a point and 15 places.
constexpr std::size_t kFixedDecimalTextMax = 64;

// Writes a logged float in fixed notation with decimals places (0..15) and
// returns the length: the exact binary value rounded to the nearest text,
// ties to even, the same text as std::to_chars gives for the value as a
// double ("-0.000" for a negative zero, "inf", "-nan"). Values whose
// scaled digits fit 64 bits take an integer path; the rest go to
// std::to_chars itself.
std::size_t FormatFixedDecimals(std::span<char, kFixedDecimalTextMax> out, float value, int decimals);

}  // namespace corvane
