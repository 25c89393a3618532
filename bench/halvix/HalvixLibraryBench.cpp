// The link measured against bare loopback TCP in the same run, iterations
// alternating between the two. Each benchmark's time is the library's; the
// counter vs_peer is the library's speed as a fraction of the peer's (the
// peer's time over the library's).
//
// Upload: a full net (64 blocks of 1024 bytes) sent with NetSet, each block
// waiting for its reply as the net upload does, beside a ping-pong of the
// same blocks answered with 4 bytes. Download: one logged session fetched
// whole with SdlStart, beside a stream of the same number of bytes in
// 64 KiB writes and reads. The session is small so the quick test run stays
// quick; set CORVANE_BENCH_LARGE=1 for 256 MiB.
#include "LoopbackPeer.h"
#include "SimulatorLinkFixture.h"
#include "halvix/protocol/NetTransferLayout.h"
#include "halvix/protocol/SessionTransferLayout.h"
#include "loggersim/LoggedSessionPlan.h"
#include "loggersim/SessionRequests.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using corvane::bench::LoopbackPeer;
using corvane::bench::SimulatorLinkFixture;
using Clock = std::chrono::steady_clock;

constexpr corvane::WindowHandle kWindow{7};
constexpr std::size_t kNetBlocks = 64;           // the simulator's largest net
constexpr std::size_t kAnswerSize = 4;           // the NetSet reply's value
constexpr std::size_t kStreamChunk = 64 * 1024;  // the stream peer's writes and reads
constexpr std::size_t kBytesPerScan = 40;        // a time stamp and four values

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

void BM_NetUpload(benchmark::State& state)
{
    SimulatorLinkFixture link;
    LoopbackPeer peer(LoopbackPeer::Shape::PingPong, corvane::kNetBlockSize, kAnswerSize);
    std::vector<std::uint8_t> block(corvane::kNetBlockSize);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i * 7 + 3);
    std::vector<std::uint8_t> answer(kAnswerSize);
    double ours = 0;
    double theirs = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < kNetBlocks; ++i) {
            if (link.Library().NetSet(kWindow, value, block) != corvane::kCxOk)
                throw std::runtime_error("NetSet refused");
            const auto reply = link.Replies().Take();
            if (!reply.reply || reply.reply->ErrorFlag())
                throw std::runtime_error("NetSet not answered");
            value = reply.reply->U32At(0).value_or(0);
        }
        const auto middle = Clock::now();
        for (std::size_t i = 0; i < kNetBlocks; ++i)
            peer.Exchange(block, answer);
        const auto end = Clock::now();
        ours += Seconds(middle - start);
        theirs += Seconds(end - middle);
        state.SetIterationTime(Seconds(middle - start));
    }
    const auto blocks = static_cast<std::uint64_t>(state.iterations()) * kNetBlocks;
    state.SetBytesProcessed(static_cast<std::int64_t>(blocks * corvane::kNetBlockSize));
    state.counters["blocks"] = static_cast<double>(blocks);
    state.counters["vs_peer"] = ours > 0 ? theirs / ours : 0;
}
BENCHMARK(BM_NetUpload)->UseManualTime()->Unit(benchmark::kMillisecond);

std::uint64_t SessionMegabytes()
{
    const char* large = std::getenv("CORVANE_BENCH_LARGE");
    return large != nullptr && large[0] == '1' ? 256 : 8;
}

void BM_SessionDownload(benchmark::State& state)
{
    corvane::LoggedSessionPlan plan;
    plan.startSeconds = 0x67000000;
    plan.scanCount = static_cast<std::uint32_t>((SessionMegabytes() << 20) / kBytesPerScan);
    SimulatorLinkFixture link({plan});
    const std::string name = corvane::SessionName(plan);
    LoopbackPeer peer(LoopbackPeer::Shape::Stream, kStreamChunk);
    std::vector<std::uint8_t> chunk;
    std::uint64_t sessionBytes = 0;
    double ours = 0;
    double theirs = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        if (link.Library().SdlStart(kWindow, corvane::kSdlModeWhole, name) != corvane::kCxOk)
            throw std::runtime_error("SdlStart refused");
        std::uint64_t received = 0;
        for (;;) {
            const auto reply = link.Replies().Take();
            if (!reply.reply || reply.reply->ErrorFlag())
                throw std::runtime_error("the download failed");
            if (reply.wParam != corvane::kReplySdlData)
                continue;
            if (reply.reply->DataLength() <= corvane::kSdlOffsetSize)
                break;
            received += reply.reply->DataLength() - corvane::kSdlOffsetSize;
        }
        const auto middle = Clock::now();
        peer.Fetch(received, chunk);
        const auto end = Clock::now();
        sessionBytes = received;
        ours += Seconds(middle - start);
        theirs += Seconds(end - middle);
        state.SetIterationTime(Seconds(middle - start));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(static_cast<std::uint64_t>(state.iterations()) * sessionBytes));
    state.counters["vs_peer"] = ours > 0 ? theirs / ours : 0;
}
BENCHMARK(BM_SessionDownload)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
