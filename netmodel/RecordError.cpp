#include "netmodel/RecordError.h"

namespace corvane {

std::string_view RecordErrorKindName(RecordErrorKind kind)
{
    switch (kind) {
    case RecordErrorKind::Truncated: return "truncated";
    case RecordErrorKind::BadLength: return "bad length";
    case RecordErrorKind::BadCount: return "bad count";
    case RecordErrorKind::BadValue: return "bad value";
    }
    return "unknown";
}

std::string RecordError::Describe() const
{
    return std::string(RecordErrorKindName(kind)) + " at offset " + std::to_string(offset) + " (" + field + ")";
}

RecordError RecordErrorFromByteError(const ByteError& error)
{
    return RecordError{RecordErrorKind::Truncated, error.offset, error.field};
}

}  // namespace corvane
