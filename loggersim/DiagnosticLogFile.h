#pragma once

#include "base/FileError.h"
#include "halvix/protocol/Frame.h"
#include "loggersim/LoggerRequests.h"
#include "loggersim/LoggerState.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The logger's raw diagnostic log, kept whole as "diaglog.bin" in the state
// folder: blocks of kDiagnosticLogBlockSize bytes (the last may be shorter)
// of records (i32 logger time, u16 milliseconds, NUL-terminated text); no
// record crosses a block boundary and a block's unused tail is zero.
constexpr std::string_view kDiagnosticLogFileName = "diaglog.bin";
// The log a fresh logger starts with, when the state folder has none.
constexpr std::size_t kFreshDiagnosticLogBytes = 3000;
constexpr std::uint32_t kFreshDiagnosticLogSeed = 1;

// A log of exactly bytes bytes made from seed: the same seed and size give
// the same bytes. Records a second or so apart from a fixed start time.
std::vector<std::uint8_t> GenerateDiagnosticLog(std::uint32_t seed, std::size_t bytes);

// Appends one record at the log's end: in the last block when it fits there,
// else after the last block's tail is zero-filled to a whole block. A text
// is cut to what one block can hold.
void AppendDiagnosticEvent(std::vector<std::uint8_t>& log, std::int64_t loggerTime, std::uint16_t milliseconds,
    std::string_view text);

struct LoadedDiagnosticLog {
    std::vector<std::uint8_t> bytes;
    bool found = false;
    FileError error;  // a file that exists but cannot be read
};
LoadedDiagnosticLog LoadDiagnosticLog(const std::filesystem::path& stateFolder);
FileError SaveDiagnosticLog(const std::filesystem::path& stateFolder, const std::vector<std::uint8_t>& log);

// CxDbFGet and CxQuvDbFCtl over the log and the levels in state at logger
// time loggerTime. logChanged says whether the log must be saved; the
// outcome's stateChanged whether the levels must.
RequestOutcome AnswerDiagnosticLogRequest(LoggerState& state, std::vector<std::uint8_t>& log, const Frame& request,
    std::int64_t loggerTime, bool& logChanged);

// The event a request that the logger carried out writes to its diagnostic
// log (start, stop, reset, reflash); empty for the others.
std::string DiagnosticEventText(const Frame& request);

}  // namespace corvane
