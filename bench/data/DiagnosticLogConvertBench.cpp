// Converting a raw diagnostic log into the saved file's lines, beside a
// plain C loop that walks the same blocks with memcpy and formats the same
// lines with snprintf. BM_DiagnosticLogAgainstPrintf runs both in turn on
// the same log, checks first that they write the same bytes, and reports
// the conversion's speed as a multiple of the C loop's ("speedup"). Both
// benchmarks report how much the process's peak resident memory grew while
// converting ("peak_growth_kb"): the conversion reads block by block, so
// that stays near zero for 1 MB and for 10 MB alike.
#include "data/ConvertDiagnosticLog.h"
#include "data/OutputSink.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kBlock = 1024;
constexpr std::int32_t kStart = 1768464000;
constexpr const char* kTexts[] = {
    "System: power-up self test passed",
    "Program Net: net loaded and verified",
    "Messaging: link opened",
    "Modbus: unit 1 answered in time",
    "Network: address renewed",
};

// A raw log of megabytes MB: 1024-byte blocks of records a second or so
// apart, each block's tail zero.
std::string MakeLog(std::int64_t megabytes)
{
    const auto size = static_cast<std::size_t>(megabytes) * 1024 * 1024;
    std::string log(size, '\0');
    std::int32_t time = kStart;
    std::size_t pick = 0;
    for (std::size_t block = 0; block < size; block += kBlock) {
        std::size_t at = block;
        for (;;) {
            const char* text = kTexts[pick % std::size(kTexts)];
            const std::size_t length = std::strlen(text);
            if (block + kBlock - at < 6 + length + 1)
                break;
            ++pick;
            time += 1 + static_cast<std::int32_t>(pick % 2);
            const auto milliseconds = static_cast<std::uint16_t>((pick * 37) % 1000);
            std::memcpy(log.data() + at, &time, 4);
            std::memcpy(log.data() + at + 4, &milliseconds, 2);
            std::memcpy(log.data() + at + 6, text, length);
            at += 6 + length + 1;
        }
    }
    return log;
}

class CountingSink : public corvane::OutputSink {
public:
    bool Write(std::string_view bytes) override
    {
        count_ += bytes.size();
        return true;
    }
    std::size_t Count() const { return count_; }

private:
    std::size_t count_ = 0;
};

// Reads a log held in memory in place.
class MemoryStreamBuf : public std::streambuf {
public:
    explicit MemoryStreamBuf(std::string& bytes) { setg(bytes.data(), bytes.data(), bytes.data() + bytes.size()); }
};

std::uint64_t ConvertOnce(std::string& log, corvane::OutputSink& sink)
{
    MemoryStreamBuf buffer(log);
    std::istream in(&buffer);
    return corvane::ConvertDiagnosticLog(in, sink, {}).rows;
}

// The same lines the plain C way, collected in one large buffer handed to
// emit when full.
template <class Emit> void PrintfLines(const std::string& log, Emit&& emit)
{
    static constexpr std::size_t kBufferSize = 64 * 1024;
    std::string buffer(kBufferSize + 2048, '\0');
    std::size_t used = 0;
    for (std::size_t block = 0; block < log.size(); block += kBlock) {
        const std::size_t end = std::min(log.size(), block + kBlock);
        std::size_t at = block;
        while (end - at >= 6) {
            std::int32_t time = 0;
            std::uint16_t milliseconds = 0;
            std::memcpy(&time, log.data() + at, 4);
            std::memcpy(&milliseconds, log.data() + at + 4, 2);
            if (time <= 0)
                break;
            const void* nul = std::memchr(log.data() + at + 6, 0, end - at - 6);
            if (nul == nullptr)
                break;
            const auto length = static_cast<std::size_t>(static_cast<const char*>(nul) - (log.data() + at + 6));
            std::time_t t = time;
            std::tm parts{};
            ::localtime_r(&t, &parts);
            t = t - parts.tm_gmtoff;
            ::localtime_r(&t, &parts);
            char* line = buffer.data() + used;
            const int n = std::snprintf(line, buffer.size() - used, "%02d/%02d/%04d  %02d:%02d:%02d.%03d  %.*s\n",
                parts.tm_mon + 1, parts.tm_mday, parts.tm_year + 1900, parts.tm_hour, parts.tm_min, parts.tm_sec,
                int{milliseconds}, static_cast<int>(length), log.data() + at + 6);
            used += static_cast<std::size_t>(n);
            if (used >= kBufferSize) {
                emit(std::string_view(buffer.data(), used));
                used = 0;
            }
            at += 6 + length + 1;
        }
    }
    if (used > 0)
        emit(std::string_view(buffer.data(), used));
}

long PeakResidentKb()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The processor time this thread has used.
double ThreadSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void BM_DiagnosticLogConvert(benchmark::State& state)
{
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    std::string log = MakeLog(state.range(0));
    const long peakBefore = PeakResidentKb();
    for (auto _ : state) {
        CountingSink sink;
        benchmark::DoNotOptimize(ConvertOnce(log, sink));
        benchmark::DoNotOptimize(sink.Count());
    }
    state.counters["peak_growth_kb"] = static_cast<double>(PeakResidentKb() - peakBefore);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(log.size()));
}

void BM_DiagnosticLogAgainstPrintf(benchmark::State& state)
{
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    std::string log = MakeLog(state.range(0));
    {
        corvane::StringOutputSink converted;
        ConvertOnce(log, converted);
        std::string printed;
        PrintfLines(log, [&](std::string_view bytes) { printed.append(bytes); });
        if (converted.Text() != printed || printed.empty()) {
            state.SkipWithError("the printf loop's lines differ from the conversion's");
            return;
        }
    }
    const long peakBefore = PeakResidentKb();
    double convertTime = 0;
    double printfTime = 0;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        CountingSink sink;
        benchmark::DoNotOptimize(ConvertOnce(log, sink));
        benchmark::DoNotOptimize(sink.Count());
        const double middle = ThreadSeconds();
        std::size_t written = 0;
        PrintfLines(log, [&](std::string_view bytes) { written += bytes.size(); });
        benchmark::DoNotOptimize(written);
        const double end = ThreadSeconds();
        convertTime += middle - start;
        printfTime += end - middle;
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["convert_ms"] = convertTime * 1e3 / iterations;
    state.counters["printf_ms"] = printfTime * 1e3 / iterations;
    state.counters["speedup"] = printfTime / convertTime;
    state.counters["peak_growth_kb"] = static_cast<double>(PeakResidentKb() - peakBefore);
}

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_DiagnosticLogConvert)->Apply(Sizes);
BENCHMARK(BM_DiagnosticLogAgainstPrintf)->Apply(Sizes);
