#include "base/ByteError.h"

#include <cstdio>

namespace corvane {

std::string_view ByteErrorKindName(ByteErrorKind kind)
{
    switch (kind) {
    case ByteErrorKind::None: return "no error";
    case ByteErrorKind::Truncated: return "truncated";
    case ByteErrorKind::OutOfRange: return "offset out of range";
    }
    return "unknown";
}

std::string ByteError::Describe() const
{
    char where[64];
    std::snprintf(where, sizeof where, " at offset %zu (%zu bytes)", offset, size);
    std::string text(ByteErrorKindName(kind));
    if (!field.empty()) {
        text += " field '";
        text += field;
        text += "'";
    }
    text += where;
    return text;
}

}  // namespace corvane
