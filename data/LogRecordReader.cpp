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

std::span<const std::uint8_t> LogRecordReader::NextBytes()
{
    if (done_)
        return {};
    if (pos_ == end_)
        Fill(1);
    if (pos_ == end_) {
        done_ = true;
        return {};
    }
    const std::size_t length = LogRecordLength(buffer_[pos_]);
    if (end_ - pos_ < length)
        Fill(length);
    const std::size_t available = std::min(end_ - pos_, length);
    if (available < length) {
        done_ = true;
        if (!readFailed_) {
            // The stream ended inside the record: the parse names the field cut short.
            error_ = ParseLogRecord(std::span<const std::uint8_t>(buffer_.data() + pos_, available)).error;
            error_.offset += static_cast<std::size_t>(consumed_);
        }
        return {};
    }
    const std::span<const std::uint8_t> record(buffer_.data() + pos_, length);
    pos_ += length;
    consumed_ += length;
    return record;
}

std::optional<LogRecord> LogRecordReader::Next()
{
    const std::span<const std::uint8_t> bytes = NextBytes();
    if (bytes.empty())
        return std::nullopt;
    return LogRecord{consumed_ - bytes.size(), ParseLogRecord(bytes).body};
}

}  // namespace corvane
