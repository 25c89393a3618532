#pragma once

#include "icons/math/MathToken.h"

#include <array>
#include <cstddef>

namespace corvane {

inline constexpr std::size_t kMathTokenCount = 27;

// Rows the compiler names by position.
inline constexpr std::size_t kMathEndRow = 0;    // the end of the text
inline constexpr std::size_t kMathCloseRow = 1;  // ")"
inline constexpr std::size_t kMathOpenRow = 2;   // "("

// The token rows in search order: a search takes the first matching row,
// so longer names stand before their prefixes ("ATAN2" before "ATAN").
const std::array<MathToken, kMathTokenCount>& MathTokenTable();

}  // namespace corvane
