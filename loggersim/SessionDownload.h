#pragma once

#include "halvix/protocol/SessionTransferLayout.h"
#include "loggersim/LoggedSessionGenerator.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace corvane {

// Bytes of the stream per block.
constexpr std::size_t kSdlBlockSize = 1024;

// The replies that carry one session to the library, made one at a time so
// a session of any size streams through fixed memory.
//
// The whole stream goes as kReplySdlData blocks (offset and up to
// kSdlBlockSize bytes) and ends with an empty kReplySdlData. The head part
// goes as kReplySdlStream blocks of kSdlBlockSize bytes, the last one
// shorter; a head that fills its blocks exactly is followed by an empty
// block, so its end is always seen. Offsets are 32-bit: a stream ends at
// 4 GiB rather than let them wrap.
class SessionDownload {
public:
    struct Block {
        std::uint16_t replyType = 0;
        std::vector<std::uint8_t> data;
    };

    SessionDownload(LoggedSessionGenerator generator, std::uint16_t mode);

    // The next reply's type and data; nothing after the last.
    std::optional<Block> Next();
    // The same with the data written into data, whose room is kept from
    // one block to the next; the reply's type, nothing after the last.
    std::optional<std::uint16_t> Next(std::vector<std::uint8_t>& data);

private:
    std::uint16_t NextHeadBlock(std::vector<std::uint8_t>& data);
    std::uint16_t NextDataBlock(std::vector<std::uint8_t>& data);

    LoggedSessionGenerator generator_;
    const std::uint16_t mode_;
    std::vector<std::uint8_t> head_;
    std::size_t headSent_ = 0;
    std::vector<std::uint8_t> pending_;  // stream bytes made but not yet sent
    std::uint64_t offset_ = 0;           // bytes of the stream sent so far
    bool finished_ = false;
};

}  // namespace corvane
