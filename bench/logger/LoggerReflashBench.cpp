// The logger firmware reflash measured against a bare loop over the same
// link in the same run, iterations alternating between the two. Each
// benchmark's time is the reflash's; the counter vs_peer is its speed as a
// fraction of the bare loop's (the loop's time over the reflash's).
//
// The reflash: the state machine of the reflash dialog sending a 1 MiB
// firmware file read from disk in 1024-byte blocks to the in-process
// simulated logger, each block sent from the reply to the one before, as
// the dialog does with no pause between blocks; the iteration ends where
// the machine asks the logger to reprogram itself (which would restart
// it). The bare loop: the same CxFlashInit and 1024 CxFlashData requests
// of 1024 bytes from memory, each waiting for its reply.
#include "bench/halvix/SimulatorLinkFixture.h"
#include "halvix/protocol/FlashAccessKey.h"
#include "halvix/protocol/RequestTypes.h"
#include "logger/HiddenReconnect.h"
#include "logger/LoggerReflash.h"
#include "logger/LoggerReflashPort.h"

#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace {

using corvane::bench::SimulatorLinkFixture;
using Clock = std::chrono::steady_clock;

constexpr corvane::WindowHandle kWindow{7};
constexpr std::size_t kImageBytes = 1024 * 1024;
constexpr std::size_t kBlocks = kImageBytes / corvane::kFlashDataMaxBytes;

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

// A logger firmware file of 1 MiB for logger type 3, in a fresh folder
// under $TMPDIR that goes with it.
class FirmwareFile {
public:
    FirmwareFile()
    {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/corvane-bench-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("no scratch folder");
        folder_ = pattern;
        image_.resize(kImageBytes);
        for (std::size_t i = 0; i < image_.size(); ++i)
            image_[i] = static_cast<std::uint8_t>(i * 7 + 3);
        image_[corvane::LoggerFirmwareFile::kVersionOffset] = corvane::LoggerFirmwareFile::kLoggerType;
        std::ofstream out(Path(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(image_.data()), static_cast<std::streamsize>(image_.size()));
        if (!out)
            throw std::runtime_error("cannot write the firmware file");
    }
    ~FirmwareFile()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    FirmwareFile(const FirmwareFile&) = delete;
    FirmwareFile& operator=(const FirmwareFile&) = delete;

    std::filesystem::path Path() const { return folder_ / "firmware.bin"; }
    const std::vector<std::uint8_t>& Image() const { return image_; }

private:
    std::filesystem::path folder_;
    std::vector<std::uint8_t> image_;
};

// The dialog's side of the reflash over the library, without a window:
// requests go out at once, and the execute request ends the run.
class LinkPort final : public corvane::LoggerReflashPort {
public:
    LinkPort(SimulatorLinkFixture& link, std::filesystem::path file) : link_(link), file_(std::move(file)) {}

    bool executeAsked = false;

    int SendStop() override { return link_.Library().Run(kWindow, 0, 0); }
    int SendFlashInit() override { return link_.Library().FlashInit(kWindow, corvane::FlashAccessKey()); }
    int SendFlashData(std::uint32_t offset, std::span<const std::uint8_t> block) override
    {
        return link_.Library().FlashData(kWindow, offset, block, static_cast<std::uint16_t>(block.size()));
    }
    int SendFlashExec(std::uint16_t) override
    {
        executeAsked = true;
        return 0;
    }
    std::optional<std::filesystem::path> ChooseFirmwareFile() override { return file_; }
    void AppendLog(std::string_view) override {}
    void SetProgressRange(std::uint32_t) override {}
    void SetProgressPosition(std::uint32_t) override {}
    void StepProgress() override {}
    void ShowCloseButton() override {}
    void ShowBox(std::string_view, std::string_view, BoxIcon) override {}
    bool AskOkCancel(std::string_view, std::string_view) override { return true; }
    bool AskYesNo(std::string_view, std::string_view) override { return true; }
    void ShowTimeoutStatus() override {}
    void StartTimer() override {}
    void StopTimer() override {}
    std::unique_ptr<corvane::HiddenReconnect> MakeHiddenReconnect() override { return nullptr; }
    void SetReflashing(bool) override {}
    bool IsCellularLogger() override { return false; }
    void CloseCancelled() override {}

private:
    SimulatorLinkFixture& link_;
    std::filesystem::path file_;
};

// Runs the reflash until it asks for the execute request; throws when it fails.
void RunReflash(SimulatorLinkFixture& link, const FirmwareFile& file)
{
    LinkPort port(link, file.Path());
    corvane::LoggerReflash reflash(port);
    reflash.Start(true);
    while (!port.executeAsked) {
        auto answer = link.Replies().Take();
        if (!answer.reply)
            throw std::runtime_error("a reflash request timed out");
        const corvane::CReplyMessage& reply = *answer.reply;
        reflash.OnReply(reply.RequestType(), reply.HasData(), reply.ErrorFlag(), reply.Code(), reply.ErrorText());
        if (reflash.State() == corvane::LoggerReflash::kFailed)
            throw std::runtime_error("the reflash failed");
    }
}

// The same requests from memory, each waiting for its reply.
void RunBareLoop(SimulatorLinkFixture& link, const std::vector<std::uint8_t>& image)
{
    const auto expectReply = [&] {
        const auto answer = link.Replies().Take();
        if (!answer.reply || answer.reply->ErrorFlag())
            throw std::runtime_error("a request was not answered");
    };
    if (link.Library().FlashInit(kWindow, corvane::FlashAccessKey()) != corvane::kCxOk)
        throw std::runtime_error("CxFlashInit refused");
    expectReply();
    const std::span<const std::uint8_t> all(image);
    for (std::size_t i = 0; i < kBlocks; ++i) {
        const std::size_t offset = i * corvane::kFlashDataMaxBytes;
        if (link.Library().FlashData(kWindow, static_cast<std::uint32_t>(offset),
                all.subspan(offset, corvane::kFlashDataMaxBytes),
                static_cast<std::uint16_t>(corvane::kFlashDataMaxBytes))
            != corvane::kCxOk)
            throw std::runtime_error("CxFlashData refused");
        expectReply();
    }
}

void BM_LoggerReflash(benchmark::State& state)
{
    SimulatorLinkFixture link;
    const FirmwareFile file;
    double ours = 0;
    double theirs = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        RunReflash(link, file);
        const auto middle = Clock::now();
        RunBareLoop(link, file.Image());
        const auto end = Clock::now();
        ours += Seconds(middle - start);
        theirs += Seconds(end - middle);
        state.SetIterationTime(Seconds(middle - start));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(kImageBytes));
    state.counters["vs_peer"] = ours > 0 ? theirs / ours : 0;
}
BENCHMARK(BM_LoggerReflash)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
