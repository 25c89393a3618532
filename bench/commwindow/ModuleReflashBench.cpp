// A module reflash of a 128 KiB firmware payload run by the node dialogs'
// reflash (ModuleReflash) over the communications library to the
// in-process simulated logger's analog module, beside a peer that sends
// the same requests straight through the library and waits out the same
// fixed pauses: 1000 ms before the first block and 100 ms before each
// status request. The benchmark's time is the reflash's; the counter
// vs_peer is the peer's time over the reflash's (1.0: the reflash adds no
// wait of its own), and pause_ms the pauses the reflash asked for.
#include "bench/halvix/SimulatorLinkFixture.h"
#include "commwindow/ModuleReflash.h"
#include "commwindow/ModuleReflashPort.h"
#include "halvix/protocol/ModuleReplies.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

namespace {

using corvane::ModuleReflash;
using corvane::ModuleReflashPort;
using corvane::bench::SimulatorLinkFixture;
using Clock = std::chrono::steady_clock;

constexpr corvane::WindowHandle kWindow{7};
constexpr std::uint8_t kAnalogAddress = 1;  // the shipped analog module
constexpr std::size_t kPayloadBytes = 128 * 1024;

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

std::vector<std::uint8_t> FirmwareImage()
{
    std::vector<std::uint8_t> file(32 + kPayloadBytes);
    for (std::size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<std::uint8_t>(i * 13 + 5);
    std::memcpy(file.data(), "TVLKMODULE", 10);
    file[28] = corvane::kModuleTypeAnalog;
    // The version the module takes on: payload bytes 10..12.
    file[32 + 10] = 2;
    file[32 + 11] = 1;
    file[32 + 12] = 0;
    return file;
}

// The node dialog's side: requests through the library, pauses waited out
// on this thread, the firmware file in memory.
class LinkPort final : public ModuleReflashPort {
public:
    LinkPort(SimulatorLinkFixture& link, const std::vector<std::uint8_t>& file) : link_(link), file_(file) {}

    int pendingPauseMs = 0;
    int pausedMs = 0;
    bool failed = false;

    bool SendFlash(std::uint8_t subCommand, std::span<const std::uint8_t> data) override
    {
        return link_.Library().TlFlash(kWindow, kAnalogAddress, subCommand, data) == corvane::kCxOk;
    }
    void StartPause(int ms) override { pendingPauseMs = ms; }
    bool OpenFirmware() override
    {
        at_ = 0;
        return true;
    }
    std::uint64_t FirmwareLength() override { return file_.size(); }
    std::size_t ReadFirmware(std::span<std::uint8_t> into) override
    {
        const std::size_t n = std::min(into.size(), file_.size() - at_);
        std::copy_n(file_.begin() + static_cast<std::ptrdiff_t>(at_), n, into.begin());
        at_ += n;
        return n;
    }
    void CloseFirmware() override {}
    void ShowProgress(std::uint64_t, std::uint64_t) override {}
    void ShowMessage(const Message& message) override { failed = !message.information; }
    void Finished(bool succeeded) override { failed = failed || !succeeded; }

private:
    SimulatorLinkFixture& link_;
    const std::vector<std::uint8_t>& file_;
    std::size_t at_ = 0;
};

void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The reflash as the dialog runs it: replies and pauses fed back in turn.
int RunReflash(SimulatorLinkFixture& link, const std::vector<std::uint8_t>& file)
{
    LinkPort port(link, file);
    ModuleReflash reflash(port, corvane::kModuleTypeAnalog);
    reflash.Start();
    while (reflash.Running()) {
        if (port.pendingPauseMs > 0) {
            const int ms = std::exchange(port.pendingPauseMs, 0);
            Pause(ms);
            port.pausedMs += ms;
            reflash.OnPauseElapsed();
            continue;
        }
        auto answer = link.Replies().Take();
        if (!answer.reply) {
            reflash.OnTimeout();
            continue;
        }
        reflash.OnReply(answer.reply->ErrorFlag(), answer.reply->Code(), answer.reply->ErrorText());
    }
    if (port.failed)
        throw std::runtime_error("the reflash failed");
    return port.pausedMs;
}

// The peer: the same requests, each waiting for its answer, with the fixed pauses.
void RunPeer(SimulatorLinkFixture& link, const std::vector<std::uint8_t>& file)
{
    const auto send = [&](std::uint8_t sub, std::span<const std::uint8_t> data) {
        if (link.Library().TlFlash(kWindow, kAnalogAddress, sub, data) != corvane::kCxOk)
            throw std::runtime_error("request refused");
        auto answer = link.Replies().Take();
        if (!answer.reply)
            throw std::runtime_error("no answer");
        return answer.reply->ErrorFlag() ? answer.reply->Code() : std::uint16_t{0};
    };
    send(corvane::kFlashPrepare, {});
    send(corvane::kFlashErase, {});
    Pause(ModuleReflash::kBlockPauseMs);
    const std::span<const std::uint8_t> payload = std::span(file).subspan(32);
    for (std::size_t at = 0; at < payload.size(); at += corvane::kFlashMaxBlockBytes)
        send(corvane::kFlashBlock, payload.subspan(at, std::min(corvane::kFlashMaxBlockBytes, payload.size() - at)));
    send(corvane::kFlashEnd, {});
    std::uint16_t status = corvane::kFlashStatusBusy;
    while (status == corvane::kFlashStatusBusy) {
        Pause(ModuleReflash::kStatusPauseMs);
        status = send(corvane::kFlashStatus, {});
    }
    if (status != 0)
        throw std::runtime_error("the peer's reflash failed");
}

void BM_ModuleReflash(benchmark::State& state)
{
    SimulatorLinkFixture link;
    const std::vector<std::uint8_t> file = FirmwareImage();
    double ours = 0;
    double theirs = 0;
    int pausedMs = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        pausedMs = RunReflash(link, file);
        const auto middle = Clock::now();
        RunPeer(link, file);
        const auto end = Clock::now();
        ours += Seconds(middle - start);
        theirs += Seconds(end - middle);
        state.SetIterationTime(Seconds(middle - start));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(static_cast<std::uint64_t>(state.iterations()) * kPayloadBytes));
    state.counters["pause_ms"] = pausedMs;
    state.counters["vs_peer"] = ours > 0 ? theirs / ours : 0;
}
BENCHMARK(BM_ModuleReflash)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
