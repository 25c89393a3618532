#pragma once

#include "base/ByteError.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// Why stored net bytes were refused.
enum class RecordErrorKind {
    Truncated,  // a field runs past the stored length or the buffer
    BadLength,  // a stored length does not fit the record or buffer
    BadCount,   // a count is above what the record can hold
    BadValue,   // a field holds a value the reader does not accept
};

// A refusal of stored net bytes: what was wrong, where, and which field.
struct RecordError {
    RecordErrorKind kind = RecordErrorKind::BadValue;
    std::size_t offset = 0;
    std::string field;

    std::string Describe() const;
};

std::string_view RecordErrorKindName(RecordErrorKind kind);

// The record error for the first failure of a byte reader.
RecordError RecordErrorFromByteError(const ByteError& error);

}  // namespace corvane
