#include "loggersim/SessionDownload.h"

#include "base/ByteWriter.h"
#include "halvix/protocol/RequestTypes.h"

#include <algorithm>
#include <limits>

namespace corvane {

SessionDownload::SessionDownload(LoggedSessionGenerator generator, std::uint16_t mode)
    : generator_(std::move(generator)), mode_(mode), head_(generator_.HeadRecords())
{
}

std::optional<SessionDownload::Block> SessionDownload::Next()
{
    if (finished_)
        return std::nullopt;
    return mode_ == kSdlModeHead ? NextHeadBlock() : NextDataBlock();
}

std::optional<SessionDownload::Block> SessionDownload::NextHeadBlock()
{
    const std::size_t count = std::min(kSdlBlockSize, head_.size() - headSent_);
    const auto first = head_.begin() + static_cast<std::ptrdiff_t>(headSent_);
    Block block{kReplySdlStream, std::vector<std::uint8_t>(first, first + static_cast<std::ptrdiff_t>(count))};
    headSent_ += count;
    finished_ = count < kSdlBlockSize;
    return block;
}

std::optional<SessionDownload::Block> SessionDownload::NextDataBlock()
{
    if (headSent_ < head_.size()) {
        pending_.assign(head_.begin(), head_.end());
        headSent_ = head_.size();
        head_.clear();
        head_.shrink_to_fit();
    }
    LoggedSessionGenerator::Record record;
    while (pending_.size() < kSdlBlockSize && generator_.Next(record))
        pending_.insert(pending_.end(), record.begin(), record.end());

    const std::uint64_t room = std::numeric_limits<std::uint32_t>::max() - offset_;
    const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>({kSdlBlockSize, pending_.size(), room}));
    if (count == 0) {
        finished_ = true;
        return Block{kReplySdlData, {}};
    }
    Block block{kReplySdlData, std::vector<std::uint8_t>(kSdlOffsetSize + count)};
    ByteWriter writer(block.data);
    writer.U32LE(static_cast<std::uint32_t>(offset_));
    writer.Bytes(std::span(pending_).first(count));
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(count));
    offset_ += count;
    return block;
}

}  // namespace corvane
