#pragma once

#include "base/ByteError.h"
#include "data/LogRecords.h"
#include "data/OutputSink.h"
#include "data/TimeStampTexts.h"

#include <cstdint>
#include <functional>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace corvane {

// Which time columns a converted file shows.
enum class TimeColumns : int { Local = 0, Utc = 1, Both = 2 };

// Only these points, and only time stamps inside [start, stop] (seconds
// since 1970 UTC, both ends included).
struct ConvertFilter {
    std::vector<std::int16_t> pointIds;
    std::uint32_t start = 0;
    std::uint32_t stop = 0;
};

struct ConvertOptions {
    TimeColumns timeColumns = TimeColumns::Local;
    char delimiter = ',';
    int columnWidth = 1;  // justified fields are right-aligned to at least this width
    // The session start shown in the header block; without it, the first time stamp.
    std::optional<std::uint32_t> sessionStart;
    std::optional<ConvertFilter> filter;
    // Size of the input for progress; 0 reports no progress.
    std::uint64_t totalBytes = 0;
    // Called with the percent done (0..100) at the start, every 1000 records and at the end.
    std::function<void(int percent)> progress;
};

struct ConvertResult {
    bool ok = false;
    std::string message;   // why it failed, for the user
    ByteError truncation;  // set when the stream ended inside a record (still converted up to it)
    // Set when reading the stream failed: where in it the failed read began.
    std::optional<std::uint64_t> readFailedAt;
    std::uint64_t records = 0;
    std::uint64_t rows = 0;
};

// Turns a logged-data record stream into delimited or space-justified text:
// a header block from the unit header, a row of column heads and one of
// units, then one row per distinct time stamp with the values that follow
// it. Times are shown in the PC's time zone (and/or UTC); the Elapsed
// column counts seconds from the stream's first time stamp. Reads and
// writes as it goes: only the current row's values and one buffer of text
// are held, and the text goes to the sink whenever the buffer fills.
class LoggedDataConverter {
public:
    explicit LoggedDataConverter(ConvertOptions options);

    ConvertResult Convert(std::istream& in, OutputSink& out);

private:
    struct Column {
        std::int16_t pointId = 0;
        int decimals = 0;
    };
    // The value a column shows in the current row, if any.
    struct Cell {
        bool filled = false;
        ValueRecord value;
    };

    void OnRecord(std::span<const std::uint8_t> bytes);
    void OnValue(const ValueRecord& record);
    void OnPointDefinition(const PointDefinitionRecord& record);
    void OnTimeStamp(const TimeStampRecord& record);
    void WriteHeaderBlock(std::uint32_t firstStampSeconds);
    void WriteRow();
    char* PutDateTime(char* at, TimeStampTexts& texts, std::uint32_t seconds, std::uint16_t ticks) const;
    char* PutCell(char* at, const Cell& cell, int decimals) const;
    // Writes text right-aligned to the column width.
    char* PutJustified(char* at, std::string_view text) const;
    // Appends text right-aligned to the column width.
    void JustifyInto(std::string& out, std::string_view text) const;
    void Justify(std::string_view text);
    void EmitLine();
    // Room for count more bytes of text at the end of the buffer.
    char* Room(std::size_t count);
    void Flush();
    void ReportProgress(int percent);

    ConvertOptions options_;
    OutputSink* out_ = nullptr;
    bool writeFailed_ = false;
    UnitHeaderRecord header_;
    std::vector<PointDefinitionRecord> keptDefinitions_;
    std::vector<Column> columns_;
    std::vector<std::int32_t> columnOfPoint_;  // point id + 32768 -> first column, or -1
    std::vector<Cell> cells_;
    std::string emptyCell_;
    std::string line_;
    // Converted text not yet written, used_ bytes of it.
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    std::size_t rowBytesMax_ = 0;  // the most a row can take
    TimeStampTexts utcTexts_{false};
    TimeStampTexts localTexts_{true};
    std::optional<TimeStampRecord> lastStamp_;
    std::uint32_t elapsedBase_ = 0;
    bool headerWritten_ = false;
    bool rowPending_ = false;
    bool inWindow_ = true;
    std::uint64_t rows_ = 0;
};

}  // namespace corvane
