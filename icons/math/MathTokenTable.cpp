#include "icons/math/MathTokenTable.h"

namespace corvane {

namespace {

using enum MathTokenHandler;

constexpr std::uint32_t kOperator = kMathContextOperator;
constexpr std::uint32_t kOperand = kMathContextOperand;
constexpr std::uint32_t kFunction = kMathContextOperand | kMathContextFunction;

// Precedence classes: "(" 1, ")" 2, "+" "-" 12, "*" "/" "%" 13, "^" 14,
// negation 15, functions 16; the end of the text 0 pops everything.
constexpr std::array<MathToken, kMathTokenCount> kTokens{{
    {"", 0, kOperator, 0, End},
    {")", 2, kOperator, 0, None},
    {"(", 1, kOperand, 0, Open},
    {"+", 12, kOperator, '+', Infix},
    {"-", 12, kOperator, '-', Infix},
    {"*", 13, kOperator, '*', Infix},
    {"/", 13, kOperator, '/', Infix},
    {"^", 14, kOperator, '^', Infix},
    {"-", 15, kOperand, '_', Prefix},
    {"%", 13, kOperator, '%', Infix},
    {"ABS", 16, kFunction, 0x40, Prefix},
    {"INT", 16, kFunction, 'I', OneArgument},
    {"REM", 16, kFunction, 'R', OneArgument},
    {"ACOS", 16, kFunction, 0xA1, OneArgument},
    {"ASIN", 16, kFunction, 0xA2, OneArgument},
    {"ATAN2", 16, kFunction, 0xA3, TwoArgument},
    {"ATAN", 16, kFunction, 0xA4, OneArgument},
    {"COS", 16, kFunction, 0xA5, OneArgument},
    {"EXP", 16, kFunction, 0xA6, OneArgument},
    {"LOG10", 16, kFunction, 0xA7, OneArgument},
    {"LOG", 16, kFunction, 0xA8, OneArgument},
    {"SIN", 16, kFunction, 0xA9, OneArgument},
    {"SQRT", 16, kFunction, 0xAA, OneArgument},
    {"SQR", 16, kFunction, 0xAB, OneArgument},
    {"TAN", 16, kFunction, 0xAC, OneArgument},
    {"SP", 16, kFunction, 0xAD, OneArgument},
    {"ZERO", 16, kFunction, 'Z', OneArgument},
}};

}  // namespace

const std::array<MathToken, kMathTokenCount>& MathTokenTable() { return kTokens; }

}  // namespace corvane
