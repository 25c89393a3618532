#include "loggersim/SessionDownload.h"

#include "base/ByteWriter.h"
#include "halvix/protocol/RequestTypes.h"

#include <algorithm>
#include <limits>

namespace corvane {

SessionDownload::SessionDownload(LoggedSessionGenerator generator, std::uint16_t mode)
    : generator_(std::move(generator)), mode_(mode), head_(generator_.HeadRecords())
{}

std::optional<SessionDownload::Block> SessionDownload::Next()
{
    Block block;
    const std::optional<std::uint16_t> replyType = Next(block.data);
    if (!replyType)
        return std::nullopt;
    block.replyType = *replyType;
    return block;
}

std::optional<std::uint16_t> SessionDownload::Next(std::vector<std::uint8_t>& data)
{
    if (finished_)
        return std::nullopt;
    return mode_ == kSdlModeHead ? NextHeadBlock(data) : NextDataBlock(data);
}

std::uint16_t SessionDownload::NextHeadBlock(std::vector<std::uint8_t>& data)
{
    const std::size_t count = std::min(kSdlBlockSize, head_.size() - headSent_);
    const auto first = head_.begin() + static_cast<std::ptrdiff_t>(headSent_);
    data.assign(first, first + static_cast<std::ptrdiff_t>(count));
    headSent_ += count;
    finished_ = count < kSdlBlockSize;
    return kReplySdlStream;
}

std::uint16_t SessionDownload::NextDataBlock(std::vector<std::uint8_t>& data)
{
    if (headSent_ < head_.size()) {
        pending_.assign(head_.begin(), head_.end());
        headSent_ = head_.size();
        head_.clear();
        head_.shrink_to_fit();
    }
    const std::uint64_t room = std::numeric_limits<std::uint32_t>::max() - offset_;
    const auto size = static_cast<std::size_t>(std::min<std::uint64_t>(kSdlBlockSize, room));
    // The block takes what is left over first, then records straight from
    // the generator; a record that does not fit is left over for the next.
    data.resize(kSdlOffsetSize + size);
    const std::span<std::uint8_t> stream = std::span(data).subspan(kSdlOffsetSize);
    const std::size_t carried = std::min(size, pending_.size());
    std::copy_n(pending_.begin(), carried, stream.begin());
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(carried));
    std::size_t count = carried;
    count += generator_.Fill(stream.subspan(count, size - count));
    LoggedSessionGenerator::Record record;
    if (count < size && generator_.Next(record)) {
        const std::size_t part = std::min(record.size(), size - count);
        std::copy_n(record.begin(), part, stream.begin() + static_cast<std::ptrdiff_t>(count));
        pending_.insert(pending_.end(), record.begin() + static_cast<std::ptrdiff_t>(part), record.end());
        count += part;
    }
    if (count == 0) {
        finished_ = true;
        data.clear();
        return kReplySdlData;
    }
    data.resize(kSdlOffsetSize + count);
    ByteWriter writer(data);
    writer.U32LE(static_cast<std::uint32_t>(offset_));
    offset_ += count;
    return kReplySdlData;
}

}  // namespace corvane
