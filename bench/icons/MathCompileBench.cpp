#include "icons/math/CMathCompiler.h"

#include <benchmark/benchmark.h>

#include <string_view>

namespace {

// An equation as long as the math dialog takes, 100 characters, with
// functions, nesting, negation, every infix operator and float literals.
constexpr std::string_view kLongestEquation
    = "SQRT(W^2 + X^2) * -(Y - 2.5) / (LOG10(ABS(z) + 1) % 7) + EXP(-W) - SIN(X*3.1416) + (((Y))) + ZERO(W)";
static_assert(kLongestEquation.size() == 100);

void BM_CompileLongestEquation(benchmark::State& state)
{
    corvane::MathCompileResult result;
    for (auto _ : state) {
        corvane::CMathCompiler compiler;
        benchmark::DoNotOptimize(compiler.Compile(kLongestEquation, corvane::kMathFloatMode, result));
    }
    if (result.errorCode != corvane::kMathErrorNone)
        state.SkipWithError("the benchmark equation does not compile");
}
BENCHMARK(BM_CompileLongestEquation);

}  // namespace
