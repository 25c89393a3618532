#include "data/LoggedDataConverter.h"

#include "base/CivilTime.h"
#include "base/ProgressRange.h"
#include "data/FixedDecimalText.h"
#include "data/IntegerText.h"
#include "data/LogRecordReader.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <ctime>
#include <string>
#include <type_traits>
#include <variant>

namespace corvane {
namespace {

constexpr std::uint64_t kProgressEvery = 1000;
constexpr std::size_t kPointIdSpan = 65536;
constexpr int kPointIdBias = 32768;
// Decimal places of a point definition are packed in 4 bits.
constexpr int kDecimalsMask = 0x0F;
constexpr int kMillisecondsPerTick = 5;
// The text goes to the sink in pieces of about this size.
constexpr std::size_t kFlushAt = std::size_t{64} * 1024;
// The longest unjustified texts of a row's fields, with their delimiters:
// a value (delimiter, padding to three, the longest number), a date, a
// time with ticks, the elapsed seconds, and the row's end.
constexpr std::size_t kValueTextMax = 4 + kFixedDecimalTextMax;
constexpr std::size_t kDateTextMax = 16;
constexpr std::size_t kTimeTextMax = 32;
constexpr std::size_t kElapsedTextMax = 24;
constexpr std::size_t kRowEndText = 3;

char* PutText(char* at, std::string_view text)
{
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

// Writes value with leading zeros to at least digits digits.
char* PutPadded(char* at, int value, int digits)
{
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    const auto length = static_cast<int>(result.ptr - text);
    if (value >= 0 && length < digits) {
        std::memset(at, '0', static_cast<std::size_t>(digits - length));
        at += digits - length;
    }
    return PutText(at, std::string_view(text, static_cast<std::size_t>(length)));
}

struct DateTimeFields {
    int year = 1970, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

DateTimeFields UtcFields(std::uint32_t seconds)
{
    const CivilTime civil = BreakDownUtc(seconds);
    return {civil.year, civil.month, civil.day, civil.hour, civil.minute, civil.second};
}

// The PC's local time, by the process's TZ setting.
DateTimeFields LocalFields(std::uint32_t seconds)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm parts{};
    if (::localtime_r(&time, &parts) == nullptr)
        return UtcFields(seconds);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

}  // namespace

LoggedDataConverter::LoggedDataConverter(ConvertOptions options) : options_(std::move(options))
{
    options_.columnWidth = std::clamp(options_.columnWidth, 0, 1024);
}

void LoggedDataConverter::JustifyInto(std::string& out, std::string_view text) const
{
    const auto width = static_cast<std::size_t>(options_.columnWidth);
    if (text.size() < width)
        out.append(width - text.size(), ' ');
    out.append(text);
}

void LoggedDataConverter::Justify(std::string_view text) { JustifyInto(line_, text); }

char* LoggedDataConverter::PutJustified(char* at, std::string_view text) const
{
    const auto width = static_cast<std::size_t>(options_.columnWidth);
    if (text.size() < width) {
        std::memset(at, ' ', width - text.size());
        at += width - text.size();
    }
    return PutText(at, text);
}

char* LoggedDataConverter::Room(std::size_t count)
{
    if (buffer_.size() - used_ < count) {
        Flush();
        if (buffer_.size() < count)
            buffer_.resize(count);
    }
    return buffer_.data() + used_;
}

void LoggedDataConverter::Flush()
{
    if (used_ > 0 && !writeFailed_ && !out_->Write(std::string_view(buffer_.data(), used_)))
        writeFailed_ = true;
    used_ = 0;
}

void LoggedDataConverter::EmitLine()
{
    char* at = PutText(Room(line_.size()), line_);
    used_ = static_cast<std::size_t>(at - buffer_.data());
    line_.clear();
}

void LoggedDataConverter::ReportProgress(int percent)
{
    if (options_.progress && options_.totalBytes > 0)
        options_.progress(percent);
}

ConvertResult LoggedDataConverter::Convert(std::istream& in, OutputSink& out)
{
    out_ = &out;
    writeFailed_ = false;
    header_ = {};
    keptDefinitions_.clear();
    columns_.clear();
    cells_.clear();
    lastStamp_.reset();
    elapsedBase_ = 0;
    headerWritten_ = false;
    rowPending_ = false;
    inWindow_ = true;
    rows_ = 0;
    line_.clear();
    buffer_.assign(kFlushAt + kFlushAt / 4, '\0');
    used_ = 0;
    utcTexts_ = TimeStampTexts(false);
    localTexts_ = TimeStampTexts(true);
    emptyCell_.clear();
    JustifyInto(emptyCell_, std::string_view(&options_.delimiter, 1));

    ConvertResult result;
    ReportProgress(0);
    LogRecordReader reader(in);
    while (!writeFailed_) {
        const std::span<const std::uint8_t> record = reader.NextBytes();
        if (record.empty())
            break;
        OnRecord(record);
        ++result.records;
        if (result.records % kProgressEvery == 0 && options_.totalBytes > 0) {
            ReportProgress(ProgressShare(reader.Consumed(), options_.totalBytes, 100));
        }
    }
    if (rowPending_)
        WriteRow();
    Flush();
    ReportProgress(100);

    result.truncation = reader.Error();
    result.rows = rows_;
    if (reader.ReadFailed()) {
        result.readFailedAt = reader.ReadFailedAt();
        result.message = "The logged data could not be read at offset " + std::to_string(*result.readFailedAt) + ".";
        return result;
    }
    if (writeFailed_) {
        result.message = "The converted data could not be written.";
        return result;
    }
    result.ok = true;
    return result;
}

void LoggedDataConverter::OnRecord(std::span<const std::uint8_t> bytes)
{
    // Values and time stamps, nearly every record, are read straight from
    // their bytes; the rest go through the full parse.
    switch (bytes[0] & 0x0F) {
    case logrec::kTypeBool:
    case logrec::kTypeInt:
    case logrec::kTypeFloat: OnValue(ReadValueRecord(bytes.first<logrec::kShortLength>())); return;
    case logrec::kTypeTimeStamp: OnTimeStamp(ReadTimeStampRecord(bytes.first<logrec::kShortLength>())); return;
    default: break;
    }
    std::visit(
        [this](const auto& body) {
            using Body = std::decay_t<decltype(body)>;
            if constexpr (std::is_same_v<Body, UnitHeaderRecord>)
                header_ = body;
            else if constexpr (std::is_same_v<Body, PointDefinitionRecord>)
                OnPointDefinition(body);
        },
        ParseLogRecord(bytes).body);
}

void LoggedDataConverter::OnPointDefinition(const PointDefinitionRecord& record)
{
    if (headerWritten_)
        return;  // columns are fixed once the heads are written
    if (options_.filter) {
        const auto& ids = options_.filter->pointIds;
        if (std::find(ids.begin(), ids.end(), record.pointId) == ids.end())
            return;
    }
    keptDefinitions_.push_back(record);
}

void LoggedDataConverter::OnValue(const ValueRecord& record)
{
    // Values before the first time stamp have no row and no columns.
    if (!headerWritten_ || !inWindow_)
        return;
    rowPending_ = true;
    const std::int32_t column = columnOfPoint_[static_cast<std::size_t>(record.pointId + kPointIdBias)];
    if (column < 0)
        return;
    Cell& cell = cells_[static_cast<std::size_t>(column)];
    cell.filled = true;
    cell.value = record;
}

void LoggedDataConverter::OnTimeStamp(const TimeStampRecord& record)
{
    if (!headerWritten_) {
        WriteHeaderBlock(record.seconds);
        headerWritten_ = true;
        elapsedBase_ = record.seconds;
    }
    if (lastStamp_ && lastStamp_->bytes == record.bytes)
        return;  // the same time: the values that follow join the current row
    if (rowPending_) {
        WriteRow();
        rowPending_ = false;
    }
    lastStamp_ = record;
    if (options_.filter)
        inWindow_ = options_.filter->start <= record.seconds && record.seconds <= options_.filter->stop;
}

void LoggedDataConverter::WriteHeaderBlock(std::uint32_t firstStampSeconds)
{
    const char d = options_.delimiter;
    auto field = [&](std::string_view label, std::string_view value) {
        line_.append(label);
        line_.push_back(d);
        line_.append(value);
        line_.push_back(d);
        line_.append("\r\n");
    };
    field("UNIT ID:", header_.unitId);
    field("UNIT NAME:", header_.unitName);
    line_.append("SERIAL NUMBER:");
    line_.push_back(d);
    AppendInt(line_, header_.serialNumber);
    line_.push_back(d);
    line_.append("\r\n\r\n");
    field("CALIBRATION DATE:", header_.calibrationDate);
    field("CALIBRATION DUE:", header_.calibrationDue);
    field("CALIBRATION NOTE:", header_.calibrationNote);
    line_.append("\r\n");
    field("PROGRAM NAME:", header_.programName);
    line_.append("\r\n");

    const DateTimeFields start = LocalFields(options_.sessionStart.value_or(firstStampSeconds));
    line_.append("LOGGING SESSION START TIME:");
    line_.push_back(d);
    AppendPadded(line_, start.month, 2);
    line_.push_back('/');
    AppendPadded(line_, start.day, 2);
    line_.push_back('/');
    AppendPadded(line_, ((start.year % 100) + 100) % 100, 2);
    line_.push_back(d);
    AppendPadded(line_, start.hour, 2);
    line_.push_back(':');
    AppendPadded(line_, start.minute, 2);
    line_.push_back(':');
    AppendPadded(line_, start.second, 2);
    line_.push_back(d);
    line_.append("\r\n\r\n\r\n\r\n\r\n");

    const bool utc = options_.timeColumns != TimeColumns::Local;
    const bool local = options_.timeColumns != TimeColumns::Utc;
    const bool both = options_.timeColumns == TimeColumns::Both;
    const std::string ds(1, d);
    if (utc) {
        Justify("UTC Date");
        Justify(ds + "UTC Time");
    }
    if (both)
        Justify(ds);
    if (local) {
        Justify("Local Date");
        Justify(ds + "Local Time");
    }
    line_.append(ds + "Elapsed");
    columns_.clear();
    columnOfPoint_.assign(kPointIdSpan, -1);
    for (const PointDefinitionRecord& definition : keptDefinitions_) {
        Justify(ds + definition.name);
        const auto index = static_cast<std::int32_t>(columns_.size());
        std::int32_t& slot = columnOfPoint_[static_cast<std::size_t>(definition.pointId + kPointIdBias)];
        if (slot < 0)
            slot = index;
        columns_.push_back({definition.pointId, definition.decimalPlaces & kDecimalsMask});
    }
    line_.append(ds + "\r\n");

    Justify("mm/dd/yyyy" + ds);
    Justify("hh:mm:ss");
    if (both) {
        Justify(ds + "mm/dd/yyyy");
        Justify(ds + "hh:mm:ss");
    }
    line_.append(ds + "Seconds");
    for (const PointDefinitionRecord& definition : keptDefinitions_)
        Justify(ds + definition.units);
    line_.append(ds + "\r\n");
    EmitLine();

    keptDefinitions_.clear();
    cells_.assign(columns_.size(), Cell{});

    const auto width = static_cast<std::size_t>(options_.columnWidth);
    const std::size_t clock = std::max(width, kDateTextMax) + std::max(width, kTimeTextMax);
    rowBytesMax_ = 2 * clock + emptyCell_.size() + kElapsedTextMax + kRowEndText
        + columns_.size() * std::max(width, kValueTextMax);
}

char* LoggedDataConverter::PutDateTime(
    char* at, TimeStampTexts& texts, std::uint32_t seconds, std::uint16_t ticks) const
{
    texts.Update(seconds);
    at = PutJustified(at, texts.Date());
    char clock[kTimeTextMax];
    clock[0] = options_.delimiter;
    char* end = PutText(clock + 1, texts.Time());
    if (ticks != 0) {
        *end++ = ':';
        end = PutPadded(end, ticks * kMillisecondsPerTick, 3);
    }
    return PutJustified(at, std::string_view(clock, static_cast<std::size_t>(end - clock)));
}

char* LoggedDataConverter::PutCell(char* at, const Cell& cell, int decimals) const
{
    if (!cell.filled)
        return PutText(at, emptyCell_);
    char text[kValueTextMax];
    text[0] = options_.delimiter;
    char* end = text + 1;
    switch (cell.value.Kind()) {
    case logrec::kTypeBool: end = PutText(end, cell.value.boolValue ? "TRUE" : "FALSE"); break;
    case logrec::kTypeInt: end = std::to_chars(end, text + sizeof text, cell.value.intValue).ptr; break;
    default: {
        // Floats are padded to at least three characters.
        char number[kFixedDecimalTextMax];
        const std::size_t length = FormatFixedDecimals(number, cell.value.floatValue, decimals);
        if (length < 3) {
            std::memset(end, ' ', 3 - length);
            end += 3 - length;
        }
        end = PutText(end, std::string_view(number, length));
        break;
    }
    }
    return PutJustified(at, std::string_view(text, static_cast<std::size_t>(end - text)));
}

void LoggedDataConverter::WriteRow()
{
    if (!lastStamp_)
        return;
    const std::uint32_t seconds = lastStamp_->seconds;
    const std::uint16_t ticks = lastStamp_->ticks;
    const char d = options_.delimiter;
    char* at = Room(rowBytesMax_);
    if (options_.timeColumns != TimeColumns::Local)
        at = PutDateTime(at, utcTexts_, seconds, ticks);
    if (options_.timeColumns == TimeColumns::Both)
        at = PutText(at, emptyCell_);
    if (options_.timeColumns != TimeColumns::Utc)
        at = PutDateTime(at, localTexts_, seconds, ticks);
    *at++ = d;
    const std::int64_t elapsed = static_cast<std::int64_t>(seconds) - static_cast<std::int64_t>(elapsedBase_);
    at = std::to_chars(at, at + kElapsedTextMax, elapsed).ptr;
    for (std::size_t column = 0; column < cells_.size(); ++column) {
        Cell& cell = cells_[column];
        at = PutCell(at, cell, columns_[column].decimals);
        cell.filled = false;
    }
    *at++ = d;
    at = PutText(at, "\r\n");
    used_ = static_cast<std::size_t>(at - buffer_.data());
    if (used_ >= kFlushAt)
        Flush();
    ++rows_;
}

}  // namespace corvane
