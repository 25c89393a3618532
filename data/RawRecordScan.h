#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>

namespace corvane {

// Helpers that locate records in a logged-data file by walking it with a
// one-byte peek. Unlike the converter they compare the whole type byte: an
// unknown type byte ends the walk.
namespace rawscan {
constexpr int kFound = 0;
constexpr int kNotFound = 229;
constexpr int kNoRecordOfType = -45;
constexpr int kPositionUnknown = -1;
constexpr std::int16_t kHeaderMissing = -1;
constexpr std::int16_t kNoUnitHeader = -27;
}  // namespace rawscan

// From the current position, finds the next record whose type byte is
// wanted and leaves the stream at its first byte (kFound). With skipCurrent
// the record at the current position is passed over even if it matches.
// kNotFound at the end, at a record cut short, or at an unknown type byte.
int FindRawRecord(std::istream& file, std::uint8_t wanted, bool skipCurrent);

// Leaves the stream at the last record of the type at or after the current
// position (kFound), or reports kNoRecordOfType / kPositionUnknown.
int SeekLastRawRecord(std::istream& file, std::uint8_t wanted);

// The seconds of the file's last time stamp: 0 with seconds set, 1 when
// there is none, 2 when its bytes cannot be read.
int ReadLastTimeStamp(std::istream& file, std::uint32_t& seconds);

// The logging-mode byte of the unit header in the folder's "HEADER" file
// (name matched without regard to case): kHeaderMissing when the file
// cannot be opened, kNoUnitHeader when it holds no whole unit header.
std::int16_t ReadRawHeaderWord(const std::filesystem::path& folder);

}  // namespace corvane
