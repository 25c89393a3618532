// Opens, checks, compiles and saves a net that fills the net file's size
// limit (65532 bytes before the CRC).
#include "FullNetFixture.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <time.h>

namespace corvane::bench {
namespace {

// Opens an image into a new document. The document opened before goes
// only afterwards, untimed, as in a program whose heap stays in use: the
// memory allocator then does not hand its pages back and fault them in
// again on every round.
class NetOpener {
public:
    explicit NetOpener(FullNet& net) : net_(net) {}
    void Open(benchmark::State& state, std::span<const std::uint8_t> image)
    {
        auto opened = std::make_unique<CNetDoc>(net_.services, net_.factory);
        benchmark::DoNotOptimize(opened->LoadNetImage(image, false));
        state.PauseTiming();
        previous_ = std::move(opened);
        state.ResumeTiming();
    }

private:
    FullNet& net_;
    std::unique_ptr<CNetDoc> previous_;
};

// Opening a net of 1, 2 and 4 times the icons that fill the size limit (the
// larger ones in memory only): the time per icon stays the same when
// opening grows linearly.
void BM_OpenFullNet(benchmark::State& state)
{
    FullNet f(static_cast<int>(state.range(0)));
    NetOpener opener(f);
    for (auto _ : state)
        opener.Open(state, f.image);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.image.size()));
    state.counters["icons"] = static_cast<double>(f.iconCount);
    state.counters["per_icon"] = benchmark::Counter(static_cast<double>(f.iconCount),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_OpenFullNet)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

// The same growth as one figure from one run: the processor time per icon
// of opening a net of four times the icons over that of the net that fills
// the size limit, the two opened in turn (1 when opening grows linearly).
// Processor time, as the machine may be busy with other work.
void BM_OpenNetGrowth(benchmark::State& state)
{
    FullNet f(4);
    const std::vector<std::uint8_t> fullImage = f.ImageOfFirstIcons(f.fullIconCount);
    const auto threadSeconds = [] {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
    };
    std::unique_ptr<CNetDoc> previous;
    std::vector<double> perIconFull;
    std::vector<double> perIconLarge;
    for (auto _ : state) {
        double spent = 0;
        for (const bool large : {false, true}) {
            auto opened = std::make_unique<CNetDoc>(f.services, f.factory);
            const double start = threadSeconds();
            benchmark::DoNotOptimize(opened->LoadNetImage(large ? f.image : fullImage, false));
            const double seconds = threadSeconds() - start;
            spent += seconds;
            (large ? perIconLarge : perIconFull)
                .push_back(seconds / static_cast<double>(large ? f.iconCount : f.fullIconCount));
            previous = std::move(opened);
        }
        state.SetIterationTime(spent);
    }
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    state.counters["full_net_ms"] = median(perIconFull) * static_cast<double>(f.fullIconCount) * 1000.0;
    state.counters["growth_4x"] = median(perIconLarge) / median(perIconFull);
}
BENCHMARK(BM_OpenNetGrowth)->UseManualTime()->Unit(benchmark::kMillisecond);

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

// Checking and compiling a net of 1, 2 and 4 times the icons that fill the
// size limit: the processor time per icon stays the same when the check and
// the compile grow linearly. No net is written: the larger ones stop at the
// size limit once every record is made, so the net that fills it is sent to
// a folder that does not exist, where it stops as soon as its image is made.
void BM_CheckAndCompileNet(benchmark::State& state)
{
    FullNet f(static_cast<int>(state.range(0)));
    const auto out = f.path.parent_path() / (f.path.stem().string() + "-absent") / "net.quv";
    for (auto _ : state) {
        std::vector<std::string> messages;
        benchmark::DoNotOptimize(f.net.CompileNet(messages, out, CompileMode::ConvertAnyway));
    }
    state.counters["icons"] = static_cast<double>(f.iconCount);
    state.counters["per_icon"] = benchmark::Counter(static_cast<double>(f.iconCount),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CheckAndCompileNet)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_SaveFullNet(benchmark::State& state)
{
    FullNet f;
    for (auto _ : state)
        benchmark::DoNotOptimize(f.net.SaveNetFile(true, f.path));
}
BENCHMARK(BM_SaveFullNet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench
