// Opens, checks, compiles and saves a net that fills the net file's size
// limit (65532 bytes before the CRC).
#include "FullNetFixture.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace corvane::bench {
namespace {

void BM_OpenFullNet(benchmark::State& state)
{
    FullNet f;
    for (auto _ : state) {
        CNetDoc opened(f.services, f.factory);
        benchmark::DoNotOptimize(opened.LoadNetImage(f.image, false));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.image.size()));
}
BENCHMARK(BM_OpenFullNet)->Unit(benchmark::kMillisecond);

void BM_CheckAndCompileFullNet(benchmark::State& state)
{
    FullNet f;
    const auto out = f.path.parent_path() / (f.path.stem().string() + ".quv");
    for (auto _ : state) {
        std::vector<std::string> messages;
        benchmark::DoNotOptimize(f.net.CompileNet(messages, out, CompileMode::ConvertAnyway));
    }
    std::filesystem::remove(out);
}
BENCHMARK(BM_CheckAndCompileFullNet)->Unit(benchmark::kMillisecond);

void BM_SaveFullNet(benchmark::State& state)
{
    FullNet f;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.net.SaveNetFile(true, f.path));
}
BENCHMARK(BM_SaveFullNet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench
