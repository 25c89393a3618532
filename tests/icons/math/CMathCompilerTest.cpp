#include "icons/math/CMathCompiler.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace corvane {
namespace c_math_compiler_test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes operator+(Bytes left, const Bytes& right)
{
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

// Single-byte codes: variables, operators and the terminator.
Bytes Op(std::string_view codes) { return Bytes(codes.begin(), codes.end()); }
Bytes Op(std::uint8_t code) { return Bytes{code}; }

Bytes BigEndian(std::uint64_t bits, std::size_t size)
{
    Bytes bytes{'#'};
    for (std::size_t i = size; i-- > 0;)
        bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    return bytes;
}
Bytes Int(std::int32_t value) { return BigEndian(static_cast<std::uint32_t>(value), 4); }
Bytes Float(float value) { return BigEndian(std::bit_cast<std::uint32_t>(value), 4); }
Bytes Double(double value) { return BigEndian(std::bit_cast<std::uint64_t>(value), 8); }
const Bytes kEnd{0};

std::string Repeat(std::string_view piece, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

struct CompiledCase {
    std::string text;
    int mode;
    Bytes code;
};

class CompilesTo : public ::testing::TestWithParam<CompiledCase> {};

TEST_P(CompilesTo, ExpectedCode)
{
    const CompiledCase& c = GetParam();
    CMathCompiler compiler;
    MathCompileResult result;
    ASSERT_EQ(compiler.Compile(c.text, c.mode, result), kMathErrorNone) << c.text << " at " << result.errorPosition;
    EXPECT_EQ(result.errorCode, kMathErrorNone);
    EXPECT_EQ(Bytes(result.Code().begin(), result.Code().end()), c.code) << c.text << " mode " << c.mode;
}

const CompiledCase kOperatorCases[] = {
    {"", 3, kEnd},
    {" \t\r\n", 3, kEnd},
    {"W+1", 3, Op("W#") + Bytes{0x3F, 0x80, 0x00, 0x00} + Op("+") + kEnd},
    {"W", 3, Op("W") + kEnd},
    {"x", 3, Op("X") + kEnd},
    {"y", 3, Op("Y") + kEnd},
    {"Z", 3, Op("z") + kEnd},
    {"z", 3, Op("z") + kEnd},
    {"W-X", 3, Op("WX-") + kEnd},
    {"W*X", 3, Op("WX*") + kEnd},
    {"W/X", 3, Op("WX/") + kEnd},
    {"W^X", 3, Op("WX^") + kEnd},
    {"W%X", 3, Op("WX%") + kEnd},
    {" W  +\tX ", 3, Op("WX+") + kEnd},
    {"-X", 3, Op("X_") + kEnd},
    {"-5", 3, Float(-5) + kEnd},
    {"- 5", 3, Float(5) + Op("_") + kEnd},
    {"1--5", 3, Float(1) + Float(-5) + Op("-") + kEnd},
    {"W^-X", 3, Op("WX_^") + kEnd},
    {"-X^2", 3, Op("X_") + Float(2) + Op("^") + kEnd},
    {"-(SIN(X))", 3, Op("X") + Op(0xA9) + Op("_") + kEnd},
    {"1+2*3", 3, Float(1) + Float(2) + Float(3) + Op("*+") + kEnd},
    {"1*2+3", 3, Float(1) + Float(2) + Op("*") + Float(3) + Op("+") + kEnd},
    {"(1+2)*3", 3, Float(1) + Float(2) + Op("+") + Float(3) + Op("*") + kEnd},
    {"2^3^2", 3, Float(2) + Float(3) + Op("^") + Float(2) + Op("^") + kEnd},
    {"W-X-Y", 3, Op("WX-Y-") + kEnd},
    {"W%X*Y/W", 3, Op("WX%Y*W/") + kEnd},
    {"W+X*Y^Z", 3, Op("WXYz^*+") + kEnd},
    {"(2.5 * w) + 10", 3, Float(2.5) + Op("W*") + Float(10) + Op("+") + kEnd},
    {"SQRT(X^2 + Y^2)", 3, Op("X") + Float(2) + Op("^Y") + Float(2) + Op("^+") + Op(0xAA) + kEnd},
    {"SIN(X)^2", 3, Op("X") + Op(0xA9) + Float(2) + Op("^") + kEnd},
    {"2*SIN(X)", 3, Float(2) + Op("X") + Op(0xA9) + Op("*") + kEnd},
    {"SIN(COS(X))", 3, Op("X") + Op(0xA5) + Op(0xA9) + kEnd},
    {"sin (x)", 3, Op("X") + Op(0xA9) + kEnd},
    {"ZERO(X)", 3, Op("XZ") + kEnd},
    {"zero(z)", 3, Op("zZ") + kEnd},
    {"ABS(W-X)", 3, Op("WX-") + Op(0x40) + kEnd},
    {"INT(X)", 3, Op("XI") + kEnd},
    {"REM(X)", 3, Op("XR") + kEnd},
    {"ACOS(X)", 3, Op("X") + Op(0xA1) + kEnd},
    {"ASIN(X)", 3, Op("X") + Op(0xA2) + kEnd},
    {"ATAN(X)", 3, Op("X") + Op(0xA4) + kEnd},
    {"EXP(X)", 3, Op("X") + Op(0xA6) + kEnd},
    {"LOG10(X)", 3, Op("X") + Op(0xA7) + kEnd},
    {"LOG(X)", 3, Op("X") + Op(0xA8) + kEnd},
    {"SQR(X)", 3, Op("X") + Op(0xAB) + kEnd},
    {"TAN(X)", 3, Op("X") + Op(0xAC) + kEnd},
    {"SP(X)", 3, Op("X") + Op(0xAD) + kEnd},
    {Repeat("(", 16) + "X" + Repeat(")", 16), 3, Op("X") + kEnd},
    {std::string("W\0+", 3), 3, Op("W") + kEnd},
};
INSTANTIATE_TEST_SUITE_P(Operators, CompilesTo, ::testing::ValuesIn(kOperatorCases));

const CompiledCase kLiteralCases[] = {
    {"0x10", 1, Int(16) + kEnd},
    {"0x10", 2, Int(16) + kEnd},
    {"0x10", 3, Float(16) + kEnd},
    {"0x10", 0, Double(16) + kEnd},
    {"0x10", 7, Double(16) + kEnd},
    {"010", 1, Int(8) + kEnd},
    {"010", 3, Float(10) + kEnd},
    {"-0x10", 1, Int(-16) + kEnd},
    {"2147483647", 1, Int(std::numeric_limits<std::int32_t>::max()) + kEnd},
    {"-2147483648", 2, Int(std::numeric_limits<std::int32_t>::min()) + kEnd},
    {"W+1", 1, Op("W") + Int(1) + Op("+") + kEnd},
    {".5", 3, Float(0.5F) + kEnd},
    {"-.5", 3, Float(-0.5F) + kEnd},
    {"1e3", 3, Float(1000) + kEnd},
    {"0x1p3", 3, Float(8) + kEnd},
    {"0.1", 3, Float(0.1F) + kEnd},
    {"0.1", 0, Double(0.1) + kEnd},
    // Just above the midpoint between 1 and the next single: the double
    // read first lands on the midpoint, which rounds to even (1.0).
    {"1.0000000596046447753906251", 3, Float(1.0F) + kEnd},
    {"3.4028234663852886e38", 3, Float(FLT_MAX) + kEnd},
    {"-3.4028234663852886e38", 3, Float(-FLT_MAX) + kEnd},
    {"1e-50", 3, Float(0.0F) + kEnd},
    {"1e308", 0, Double(1e308) + kEnd},
};
INSTANTIATE_TEST_SUITE_P(Literals, CompilesTo, ::testing::ValuesIn(kLiteralCases));

struct FailedCase {
    std::string text;
    int mode;
    MathCompileError error;
    std::size_t position;
    std::string_view token;  // on top of the operator stack; empty for none
};

class FailsWith : public ::testing::TestWithParam<FailedCase> {};

TEST_P(FailsWith, ErrorPositionAndToken)
{
    const FailedCase& c = GetParam();
    CMathCompiler compiler;
    MathCompileResult result;
    EXPECT_EQ(compiler.Compile(c.text, c.mode, result), c.error) << c.text;
    EXPECT_EQ(result.errorCode, c.error) << c.text;
    EXPECT_EQ(result.errorPosition, c.position) << c.text;
    EXPECT_EQ(result.tokenName, c.token) << c.text;
    EXPECT_EQ(result.tokenName.data() == nullptr, c.token.empty()) << c.text;
    EXPECT_EQ(result.codeLength, 0U) << c.text;
    EXPECT_TRUE(result.Code().empty());
}

// Twelve doubles joined by "+": 119 bytes of code so far.
const std::string kTwelveDoubles = Repeat("1+", 11) + "1";

const FailedCase kFailedCases[] = {
    {"+1", 3, kMathErrorOperandExpected, 0, {}},
    {")", 3, kMathErrorOperandExpected, 0, {}},
    {".", 3, kMathErrorOperandExpected, 0, {}},
    {"W+*X", 3, kMathErrorOperandExpected, 2, "+"},
    {"SIN()", 3, kMathErrorOperandExpected, 4, "("},
    {"W+\xC3\xA9", 3, kMathErrorOperandExpected, 2, "+"},
    {"XY", 3, kMathErrorOperatorExpected, 1, {}},
    {"1 2", 3, kMathErrorOperatorExpected, 2, {}},
    {"--X", 3, kMathErrorOperatorExpected, 1, "-"},
    {"-SIN(X)", 3, kMathErrorOperatorExpected, 1, "-"},
    {"-ATAN2(X)", 3, kMathErrorOperatorExpected, 1, "-"},
    {"SIN(X)(", 3, kMathErrorOperatorExpected, 6, "SIN"},
    {"ZER", 3, kMathErrorOperatorExpected, 1, {}},
    {"1e5", 1, kMathErrorOperatorExpected, 1, {}},
    {"0x", 1, kMathErrorOperatorExpected, 1, {}},
    {"09", 1, kMathErrorOperatorExpected, 1, {}},
    {"X)", 3, kMathErrorUnopenedParenthesis, 1, {}},
    {"(X))", 3, kMathErrorUnopenedParenthesis, 3, {}},
    {"(X", 3, kMathErrorUnclosedParenthesis, 0, "("},
    {"((X)", 3, kMathErrorUnclosedParenthesis, 0, "("},
    {"SIN(X", 3, kMathErrorUnclosedParenthesis, 3, "("},
    {"SIN X", 3, kMathErrorMissingFunctionParenthesis, 4, "SIN"},
    {"SINX(X)", 3, kMathErrorMissingFunctionParenthesis, 3, "SIN"},
    {"W*LOG", 3, kMathErrorMissingFunctionParenthesis, 5, "LOG"},
    {Repeat("(", 17) + "X" + Repeat(")", 17), 3, kMathErrorOperatorStackFull, 16, "("},
    {Repeat("(", 15) + "SIN(X" + Repeat(")", 16), 3, kMathErrorOperatorStackFull, 15, "SIN"},
    {"W+", 3, kMathErrorMissingOperand, 1, "+"},
    {"-", 3, kMathErrorMissingOperand, 0, "-"},
    {"X+-", 3, kMathErrorMissingOperand, 1, "+"},
    {"ATAN2(1)", 3, kMathErrorMissingOperand, 0, "ATAN2"},
    {"ATAN2(X)*2", 3, kMathErrorMissingOperand, 0, "ATAN2"},
    {"1e39", 3, kMathErrorBadLiteral, 0, {}},
    {"W+-3.5e38", 3, kMathErrorBadLiteral, 2, "+"},
    {"1e999", 0, kMathErrorBadLiteral, 0, {}},
    {"2147483648", 1, kMathErrorBadLiteral, 0, {}},
    {"-2147483649", 2, kMathErrorBadLiteral, 0, {}},
    {"0xFFFFFFFF", 1, kMathErrorBadLiteral, 0, {}},
    // 21 singles fit (126 bytes); the 22nd would leave no room for the end.
    {Repeat("1+", 21) + "1", 3, kMathErrorCodeTooLong, 42, "+"},
    // 128 bytes emitted; the terminator no longer fits.
    {kTwelveDoubles + "+W+W+W+-W", 0, kMathErrorCodeTooLong, 32, {}},
    // The last negation's opcode would be byte 129.
    {kTwelveDoubles + "+W+W+W+W+-W", 0, kMathErrorCodeTooLong, 32, "-"},
    {"1.5", 1, kMathErrorIntegerExpected, 0, {}},
    {".5", 2, kMathErrorIntegerExpected, 0, {}},
    {"W*2.0", 1, kMathErrorIntegerExpected, 2, "*"},
};
INSTANTIATE_TEST_SUITE_P(Errors, FailsWith, ::testing::ValuesIn(kFailedCases));

TEST(CMathCompilerTest, CompilesTextOfAnyLength)
{
    // A text far longer than the dialog takes, with a literal of 150 digits
    // far from its start: only the code has a limit.
    const std::string padding(300, ' ');
    const std::string text = padding + "W + 1" + std::string(140, '0') + "e-140" + padding + "* X";
    CMathCompiler compiler;
    MathCompileResult result;
    ASSERT_EQ(compiler.Compile(text, kMathFloatMode, result), kMathErrorNone);
    EXPECT_EQ(Bytes(result.Code().begin(), result.Code().end()), Op("W") + Float(1.0F) + Op("X*+") + kEnd);
}

TEST(CMathCompilerTest, StartsEachCompilationAfresh)
{
    CMathCompiler compiler;
    MathCompileResult failed;
    ASSERT_EQ(compiler.Compile(Repeat("(", 12) + "W+", kMathFloatMode, failed), kMathErrorMissingOperand);
    MathCompileResult first;
    ASSERT_EQ(compiler.Compile("W+X", kMathFloatMode, first), kMathErrorNone);
    MathCompileResult second;
    ASSERT_EQ(compiler.Compile("-Y", kMathFloatMode, second), kMathErrorNone);
    // Each result keeps its own code, whatever the compiler did later.
    EXPECT_EQ(Bytes(first.Code().begin(), first.Code().end()), Op("WX+") + kEnd);
    EXPECT_EQ(Bytes(second.Code().begin(), second.Code().end()), Op("Y_") + kEnd);
}

TEST(CMathCompilerTest, ClearsAnEarlierResultOnError)
{
    CMathCompiler compiler;
    MathCompileResult result;
    ASSERT_EQ(compiler.Compile("W", kMathFloatMode, result), kMathErrorNone);
    ASSERT_EQ(compiler.Compile("W+", kMathFloatMode, result), kMathErrorMissingOperand);
    EXPECT_EQ(result.codeLength, 0U);
}

TEST(CMathCompilerTest, GivesEveryErrorAText)
{
    const MathCompileError errors[] = {kMathErrorOperandExpected, kMathErrorOperatorExpected,
        kMathErrorUnopenedParenthesis, kMathErrorUnclosedParenthesis, kMathErrorMissingFunctionParenthesis,
        kMathErrorOperatorStackFull, kMathErrorTooManyPendingOperands, kMathErrorTooManyArguments,
        kMathErrorMissingOperand, kMathErrorBadLiteral, kMathErrorCodeTooLong, kMathErrorIntegerExpected};
    for (const MathCompileError error : errors) {
        EXPECT_FALSE(MathCompileErrorText(error).empty()) << error;
        EXPECT_NE(MathCompileErrorText(error), MathCompileErrorText(kMathErrorNone)) << error;
    }
}

}  // namespace
}  // namespace c_math_compiler_test
}  // namespace corvane
