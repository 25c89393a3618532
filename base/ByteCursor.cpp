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

bool ByteCursor::Seek(std::size_t offset, std::string_view field)
{
    if (error_)
        return false;
    if (offset > size_) {
        Fail(ByteErrorKind::OutOfRange, offset, 0, field);
        return false;
    }
    offset_ = offset;
    return true;
}

std::optional<std::size_t> ByteCursor::Claim(std::size_t count, std::string_view field)
{
    if (error_)
        return std::nullopt;
    if (count > Remaining()) {
        Fail(ByteErrorKind::Truncated, offset_, count, field);
        return std::nullopt;
    }
    const std::size_t start = offset_;
    offset_ += count;
    return start;
}

}  // namespace corvane
