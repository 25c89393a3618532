#include "base/Crc32.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <vector>

namespace {

std::vector<std::uint8_t> OneMebibyte()
{
    std::vector<std::uint8_t> data(1u << 20);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i * 131 + 7);
    return data;
}

void BM_Crc32OneMebibyte(benchmark::State& state)
{
    const std::vector<std::uint8_t> data = OneMebibyte();
    for (auto _ : state)
        benchmark::DoNotOptimize(corvane::Crc32(data));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(data.size()));
}
BENCHMARK(BM_Crc32OneMebibyte);

void BM_Crc32SlicedOneMebibyte(benchmark::State& state)
{
    const std::vector<std::uint8_t> data = OneMebibyte();
    for (auto _ : state)
        benchmark::DoNotOptimize(corvane::Crc32UpdateSliced(corvane::kCrc32Start, data));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(data.size()));
}
BENCHMARK(BM_Crc32SlicedOneMebibyte);

void BM_Crc32BytewiseOneMebibyte(benchmark::State& state)
{
    const std::vector<std::uint8_t> data = OneMebibyte();
    for (auto _ : state)
        benchmark::DoNotOptimize(corvane::Crc32UpdateBytewise(corvane::kCrc32Start, data));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(data.size()));
}
BENCHMARK(BM_Crc32BytewiseOneMebibyte);

// Both forms over the same mebibyte, one after the other in each iteration,
// each timed on its own: their MB/s and the speed-up of Crc32 over the
// byte-at-a-time form it replaces, as counters of one run.
void BM_Crc32AgainstBytewise(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    const std::vector<std::uint8_t> data = OneMebibyte();
    Clock::duration bytewise{};
    Clock::duration sliced{};
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(corvane::Crc32UpdateBytewise(corvane::kCrc32Start, data));
        const auto middle = Clock::now();
        benchmark::DoNotOptimize(corvane::Crc32(data));
        const auto end = Clock::now();
        bytewise += middle - start;
        sliced += end - middle;
    }
    const double megabytes = static_cast<double>(state.iterations()) * static_cast<double>(data.size()) / 1e6;
    const double bytewiseSeconds = std::chrono::duration<double>(bytewise).count();
    const double slicedSeconds = std::chrono::duration<double>(sliced).count();
    if (bytewiseSeconds > 0 && slicedSeconds > 0) {
        state.counters["bytewise_MBps"] = megabytes / bytewiseSeconds;
        state.counters["crc32_MBps"] = megabytes / slicedSeconds;
        state.counters["speedup"] = bytewiseSeconds / slicedSeconds;
    }
}
BENCHMARK(BM_Crc32AgainstBytewise);

}  // namespace
