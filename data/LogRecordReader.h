#pragma once

#include "base/ByteError.h"
#include "data/LogRecords.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <span>
#include <vector>

namespace corvane {

// Walks a logged-data stream record by record. The stream is read in
// chunks, so memory stays the same whatever the session's size. An end
// record does not stop the walk; the end of the stream does.
class LogRecordReader {
public:
    explicit LogRecordReader(std::istream& in, std::size_t chunkSize = std::size_t{64} * 1024);

    // The next record, or nothing at the end of the stream. A stream that
    // ends inside a record also gives nothing, and Error() then names the
    // field cut short with its offset in the stream. A read error ends the
    // walk after the last record received whole; ReadFailed() then tells.
    std::optional<LogRecord> Next();
    // The next whole record's bytes, type byte first, valid until the next
    // call; empty where Next() gives nothing, with the same Error() and
    // ReadFailed(). For walks that read only some records' fields.
    std::span<const std::uint8_t> NextBytes();

    const ByteError& Error() const { return error_; }
    // True when the stream itself failed (not just ended).
    bool ReadFailed() const { return readFailed_; }
    // Where in the stream the failed read began.
    std::uint64_t ReadFailedAt() const { return readFailedAt_; }
    // Bytes of whole records handed out so far.
    std::uint64_t Consumed() const { return consumed_; }

private:
    // Makes at least count bytes available from pos_ unless the stream ends.
    void Fill(std::size_t count);

    std::istream& in_;
    std::vector<std::uint8_t> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    bool readFailed_ = false;
    std::uint64_t readFailedAt_ = 0;
    std::uint64_t received_ = 0;  // bytes taken from the stream
    bool done_ = false;
    std::uint64_t consumed_ = 0;
    ByteError error_;
};

}  // namespace corvane
