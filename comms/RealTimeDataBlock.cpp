#include "comms/RealTimeDataBlock.h"

#include "base/ByteReader.h"
#include "base/ByteWriter.h"

namespace corvane {

std::unique_ptr<RealTimeDataBlock> RealTimeDataBlock::FromStreamData(std::span<const std::uint8_t> data)
{
    if (data.size() < kHeaderSize)
        return nullptr;
    const std::size_t count = (data.size() - kHeaderSize) / kItemSize;
    std::unique_ptr<RealTimeDataBlock> block(new RealTimeDataBlock(count));

    ByteReader reader(data);
    ByteWriter writer(block->bytes_);
    writer.U32LE(reader.U32LE("stream id"), "stream id");
    writer.U32LE(reader.U32LE("time stamp"), "time stamp");
    writer.U16LE(reader.U16LE("sub-second count"), "sub-second count");
    for (std::size_t i = 0; i < count; ++i) {
        writer.U16LE(reader.U16LE("probe id"), "probe id");
        // The value is copied as its four bytes, so no float conversion can alter them.
        writer.U32LE(reader.U32LE("value"), "value");
    }
    if (reader.Failed() || writer.Failed())
        return nullptr;
    return block;
}

}  // namespace corvane
