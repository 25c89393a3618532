#include "loggersim/DiagnosticLogFile.h"

#include "base/AtomicFile.h"
#include "base/ByteReader.h"
#include "base/ByteWriter.h"
#include "halvix/protocol/DiagnosticLogLayout.h"
#include "halvix/protocol/RequestTypes.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

constexpr std::size_t kRecordHeaderSize = 6;
// The largest log the simulator keeps or reads back.
constexpr std::size_t kMaxDiagnosticLogBytes = 64u << 20;
// 2026-01-15 08:00:00, logger time.
constexpr std::int64_t kGeneratedStart = 1768464000;
constexpr std::uint8_t kHighestLevel = 3;

constexpr std::array<std::string_view, 8> kGeneratedTexts = {
    "System: power-up self test passed",
    "Program Net: net loaded and verified",
    "Messaging: link opened",
    "Clocking: clock synchronised",
    "Data Logging: session block written",
    "Tevlink Comm: module poll complete",
    "Modbus: unit 1 answered in time",
    "Network: address renewed",
};

// The next value of a small linear congruential sequence.
std::uint32_t Next(std::uint32_t& value)
{
    value = value * 1664525u + 1013904223u;
    return value >> 8;
}

// Writes one record at offset of a block (the caller checked the room).
void PutRecord(std::vector<std::uint8_t>& log, std::size_t offset, std::int64_t time, std::uint16_t milliseconds,
    std::string_view text)
{
    ByteWriter writer(std::span<std::uint8_t>(log).subspan(offset, kRecordHeaderSize + text.size() + 1));
    writer.I32LE(static_cast<std::int32_t>(time));
    writer.U16LE(milliseconds);
    writer.Bytes(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    writer.U8(0);
}

// Where the used part of the log's last block ends: after its last record.
std::size_t EndOfRecords(const std::vector<std::uint8_t>& log)
{
    if (log.empty())
        return 0;
    const std::size_t blockStart = (log.size() - 1) / kDiagnosticLogBlockSize * kDiagnosticLogBlockSize;
    const std::span<const std::uint8_t> block = std::span(log).subspan(blockStart);
    std::size_t offset = 0;
    while (block.size() - offset >= kRecordHeaderSize) {
        ByteReader reader(block.subspan(offset));
        if (reader.I32LE("time") <= 0)
            break;
        const auto text = block.subspan(offset + kRecordHeaderSize);
        const auto nul = std::find(text.begin(), text.end(), std::uint8_t{0});
        if (nul == text.end())
            break;
        offset += kRecordHeaderSize + static_cast<std::size_t>(nul - text.begin()) + 1;
    }
    return blockStart + offset;
}

std::vector<std::uint8_t> ControlReply(std::uint8_t operation, const LoggerState& state)
{
    std::vector<std::uint8_t> data(kDiagnosticControlReplyMinSize);
    data[kDiagnosticReplyOperationOffset] = operation;
    data[kDiagnosticReplyStatusOffset] = state.diagnosticTrace;
    std::copy(state.diagnosticLevels.begin(), state.diagnosticLevels.end(),
        data.begin() + static_cast<std::ptrdiff_t>(kDiagnosticReplyLevelsOffset));
    return data;
}

}  // namespace

std::vector<std::uint8_t> GenerateDiagnosticLog(std::uint32_t seed, std::size_t bytes)
{
    std::vector<std::uint8_t> log(bytes, 0);
    std::uint32_t random = seed;
    std::int64_t time = kGeneratedStart;
    for (std::size_t blockStart = 0; blockStart < bytes; blockStart += kDiagnosticLogBlockSize) {
        const std::size_t blockEnd = std::min(bytes, blockStart + kDiagnosticLogBlockSize);
        std::size_t offset = blockStart;
        for (;;) {
            const std::string_view text = kGeneratedTexts[Next(random) % kGeneratedTexts.size()];
            if (blockEnd - offset < kRecordHeaderSize + text.size() + 1)
                break;
            time += 1 + Next(random) % 3;
            PutRecord(log, offset, time, static_cast<std::uint16_t>(Next(random) % 1000), text);
            offset += kRecordHeaderSize + text.size() + 1;
        }
    }
    return log;
}

