#pragma once

#include "base/ByteError.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace corvane {

// The position within a buffer of fixed size and the first failure of a
// bounds-checked pass over it, as the byte readers and writers keep them.
// Once failed, every seek and claim is refused without moving.
class ByteCursor {
public:
    explicit ByteCursor(std::size_t size) : size_(size) {}

    std::size_t Offset() const { return offset_; }
    std::size_t Size() const { return size_; }
    std::size_t Remaining() const { return size_ - offset_; }
    bool Failed() const { return static_cast<bool>(error_); }
    const ByteError& Error() const { return error_; }

    // Moves to an absolute offset; the end of the buffer is a valid place.
    bool Seek(std::size_t offset, std::string_view field)
    {
        if (!error_ && offset <= size_) {
            offset_ = offset;
            return true;
        }
        RefuseSeek(offset, field);
        return false;
    }
    // Claims count bytes at the offset and moves past them: where they start,
    // or nothing when they do not fit (kept as the failure) or after a failure.
    // Inline, as every field of every record passes here.
    std::optional<std::size_t> Claim(std::size_t count, std::string_view field)
    {
        if (!error_ && count <= size_ - offset_) {
            const std::size_t start = offset_;
            offset_ += count;
            return start;
        }
        RefuseClaim(count, field);
        return std::nullopt;
    }

private:
    void RefuseSeek(std::size_t offset, std::string_view field);
    void RefuseClaim(std::size_t count, std::string_view field);
    void Fail(ByteErrorKind kind, std::size_t offset, std::size_t size, std::string_view field);

    std::size_t size_;
    std::size_t offset_ = 0;
    ByteError error_;
};

}  // namespace corvane
