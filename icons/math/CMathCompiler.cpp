#include "icons/math/CMathCompiler.h"

#include "base/ByteWriter.h"
#include "icons/math/MathTokenTable.h"

#include <bit>
#include <cmath>

namespace corvane {

namespace {

// Constants in the code: the byte '#' and the value, most significant byte first.
constexpr std::uint8_t kConstantMarker = '#';
constexpr std::size_t kIntegerSize = 4;  // 32-bit signed integer (modes 1 and 2)
constexpr std::size_t kFloatSize = 4;    // IEEE-754 single (mode 3)
constexpr std::size_t kDoubleSize = 8;   // IEEE-754 double (other modes)
// The largest magnitude a float literal may have (the largest single).
constexpr double kLargestSingle = 3.4028234663852886e38;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char ToUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

const MathToken& Row(std::size_t row) { return MathTokenTable()[row]; }

}  // namespace

MathCompileError CMathCompiler::Compile(std::string_view text, int mode, MathCompileResult& result)
{
    result = MathCompileResult{};
    text_ = text.substr(0, text.find('\0'));
    mode_ = mode;
    cursor_ = 0;
    errorPosition_ = 0;
    code_.fill(0);
    codeLength_ = 0;
    stackSize_ = 0;
    operandDepth_ = -1;
    frames_[0] = ArgumentFrame{};
    frameIndex_ = 0;

    const MathCompileError error = CompileText();
    if (error != kMathErrorNone) {
        result.errorCode = error;
        result.errorPosition = errorPosition_;
        if (stackSize_ > 0)
            result.tokenName = Row(stack_[stackSize_ - 1].row).name;
        return error;
    }
    result.code = code_;
    result.codeLength = codeLength_;
    return kMathErrorNone;
}

MathCompileError CMathCompiler::CompileText()
{
    bool expectOperand = true;
    SkipSpace();
    while (cursor_ < text_.size()) {
        errorPosition_ = cursor_;
        MathCompileError error = kMathErrorNone;
        if (!expectOperand) {
            const std::size_t row = FindRow(kMathContextOperator);
            if (row == kMathTokenCount)
                return kMathErrorOperatorExpected;
            expectOperand = row != kMathCloseRow;
            error = TokenStep(row);
        } else {
            const bool variable = IsVariableAt(cursor_);
            if (!variable && !IsNumberStartAt(cursor_)) {
                const std::size_t row = FindRow(kMathContextOperand);
                if (row == kMathTokenCount)
                    return kMathErrorOperandExpected;
                error = TokenStep(row);
            } else if (IntegerMode() && !variable && !IsIntegerLiteralAt(cursor_)) {
                return kMathErrorIntegerExpected;
            } else {
                error = ParseOperand(variable);
                expectOperand = false;
            }
        }
        if (error != kMathErrorNone)
            return error;
        SkipSpace();
    }
    return TokenStep(kMathEndRow);
}

MathCompileError CMathCompiler::TokenStep(std::size_t row)
{
    const MathToken& token = Row(row);
    errorPosition_ = cursor_;
    if (!token.MayStandForOperand()) {
        // Operators, ")" and the end apply every stacked row of equal or
        // higher class first. A row whose handler fails stays on the stack,
        // so the error names it and points at it.
        while (stackSize_ > 0 && Row(stack_[stackSize_ - 1].row).precedence >= token.precedence) {
            const StackEntry top = stack_[stackSize_ - 1];
            if (const MathCompileError error = RunHandler(top.row); error != kMathErrorNone) {
                errorPosition_ = top.position;
                return error;
            }
            --stackSize_;
            if (Row(top.row).IsFunction())
                CloseFrame();
        }
    } else if (row != kMathOpenRow && stackSize_ > 0) {
        // A negation takes no further negation or function directly.
        const std::size_t top = stack_[stackSize_ - 1].row;
        if (top != kMathOpenRow && Row(top).MayStandForOperand())
            return kMathErrorOperatorExpected;
    }

    if (row == kMathCloseRow) {
        ++cursor_;
        if (stackSize_ == 0 || stack_[stackSize_ - 1].row != kMathOpenRow)
            return kMathErrorUnopenedParenthesis;
        --stackSize_;
        // A function's frame stays open until the function itself is applied.
        if (!frames_[frameIndex_].function)
            CloseFrame();
        return kMathErrorNone;
    }
    if (row == kMathEndRow)
        return RunHandler(row);

    if (const MathCompileError error = Push(row); error != kMathErrorNone)
        return error;
    cursor_ += token.name.size();
    if (token.IsFunction()) {
        SkipSpace();
        if (At(cursor_) != '(') {
            errorPosition_ = cursor_;
            return kMathErrorMissingFunctionParenthesis;
        }
        if (const MathCompileError error = Push(kMathOpenRow); error != kMathErrorNone)
            return error;
        ++cursor_;
    }
    if (stack_[stackSize_ - 1].row == kMathOpenRow) {
        ++frames_[frameIndex_].operands;
        return OpenFrame(token.IsFunction());
    }
    return kMathErrorNone;
}

MathCompileError CMathCompiler::RunHandler(std::size_t row)
{
    const MathToken& token = Row(row);
    const int operands = frames_[frameIndex_].operands;
    switch (token.handler) {
    case MathTokenHandler::None: return kMathErrorNone;
    case MathTokenHandler::End: return Emit(token.opcode);
    case MathTokenHandler::Open: return kMathErrorUnclosedParenthesis;
    case MathTokenHandler::OneArgument:
        if (operands > 1)
            return kMathErrorTooManyArguments;
        [[fallthrough]];
    case MathTokenHandler::Prefix:
        if (operands < 1)
            return kMathErrorMissingOperand;
        return Emit(token.opcode);
    case MathTokenHandler::TwoArgument:
        if (operands > 2)
            return kMathErrorTooManyArguments;
        [[fallthrough]];
    case MathTokenHandler::Infix:
        if (operands < 2)
            return kMathErrorMissingOperand;
        if (const MathCompileError error = Emit(token.opcode); error != kMathErrorNone)
            return error;
        --operandDepth_;
        --frames_[frameIndex_].operands;
        return kMathErrorNone;
    }
    return kMathErrorNone;
}

MathCompileError CMathCompiler::ParseOperand(bool variable)
{
    ++operandDepth_;
    if (operandDepth_ + 1 > kMaxPendingOperands)
        return kMathErrorTooManyPendingOperands;
    errorPosition_ = cursor_;
    if (variable) {
        // Z is emitted in lower case: upper-case 'Z' is the opcode of ZERO.
        const char name = ToUpper(At(cursor_));
        if (const MathCompileError error = Emit(static_cast<std::uint8_t>(name == 'Z' ? 'z' : name));
            error != kMathErrorNone)
            return error;
        ++cursor_;
    } else if (const MathCompileError error = EmitLiteral(); error != kMathErrorNone) {
        return error;
    }
    ++frames_[frameIndex_].operands;
    return kMathErrorNone;
}

MathCompileError CMathCompiler::EmitLiteral()
{
    const std::string_view rest = text_.substr(cursor_);
    if (IntegerMode()) {
        const auto literal = MathLiteralReader::ReadInteger(rest);
        if (!literal)
            return kMathErrorBadLiteral;
        cursor_ += literal->length;
        return EmitConstant(static_cast<std::uint32_t>(literal->value), kIntegerSize);
    }
    const auto literal = literals_.ReadDouble(rest);
    // An overflowing literal reads as an infinity; it is refused like one
    // beyond the single-precision range.
    if (!literal || std::isinf(literal->value))
        return kMathErrorBadLiteral;
    cursor_ += literal->length;
    if (mode_ == kMathFloatMode) {
        if (literal->value < -kLargestSingle || literal->value > kLargestSingle)
            return kMathErrorBadLiteral;
        return EmitConstant(std::bit_cast<std::uint32_t>(static_cast<float>(literal->value)), kFloatSize);
    }
    return EmitConstant(std::bit_cast<std::uint64_t>(literal->value), kDoubleSize);
}

MathCompileError CMathCompiler::EmitConstant(std::uint64_t bits, std::size_t size)
{
    // The marker and the value must leave room for at least the terminator.
    if (codeLength_ + 1 + size >= kMathCodeCapacity)
        return kMathErrorCodeTooLong;
    ByteWriter writer{std::span(code_).subspan(codeLength_, 1 + size)};
    writer.U8(kConstantMarker, "constant marker");
    if (size == kDoubleSize) {
        writer.U32BE(static_cast<std::uint32_t>(bits >> 32), "constant high word");
        writer.U32BE(static_cast<std::uint32_t>(bits), "constant low word");
    } else {
        writer.U32BE(static_cast<std::uint32_t>(bits), "constant");
    }
    codeLength_ += writer.Offset();
    return kMathErrorNone;
}

MathCompileError CMathCompiler::Emit(std::uint8_t byte)
{
    if (codeLength_ >= kMathCodeCapacity)
        return kMathErrorCodeTooLong;
    code_[codeLength_++] = byte;
    return kMathErrorNone;
}

MathCompileError CMathCompiler::Push(std::size_t row)
{
    if (stackSize_ >= kStackCapacity)
        return kMathErrorOperatorStackFull;
    stack_[stackSize_++] = StackEntry{row, cursor_};
    return kMathErrorNone;
}

MathCompileError CMathCompiler::OpenFrame(bool function)
{
    // Every open frame belongs to a stacked "(" or function, so the stack
    // limit is reached first; the check only keeps the frames in bounds.
    if (frameIndex_ + 1 >= kFrameCapacity)
        return kMathErrorOperatorStackFull;
    frames_[++frameIndex_] = ArgumentFrame{function, 0};
    return kMathErrorNone;
}

void CMathCompiler::CloseFrame()
{
    if (frameIndex_ > 0)
        --frameIndex_;
}

void CMathCompiler::SkipSpace()
{
    while (cursor_ < text_.size() && IsSpace(text_[cursor_]))
        ++cursor_;
}

// The first row of the given context whose name stands at the cursor, in
// any case; kMathTokenCount when none does. The end row stands for the end
// of the text, which the caller handles, so it never matches here.
std::size_t CMathCompiler::FindRow(std::uint32_t context) const
{
    const auto& table = MathTokenTable();
    for (std::size_t row = kMathEndRow + 1; row < table.size(); ++row) {
        const MathToken& token = table[row];
        if ((token.context & context) == 0 || text_.size() - cursor_ < token.name.size())
            continue;
        bool matches = true;
        for (std::size_t i = 0; i < token.name.size() && matches; ++i)
            matches = ToUpper(text_[cursor_ + i]) == token.name[i];
        if (matches)
            return row;
    }
    return kMathTokenCount;
}

// W, X or Y in either case, or Z unless "ERO" follows (the start of ZERO).
bool CMathCompiler::IsVariableAt(std::size_t at) const
{
    const char c = ToUpper(At(at));
    if (c == 'W' || c == 'X' || c == 'Y')
        return true;
    return c == 'Z' && !(ToUpper(At(at + 1)) == 'E' && ToUpper(At(at + 2)) == 'R' && ToUpper(At(at + 3)) == 'O');
}

// An optional '-' and then a digit, or '.' and a digit.
bool CMathCompiler::IsNumberStartAt(std::size_t at) const
{
    if (At(at) == '-')
        ++at;
    return IsDigit(At(at)) || (At(at) == '.' && IsDigit(At(at + 1)));
}

// An optional '-', one or more digits, and then no '.'.
bool CMathCompiler::IsIntegerLiteralAt(std::size_t at) const
{
    if (At(at) == '-')
        ++at;
    if (!IsDigit(At(at)))
        return false;
    while (IsDigit(At(at)))
        ++at;
    return At(at) != '.';
}

}  // namespace corvane
