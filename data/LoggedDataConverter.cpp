#include "data/LoggedDataConverter.h"

#include "base/CivilTime.h"
#include "base/ProgressRange.h"
#include "data/LogRecordReader.h"

#include <algorithm>
#include <charconv>
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

void AppendInt(std::string& out, std::int64_t value)
{
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

void AppendPadded(std::string& out, int value, int digits)
{
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    const auto length = static_cast<int>(result.ptr - text);
    if (value >= 0 && length < digits)
        out.append(static_cast<std::size_t>(digits - length), '0');
    out.append(text, result.ptr);
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

void LoggedDataConverter::EmitLine()
{
    if (!writeFailed_ && !out_->Write(line_))
        writeFailed_ = true;
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
    emptyCell_.clear();
    JustifyInto(emptyCell_, std::string_view(&options_.delimiter, 1));

    ConvertResult result;
    ReportProgress(0);
    LogRecordReader reader(in);
    while (!writeFailed_) {
        std::optional<LogRecord> record = reader.Next();
        if (!record)
            break;
        std::visit(
            [this](const auto& body) {
                using Body = std::decay_t<decltype(body)>;
                if constexpr (std::is_same_v<Body, ValueRecord>)
                    OnValue(body);
                else if constexpr (std::is_same_v<Body, UnitHeaderRecord>)
                    header_ = body;
                else if constexpr (std::is_same_v<Body, PointDefinitionRecord>)
                    OnPointDefinition(body);
                else if constexpr (std::is_same_v<Body, TimeStampRecord>)
                    OnTimeStamp(body);
            },
            record->body);
        ++result.records;
        if (result.records % kProgressEvery == 0 && options_.totalBytes > 0) {
            ReportProgress(ProgressShare(reader.Consumed(), options_.totalBytes, 100));
        }
    }
    if (rowPending_)
        WriteRow();
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
    scratch_.clear();
    scratch_.push_back(options_.delimiter);
    switch (record.Kind()) {
    case logrec::kTypeBool: scratch_.append(record.boolValue ? "TRUE" : "FALSE"); break;
    case logrec::kTypeInt: AppendInt(scratch_, record.intValue); break;
    default: {
        const int decimals = columns_[static_cast<std::size_t>(column)].decimals;
        char text[96];
        const auto converted = std::to_chars(
            text, text + sizeof text, static_cast<double>(record.floatValue), std::chars_format::fixed, decimals);
        const auto length = converted.ec == std::errc() ? static_cast<std::size_t>(converted.ptr - text) : 0;
        if (length < 3)
            scratch_.append(3 - length, ' ');
        scratch_.append(text, length);
        break;
    }
    }
    std::string& cell = cells_[static_cast<std::size_t>(column)];
    cell.clear();
    JustifyInto(cell, scratch_);
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
    cells_.assign(columns_.size(), emptyCell_);
}

void LoggedDataConverter::AppendDateTime(std::uint32_t seconds, std::uint16_t ticks, bool local)
{
    const DateTimeFields fields = local ? LocalFields(seconds) : UtcFields(seconds);
    scratch_.assign(1, ' ');
    AppendPadded(scratch_, fields.month, 2);
    scratch_.push_back('/');
    AppendPadded(scratch_, fields.day, 2);
    scratch_.push_back('/');
    AppendPadded(scratch_, fields.year, 4);
    Justify(scratch_);
    scratch_.assign(1, options_.delimiter);
    scratch_.push_back(' ');
    AppendPadded(scratch_, fields.hour, 2);
    scratch_.push_back(':');
    AppendPadded(scratch_, fields.minute, 2);
    scratch_.push_back(':');
    AppendPadded(scratch_, fields.second, 2);
    if (ticks != 0) {
        scratch_.push_back(':');
        AppendPadded(scratch_, ticks * kMillisecondsPerTick, 3);
    }
    Justify(scratch_);
}

void LoggedDataConverter::WriteRow()
{
    if (!lastStamp_)
        return;
    const std::uint32_t seconds = lastStamp_->seconds;
    const std::uint16_t ticks = lastStamp_->ticks;
    const char d = options_.delimiter;
    if (options_.timeColumns != TimeColumns::Local)
        AppendDateTime(seconds, ticks, false);
    if (options_.timeColumns == TimeColumns::Both)
        line_.append(emptyCell_);
    if (options_.timeColumns != TimeColumns::Utc)
        AppendDateTime(seconds, ticks, true);
    line_.push_back(d);
    AppendInt(line_, static_cast<std::int64_t>(seconds) - static_cast<std::int64_t>(elapsedBase_));
    for (std::string& cell : cells_) {
        line_.append(cell);
        cell = emptyCell_;
    }
    line_.push_back(d);
    line_.append("\r\n");
    EmitLine();
    ++rows_;
}

}  // namespace corvane
