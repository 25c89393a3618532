#include "base/Crc32.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

void BM_Crc32OneMebibyte(benchmark::State& state)
{
    std::vector<std::uint8_t> data(1u << 20);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 131 + 7);
    for (auto _ : state)
        benchmark::DoNotOptimize(corvane::Crc32(data));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(data.size()));
}
BENCHMARK(BM_Crc32OneMebibyte);

}  // namespace
