#pragma once

#include <string_view>

namespace corvane {

// Why an equation did not compile. The numbers are the compiler's error
// codes; 0 is success. They stay plain numbers so callers can keep and
// compare the code itself.
enum MathCompileError : int {
    kMathErrorNone = 0,
    // No variable, number, "(", negation or function where an operand belongs.
    kMathErrorOperandExpected = 2,
    // No operator where one belongs; or negation before negation or function.
    kMathErrorOperatorExpected = 3,
    // ")" without an open "(".
    kMathErrorUnopenedParenthesis = 4,
    // "(" still open at the end of the text.
    kMathErrorUnclosedParenthesis = 5,
    // A function name not followed by "(".
    kMathErrorMissingFunctionParenthesis = 6,
    // More than 16 entries on the operator stack.
    kMathErrorOperatorStackFull = 7,
    // More than 16 operands waiting for operators.
    kMathErrorTooManyPendingOperands = 8,
    // Too many operands inside a function's parentheses.
    kMathErrorTooManyArguments = 10,
    // An operator or function without enough operands.
    kMathErrorMissingOperand = 11,
    // A number that cannot be read or lies outside its type's range.
    kMathErrorBadLiteral = 12,
    // The code would exceed its 128 bytes.
    kMathErrorCodeTooLong = 14,
    // In integer modes, an operand that is no variable or whole number.
    kMathErrorIntegerExpected = 15,
};

// A short English sentence saying what went wrong, for messages and logs.
std::string_view MathCompileErrorText(MathCompileError error);

}  // namespace corvane
