#include "base/ByteCursor.h"

namespace corvane {

void ByteCursor::Fail(ByteErrorKind kind, std::size_t offset, std::size_t size, std::string_view field)
{
    if (error_)
        return;
    error_.kind = kind;
    error_.offset = offset;
    error_.size = size;
    error_.field = std::string(field);
}

void ByteCursor::RefuseSeek(std::size_t offset, std::string_view field)
{
    Fail(ByteErrorKind::OutOfRange, offset, 0, field);
}

void ByteCursor::RefuseClaim(std::size_t count, std::string_view field)
{
    Fail(ByteErrorKind::Truncated, offset_, count, field);
}

}  // namespace corvane
