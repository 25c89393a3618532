#pragma once

#include <cstdint>
#include <string_view>

namespace corvane {

// What the compiler does when a token row is popped from its operator stack.
enum class MathTokenHandler : std::uint8_t {
    None,         // never stacked (")")
    End,          // emits the terminator
    Open,         // a "(" popped by the end of the text: never closed
    Prefix,       // needs one operand in the current frame
    Infix,        // needs two operands in the current frame, leaves one
    OneArgument,  // a function of one argument
    TwoArgument,  // a function of two arguments
};

// Where a token may stand; a row's context is a set of these bits.
inline constexpr std::uint32_t kMathContextOperator = 1;  // where an operator is expected
inline constexpr std::uint32_t kMathContextOperand = 2;   // where an operand is expected
inline constexpr std::uint32_t kMathContextFunction = 4;  // a function: its name must be followed by "("

// One row of the compiler's token table. A token pops every stacked row
// whose precedence class is at least its own.
struct MathToken {
    std::string_view name;
    int precedence = 0;
    std::uint32_t context = 0;
    std::uint8_t opcode = 0;
    MathTokenHandler handler = MathTokenHandler::None;

    bool IsFunction() const { return (context & kMathContextFunction) != 0; }
    bool MayStandForOperand() const { return (context & kMathContextOperand) != 0; }
};

}  // namespace corvane
