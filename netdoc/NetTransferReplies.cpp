#include "netdoc/NetTransferReplies.h"

#include "base/ByteReader.h"
#include "halvix/protocol/NetTransferLayout.h"

namespace corvane {

std::optional<NetStatusReply> ParseNetStatusReply(std::span<const std::uint8_t> data)
{
    ByteReader reader(data);
    NetStatusReply reply;
    reader.Seek(kNetParmStatusOffset);
    reply.status = reader.U16LE("net status");
    reader.Seek(kNetParmSizeOffset);
    reply.size = reader.U32LE("net size");
    if (reader.Failed())
        return std::nullopt;
    reader.Seek(kNetParmNameOffset);
    reply.name = std::string(reader.FixedText(reader.Remaining(), "net name"));
    return reply;
}

std::optional<NetBlockReply> ParseNetBlockReply(std::span<const std::uint8_t> data)
{
    ByteReader reader(data);
    NetBlockReply reply;
    reply.next = reader.U32LE("next value");
    if (reader.Failed())
        return std::nullopt;
    reply.block = data.subspan(kNetBlockOffset);
    return reply;
}

std::optional<std::uint32_t> ParseNetValueReply(std::span<const std::uint8_t> data)
{
    if (data.size() != kNetValueSize)
        return std::nullopt;
    return ByteReader(data).U32LE("next value");
}

}  // namespace corvane
