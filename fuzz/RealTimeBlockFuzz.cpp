// Reads arbitrary bytes as a real-time message's data: a block keeps the
// header and every whole item, byte for byte, and nothing else.
#include "comms/RealTimeDataBlock.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using corvane::RealTimeDataBlock;
    const std::span<const std::uint8_t> input = size == 0 ? std::span<const std::uint8_t>{} : std::span(data, size);
    const auto block = RealTimeDataBlock::FromStreamData(input);
    if (size < RealTimeDataBlock::kHeaderSize) {
        if (block)
            std::abort();
        return 0;
    }
    const std::size_t count = (size - RealTimeDataBlock::kHeaderSize) / RealTimeDataBlock::kItemSize;
    if (!block || block->Count() != count)
        std::abort();
    const std::span<const std::uint8_t> bytes = block->Bytes();
    if (bytes.size() != RealTimeDataBlock::kHeaderSize + count * RealTimeDataBlock::kItemSize
        || !std::equal(bytes.begin(), bytes.end(), input.begin()))
        std::abort();
    return 0;
}
