// Compiles arbitrary bytes as an equation in every literal mode: the
// compiler must stay in bounds and give
// either an error inside the text or well-formed postfix code, in which
// every operator finds its operands and one value remains at the end.
#include "icons/math/CMathCompiler.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

namespace {

bool IsWellFormed(std::span<const std::uint8_t> code, int mode)
{
    const std::size_t constantSize = mode == 1 || mode == 2 || mode == 3 ? 4 : 8;
    int depth = 0;
    for (std::size_t at = 0; at < code.size(); ++at) {
        const std::uint8_t byte = code[at];
        switch (byte) {
        case 0: return at + 1 == code.size() && depth == (at == 0 ? 0 : 1);
        case '#': at += constantSize; [[fallthrough]];
        case 'W':
        case 'X':
        case 'Y':
        case 'z': ++depth; break;
        case '+':
        case '-':
        case '*':
        case '/':
        case '^':
        case '%':
        case 0xA3:
            if (depth < 2)
                return false;
            --depth;
            break;
        default:
            if (depth < 1)
                return false;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input
        = size == 0 ? std::string_view{} : std::string_view(reinterpret_cast<const char*>(data), size);
    corvane::CMathCompiler compiler;
    const std::size_t length = input.substr(0, input.find('\0')).size();
    for (const int mode : {0, 1, 2, 3, 4}) {
        corvane::MathCompileResult result;
        const corvane::MathCompileError error = compiler.Compile(input, mode, result);
        if (error != result.errorCode)
            std::abort();
        if (error == corvane::kMathErrorNone) {
            if (result.codeLength > corvane::kMathCodeCapacity || !IsWellFormed(result.Code(), mode)
                || !result.tokenName.empty())
                std::abort();
        } else if (result.codeLength != 0 || result.errorPosition > length
            || corvane::MathCompileErrorText(error).empty()) {
            std::abort();
        }
    }
    return 0;
}
