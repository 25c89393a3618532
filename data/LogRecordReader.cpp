#include "data/LogRecordReader.h"

#include <algorithm>
#include <cstring>

namespace corvane {

LogRecordReader::LogRecordReader(std::istream& in, std::size_t chunkSize)
    : in_(in), buffer_(std::max(chunkSize, logrec::kUnitHeaderLength))
{
}

void LogRecordReader::Fill(std::size_t count)
{
    if (end_ - pos_ >= count || eof_)
        return;
    // Keep the unread tail, then top the buffer up from the stream.
    std::memmove(buffer_.data(), buffer_.data() + pos_, end_ - pos_);
    end_ -= pos_;
    pos_ = 0;
    while (end_ < count && !eof_) {
        std::streambuf* source = in_.rdbuf();
        const std::streamsize got = source == nullptr
            ? 0
            : source->sgetn(reinterpret_cast<char*>(buffer_.data() + end_),
                            static_cast<std::streamsize>(buffer_.size() - end_));
        if (got <= 0) {
            eof_ = true;
            if (source == nullptr || in_.bad())
                readFailed_ = true;
        } else {
            end_ += static_cast<std::size_t>(got);
        }
    }
}

std::optional<LogRecord> LogRecordReader::Next()
{
    if (done_)
        return std::nullopt;
    Fill(1);
    if (pos_ == end_) {
        done_ = true;
        return std::nullopt;
    }
    const std::size_t length = LogRecordLength(buffer_[pos_]);
    Fill(length);
    const std::size_t available = std::min(end_ - pos_, length);
    ParsedLogRecord parsed = ParseLogRecord(std::span<const std::uint8_t>(buffer_.data() + pos_, available));
    if (parsed.error) {
        error_ = std::move(parsed.error);
        error_.offset += static_cast<std::size_t>(consumed_);
        done_ = true;
        return std::nullopt;
    }
    LogRecord record{consumed_, std::move(parsed.body)};
    pos_ += length;
    consumed_ += length;
    return record;
}

}  // namespace corvane
