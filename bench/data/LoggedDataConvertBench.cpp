// Converting a generated logged-data stream to each output layout, beside a
// plain printf loop that formats the same rows. BM_CsvAgainstPrintf runs
// both in turn on the same stream and reports the converter's speed as a
// multiple of the printf loop's ("speedup"); it first checks that the two
// write the same rows. The default size is small so the quick test run
// stays quick; set CORVANE_BENCH_LARGE=1 for 100 MB (about 1.5 million rows).
#include "data/LogRecords.h"
#include "data/LoggedDataConverter.h"
#include "data/OutputSink.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>

namespace {

constexpr int kPoints = 8;
constexpr std::uint32_t kStart = 1710498030;

void Put(std::string& out, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        out.push_back(static_cast<char>(value >> (8 * i)));
}

void PutText(std::string& out, const char* text, std::size_t width)
{
    const std::size_t length = std::strlen(text);
    out.append(text, length);
    out.append(width - length, '\0');
}

// A session of about megabytes MB: a unit header, eight points, then time
// stamps with sub-second ticks each followed by one value per point.
std::string MakeStream(std::int64_t megabytes)
{
    std::string out;
    const auto target = static_cast<std::size_t>(megabytes) * 1024 * 1024;
    out.reserve(target + 256);
    out.push_back(8);
    out.push_back(0);
    Put(out, 1234, 4);
    PutText(out, "Pump house", 22);
    PutText(out, "U1", 22);
    out.append(206 - out.size(), '\0');
    for (int p = 0; p < kPoints; ++p) {
        out.push_back(9);
        out.push_back(7);
        Put(out, static_cast<std::uint32_t>(p + 1), 2);
        Put(out, 3, 2);
        PutText(out, ("Point " + std::to_string(p)).c_str(), 22);
        PutText(out, "units", 10);
    }
    for (std::uint32_t i = 0; out.size() < target; ++i) {
        out.push_back(13);
        out.push_back(1);
        Put(out, (i * 40) % 200, 2);
        Put(out, kStart + i / 5, 4);
        for (int p = 0; p < kPoints; ++p) {
            const int kind = p % 3 == 0 ? 0 : (p % 3 == 1 ? 1 : 2);
            out.push_back(static_cast<char>(kind));
            out.push_back(7);
            Put(out, static_cast<std::uint32_t>(p + 1), 2);
            if (kind == 2) {
                const float value = static_cast<float>(i) * 0.125f;
                std::uint32_t bits = 0;
                std::memcpy(&bits, &value, sizeof bits);
                Put(out, bits, 4);
            } else {
                Put(out, i % 1000, 4);
            }
        }
    }
    return out;
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

// Reads a stream held in memory in place, as the printf loop does; a copy
// into a string stream would cost more than the conversion on large inputs.
class MemoryStreamBuf : public std::streambuf {
public:
    explicit MemoryStreamBuf(std::string& bytes) { setg(bytes.data(), bytes.data(), bytes.data() + bytes.size()); }
};

std::uint64_t ConvertOnce(std::string& stream, corvane::OutputSink& sink, char delimiter, int width)
{
    MemoryStreamBuf buffer(stream);
    std::istream in(&buffer);
    corvane::ConvertOptions options;
    options.delimiter = delimiter;
    options.columnWidth = width;
    corvane::LoggedDataConverter converter(std::move(options));
    return converter.Convert(in, sink).rows;
}

void Convert(benchmark::State& state, char delimiter, int width)
{
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    std::string stream = MakeStream(state.range(0));
    for (auto _ : state) {
        MemoryStreamBuf buffer(stream);
        std::istream in(&buffer);
        CountingSink sink;
        corvane::ConvertOptions options;
        options.delimiter = delimiter;
        options.columnWidth = width;
        corvane::LoggedDataConverter converter(std::move(options));
        benchmark::DoNotOptimize(converter.Convert(in, sink));
        benchmark::DoNotOptimize(sink.Count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(stream.size()));
}

void BM_ConvertCsv(benchmark::State& state) { Convert(state, ',', 1); }
void BM_ConvertTsv(benchmark::State& state) { Convert(state, '\t', 1); }
void BM_ConvertTxt(benchmark::State& state) { Convert(state, ' ', 25); }

// The raw copy of ".xid": the bytes pass through unchanged.
void BM_CopyXid(benchmark::State& state)
{
    const std::string stream = MakeStream(state.range(0));
    for (auto _ : state) {
        CountingSink sink;
        for (std::size_t at = 0; at < stream.size(); at += 65536)
            sink.Write(std::string_view(stream).substr(at, 65536));
        benchmark::DoNotOptimize(sink.Count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(stream.size()));
}

// The same comma-separated rows written the plain C way: walk the records
// with memcpy, format every field with snprintf and collect the rows in one
// large buffer handed to emit when full, as the converter does.
template <class Emit> void PrintfRowsCsv(const std::string& stream, Emit&& emit)
{
    static constexpr std::size_t kBufferSize = 64 * 1024;
    std::string buffer(kBufferSize + 1024, '\0');
    std::size_t used = 0;
    char cells[kPoints][64];
    std::uint32_t lastSeconds = 0;
    std::uint16_t lastTicks = 0;
    bool pending = false;
    auto flush = [&] {
        char* line = buffer.data() + used;
        const std::size_t room = buffer.size() - used;
        const std::time_t t = static_cast<std::time_t>(lastSeconds);
        std::tm parts{};
        ::localtime_r(&t, &parts);
        int n = std::snprintf(line, room, " %02d/%02d/%04d", parts.tm_mon + 1, parts.tm_mday, parts.tm_year + 1900);
        if (lastTicks != 0)
            n += std::snprintf(line + n, room - static_cast<std::size_t>(n), "%c %02d:%02d:%02d:%03d", ',',
                parts.tm_hour, parts.tm_min, parts.tm_sec, lastTicks * 5);
        else
            n += std::snprintf(line + n, room - static_cast<std::size_t>(n), "%c %02d:%02d:%02d", ',', parts.tm_hour,
                parts.tm_min, parts.tm_sec);
        n += std::snprintf(
            line + n, room - static_cast<std::size_t>(n), "%c%d", ',', static_cast<int>(lastSeconds - kStart));
        for (auto& cell : cells) {
            n += std::snprintf(line + n, room - static_cast<std::size_t>(n), "%*s", 1, cell);
            std::strcpy(cell, ",");
        }
        n += std::snprintf(line + n, room - static_cast<std::size_t>(n), "%c\r\n", ',');
        used += static_cast<std::size_t>(n);
        if (used >= kBufferSize) {
            emit(std::string_view(buffer.data(), used));
            used = 0;
        }
    };
    for (auto& cell : cells)
        std::strcpy(cell, ",");
    std::size_t at = 0;
    while (at < stream.size()) {
        const auto type = static_cast<std::uint8_t>(stream[at]);
        const std::size_t length = corvane::LogRecordLength(type);
        if (at + length > stream.size())
            break;
        const char* record = stream.data() + at;
        if ((type & 0x0F) == 13) {
            std::uint16_t ticks = 0;
            std::uint32_t seconds = 0;
            std::memcpy(&ticks, record + 2, 2);
            std::memcpy(&seconds, record + 4, 4);
            if (pending)
                flush();
            pending = false;
            lastSeconds = seconds;
            lastTicks = ticks;
        } else if ((type & 0x0F) <= 2) {
            std::int16_t id = 0;
            std::memcpy(&id, record + 2, 2);
            pending = true;
            if (id >= 1 && id <= kPoints) {
                char* cell = cells[id - 1];
                std::int32_t integer = 0;
                float real = 0;
                std::memcpy(&integer, record + 4, 4);
                std::memcpy(&real, record + 4, 4);
                if (type == 0)
                    std::snprintf(cell, 64, "%c%s", ',', record[4] != 0 ? "TRUE" : "FALSE");
                else if (type == 1)
                    std::snprintf(cell, 64, "%c%d", ',', integer);
                else
                    std::snprintf(cell, 64, "%c%3.*f", ',', 3, static_cast<double>(real));
            }
        }
        at += length;
    }
    if (pending)
        flush();
    if (used > 0)
        emit(std::string_view(buffer.data(), used));
}

void BM_PrintfRowsCsv(benchmark::State& state)
{
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    const std::string stream = MakeStream(state.range(0));
    for (auto _ : state) {
        std::size_t written = 0;
        PrintfRowsCsv(stream, [&](std::string_view bytes) { written += bytes.size(); });
        benchmark::DoNotOptimize(written);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(stream.size()));
}

// The converter's text after its header block (eleven lines, four blank
// ones, the heads and the units).
std::string_view RowsOf(std::string_view text)
{
    std::size_t at = 0;
    for (int line = 0; line < 17 && at != std::string_view::npos; ++line) {
        at = text.find("\r\n", at);
        if (at != std::string_view::npos)
            at += 2;
    }
    return at == std::string_view::npos ? std::string_view() : text.substr(at);
}

// The processor time this thread has used: the shares of the two sides
// stay fair when other work on the machine takes the processor away.
double ThreadSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The converter and the printf loop in turn on the same stream, each timed
// by the thread's processor time; "speedup" is the printf loop's time over
// the converter's.
void BM_CsvAgainstPrintf(benchmark::State& state)
{
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    std::string stream = MakeStream(state.range(0));
    {
        corvane::StringOutputSink converted;
        ConvertOnce(stream, converted, ',', 1);
        std::string printed;
        PrintfRowsCsv(stream, [&](std::string_view bytes) { printed.append(bytes); });
        if (RowsOf(converted.Text()) != printed || printed.empty()) {
            state.SkipWithError("the printf loop's rows differ from the converter's");
            return;
        }
    }
    double converterTime = 0;
    double printfTime = 0;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        CountingSink sink;
        benchmark::DoNotOptimize(ConvertOnce(stream, sink, ',', 1));
        benchmark::DoNotOptimize(sink.Count());
        const double middle = ThreadSeconds();
        std::size_t written = 0;
        PrintfRowsCsv(stream, [&](std::string_view bytes) { written += bytes.size(); });
        benchmark::DoNotOptimize(written);
        const double end = ThreadSeconds();
        converterTime += middle - start;
        printfTime += end - middle;
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["converter_ms"] = converterTime * 1e3 / iterations;
    state.counters["printf_ms"] = printfTime * 1e3 / iterations;
    state.counters["speedup"] = printfTime / converterTime;
}

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    const char* large = std::getenv("CORVANE_BENCH_LARGE");
    benchmark->Arg(large != nullptr && large[0] == '1' ? 100 : 1)->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_ConvertCsv)->Apply(Sizes);
BENCHMARK(BM_ConvertTsv)->Apply(Sizes);
BENCHMARK(BM_ConvertTxt)->Apply(Sizes);
BENCHMARK(BM_CopyXid)->Apply(Sizes);
BENCHMARK(BM_PrintfRowsCsv)->Apply(Sizes);
BENCHMARK(BM_CsvAgainstPrintf)->Apply(Sizes);
