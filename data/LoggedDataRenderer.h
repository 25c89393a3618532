#pragma once

#include "data/LoggedDataConverter.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace corvane {

// Renders one logging session of a memory card (a session folder holding
// "HEADER" and the ".vrd" data files, names matched without regard to case)
// into output bytes that the caller pulls piece by piece:
//
//   LoggedDataContext context;
//   if (LoggedDataOpen(context, folder, options) == 0) {
//       int n;
//       while ((n = LoggedDataRead(context, buffer)) > 0)
//           write n bytes of buffer;
//       // n == 0: the output is complete; n < 0: the rendering failed (the
//       // text modes have by then given a message row as the last output).
//   }
//   LoggedDataClose(context);   // kDataErrorMet when garbled data was met
//
// Memory stays the same whatever the session's size: the data files are
// read block by block and only the row being built is held.
namespace logrender {
// Output modes. Any other non-zero character gives text rows in which every
// cell is followed by that character (',' and '\t' are the usual ones).
constexpr char kModePadded = ' ';  // cells padded with spaces to 35 characters
constexpr char kModeHtml = 'H';    // HTML table rows
// The session's records themselves: those of "HEADER", then those of the
// range, closed by a time stamp at the stop and an end record.
constexpr char kModeBinary = 'X';

// Results (0 is success; LoggedDataRead gives a byte count >= 0 instead).
constexpr int kHeaderUnreadable = -1;     // "HEADER" missing or cannot be opened or read
constexpr int kNotOpen = -9;              // read on a context without a successful open
constexpr int kBadHeaderRecord = -17;     // "HEADER" holds a record of another type than 8, 9, 13, 255
constexpr int kBadArgument = -26;         // mode 0, stop before start, a channel id >= 4096, > 256 channels, no buffer
constexpr int kDataFileUnreadable = -41;  // a data file could not be opened or read
constexpr int kDataErrorMet = -100;       // LoggedDataClose: garbled data was met (shown as rows)

constexpr std::size_t kMaxChannels = 256;
constexpr std::uint16_t kChannelIdLimit = 4096;
}  // namespace logrender

struct LoggedDataRenderOptions {
    char mode = ',';
    // Time columns of text rows: UTC and/or local time (the logger's zone,
    // taken from the unit header in "HEADER"; the PC's zone plays no part).
    TimeColumns timeColumns = TimeColumns::Local;
    // Only time stamps inside [start, stop] are rendered: seconds since 1970
    // UTC and 5 ms ticks (0..199) past the second, both ends included.
    std::uint32_t startTime = 0;
    std::uint8_t startTicks = 0;
    std::uint32_t stopTime = 0x7FFFFFFF;
    std::uint8_t stopTicks = 0;
    // The point ids wanted, in any order (at most 256, each below 4096);
    // nothing means every point. An empty list selects no point: the
    // headings show only the time columns and no data row is written. The
    // binary mode leaves out the definitions and values of other points.
    std::optional<std::vector<std::uint16_t>> channels;
};

class LoggedDataRenderState;

// The caller-owned state of one rendering, from LoggedDataOpen to
// LoggedDataClose; reusable after another LoggedDataOpen. Not shared
// between threads while in use; separate contexts are independent.
class LoggedDataContext {
public:
    LoggedDataContext();
    ~LoggedDataContext();
    LoggedDataContext(LoggedDataContext&&) noexcept;
    LoggedDataContext& operator=(LoggedDataContext&&) noexcept;
    LoggedDataContext(const LoggedDataContext&) = delete;
    LoggedDataContext& operator=(const LoggedDataContext&) = delete;

private:
    friend int LoggedDataOpen(LoggedDataContext&, const std::filesystem::path&, const LoggedDataRenderOptions&);
    friend int LoggedDataRead(LoggedDataContext&, std::span<char>);
    friend int LoggedDataClose(LoggedDataContext&);
    friend std::optional<std::string_view> LoggedDataHeaderLines(const LoggedDataContext&);

    std::unique_ptr<LoggedDataRenderState> state_;
};

// Starts rendering the session in folder (the session folder itself, e.g.
// ".../LOG/65F4A1B2"). Checks the options, then opens the folder's "HEADER".
// 0, or kBadArgument or kHeaderUnreadable. Whatever was open before in the
// context is closed first.
int LoggedDataOpen(
    LoggedDataContext& context, const std::filesystem::path& folder, const LoggedDataRenderOptions& options);

// Fills buffer with the next output bytes and returns how many (fewer than
// the buffer only at the end of the output; a row that does not fit goes on
// in the next call). 0 when the output is complete, for ever after. A
// negative result is a failure: kNotOpen, kBadHeaderRecord,
// kHeaderUnreadable or kDataFileUnreadable; it too is repeated by every later
// call. A session without data in the range is not a failure: text modes
// end with the row "NO LOGGED DATA -OR- NO DATA WITHIN SPECIFIED TIME RANGE".
// At most INT_MAX bytes are placed per call; an empty buffer gets
// kBadArgument.
int LoggedDataRead(LoggedDataContext& context, std::span<char> buffer);

// Ends the rendering and closes any open file. kDataErrorMet when garbled
// data was met (the text output then holds "GARBLED LOG DATA" rows where it
// was), else 0.
int LoggedDataClose(LoggedDataContext& context);

// The output's header lines in the text modes: the unit rows, the empty
// rows and the two heading rows, exactly as they open the output, every
// line ending in CR LF. A caller that splits the output into parts repeats
// them at the start of each later part. Nothing until the output has gone
// past the heading rows, nor when the rendering failed before them or the
// lines pass 1 MiB (only a damaged "HEADER" gives that many); an empty text
// in binary mode.
std::optional<std::string_view> LoggedDataHeaderLines(const LoggedDataContext& context);

}  // namespace corvane
