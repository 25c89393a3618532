#include "data/LogRecordReader.h"

#include "data/ReadStreamChunk.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace corvane {

LogRecordReader::LogRecordReader(std::istream& in, std::size_t chunkSize)
    : in_(in), buffer_(std::max(chunkSize, logrec::kUnitHeaderLength))
{}

void LogRecordReader::Fill(std::size_t count)
{
    if (end_ - pos_ >= count || eof_)
        return;
    // Keep the unread tail, then top the buffer up from the stream.
    std::memmove(buffer_.data(), buffer_.data() + pos_, end_ - pos_);
    end_ -= pos_;
    pos_ = 0;
    while (end_ < count && !eof_) {
        const StreamChunk chunk
            = ReadStreamChunk(in_, std::span(reinterpret_cast<char*>(buffer_.data() + end_), buffer_.size() - end_));
        end_ += chunk.size;
        received_ += chunk.size;
        if (chunk.failed) {
            eof_ = true;
            readFailed_ = true;
            readFailedAt_ = received_;
        } else if (chunk.size == 0) {
            eof_ = true;
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
    if (available < length && readFailed_) {
        // Cut short by the failed read, not by the stream's end.
        done_ = true;
        return std::nullopt;
    }
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
