#pragma once

#include "base/FileError.h"
#include "data/OutputSink.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <istream>
#include <string_view>

namespace corvane {

// What a diagnostic log conversion tells its user as it goes: each row (the
// event time text and the event text, both in the logger's 8-bit
// characters), each block read (the bytes read so far), and each block
// that ends at a negative time (a damaged block; the blocks after it are
// still converted).
struct DiagnosticConvertEvents {
    std::function<void(std::string_view timeText, std::string_view eventText)> row;
    std::function<void(std::uint64_t bytesRead)> block;
    std::function<void()> negativeTime;
};

// How a diagnostic log conversion went.
enum class DiagnosticConvertStatus {
    Done,
    RawOpenFailed,     // the raw log cannot be opened
    OutputOpenFailed,  // the saved file cannot be created
    ReadFailed,        // the raw log could not be read to its end
    WriteFailed,       // the saved file could not be written or completed
};

struct DiagnosticConvertResult {
    DiagnosticConvertStatus status = DiagnosticConvertStatus::Done;
    std::uint64_t bytesRead = 0;
    std::uint64_t rows = 0;
    std::uint64_t negativeTimeBlocks = 0;
    FileError fileError;  // the file failure behind OutputOpenFailed and WriteFailed
};

// Converts a raw diagnostic log read from raw into the saved diagnostic
// file's lines, "<time text>  <event text>\n", written to out: the raw log
// is taken kDiagnosticBlockSize bytes at a time, each block parsed by
// itself, so memory stays the same whatever the size.
DiagnosticConvertResult ConvertDiagnosticLog(std::istream& raw, OutputSink& out, const DiagnosticConvertEvents& events);

// Converts the raw file into the saved file: the saved file appears whole
// or not at all (a temporary file renamed over it once complete), and the
// raw file is deleted only after that, when deleteRaw is set. A failed
// conversion keeps the raw file and leaves no part of the saved file.
DiagnosticConvertResult ConvertDiagnosticLogFile(const std::filesystem::path& rawPath,
    const std::filesystem::path& savedPath, const DiagnosticConvertEvents& events, bool deleteRaw = true);

}  // namespace corvane
