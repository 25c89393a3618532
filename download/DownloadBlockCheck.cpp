#include "download/DownloadBlockCheck.h"

#include "base/ByteReader.h"

#include <limits>

namespace corvane {

DownloadBlockCheck::Result DownloadBlockCheck::Check(std::span<const std::uint8_t> data)
{
    Result result;
    if (data.empty())
        return result;
    result.outcome = Outcome::SequenceError;
    ByteReader reader(data);
    const std::uint32_t offset = reader.U32LE("offset");
    if (reader.Failed())
        return result;
    result.offset = offset;
    const std::size_t length = reader.Remaining();
    if (offset != total_ || length > std::numeric_limits<std::uint32_t>::max() - total_)
        return result;
    result.outcome = Outcome::Accepted;
    result.bytes = reader.Bytes(length, "block");
    total_ += static_cast<std::uint32_t>(length);
    ++blocks_;
    return result;
}

void DownloadBlockCheck::Reset()
{
    total_ = 0;
    blocks_ = 0;
}

}  // namespace corvane
