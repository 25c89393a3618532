#include "icons/math/MathCompileError.h"

namespace corvane {

std::string_view MathCompileErrorText(MathCompileError error)
{
    switch (error) {
    case kMathErrorNone: return "No error";
    case kMathErrorOperandExpected: return "A number, variable, \"(\" or function is expected here";
    case kMathErrorOperatorExpected: return "An operator is expected here";
    case kMathErrorUnopenedParenthesis: return "\")\" has no matching \"(\"";
    case kMathErrorUnclosedParenthesis: return "\"(\" is not closed";
    case kMathErrorMissingFunctionParenthesis: return "A function name must be followed by \"(\"";
    case kMathErrorOperatorStackFull: return "Too many operators and parentheses are open at once";
    case kMathErrorTooManyPendingOperands: return "Too many operands are waiting for their operators";
    case kMathErrorTooManyArguments: return "The function has too many arguments";
    case kMathErrorMissingOperand: return "An operator or function lacks an operand";
    case kMathErrorBadLiteral: return "The number cannot be read or is out of range";
    case kMathErrorCodeTooLong: return "The equation compiles to more than 128 bytes";
    case kMathErrorIntegerExpected: return "Only variables and whole numbers are allowed here";
    }
    return "Unknown error";
}

}  // namespace corvane
