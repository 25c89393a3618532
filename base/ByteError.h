#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// Why a read or write over a byte buffer failed.
enum class ByteErrorKind {
    None,
    Truncated,   // the field runs past the end of the buffer
    OutOfRange,  // a seek or explicit offset lies beyond the buffer
};

// The first failure of a byte reader or writer: what went wrong, at which
// offset, and the name of the field being read or written.
struct ByteError {
    ByteErrorKind kind = ByteErrorKind::None;
    std::size_t offset = 0;  // where the failed field starts
    std::size_t size = 0;    // how many bytes it needed
    std::string field;       // the caller's name for the field

    explicit operator bool() const { return kind != ByteErrorKind::None; }
    std::string Describe() const;
};

std::string_view ByteErrorKindName(ByteErrorKind kind);

}  // namespace corvane
