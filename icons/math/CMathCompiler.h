#pragma once

#include "icons/math/MathCompileResult.h"
#include "icons/math/MathLiteralReader.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace corvane {

// The literal mode of Compile that reads single-precision floats (the math
// icon's). Modes 1 and 2 read whole numbers; any other mode reads doubles.
inline constexpr int kMathFloatMode = 3;

// Compiles an equation such as "SQRT(X^2 + Y^2)" into the postfix math byte
// code the logger evaluates: one pass, operator precedence, fixed buffers
// for the code and the stacks; the text may have any length.
// All working state lives in the object, so one object compiles one text at
// a time and separate objects are independent.
class CMathCompiler {
public:
    // Compiles text (up to its end or its first NUL) with literals read as
    // mode says; fills result and returns its error code.
    MathCompileError Compile(std::string_view text, int mode, MathCompileResult& result);

private:
    struct StackEntry {
        std::size_t row = 0;
        std::size_t position = 0;  // where the token began in the text
    };
    struct ArgumentFrame {
        bool function = false;
        int operands = 0;
    };
    static constexpr std::size_t kStackCapacity = 16;
    static constexpr std::size_t kFrameCapacity = 17;
    // Operands wait only beside stacked infix operators of rising class, so
    // the stack limit stops a text first; the check keeps the count honest.
    static constexpr int kMaxPendingOperands = 16;

    MathCompileError CompileText();
    MathCompileError TokenStep(std::size_t row);
    MathCompileError RunHandler(std::size_t row);
    MathCompileError ParseOperand(bool variable);
    MathCompileError EmitLiteral();
    MathCompileError Emit(std::uint8_t byte);
    MathCompileError EmitConstant(std::uint64_t bits, std::size_t size);
    MathCompileError Push(std::size_t row);
    MathCompileError OpenFrame(bool function);
    void CloseFrame();
    void SkipSpace();
    std::size_t FindRow(std::uint32_t context) const;
    bool IsVariableAt(std::size_t at) const;
    bool IsNumberStartAt(std::size_t at) const;
    bool IsIntegerLiteralAt(std::size_t at) const;
    bool IntegerMode() const { return mode_ == 1 || mode_ == 2; }
    char At(std::size_t at) const { return at < text_.size() ? text_[at] : '\0'; }

    MathLiteralReader literals_;
    std::string_view text_;
    int mode_ = 0;
    std::size_t cursor_ = 0;
    std::size_t errorPosition_ = 0;
    std::array<std::uint8_t, kMathCodeCapacity> code_{};
    std::size_t codeLength_ = 0;
    std::array<StackEntry, kStackCapacity> stack_{};
    std::size_t stackSize_ = 0;
    int operandDepth_ = -1;  // operands not yet consumed by an infix operator, counted from -1
    std::array<ArgumentFrame, kFrameCapacity> frames_{};
    std::size_t frameIndex_ = 0;
};

}  // namespace corvane