void AppendDiagnosticEvent(
    std::vector<std::uint8_t>& log, std::int64_t loggerTime, std::uint16_t milliseconds, std::string_view text)
{
    text = text.substr(0, std::min(text.size(), kDiagnosticLogBlockSize - kRecordHeaderSize - 1));
    const std::size_t needed = kRecordHeaderSize + text.size() + 1;
    std::size_t offset = EndOfRecords(log);
    const std::size_t blockStart = offset / kDiagnosticLogBlockSize * kDiagnosticLogBlockSize;
    if (offset - blockStart + needed > kDiagnosticLogBlockSize)
        offset = blockStart + kDiagnosticLogBlockSize;
    // The zero tail after the last record gives way to the new one; a
    // record that starts a new block leaves the old block's tail zero.
    log.resize(offset, 0);
    log.resize(offset + needed, 0);
    PutRecord(log, offset, loggerTime, milliseconds, text);
}

LoadedDiagnosticLog LoadDiagnosticLog(const std::filesystem::path& stateFolder)
{
    FileContents contents = ReadWholeFile(stateFolder / kDiagnosticLogFileName, kMaxDiagnosticLogBytes);
    LoadedDiagnosticLog loaded;
    if (contents.error.kind == FileErrorKind::NotFound)
        return loaded;
    loaded.found = true;
    loaded.error = std::move(contents.error);
    if (!loaded.error)
        loaded.bytes = std::move(contents.bytes);
    return loaded;
}

FileError SaveDiagnosticLog(const std::filesystem::path& stateFolder, const std::vector<std::uint8_t>& log)
{
    return WriteFileAtomically(stateFolder / kDiagnosticLogFileName, std::span<const std::uint8_t>(log));
}

RequestOutcome AnswerDiagnosticLogRequest(LoggerState& state, std::vector<std::uint8_t>& log, const Frame& request,
    std::int64_t loggerTime, bool& logChanged)
{
    logChanged = false;
    auto bad = [&] {
        return RefuseRequest(request, kSimErrorBadRequestData,
            "Request " + std::to_string(request.requestType) + " carries bad data");
    };
    if (request.requestType == kRequestDbFGet) {
        ByteReader reader(request.payload);
        const std::uint32_t offset = reader.U32LE("offset");
        if (reader.Failed() || request.payload.size() != 4)
            return bad();
        const std::size_t from = std::min<std::size_t>(offset, log.size());
        const std::size_t count = std::min(kDiagnosticLogBlockSize, log.size() - from);
        const auto begin = log.begin() + static_cast<std::ptrdiff_t>(from);
        return AnswerRequest(request, std::vector<std::uint8_t>(begin, begin + static_cast<std::ptrdiff_t>(count)));
    }
    if (request.payload.size() != kDiagnosticControlRequestSize)
        return bad();
    const std::uint8_t operation = request.payload[kDiagnosticControlOperationOffset];
    const std::uint8_t flag = request.payload[kDiagnosticControlFlagOffset];
    switch (operation) {
    case kDiagnosticOpQuery: return AnswerRequest(request, ControlReply(operation, state));
    case kDiagnosticOpClear:
        log.clear();
        logChanged = true;
        return AnswerRequest(request, ControlReply(operation, state));
    case kDiagnosticOpStart: {
        const auto levels = std::span(request.payload).first(kDiagnosticCategoryCount);
        if (std::any_of(levels.begin(), levels.end(), [](std::uint8_t level) { return level > kHighestLevel; })
            || flag > 1)
            return bad();
        std::copy(levels.begin(), levels.end(), state.diagnosticLevels.begin());
        state.diagnosticTrace = flag;
        AppendDiagnosticEvent(
            log, loggerTime, 0, flag != 0 ? "System: diagnostic log started with trace" : "System: diagnostic log started");
        logChanged = true;
        RequestOutcome outcome = AnswerRequest(request, ControlReply(operation, state));
        outcome.stateChanged = true;
        return outcome;
    }
    default: return bad();
    }
}

std::string DiagnosticEventText(const Frame& request)
{
    switch (request.requestType) {
    case kRequestRun: {
        ByteReader reader(request.payload);
        return reader.U16LE("run flag") == 1 ? "Data Logging: logging enabled" : "Data Logging: logging stopped";
    }
    case kRequestReset: return "System: reset requested";
    case kRequestFlashExec: return "System: firmware reflash started";
    default: return {};
    }
}

}  // namespace corvane
