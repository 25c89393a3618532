#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace corvane {

// One record of the logger's raw diagnostic log: the event time (the
// logger's local time in seconds since 1970, counted as if it were UTC),
// its milliseconds and the event text (the logger's 8-bit characters).
struct DiagnosticLogRecord {
    std::int32_t time = 0;
    std::uint16_t milliseconds = 0;
    std::string_view text;
};

// Why the walk of one block stopped.
enum class DiagnosticBlockEnd {
    UsedUp,            // fewer than 6 bytes were left
    ZeroTime,          // a record with time 0: the rest of the block is unused
    NegativeTime,      // a record with a negative time: the block is damaged
    UnterminatedText,  // a text runs to the block's end without its NUL (the record is dropped)
};

// The raw log comes in blocks of this many bytes (the last may be shorter);
// no record crosses a block's end.
constexpr std::size_t kDiagnosticBlockSize = 1024;
// The time and milliseconds before each record's text.
constexpr std::size_t kDiagnosticRecordHeaderSize = 6;

// Walks the records of one block (at most kDiagnosticBlockSize bytes, but
// any length is read safely), handing each complete record to onRecord in
// order. The records' texts point into block.
DiagnosticBlockEnd ParseDiagnosticBlock(
    std::span<const std::uint8_t> block, const std::function<void(const DiagnosticLogRecord&)>& onRecord);

}  // namespace corvane
