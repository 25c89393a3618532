#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace corvane {

// The logger's answers of a net transfer, read from a reply's data (layout
// in halvix/protocol/NetTransferLayout.h).

// CxNetParm: whether the logger holds a net, its size and its name.
struct NetStatusReply {
    std::uint16_t status = 0;
    std::uint32_t size = 0;
    std::string name;  // Windows-1252 bytes; empty when the reply has none
};
// Nothing when the data is too short for the status and the size.
std::optional<NetStatusReply> ParseNetStatusReply(std::span<const std::uint8_t> data);

// CxNetGet: the value the next request sends (0 after the last block) and
// the block.
struct NetBlockReply {
    std::uint32_t next = 0;
    std::span<const std::uint8_t> block;  // within the data
};
// Nothing when the data is too short for the value.
std::optional<NetBlockReply> ParseNetBlockReply(std::span<const std::uint8_t> data);

// CxNetSet: the value the next call sends; nothing unless the data is that
// value alone.
std::optional<std::uint32_t> ParseNetValueReply(std::span<const std::uint8_t> data);

}  // namespace corvane
