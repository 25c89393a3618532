#include "data/LoggedDataRenderState.h"

#include "base/ByteWriter.h"
#include "base/CivilTime.h"
#include "data/CardDataFileList.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdio>
#include <limits>
#include <variant>

namespace corvane {
namespace {

constexpr std::string_view kHeaderFileName = "HEADER";
constexpr std::string_view kNoData = "NO LOGGED DATA -OR- NO DATA WITHIN SPECIFIED TIME RANGE";
constexpr std::string_view kProcessingError = "ERROR IN PROCESSING DOWNLOADED DATA";
constexpr std::string_view kGarbled = "GARBLED LOG DATA";
// Rows that open the output before the heading rows, empty ones filling up.
constexpr std::size_t kRowsBeforeHeadings = 5;
// Decimal places of a point definition are packed in 4 bits.
constexpr int kDecimalsMask = 0x0F;
constexpr int kMillisecondsPerTick = 5;

// The length of a "HEADER" record by its whole type byte; 0 for a type that
// does not belong there.
std::size_t HeaderRecordLength(std::uint8_t type)
{
    switch (type) {
    case logrec::kTypeUnitHeader: return logrec::kUnitHeaderLength;
    case logrec::kTypePointDefinition: return logrec::kPointDefinitionLength;
    case logrec::kTypeTimeStamp:
    case logrec::kTypeEnd: return logrec::kShortLength;
    default: return 0;
    }
}

void AppendBytes(std::string& line, std::span<const std::uint8_t> bytes)
{
    line.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

template <typename Int> std::string IntText(Int value)
{
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// A time for FormatDateAndTime, which shows a negative one as the largest.
std::int32_t DisplayTime(std::int64_t seconds)
{
    return seconds < 0 || seconds > std::numeric_limits<std::int32_t>::max() ? -1 : static_cast<std::int32_t>(seconds);
}

// Appends an 8-byte time stamp record without sub-second ticks.
void AppendStampRecord(std::string& line, std::uint32_t seconds)
{
    CardDataCursor::RecordBytes record{};
    ByteWriter writer(record);
    writer.U8(logrec::kTypeTimeStamp, "type");
    writer.U8(0, "flags");
    writer.U16LE(0, "ticks");
    writer.U32LE(seconds, "seconds");
    AppendBytes(line, record);
}

}  // namespace

LoggedDataRenderState::LoggedDataRenderState(
    const std::filesystem::path& folder, const LoggedDataRenderOptions& options)
    : folder_(folder), options_(options), builder_(options.mode), cursor_(folder)
{
    start_ = CardStamp::FromTime(options.startTime, options.startTicks);
    stop_ = CardStamp::FromTime(options.stopTime, options.stopTicks);
}

bool LoggedDataRenderState::Wanted(std::uint16_t id) const
{
    if (!options_.channels)
        return true;
    const std::vector<std::uint16_t>& ids = *options_.channels;
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

int LoggedDataRenderState::Open()
{
    if (options_.mode == 0 || stop_ < start_)
        return logrender::kBadArgument;
    if (options_.channels) {
        const std::vector<std::uint16_t>& ids = *options_.channels;
        if (ids.size() > logrender::kMaxChannels)
            return logrender::kBadArgument;
        if (std::any_of(ids.begin(), ids.end(), [](std::uint16_t id) { return id >= logrender::kChannelIdLimit; }))
            return logrender::kBadArgument;
    }
    const std::optional<std::filesystem::path> path = FindCardFile(folder_, kHeaderFileName);
    if (!path)
        return logrender::kHeaderUnreadable;
    header_.open(*path, std::ios::binary);
    if (!header_.is_open())
        return logrender::kHeaderUnreadable;
    return 0;
}

int LoggedDataRenderState::Read(std::span<char> buffer)
{
    if (buffer.empty())
        return logrender::kBadArgument;
    const std::size_t room = std::min<std::size_t>(buffer.size(), INT_MAX);
    std::size_t placed = 0;
    while (placed < room) {
        if (emitted_ < line_.size()) {
            const std::size_t count = std::min(room - placed, line_.size() - emitted_);
            std::copy_n(line_.data() + emitted_, count, buffer.data() + placed);
            emitted_ += count;
            placed += count;
            continue;
        }
        line_.clear();
        emitted_ = 0;
        if (stage_ == Stage::End)
            break;
        Step();
    }
    // Nothing placed in a buffer with room means the output is out.
    return placed > 0 ? static_cast<int>(placed) : result_;
}

int LoggedDataRenderState::Close()
{
    header_.close();
    cursor_.Close();
    return dataError_ ? logrender::kDataErrorMet : 0;
}

std::optional<std::string_view> LoggedDataRenderState::HeaderLines() const
{
    if (!headerDone_ || headerTooLong_)
        return std::nullopt;
    return std::string_view(headerLines_);
}

void LoggedDataRenderState::Step()
{
    switch (stage_) {
    case Stage::Header: StepHeader(); break;
    case Stage::Headings: StepHeadings(); break;
    case Stage::Seek: StepSeek(); break;
    case Stage::Scan: Binary() ? StepScanBinary() : StepScanText(); break;
    case Stage::Closing: StepClosing(); break;
    case Stage::End: break;
    }
}

void LoggedDataRenderState::Fail(int code)
{
    if (!Binary())
        builder_.MessageRow(line_, kProcessingError);
    result_ = code;
    stage_ = Stage::End;
    header_.close();
    cursor_.Close();
}

void LoggedDataRenderState::MarkGarbled()
{
    dataError_ = true;
    garbledRowDue_ = true;
}

void LoggedDataRenderState::EndHeader()
{
    header_.close();
    stage_ = Stage::Headings;
}

void LoggedDataRenderState::KeepHeaderLines()
{
    if (Binary() || headerTooLong_)
        return;
    headerTooLong_ = headerLines_.size() + line_.size() > kMaxHeaderLines;
    if (!headerTooLong_)
        headerLines_.append(line_);
}

void LoggedDataRenderState::StepHeader()
{
    const std::istream::int_type peeked = header_.peek();
    if (peeked == std::istream::traits_type::eof()) {
        if (header_.bad()) {
            Fail(logrender::kHeaderUnreadable);
            return;
        }
        EndHeader();
        return;
    }
    const auto type = static_cast<std::uint8_t>(peeked);
    const std::size_t length = HeaderRecordLength(type);
    if (length == 0) {
        Fail(logrender::kBadHeaderRecord);
        return;
    }
    std::vector<std::uint8_t> record(length);
    header_.read(reinterpret_cast<char*>(record.data()), static_cast<std::streamsize>(length));
    if (header_.gcount() != static_cast<std::streamsize>(length)) {
        MarkGarbled();  // the file ends inside the record
        EndHeader();
        return;
    }
    switch (type) {
    case logrec::kTypeUnitHeader: TakeUnitHeader(record); break;
    case logrec::kTypePointDefinition: TakePointDefinition(record); break;
    default:
        if (Binary())
            AppendBytes(line_, record);
        break;
    }
    KeepHeaderLines();
}

void LoggedDataRenderState::TakeUnitHeader(std::span<const std::uint8_t> record)
{
    const UnitHeaderRecord header = std::get<UnitHeaderRecord>(ParseLogRecord(record).body);
    // Local time columns show the logger's own local time.
    zone_.SetLoggerTimeZone(ZoneOffsetFromField(header.zoneOffset), header.dstFlags);
    if (Binary()) {
        AppendBytes(line_, record);
        return;
    }
    builder_.LabelRow(line_, "UNIT ID:", header.unitId);
    builder_.LabelRow(line_, "UNIT NAME:", header.unitName);
    builder_.LabelRow(line_, "SERIAL NUMBER:", IntText(header.serialNumber));
    builder_.EmptyRow(line_);
}

void LoggedDataRenderState::TakePointDefinition(std::span<const std::uint8_t> record)
{
    if (points_.size() >= kMaxPoints)
        return;
    const PointDefinitionRecord definition = std::get<PointDefinitionRecord>(ParseLogRecord(record).body);
    Point point;
    point.id = static_cast<std::uint16_t>(definition.pointId);
    point.key = definition.sourceKey;
    point.decimals = definition.decimalPlaces & kDecimalsMask;
    point.selected = Wanted(point.id);
    point.name = definition.name;
    point.units = definition.units;
    if (Binary() && point.selected)
        AppendBytes(line_, record);
    points_.push_back(std::move(point));
}

void LoggedDataRenderState::StepHeadings()
{
    if (!Binary()) {
        while (builder_.Rows() < kRowsBeforeHeadings)
            builder_.EmptyRow(line_);
        const bool utc = options_.timeColumns != TimeColumns::Local;
        const bool local = options_.timeColumns != TimeColumns::Utc;
        builder_.BeginRow(line_);
        if (utc) {
            builder_.AddCell(line_, "UTC Date");
            builder_.AddCell(line_, "UTC Time");
        }
        if (local) {
            builder_.AddCell(line_, "Local Date");
            builder_.AddCell(line_, "Local Time");
        }
        for (const Point& point : points_)
            if (point.selected)
                builder_.AddCell(line_, point.name);
        builder_.EndRow(line_);

        builder_.BeginRow(line_);
        const int timeColumns = (utc ? 2 : 0) + (local ? 2 : 0);
        for (int i = 0; i < timeColumns; ++i)
            builder_.AddCell(line_, {});
        for (const Point& point : points_)
            if (point.selected)
                builder_.AddCell(line_, point.units);
        builder_.EndRow(line_);
        KeepHeaderLines();
    }
    headerDone_ = true;
    stage_ = Stage::Seek;
}

void LoggedDataRenderState::StepSeek()
{
    const CardSeek seek = cursor_.SeekStart(start_, stop_);
    if (seek == CardSeek::Failed) {
        Fail(logrender::kDataFileUnreadable);
        return;
    }
    bool found = false;
    CardDataCursor::RecordBytes record{};
    while (seek == CardSeek::Found && !found) {
        const CardRead read = cursor_.Next(record);
        if (read == CardRead::Failed) {
            Fail(logrender::kDataFileUnreadable);
            return;
        }
        if (read == CardRead::End)
            break;
        if (read == CardRead::Garbled) {
            MarkGarbled();
            continue;
        }
        if (record[0] != logrec::kTypeTimeStamp)
            continue;
        scan_ = CardStamp::FromRecord(record);
        if (scan_ < start_)
            continue;
        if (stop_ < scan_)
            break;
        found = true;
    }
    if (!found) {
        if (!Binary())
            builder_.MessageRow(line_, kNoData);
        cursor_.Close();
        stage_ = Stage::End;
        return;
    }
    row_ = scan_;
    if (Binary()) {
        AppendBytes(line_, record);
    } else if (garbledRowDue_) {
        // Garbled data met on the way to the range may have hidden part of it.
        builder_.MessageRow(line_, kGarbled);
        garbledRowDue_ = false;
    }
    stage_ = Stage::Scan;
}

void LoggedDataRenderState::TakeValue(std::span<const std::uint8_t> record)
{
    const ValueRecord value = std::get<ValueRecord>(ParseLogRecord(record).body);
    const auto id = static_cast<std::uint16_t>(value.pointId);
    const auto point = std::find_if(
        points_.begin(), points_.end(), [&](const Point& p) { return p.id == id && p.key == value.sourceKey; });
    if (point == points_.end())
        return;  // a value of a point that "HEADER" does not define
    point->updated = true;
    switch (value.Kind()) {
    case logrec::kTypeBool:
        point->type = ValueType::Bool;
        point->boolValue = value.boolValue;
        break;
    case logrec::kTypeInt:
        point->type = ValueType::Int;
        point->intValue = value.intValue;
        break;
    default:
        point->type = ValueType::Float;
        point->floatValue = value.floatValue;
        break;
    }
}

void LoggedDataRenderState::StepScanText()
{
    for (Point& point : points_)
        point.updated = false;
    for (;;) {
        CardDataCursor::RecordBytes record{};
        const CardRead read = cursor_.Next(record);
        if (read == CardRead::Failed) {
            Fail(logrender::kDataFileUnreadable);
            return;
        }
        if (read == CardRead::End) {
            BuildRow();
            cursor_.Close();
            stage_ = Stage::End;
            return;
        }
        if (read == CardRead::Garbled) {
            // The row so far ends here and the garbled row follows it.
            MarkGarbled();
            BuildRow();
            return;
        }
        if (record[0] == logrec::kTypeEnd)
            continue;
        if (record[0] != logrec::kTypeTimeStamp) {
            TakeValue(record);
            continue;
        }
        scan_ = CardStamp::FromRecord(record);
        // Without sub-second ticks stamps in the same second share a row.
        const bool newRow = scan_.subSecond ? (scan_.seconds != row_.seconds || scan_.ticks != row_.ticks)
                                            : scan_.seconds != row_.seconds;
        if (!newRow)
            continue;
        const bool last = stop_ < scan_;
        BuildRow();
        if (last) {
            cursor_.Close();
            stage_ = Stage::End;
        }
        return;
    }
}

void LoggedDataRenderState::StepScanBinary()
{
    for (;;) {
        CardDataCursor::RecordBytes record{};
        const CardRead read = cursor_.Next(record);
        if (read == CardRead::Failed) {
            Fail(logrender::kDataFileUnreadable);
            return;
        }
        if (read == CardRead::End) {
            stage_ = Stage::Closing;
            return;
        }
        if (read == CardRead::Garbled) {
            dataError_ = true;
            continue;
        }
        if (record[0] == logrec::kTypeTimeStamp && stop_ < CardStamp::FromRecord(record)) {
            stage_ = Stage::Closing;
            return;
        }
        if (record[0] != logrec::kTypeTimeStamp && record[0] != logrec::kTypeEnd) {
            const ValueRecord value = std::get<ValueRecord>(ParseLogRecord(record).body);
            if (!Wanted(static_cast<std::uint16_t>(value.pointId)))
                continue;
        }
        AppendBytes(line_, record);
        return;
    }
}

void LoggedDataRenderState::StepClosing()
{
    // A time stamp just past the range, then an end record, so that the
    // output stays a whole record stream.
    std::uint32_t seconds = options_.stopTime;
    if (options_.stopTicks != 0 && seconds < std::numeric_limits<std::uint32_t>::max())
        ++seconds;
    AppendStampRecord(line_, seconds);
    line_.push_back(static_cast<char>(logrec::kTypeEnd));
    line_.append(logrec::kShortLength - 1, '\0');
    cursor_.Close();
    stage_ = Stage::End;
}

void LoggedDataRenderState::AddTimeCells(const CardStamp& stamp, bool local)
{
    const std::int64_t seconds = local ? zone_.ApplyLoggerTimeZone(stamp.seconds) : stamp.seconds;
    DateAndTimeText text = FormatDateAndTime(DisplayTime(seconds));
    if (stamp.subSecond) {
        char milliseconds[8];
        std::snprintf(milliseconds, sizeof milliseconds, ":%03d", stamp.ticks * kMillisecondsPerTick);
        text.time.append(milliseconds);
    }
    builder_.AddCell(line_, text.date);
    builder_.AddCell(line_, text.time);
}

void LoggedDataRenderState::BuildRow()
{
    const bool anyUpdated
        = std::any_of(points_.begin(), points_.end(), [](const Point& p) { return p.selected && p.updated; });
    const CardStamp rowStamp = row_;
    row_ = scan_;
    if (!anyUpdated && !garbledRowDue_)
        return;  // nothing to show for this time
    builder_.BeginRow(line_);
    if (options_.timeColumns != TimeColumns::Local)
        AddTimeCells(rowStamp, false);
    if (options_.timeColumns != TimeColumns::Utc)
        AddTimeCells(rowStamp, true);
    for (const Point& point : points_) {
        if (!point.selected)
            continue;
        if (!point.updated) {
            builder_.AddCell(line_, {});
            continue;
        }
        switch (point.type) {
        case ValueType::Bool: builder_.AddCell(line_, point.boolValue ? "1" : "0"); break;
        case ValueType::Int: builder_.AddCell(line_, IntText(point.intValue)); break;
        case ValueType::Float: {
            char text[64];
            std::snprintf(text, sizeof text, "%.*f", point.decimals, static_cast<double>(point.floatValue));
            builder_.AddCell(line_, text);
            break;
        }
        case ValueType::None: builder_.AddCell(line_, {}); break;
        }
    }
    builder_.EndRow(line_);
    if (garbledRowDue_) {
        builder_.MessageRow(line_, kGarbled);
        garbledRowDue_ = false;
    }
}

}  // namespace corvane
