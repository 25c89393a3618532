#pragma once

#include "icons/math/MathCompileError.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace corvane {

// The most bytes of math byte code, terminator included.
inline constexpr std::size_t kMathCodeCapacity = 128;

// What one compilation gives its caller. The code is the result's own copy,
// so it stays valid whatever the compiler does next.
struct MathCompileResult {
    std::array<std::uint8_t, kMathCodeCapacity> code{};
    std::size_t codeLength = 0;  // 0 on error
    MathCompileError errorCode = kMathErrorNone;
    std::size_t errorPosition = 0;  // offset into the compiled text; at most its length
    // The name of the token on top of the operator stack when compilation
    // stopped; empty (null data) when the stack was empty. An operator or
    // "(" whose own check failed stays on top, so the error names it and
    // errorPosition points at it ("W+" names "+" at 1, "(X" names "(" at 0).
    std::string_view tokenName;

    std::span<const std::uint8_t> Code() const { return std::span(code).first(codeLength); }
};

}  // namespace corvane
